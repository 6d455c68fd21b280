// Controls made and changed at run time: new text messages, images of pictures, the
// active control and the items of rings.
#include "ui/panel_defs.h"
#include "ui/ui_qt.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>

namespace
{

// A relative image path is looked up beside the program when it is not found from
// the working directory.
QString ResolveImagePath(const QString &path)
{
    QFileInfo info(path);
    if (info.exists() || info.isAbsolute())
        return path;
    return QDir(QCoreApplication::applicationDirPath()).filePath(path);
}

int LookupRing(int panel, int control, QComboBox **combo)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    if (ctrl->kind != CTRL_RING)
        return UIE_INVALID_CONTROL;
    *combo = static_cast<QComboBox *>(ctrl->widget.data());
    return UIE_OK;
}

} // namespace

int NewCtrl(int panel, int kind, const char *label, int top, int left)
{
    QWidget *panelWidget = nullptr;
    if (int status = LookupPanel(panel, &panelWidget); status < 0)
        return status;
    if (kind < CTRL_COMMAND_BUTTON || kind > CTRL_CHECK_BOX || kind == CTRL_TAB)
        return UIE_INVALID_VALUE;
    CtrlDef def;
    def.id = NextRuntimeControlId();
    def.kind = kind;
    def.label = label ? label : "";
    if (kind == CTRL_TEXT_MSG)
        def.text = def.label;
    def.top = top;
    def.left = left;
    int id = CreateCtrl(panel, def);
    if (id < 0)
        return id;
    // Run-time text messages sit on top of the panel's artwork, without a backdrop.
    if (CtrlRecord *ctrl = FindCtrl(panel, id)) {
        ctrl->widget->setAutoFillBackground(false);
        ctrl->widget->raise();
    }
    return id;
}

int DisplayImageFile(int panel, int control, const char *path)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    if (ctrl->kind != CTRL_PICTURE)
        return UIE_INVALID_CONTROL;
    if (!path || !*path)
        return UIE_INVALID_VALUE;
    QImageReader reader(ResolveImagePath(QString::fromUtf8(path)));
    QImage image = reader.read();
    if (image.isNull())
        return UIE_RESOURCE_NOT_FOUND;
    auto *picture = static_cast<QLabel *>(ctrl->widget.data());
    QPixmap pixmap = QPixmap::fromImage(image);
    QSize area = picture->size();
    if (ctrl->autoSize)
        picture->resize(image.size());
    else if (image.width() > area.width() || image.height() > area.height())
        pixmap = pixmap.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture->setPixmap(pixmap);
    return UIE_OK;
}

int SetActiveCtrl(int panel, int control)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    ctrl->widget->setFocus(Qt::OtherFocusReason);
    return UIE_OK;
}

int GetActiveCtrl(int panel, int *control)
{
    QWidget *panelWidget = nullptr;
    if (int status = LookupPanel(panel, &panelWidget); status < 0)
        return status;
    if (!control)
        return UIE_INVALID_VALUE;
    PanelRecord *record = FindPanel(panel);
    QWidget *focus = panelWidget->focusWidget();
    for (const auto &entry : record->controls) {
        QWidget *widget = entry.second.widget;
        if (widget && focus && (focus == widget || widget->isAncestorOf(focus))) {
            *control = entry.first;
            return UIE_OK;
        }
    }
    *control = 0;
    return UIE_OK;
}

int InsertListItem(int panel, int control, int index, const char *label, int value)
{
    QComboBox *combo = nullptr;
    int status = LookupRing(panel, control, &combo);
    if (status < 0)
        return status;
    if (index < -1 || index > combo->count())
        return UIE_INVALID_VALUE;
    QSignalBlocker blocker(combo);
    combo->insertItem(index == -1 ? combo->count() : index, QString::fromUtf8(label ? label : ""), value);
    return UIE_OK;
}

int ClearListCtrl(int panel, int control)
{
    QComboBox *combo = nullptr;
    int status = LookupRing(panel, control, &combo);
    if (status < 0)
        return status;
    QSignalBlocker blocker(combo);
    combo->clear();
    return UIE_OK;
}

int GetNumListItems(int panel, int control, int *count)
{
    QComboBox *combo = nullptr;
    int status = LookupRing(panel, control, &combo);
    if (status < 0)
        return status;
    if (!count)
        return UIE_INVALID_VALUE;
    *count = combo->count();
    return UIE_OK;
}

int ReplaceListItem(int panel, int control, int index, const char *label, int value)
{
    QComboBox *combo = nullptr;
    int status = LookupRing(panel, control, &combo);
    if (status < 0)
        return status;
    if (index < 0 || index >= combo->count() || !label)
        return UIE_INVALID_VALUE;
    QSignalBlocker blocker(combo);
    combo->setItemText(index, QString::fromUtf8(label));
    combo->setItemData(index, value);
    return UIE_OK;
}

int GetLabelFromIndex(int panel, int control, int index, char *label, int size)
{
    QComboBox *combo = nullptr;
    int status = LookupRing(panel, control, &combo);
    if (status < 0)
        return status;
    if (index < 0 || index >= combo->count())
        return UIE_INVALID_VALUE;
    return CopyTextOut(combo->itemText(index), label, size);
}
