// Panel operations: showing, hiding, discarding, pop-ups, position, size and the
// panel attributes.
#include "ui/ui_qt.h"

#include <QGuiApplication>
#include <QScreen>

namespace
{

void CollectDescendants(int panel, std::vector<int> &handles)
{
    handles.push_back(panel);
    for (int child : ChildPanels(panel))
        CollectDescendants(child, handles);
}

QRect CenterArea(QWidget *widget)
{
    if (QWidget *parent = widget->parentWidget(); parent && !widget->isWindow())
        return parent->rect();
    QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

int ZoomState(QWidget *widget)
{
    Qt::WindowStates state = widget->windowState();
    if (state & Qt::WindowMaximized)
        return VAL_MAXIMIZE;
    if (state & Qt::WindowMinimized)
        return VAL_MINIMIZE;
    return VAL_NO_ZOOM;
}

int SetZoomState(QWidget *widget, int zoom)
{
    Qt::WindowStates state = widget->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized);
    if (zoom == VAL_MAXIMIZE)
        state |= Qt::WindowMaximized;
    else if (zoom == VAL_MINIMIZE)
        state |= Qt::WindowMinimized;
    else if (zoom != VAL_NO_ZOOM)
        return UIE_INVALID_VALUE;
    widget->setWindowState(state);
    return UIE_OK;
}

} // namespace

int DisplayPanel(int panel)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    if (FindPanel(panel)->isTabPage)
        return UIE_OK;
    widget->show();
    widget->raise();
    return UIE_OK;
}

int HidePanel(int panel)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    if (FindPanel(panel)->isTabPage)
        return UIE_OK;
    widget->hide();
    return UIE_OK;
}

int DiscardPanel(int panel)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    if (FindPanel(panel)->isTabPage)
        return UIE_INVALID_PANEL;
    std::vector<int> handles;
    CollectDescendants(panel, handles);
    for (int handle : handles)
        RemovePanelRecord(handle);
    // The panel may be discarded from inside one of its own callbacks; Qt deletes the
    // widgets once that signal has returned.
    widget->hide();
    widget->deleteLater();
    return UIE_OK;
}

int InstallPopup(int panel)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    if (!widget->isWindow())
        return UIE_INVALID_PANEL;
    // Qt takes a new modality only while the window is hidden.
    widget->hide();
    widget->setWindowModality(Qt::ApplicationModal);
    FindPanel(panel)->popupInstalled = true;
    widget->show();
    widget->raise();
    widget->activateWindow();
    return UIE_OK;
}

int RemovePopup(int panel)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    widget->hide();
    widget->setWindowModality(Qt::NonModal);
    FindPanel(panel)->popupInstalled = false;
    return UIE_OK;
}

int SetPanelPos(int panel, int top, int left)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    QRect geometry = widget->geometry();
    QRect area = CenterArea(widget);
    int x = left == VAL_AUTO_CENTER ? area.left() + (area.width() - geometry.width()) / 2 : left;
    int y = top == VAL_AUTO_CENTER ? area.top() + (area.height() - geometry.height()) / 2 : top;
    widget->setGeometry(x, y, geometry.width(), geometry.height());
    return UIE_OK;
}

int SetPanelSize(int panel, int height, int width)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    if (height <= 0 || width <= 0)
        return UIE_INVALID_VALUE;
    widget->resize(width, height);
    return UIE_OK;
}

int SetPanelAttribute(int panel, int attribute, int value)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    QRect geometry = widget->geometry();
    switch (attribute) {
    case ATTR_LEFT:
        return SetPanelPos(panel, geometry.top(), value);
    case ATTR_TOP:
        return SetPanelPos(panel, value, geometry.left());
    case ATTR_WIDTH:
        return SetPanelSize(panel, geometry.height(), value);
    case ATTR_HEIGHT:
        return SetPanelSize(panel, value, geometry.width());
    case ATTR_VISIBLE:
        return value ? DisplayPanel(panel) : HidePanel(panel);
    case ATTR_WINDOW_ZOOM:
        return SetZoomState(widget, value);
    default:
        return UIE_INVALID_ATTRIBUTE;
    }
}

int SetPanelAttribute(int panel, int attribute, const char *value)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    if (attribute != ATTR_TITLE)
        return UIE_INVALID_ATTRIBUTE;
    if (!value)
        return UIE_INVALID_VALUE;
    widget->setWindowTitle(QString::fromUtf8(value));
    return UIE_OK;
}

int GetPanelAttribute(int panel, int attribute, int *value)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    if (!value)
        return UIE_INVALID_VALUE;
    QRect geometry = widget->geometry();
    switch (attribute) {
    case ATTR_LEFT:
        *value = geometry.left();
        return UIE_OK;
    case ATTR_TOP:
        *value = geometry.top();
        return UIE_OK;
    case ATTR_WIDTH:
        *value = geometry.width();
        return UIE_OK;
    case ATTR_HEIGHT:
        *value = geometry.height();
        return UIE_OK;
    case ATTR_VISIBLE:
        *value = widget->isHidden() ? 0 : 1;
        return UIE_OK;
    case ATTR_WINDOW_ZOOM:
        *value = ZoomState(widget);
        return UIE_OK;
    default:
        return UIE_INVALID_ATTRIBUTE;
    }
}

int GetPanelAttribute(int panel, int attribute, char *value, int size)
{
    QWidget *widget = nullptr;
    int status = LookupPanel(panel, &widget);
    if (status < 0)
        return status;
    if (attribute != ATTR_TITLE)
        return UIE_INVALID_ATTRIBUTE;
    return CopyTextOut(widget->windowTitle(), value, size);
}
