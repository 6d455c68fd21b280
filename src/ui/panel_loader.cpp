#include "ui/panel_loader.h"

#include "ui/ctrl_factory.h"
#include "ui/panel_frame.h"
#include "ui/ui_qt.h"

#include <QLabel>

#include <algorithm>

namespace
{

PanelDefLookup g_panelResource = nullptr;

QWidget *CreatePanelWidget(int handle, int parent, const PanelDef &def)
{
    QWidget *parentWidget = parent ? PanelWidget(parent) : nullptr;
    auto *widget = new PanelFrame(handle, parentWidget);
    if (!parentWidget)
        widget->setWindowFlags(Qt::Window);
    widget->setWindowTitle(QString::fromStdString(def.title));
    widget->setObjectName(QString::fromStdString(def.name));
    widget->resize(def.width > 0 ? def.width : 400, def.height > 0 ? def.height : 300);
    // Panels start hidden, also child panels of a panel already shown.
    widget->hide();
    return widget;
}

} // namespace

int LoadPanelFromDef(int parentPanel, const PanelDef &def)
{
    UseLabelledComboAccessibility();
    QWidget *parentWidget = nullptr;
    if (parentPanel != 0 && LookupPanel(parentPanel, &parentWidget) < 0)
        return UIE_INVALID_PANEL;
    PanelRecord &record = AddPanelRecord(parentPanel);
    int handle = record.handle;
    record.callback = def.callback;
    record.widget = CreatePanelWidget(handle, parentPanel, def);
    for (const CtrlDef &ctrl : def.controls) {
        int result = CreateCtrl(handle, ctrl);
        if (result < 0) {
            DiscardPanel(handle);
            return result;
        }
    }
    return handle;
}

int LoadPanel(int parentPanel, const char *file, int index)
{
    if (!g_panelResource || !file)
        return UIE_RESOURCE_NOT_FOUND;
    QWidget *parentWidget = nullptr;
    if (parentPanel != 0 && LookupPanel(parentPanel, &parentWidget) < 0)
        return UIE_INVALID_PANEL;
    const PanelDef *def = g_panelResource(file, index);
    if (!def)
        return UIE_RESOURCE_NOT_FOUND;
    return LoadPanelFromDef(parentPanel, *def);
}

void RegisterPanelResource(PanelDefLookup lookup)
{
    g_panelResource = lookup;
}

namespace
{

bool HasSeparateLabel(int kind)
{
    switch (kind) {
    case CTRL_COMMAND_BUTTON:
    case CTRL_TOGGLE_BUTTON:
    case CTRL_CHECK_BOX:
    case CTRL_TEXT_MSG:
    case CTRL_PICTURE:
    case CTRL_DECORATION:
    case CTRL_TAB:
        return false;
    default:
        return true;
    }
}

const char *KindRoleName(int kind)
{
    static const char *const names[] = {"control", "button",   "toggle button", "numeric", "slide",
                                        "ring",    "string",   "text box",      "text",    "LED",
                                        "tab",     "picture",  "decoration",    "graph",   "strip chart",
                                        "table",   "check box"};
    return kind >= 0 && kind <= CTRL_CHECK_BOX ? names[kind] : names[0];
}

// Screen readers and test tools find every control by this name, so it is never empty.
std::string AccessibleNameOf(const CtrlDef &def)
{
    if (!def.accessibleName.empty())
        return def.accessibleName;
    if (!def.label.empty())
        return def.label;
    if (def.kind == CTRL_TEXT_MSG && !def.text.empty())
        return def.text;
    return std::string(KindRoleName(def.kind)) + " " + std::to_string(def.id);
}

// The text a control shows as its label: the caption, the message, or the label strip.
std::string VisibleTextOf(const CtrlDef &def)
{
    return def.kind == CTRL_TEXT_MSG ? def.text : def.label;
}

void SetCtrlGeometry(QWidget *widget, const CtrlDef &def)
{
    QSize hint = widget->sizeHint();
    int width = def.width > 0 ? def.width : std::max(hint.width(), 20);
    int height = def.height > 0 ? def.height : std::max(hint.height(), 10);
    widget->setGeometry(def.left, def.top, width, height);
}

void CreateCtrlLabel(CtrlRecord &ctrl, const CtrlDef &def, QWidget *panelWidget)
{
    if (!HasSeparateLabel(def.kind) || def.label.empty())
        return;
    auto *label = new QLabel(QString::fromStdString(def.label), panelWidget);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    ctrl.label = label;
}

} // namespace

int CreateCtrl(int panel, const CtrlDef &def)
{
    PanelRecord *owner = FindPanel(panel);
    if (!owner || !owner->widget)
        return UIE_INVALID_PANEL;
    if (owner->controls.count(def.id))
        return UIE_INVALID_CONTROL;
    CtrlRecord &ctrl = owner->controls[def.id];
    ctrl.id = def.id;
    ctrl.kind = def.kind;
    ctrl.callback = def.callback;
    ctrl.isDouble = def.isDouble;
    ctrl.accessibleName = AccessibleNameOf(def);
    ctrl.nameFollowsLabel = !ctrl.accessibleName.empty() && ctrl.accessibleName == VisibleTextOf(def);
    ctrl.committedText = QString::fromStdString(def.text);
    ctrl.autoSize = (def.kind == CTRL_TEXT_MSG || def.kind == CTRL_PICTURE) && def.width <= 0;

    QWidget *panelWidget = owner->widget;
    QWidget *widget = CreateCtrlWidget(panel, def, panelWidget);
    if (!widget) {
        owner->controls.erase(def.id);
        return UIE_INVALID_VALUE;
    }
    ctrl.widget = widget;
    widget->setAccessibleName(QString::fromStdString(ctrl.accessibleName));
    SetCtrlGeometry(widget, def);
    if (def.kind == CTRL_DECORATION)
        widget->lower();
    CreateCtrlLabel(ctrl, def, panelWidget);
    if (def.indicator)
        ApplyCtrlMode(ctrl, VAL_INDICATOR);
    widget->setVisible(def.initiallyVisible);
    PlaceCtrlLabel(ctrl);
    SyncCtrlLabel(ctrl);
    WatchCtrlWidget(panel, def.id, widget);
    if (def.initiallyDimmed)
        SetCtrlAttribute(panel, def.id, ATTR_DIMMED, 1);
    if (def.kind == CTRL_PICTURE && !def.text.empty())
        DisplayImageFile(panel, def.id, def.text.c_str());
    return def.id;
}
