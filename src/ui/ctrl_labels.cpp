// The small label of a control, shown the way an instrument panel shows it: above the
// control, or to its right for LEDs. It moves, hides and dims with the control.
#include "ui/ui_qt.h"

#include <QLabel>

#include <algorithm>

void PlaceCtrlLabel(const CtrlRecord &ctrl)
{
    QLabel *label = ctrl.label;
    QWidget *widget = ctrl.widget;
    if (!label || !widget)
        return;
    QSize hint = label->sizeHint();
    QRect body = widget->geometry();
    if (ctrl.kind == CTRL_LED) {
        label->setGeometry(body.right() + 4, body.top() + (body.height() - hint.height()) / 2, hint.width(),
                           hint.height());
        return;
    }
    int width = std::max(hint.width(), body.width());
    label->setGeometry(body.left(), body.top() - hint.height() - 1, width, hint.height());
}

void SyncCtrlLabel(const CtrlRecord &ctrl)
{
    QLabel *label = ctrl.label;
    QWidget *widget = ctrl.widget;
    if (!label || !widget)
        return;
    label->setVisible(!widget->isHidden() && !label->text().isEmpty());
    label->setEnabled(!ctrl.dimmed);
}

void FollowLabelWithName(CtrlRecord &ctrl, const QString &label)
{
    if (!ctrl.nameFollowsLabel || !ctrl.widget)
        return;
    ctrl.accessibleName = label.toStdString();
    ctrl.widget->setAccessibleName(label);
}

void SetCtrlAccessibleName(CtrlRecord &ctrl, const QString &name)
{
    if (!ctrl.widget)
        return;
    ctrl.accessibleName = name.toStdString();
    ctrl.widget->setAccessibleName(name);
}
