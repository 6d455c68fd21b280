// Turning Qt input into the events of controls and panels, and calling the bound
// callbacks.
#include "ui/ui_qt.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

namespace
{

const char *const kPanelProperty = "uiPanel";
const char *const kCtrlProperty = "uiControl";

// The last mouse event delivered: an event that a child ignores travels on to its
// parent, which is part of the same control and must not raise the event twice.
struct DeliveredMouse {
    quint64 timestamp = 0;
    int type = 0;
    int button = 0;
    int panel = 0;
    int control = 0;
};

DeliveredMouse g_lastMouse;

bool IsRepeat(const QMouseEvent *event, int panel, int control)
{
    DeliveredMouse now{event->timestamp(), static_cast<int>(event->type()), static_cast<int>(event->button()),
                       panel, control};
    bool repeat = now.timestamp == g_lastMouse.timestamp && now.type == g_lastMouse.type &&
                  now.button == g_lastMouse.button && now.panel == g_lastMouse.panel &&
                  now.control == g_lastMouse.control;
    g_lastMouse = now;
    return repeat;
}

int MouseEventOf(const QMouseEvent *event)
{
    bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (event->button() == Qt::LeftButton)
        return doubleClick ? EVENT_LEFT_DOUBLE_CLICK : EVENT_LEFT_CLICK;
    if (event->button() == Qt::RightButton)
        return doubleClick ? EVENT_RIGHT_DOUBLE_CLICK : EVENT_RIGHT_CLICK;
    return EVENT_NONE;
}

// Kinds whose widget would change its value on any click or key, which an indicator
// must not allow.
bool BlocksInputAsIndicator(int kind)
{
    return kind == CTRL_COMMAND_BUTTON || kind == CTRL_TOGGLE_BUTTON || kind == CTRL_CHECK_BOX ||
           kind == CTRL_RING || kind == CTRL_SLIDE;
}

bool IsOperatorInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

void CommitTextBoxIfChanged(int panel, int control)
{
    CtrlRecord *ctrl = FindCtrl(panel, control);
    auto *box = ctrl ? qobject_cast<QPlainTextEdit *>(ctrl->widget.data()) : nullptr;
    if (!box || box->isReadOnly() || ctrl->dimmed)
        return;
    QString text = box->toPlainText();
    if (text == ctrl->committedText)
        return;
    ctrl->committedText = text;
    DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
}

bool HandleMouse(QObject *watched, QMouseEvent *event, int panel, int control)
{
    CtrlRecord *ctrl = FindCtrl(panel, control);
    if (!ctrl)
        return false;
    if (ctrl->dimmed)
        return true;
    bool rightButton = event->button() == Qt::RightButton;
    bool blocked = ctrl->indicator && BlocksInputAsIndicator(ctrl->kind);
    // Every press ends with a release before the next one, so a press after a release
    // is a new one even if its time stamp says otherwise.
    if (event->type() == QEvent::MouseButtonRelease)
        g_lastMouse = DeliveredMouse();
    else if (!IsRepeat(event, panel, control)) {
        int uiEvent = MouseEventOf(event);
        QPointer<QObject> alive(watched);
        if (uiEvent != EVENT_NONE)
            DispatchCtrlEvent(panel, control, uiEvent, 0, 0);
        // The callback may have discarded the panel; nothing may touch the widget then.
        if (!alive)
            return true;
    }
    return rightButton || blocked;
}

class CtrlEventFilter : public QObject
{
  public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QVariant panelValue = watched->property(kPanelProperty);
        if (!panelValue.isValid())
            return false;
        int panel = panelValue.toInt();
        int control = watched->property(kCtrlProperty).toInt();
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return HandleMouse(watched, static_cast<QMouseEvent *>(event), panel, control);
        case QEvent::ContextMenu: {
            // Only a table has a menu of its own; no other control shows Qt's menus.
            CtrlRecord *ctrl = FindCtrl(panel, control);
            return !ctrl || ctrl->kind != CTRL_TABLE || ctrl->dimmed;
        }
        case QEvent::FocusOut:
            if (qobject_cast<QPlainTextEdit *>(watched))
                CommitTextBoxIfChanged(panel, control);
            return false;
        default:
            break;
        }
        if (IsOperatorInput(event->type())) {
            CtrlRecord *ctrl = FindCtrl(panel, control);
            return ctrl && ctrl->indicator && BlocksInputAsIndicator(ctrl->kind);
        }
        return false;
    }
};

CtrlEventFilter *TheFilter()
{
    static CtrlEventFilter *filter = new CtrlEventFilter;
    return filter;
}

void Watch(QWidget *widget, int panel, int control)
{
    widget->setProperty(kPanelProperty, panel);
    widget->setProperty(kCtrlProperty, control);
    widget->installEventFilter(TheFilter());
}

} // namespace

void DispatchCtrlEvent(int panel, int control, int event, int eventData1, int eventData2)
{
    CtrlRecord *ctrl = FindCtrl(panel, control);
    if (!ctrl || !ctrl->callback)
        return;
    CtrlCallbackPtr callback = ctrl->callback;
    callback(panel, control, event, nullptr, eventData1, eventData2);
}

void DispatchPanelEvent(int panel, int event, int eventData1, int eventData2)
{
    PanelRecord *record = FindPanel(panel);
    if (!record || !record->callback)
        return;
    PanelCallbackPtr callback = record->callback;
    callback(panel, event, nullptr, eventData1, eventData2);
}

void WatchCtrlWidget(int panel, int control, QWidget *widget)
{
    Watch(widget, panel, control);
    if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        // The pages are panels of their own; only the tab bar belongs to the control.
        Watch(tabs->tabBar(), panel, control);
    } else {
        for (QWidget *child : widget->findChildren<QWidget *>())
            Watch(child, panel, control);
    }
    if (QLabel *label = CtrlLabel(panel, control))
        Watch(label, panel, control);
}

void CommitStringCtrl(int panel, int control, bool enterPressed)
{
    CtrlRecord *ctrl = FindCtrl(panel, control);
    QLineEdit *edit = ctrl ? StringEdit(*ctrl) : nullptr;
    if (!edit || edit->isReadOnly() || ctrl->dimmed || ctrl->indicator)
        return;
    QString text = edit->text();
    if (!enterPressed && text == ctrl->committedText)
        return;
    ctrl->committedText = text;
    DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
}

void WireStringCommit(int panel, int control, QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::returnPressed, edit,
                     [panel, control] { CommitStringCtrl(panel, control, true); });
    QObject::connect(edit, &QLineEdit::editingFinished, edit,
                     [panel, control] { CommitStringCtrl(panel, control, false); });
}
