#include "ui/panel_frame.h"

#include "ui/ui_qt.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

PanelFrame::PanelFrame(int handle, QWidget *parent) : QWidget(parent), handle_(handle)
{
    setAutoFillBackground(true);
}

void PanelFrame::closeEvent(QCloseEvent *event)
{
    // The close box only asks; the panel callback hides or discards the panel if it
    // wants to (the runtime itself never closes a panel, it hides or deletes it).
    event->ignore();
    DispatchPanelEvent(handle_, EVENT_CLOSE, 0, 0);
}

// A click that a control left unaccepted travels on to the panel; it is the
// control's click, already reported, not one on the panel's empty area.
bool PanelFrame::onEmptyArea(const QMouseEvent *event) const
{
    return childAt(event->position().toPoint()) == nullptr;
}

void PanelFrame::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (!onEmptyArea(event))
        return;
    if (event->button() == Qt::RightButton)
        DispatchPanelEvent(handle_, EVENT_RIGHT_CLICK, 0, 0);
    else if (event->button() == Qt::LeftButton)
        DispatchPanelEvent(handle_, EVENT_LEFT_CLICK, 0, 0);
}

void PanelFrame::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (!onEmptyArea(event))
        return;
    if (event->button() == Qt::RightButton)
        DispatchPanelEvent(handle_, EVENT_RIGHT_DOUBLE_CLICK, 0, 0);
    else if (event->button() == Qt::LeftButton)
        DispatchPanelEvent(handle_, EVENT_LEFT_DOUBLE_CLICK, 0, 0);
}

void PanelFrame::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}

void PanelFrame::keyPressEvent(QKeyEvent *event)
{
    const PanelRecord *record = FindPanel(handle_);
    if (event->key() == Qt::Key_Escape && record && record->popupInstalled) {
        event->accept();
        DispatchPanelEvent(handle_, EVENT_CLOSE, 0, 0);
        return;
    }
    QWidget::keyPressEvent(event);
}
