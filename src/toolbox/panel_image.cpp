#include "toolbox/panel_image.h"

#include "ui/ui_qt.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>

int SavePanelDisplayToFile(int panel, const char *path)
{
    QWidget *widget = nullptr;
    if (int status = LookupPanel(panel, &widget); status < 0)
        return status;
    if (!path || !*path)
        return UIE_INVALID_VALUE;
    QString fileName = QString::fromUtf8(path);
    QByteArray suffix = QFileInfo(fileName).suffix().toLower().toLatin1();
    const char *format = QImageWriter::supportedImageFormats().contains(suffix) ? suffix.constData() : "PNG";
    QPixmap image = widget->grab();
    if (image.isNull() || !image.save(fileName, format))
        return UIE_INVALID_VALUE;
    return UIE_OK;
}
