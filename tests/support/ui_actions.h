#pragma once
// Operator actions on the real widgets of loaded panels. The mouse goes through the
// window system path (press, release and double-click detection as on a desktop) and
// the keyboard through key events with shortcut handling, so that the runtime's own
// mapping of input to events is what a test exercises. The panel must be displayed.
// Each action reports a test failure and returns false when its widget is missing.

#include <QPoint>
#include <Qt>

#include <string>

class QWidget;

bool ClickButton(int panel, int control);
bool ToggleButton(int panel, int control);
bool LeftClick(int panel, int control);
bool LeftDoubleClick(int panel, int control);
bool RightClick(int panel, int control);
bool RightDoubleClick(int panel, int control);
// Turns the mouse wheel by whole notches (positive: away from the operator) over the
// point `at` of the control's widget.
bool TurnWheel(int panel, int control, QPoint at, int notches,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Drags with the middle button from one point of the control's widget to another.
bool MiddleDrag(int panel, int control, QPoint from, QPoint to);
// Right double click on an empty spot of the panel (its top left corner area).
bool RightDoubleClickPanel(int panel);
// Opens the ring's list and picks the item with this value.
bool CommitRing(int panel, int control, int value);
// Types the text into the field (replacing what is there) and presses Enter.
bool CommitNumeric(int panel, int control, const std::string &text);
bool CommitString(int panel, int control, const std::string &text);
// Types the text without pressing Enter; the field keeps the focus.
bool TypeText(int panel, int control, const std::string &text);
// Moves the keyboard focus away from whatever has it, to a fresh control of the window.
bool MoveFocusAway(int panel);
// Clicks tab `index` of the tab bar.
bool SelectTab(int panel, int tabControl, int index);
// Presses a key in the panel's window, as a shortcut would be pressed.
bool PressKey(int panel, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The window's close box.
bool ClosePanel(int panel);
// Double-clicks the cell (row and column from 1), types the text and presses Enter.
bool EditTableCell(int panel, int control, int row, int column, const std::string &text);
// The widget on the panel with this accessible name, or null.
QWidget *FindByAccessibleName(int panel, const std::string &name);
// Shows the panel's window and waits until it is exposed and active.
bool ShowAndActivate(int panel);
