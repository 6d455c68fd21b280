// Teach buttons, ASSIGN OFFSET and the hidden password gesture of the parameter form.
// Teach and assign copy the latest live frame into the form only; SEND transfers it.
#include "app/app_state.h"
#include "app/language.h"
#include "live/live_state.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "params/param_help_texts.h"
#include "params/param_texts.h"
#include "toolbox/password.h"
#include "ui/userint.h"

namespace
{

void TeachLiveSignal(int teachValueControl)
{
    SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_2], teachValueControl, static_cast<int>(g_live.frame.Sig));
}

} // namespace

int CBF_ButtonTeach1Sig(int, int, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpPopup(kHelpTeachSig);
    else if (event == EVENT_COMMIT)
        TeachLiveSignal(TABPARA2_TEACHVAL1);
    return 0;
}

int CBF_ButtonTeach2Sig(int, int, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpPopup(kHelpTeachSig);
    else if (event == EVENT_COMMIT)
        TeachLiveSignal(TABPARA2_TEACHVAL2);
    return 0;
}

int CBF_ButtonAssignAdjOffset(int, int, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_CLICK) {
        ShowHelpPopup(kHelpAssignAdjOffset);
    } else if (event == EVENT_COMMIT) {
        if (ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtAssignOffsetConfirm)) == 1)
            SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_CH0OFFSET,
                       static_cast<int>(g_live.frame.Ch0));
    }
    return 0;
}

// A right double click on the decoration opens the password pop-up with an empty field.
int CBF_DecoPara(int, int, int event, void *, int, int)
{
    if (event != EVENT_RIGHT_DOUBLE_CLICK)
        return 0;
    PasswordCtrl_SetAttribute(g_app.passwordPanel, PASSWORDP_PASSWORD, ATTR_PASSWORD_VAL, "");
    InstallPopup(g_app.passwordPanel);
    return 0;
}
