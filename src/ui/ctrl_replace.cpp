// Swapping the widget of a control, for toolbox controls that take a control's place.
#include "ui/ui_qt.h"

int ReplaceCtrlWidget(int panel, int control, QWidget *replacement)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    if (!replacement)
        return UIE_INVALID_VALUE;
    QWidget *old = ctrl->widget;
    replacement->setParent(old->parentWidget());
    replacement->setGeometry(old->geometry());
    replacement->setAccessibleName(QString::fromStdString(ctrl->accessibleName));
    replacement->setToolTip(old->toolTip());
    replacement->setFont(old->font());
    replacement->setEnabled(!ctrl->dimmed);
    replacement->setVisible(!old->isHidden());
    old->hide();
    ctrl->widget = replacement;
    WatchCtrlWidget(panel, control, replacement);
    PlaceCtrlLabel(*ctrl);
    SyncCtrlLabel(*ctrl);
    return UIE_OK;
}
