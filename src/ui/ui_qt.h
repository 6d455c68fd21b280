#pragma once
// The Qt side of the UI runtime, for the runtime's own files, the toolbox and tests:
// the records behind panel and control handles and the widgets they stand for.

#include "ui/popup_responder.h"
#include "ui/userint.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <map>
#include <set>
#include <string>
#include <vector>

class QDialog;
class QLabel;
class QLineEdit;

// The widget of a panel (a window for top-level panels, a child widget for child
// panels and tab pages), or null for an unknown handle.
QWidget *PanelWidget(int panel);
// The widget of a control, or null for an unknown panel or control.
QWidget *CtrlWidget(int panel, int control);
// The small label shown with a control, or null when it has none.
QLabel *CtrlLabel(int panel, int control);

struct TabState {
    std::vector<int> pages; // page handles by page index
    int lastIndex = 0;      // the page shown before the current change
    bool programmatic = false;
};

struct CtrlRecord {
    int id = 0;
    int kind = 0; // UiCtrlKind
    QPointer<QWidget> widget;
    QPointer<QLabel> label;
    CtrlCallbackPtr callback = nullptr;
    std::string accessibleName;
    bool nameFollowsLabel = false; // the accessible name is the label, and changes with it

    bool isDouble = false;
    bool indicator = false;
    bool dimmed = false;
    int textColor = VAL_BLACK;
    int textBgColor = VAL_TRANSPARENT;
    int frameColor = VAL_LT_GRAY;
    int buttonColor = VAL_LT_GRAY;

    QString committedText;         // strings and text boxes: text at the last commit
    bool autoSize = false;         // text messages and pictures: size follows the content
    bool password = false;         // string turned into a masked password field
    bool comboBox = false;         // string turned into an address box
    std::set<int> hiddenMenuItems; // tables: UiTableMenuItem values not offered
    TabState tab;                  // tab controls
};

struct PanelRecord {
    int handle = 0;
    int parent = 0; // 0 for top-level panels
    QPointer<QWidget> widget;
    PanelCallbackPtr callback = nullptr;
    std::map<int, CtrlRecord> controls;
    bool isTabPage = false;
    int tabOwnerPanel = 0; // tab pages: the panel holding the tab control
    int tabControl = 0;
    int pageIndex = 0;
    bool popupInstalled = false;
};

// Registry of panels and controls (registry.cpp). Lookups return null for unknown
// handles; pointers stay valid until the panel is discarded.
PanelRecord *FindPanel(int panel);
CtrlRecord *FindCtrl(int panel, int control);
PanelRecord &AddPanelRecord(int parent);
void RemovePanelRecord(int panel);
std::vector<int> ChildPanels(int panel);
int NextRuntimeControlId();

// Lookups of the handles a caller passes in, with the UI error code of the failure
// (UIE_OK when found); a handle that does not resolve also goes to the error hook.
int LookupCtrl(int panel, int control, CtrlRecord **record);
int LookupPanel(int panel, QWidget **widget);

// The line edit that holds the text of a string control (also inside an address box).
QLineEdit *StringEdit(const CtrlRecord &ctrl);

// Events (ctrl_events.cpp). Calls the bound callback, if any, with callbackData null.
void DispatchCtrlEvent(int panel, int control, int event, int eventData1, int eventData2);
void DispatchPanelEvent(int panel, int event, int eventData1, int eventData2);
// Maps mouse clicks on a widget and its current children to the control's events and
// keeps Qt's own context menus away.
void WatchCtrlWidget(int panel, int control, QWidget *widget);
// Commit on Enter, and on leaving the field with a changed text.
void WireStringCommit(int panel, int control, QLineEdit *edit);
// Commits a string control as Enter does (always) or as leaving it does (only with a
// changed text); nothing for a dimmed or indicator control.
void CommitStringCtrl(int panel, int control, bool enterPressed);

// Swaps the widget of a control (the toolbox's address box): the new widget takes
// the old one's geometry, accessible name, visibility, dimmed state and click events.
// The old widget is hidden, not deleted; the caller decides its fate.
int ReplaceCtrlWidget(int panel, int control, QWidget *replacement);

// Operable (VAL_HOT) or indicator mode of a control (ctrl_attributes.cpp).
void ApplyCtrlMode(CtrlRecord &ctrl, int mode);

// Labels (ctrl_labels.cpp): keep the label beside its control.
void PlaceCtrlLabel(const CtrlRecord &ctrl);
void SyncCtrlLabel(const CtrlRecord &ctrl);
// A control whose accessible name is its label takes the new label as its name too, so
// that screen readers read the language shown on screen.
void FollowLabelWithName(CtrlRecord &ctrl, const QString &label);
// A name of its own for a control whose name is not its label (panel localisation).
void SetCtrlAccessibleName(CtrlRecord &ctrl, const QString &name);

// Drop-down lists tell the accessibility bus their label as name and their current
// entry as value; installed before the first panel's widgets (combo_accessible.cpp).
void UseLabelledComboAccessibility();

// Creates the widget of one control on a panel and registers it (panel_loader.cpp).
struct CtrlDef;
int CreateCtrl(int panel, const CtrlDef &def);

// The toolbox's dialogs pass the same way as the runtime's pop-ups: the installed
// responder answers a request instead of the operator (false when there is none), and
// a dialog shown runs known to CloseRunningPopups (popups.cpp).
bool AskPopupResponder(const PopupRequest &request, PopupAnswer *answer);
int ExecPopupDialog(QDialog &dialog);

// Pop-up dialogs the operator has not answered yet are answered as with Escape, so
// that a quit request (QuitUserInterface) is not held up by a dialog (popups.cpp).
void CloseRunningPopups();

// Copies text into a caller's buffer of `size` bytes, cut at a character boundary and
// always terminated. Returns UIE_INVALID_VALUE for a null buffer or a size below 1.
int CopyTextOut(const QString &text, char *buffer, int size);
// 0xRRGGBB to QColor and back.
QColor ColorFromRgb(int rgb);
int RgbFromColor(const QColor &color);
