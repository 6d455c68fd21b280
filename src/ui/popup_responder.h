#pragma once
// The one place where every modal pop-up of the UI runtime passes. With a responder
// installed, no dialog is shown: the responder answers each pop-up instead of the
// operator (tests script them this way). An empty responder shows the real dialogs.

#include <functional>
#include <string>
#include <vector>

enum PopupKind {
    POPUP_MESSAGE = 1,     // MessagePopup
    POPUP_CONFIRM = 2,     // ConfirmPopup
    POPUP_GENERIC = 3,     // GenericMessagePopup
    POPUP_FILE_SELECT = 4, // FileSelectPopup
    POPUP_PRINT = 5,       // the print dialog of the toolbox's reports
};

struct PopupRequest {
    int kind = 0; // PopupKind
    std::string title, message;
    std::vector<std::string> buttons; // the buttons offered, in order
    int defaultButton = 0;            // 1-based; GenericMessagePopup
    int enterButton = 0;
    int escapeButton = 0;
    std::string defaultDirectory, defaultFileName, fileTypeList; // FileSelectPopup
    int buttonType = 0;                                          // UiFileButton
    int allowCancel = 0;
    int allowMakeDirectory = 0;
};

// result: MessagePopup 0; ConfirmPopup 1 yes / 0 no; GenericMessagePopup the button
// 1..3; FileSelectPopup VAL_NO_FILE_SELECTED (or a negative code) for no file, any
// other value when `path` holds the chosen file (existing or new is decided from the
// file system); the print dialog 0 cancelled, 1 print: into the PDF file `path`, or
// on the system's default printer when `path` is empty.
struct PopupAnswer {
    int result = 0;
    std::string path;
};

using PopupResponder = std::function<PopupAnswer(const PopupRequest &)>;

void SetPopupResponder(PopupResponder responder);
