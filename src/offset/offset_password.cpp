// Callbacks of the password panel. A correct password
// unlocks the offset compensation page: the basic one without, the extended one with
// the settling-time factor editable and its send button shown.
#include "app/app_state.h"
#include "offset/offset_texts.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "toolbox/password.h"
#include "ui/userint.h"

#include <cstring>

namespace
{

constexpr int kPasswordLength = 20;

enum PasswordLevel { PASSWORD_WRONG, PASSWORD_BASIC, PASSWORD_EXTENDED };

// Exact comparison: no prefix match, no case folding.
PasswordLevel LevelOf(const char *typed)
{
    if (std::strcmp(typed, "pebble") == 0)
        return PASSWORD_BASIC;
    if (std::strcmp(typed, "harborway") == 0)
        return PASSWORD_EXTENDED;
    return PASSWORD_WRONG;
}

void ClearPasswordField()
{
    PasswordCtrl_SetAttribute(g_app.passwordPanel, PASSWORDP_PASSWORD, ATTR_PASSWORD_VAL, "");
}

void UnlockOffsetPage(PasswordLevel level)
{
    int page = g_app.mainPages[PAGE_OFFSET];
    SetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET, ATTR_VISIBLE, 1);
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET);
    bool extended = level == PASSWORD_EXTENDED;
    SetCtrlAttribute(page, TABOFFSET_SENDFACTOR, ATTR_VISIBLE, extended ? 1 : 0);
    SetCtrlAttribute(page, TABOFFSET_FACTOR, ATTR_CTRL_MODE, extended ? VAL_HOT : VAL_INDICATOR);
}

void CheckPassword()
{
    char typed[kPasswordLength + 1] = "";
    PasswordCtrl_GetAttribute(g_app.passwordPanel, PASSWORDP_PASSWORD, ATTR_PASSWORD_VAL, typed);
    PasswordLevel level = LevelOf(typed);
    // The typed text lives no longer than the check.
    std::memset(typed, 0, sizeof typed);
    ClearPasswordField();
    if (level == PASSWORD_WRONG) {
        MessagePopup(Tr(kTxtInfoTitle), Tr(kTxtWrongPassword));
        return;
    }
    RemovePopup(g_app.passwordPanel);
    UnlockOffsetPage(level);
}

} // namespace

// The close box and Escape remove the pop-up and change nothing else.
int CBF_PASSWORDP(int panel, int event, void *, int, int)
{
    if (event == EVENT_CLOSE) {
        ClearPasswordField();
        RemovePopup(panel);
    }
    return 0;
}

int CBF_StringEnterPW(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        CheckPassword();
    return 0;
}
