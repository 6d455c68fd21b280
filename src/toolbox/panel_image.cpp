#include "toolbox/panel_image.h"

#include "ui/ui_qt.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>
#include <QTemporaryFile>

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

int SavePanelDisplayToTempFile(int panel, char *path, int size)
{
    if (!path || size < 1)
        return UIE_INVALID_VALUE;
    path[0] = '\0';
    QWidget *widget = PanelWidget(panel);
    if (!widget)
        return UIE_INVALID_PANEL;
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/chromix-panel-XXXXXX.png"));
    file.setAutoRemove(false);
    if (!file.open())
        return UIE_INVALID_VALUE;
    QString fileName = file.fileName();
    QPixmap image = widget->grab();
    bool saved = !image.isNull() && image.save(&file, "PNG");
    file.close();
    QByteArray encoded = fileName.toUtf8();
    if (!saved || encoded.size() >= size) {
        QFile::remove(fileName);
        return UIE_INVALID_VALUE;
    }
    CopyTextOut(fileName, path, size);
    return UIE_OK;
}
