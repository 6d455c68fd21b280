#include "ui/panel_frame.h"

#include "ui/ui_qt.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
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

void PanelFrame::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        DispatchPanelEvent(handle_, EVENT_RIGHT_CLICK, 0, 0);
    else if (event->button() == Qt::LeftButton)
        DispatchPanelEvent(handle_, EVENT_LEFT_CLICK, 0, 0);
    event->accept();
}

void PanelFrame::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        DispatchPanelEvent(handle_, EVENT_RIGHT_DOUBLE_CLICK, 0, 0);
    else if (event->button() == Qt::LeftButton)
        DispatchPanelEvent(handle_, EVENT_LEFT_DOUBLE_CLICK, 0, 0);
    event->accept();
}

void PanelFrame::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}
