#include "toolbox/screen_image.h"

#include "ui/userint.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int SaveScreenToFile(const char *path)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || !path)
        return UIE_INVALID_VALUE;
    QPixmap image = screen->grabWindow(0);
    if (image.isNull())
        return UIE_INVALID_VALUE;
    return image.save(QString::fromLocal8Bit(path)) ? 0 : UIE_INVALID_VALUE;
}
