#include "support/ui_actions.h"

#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <gtest/gtest.h>

namespace
{

QWidget *RequireCtrl(int panel, int control)
{
    QWidget *widget = CtrlWidget(panel, control);
    if (!widget)
        ADD_FAILURE() << "no control " << control << " on panel " << panel;
    return widget;
}

bool EnsureWindowShown(QWidget *widget)
{
    QWidget *window = widget->window();
    if (!window->isVisible()) {
        ADD_FAILURE() << "the panel's window is not shown";
        return false;
    }
    return QTest::qWaitForWindowExposed(window);
}

// The widget under the centre of a control, where a real click would land.
QWidget *ClickTarget(QWidget *widget)
{
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        return area->viewport();
    return widget;
}

// A mouse action at pos of target, delivered to the window as the window system does.
bool MouseAt(QWidget *target, QPoint pos, Qt::MouseButton button, bool doubleClick)
{
    if (!EnsureWindowShown(target))
        return false;
    QWidget *window = target->window();
    QWindow *handle = window->windowHandle();
    QPoint windowPos = target->mapTo(window, pos);
    if (doubleClick)
        QTest::mouseDClick(handle, button, Qt::NoModifier, windowPos);
    else
        QTest::mouseClick(handle, button, Qt::NoModifier, windowPos);
    QApplication::processEvents();
    return true;
}

bool MouseOnCtrl(int panel, int control, Qt::MouseButton button, bool doubleClick)
{
    QWidget *widget = RequireCtrl(panel, control);
    if (!widget)
        return false;
    QWidget *target = ClickTarget(widget);
    return MouseAt(target, target->rect().center(), button, doubleClick);
}

bool FocusInWindow(QWidget *widget)
{
    if (!EnsureWindowShown(widget))
        return false;
    QWidget *window = widget->window();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    widget->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    return true;
}

// Types into whatever has the keyboard focus once the control was given it, the way
// keys reach a spin box, a combo box or a field of a real window.
bool TypeInto(QWidget *widget, const std::string &text, bool pressEnter)
{
    if (!FocusInWindow(widget))
        return false;
    QWidget *receiver = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
    QTest::keyClick(receiver, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(receiver, Qt::Key_Delete);
    QTest::keyClicks(receiver, QString::fromStdString(text));
    if (pressEnter)
        QTest::keyClick(receiver, Qt::Key_Return);
    QApplication::processEvents();
    return true;
}

bool TypeIntoCtrl(int panel, int control, const std::string &text, bool pressEnter)
{
    QWidget *widget = RequireCtrl(panel, control);
    return widget && TypeInto(widget, text, pressEnter);
}

} // namespace

bool ShowAndActivate(int panel)
{
    QWidget *widget = PanelWidget(panel);
    if (!widget) {
        ADD_FAILURE() << "no panel " << panel;
        return false;
    }
    DisplayPanel(panel);
    QWidget *window = widget->window();
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowExposed(window) && QTest::qWaitForWindowActive(window);
}

bool ClickButton(int panel, int control)
{
    return MouseOnCtrl(panel, control, Qt::LeftButton, false);
}

bool ToggleButton(int panel, int control)
{
    return MouseOnCtrl(panel, control, Qt::LeftButton, false);
}

bool LeftClick(int panel, int control)
{
    return MouseOnCtrl(panel, control, Qt::LeftButton, false);
}

bool LeftDoubleClick(int panel, int control)
{
    return MouseOnCtrl(panel, control, Qt::LeftButton, true);
}

bool RightClick(int panel, int control)
{
    return MouseOnCtrl(panel, control, Qt::RightButton, false);
}

bool RightDoubleClick(int panel, int control)
{
    return MouseOnCtrl(panel, control, Qt::RightButton, true);
}

bool TurnWheel(int panel, int control, QPoint at, int notches, Qt::KeyboardModifiers modifiers)
{
    QWidget *widget = RequireCtrl(panel, control);
    if (!widget || !EnsureWindowShown(widget))
        return false;
    const QPoint global = widget->mapToGlobal(at);
    QWheelEvent event(QPointF(at), QPointF(global), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
    QApplication::processEvents();
    return true;
}

bool MiddleDrag(int panel, int control, QPoint from, QPoint to)
{
    QWidget *widget = RequireCtrl(panel, control);
    if (!widget || !EnsureWindowShown(widget))
        return false;
    QWidget *window = widget->window();
    QWindow *handle = window->windowHandle();
    const QPoint start = widget->mapTo(window, from);
    const QPoint end = widget->mapTo(window, to);
    QTest::mousePress(handle, Qt::MiddleButton, Qt::NoModifier, start);
    QTest::mouseMove(handle, (start + end) / 2);
    QTest::mouseMove(handle, end);
    QTest::mouseRelease(handle, Qt::MiddleButton, Qt::NoModifier, end);
    QApplication::processEvents();
    return true;
}

bool RightDoubleClickPanel(int panel)
{
    QWidget *widget = PanelWidget(panel);
    if (!widget) {
        ADD_FAILURE() << "no panel " << panel;
        return false;
    }
    return MouseAt(widget, QPoint(2, 2), Qt::RightButton, true);
}

bool CommitRing(int panel, int control, int value)
{
    auto *combo = qobject_cast<QComboBox *>(RequireCtrl(panel, control));
    if (!combo)
        return false;
    int index = combo->findData(value);
    if (index < 0) {
        ADD_FAILURE() << "ring " << control << " has no item of value " << value;
        return false;
    }
    if (!MouseAt(combo, combo->rect().center(), Qt::LeftButton, false))
        return false;
    // A dimmed or indicator ring does not open its list; then nothing can be chosen.
    QAbstractItemView *view = combo->view();
    if (!view->isVisible() || !QTest::qWaitForWindowExposed(view->window()))
        return false;
    // The list ignores a release that follows its opening too quickly, as a desktop
    // does to tell a click from press-drag-release; the item is chosen with the keys.
    QModelIndex item = view->model()->index(index, combo->modelColumn());
    view->scrollTo(item);
    view->setCurrentIndex(item);
    QTest::keyClick(view, Qt::Key_Return);
    QApplication::processEvents();
    return true;
}

bool CommitNumeric(int panel, int control, const std::string &text)
{
    return TypeIntoCtrl(panel, control, text, true);
}

bool CommitString(int panel, int control, const std::string &text)
{
    return TypeIntoCtrl(panel, control, text, true);
}

bool TypeText(int panel, int control, const std::string &text)
{
    return TypeIntoCtrl(panel, control, text, false);
}

bool MoveFocusAway(int panel)
{
    QWidget *widget = PanelWidget(panel);
    if (!widget)
        return false;
    QWidget *window = widget->window();
    QWidget *focus = QApplication::focusWidget();
    if (focus)
        focus->clearFocus();
    window->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    return true;
}

bool SelectTab(int panel, int tabControl, int index)
{
    auto *tabs = qobject_cast<QTabWidget *>(RequireCtrl(panel, tabControl));
    if (!tabs)
        return false;
    QTabBar *bar = tabs->tabBar();
    QRect rect = bar->tabRect(index);
    if (rect.isEmpty()) {
        ADD_FAILURE() << "tab " << index << " is not on the tab bar";
        return false;
    }
    return MouseAt(bar, rect.center(), Qt::LeftButton, false);
}

bool PressKey(int panel, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *widget = PanelWidget(panel);
    if (!widget || !EnsureWindowShown(widget))
        return false;
    QWidget *window = widget->window();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QWidget *receiver = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(receiver, key, modifiers);
    QApplication::processEvents();
    return true;
}

bool ClosePanel(int panel)
{
    QWidget *widget = PanelWidget(panel);
    if (!widget || !EnsureWindowShown(widget))
        return false;
    widget->window()->windowHandle()->close();
    QApplication::processEvents();
    return true;
}

bool EditTableCell(int panel, int control, int row, int column, const std::string &text)
{
    auto *table = qobject_cast<QTableWidget *>(RequireCtrl(panel, control));
    if (!table)
        return false;
    QTableWidgetItem *item = table->item(row - 1, column - 1);
    if (!item) {
        ADD_FAILURE() << "no cell " << row << "," << column;
        return false;
    }
    table->scrollToItem(item);
    QRect cell = table->visualItemRect(item);
    if (!MouseAt(table->viewport(), cell.center(), Qt::LeftButton, true))
        return false;
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (!editor) {
        ADD_FAILURE() << "the cell editor did not open";
        return false;
    }
    TypeInto(editor, text, true);
    QApplication::processEvents();
    return true;
}

QWidget *FindByAccessibleName(int panel, const std::string &name)
{
    QWidget *widget = PanelWidget(panel);
    if (!widget)
        return nullptr;
    QString wanted = QString::fromStdString(name);
    for (QWidget *child : widget->findChildren<QWidget *>())
        if (child->accessibleName() == wanted)
            return child;
    return nullptr;
}
