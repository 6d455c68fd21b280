// Teach buttons, ASSIGN OFFSET and the hidden password gesture of the parameter form.
// Teach and assign copy the latest live frame into the form only; SEND transfers it.
#include "app/app_state.h"
#include "app/language.h"
#include "live/live_state.h"
#include "params/param_help_texts.h"
#include "params/param_texts.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "toolbox/password.h"
#include "ui/userint.h"

namespace
{

void TeachLiveSignal(int teachValueControl)
{
    SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_2], teachValueControl, static_cast<int>(g_live.frame.Sig));
}

void TeachSignal1()
{
    TeachLiveSignal(TABPARA2_TEACHVAL1);
}

void TeachSignal2()
{
    TeachLiveSignal(TABPARA2_TEACHVAL2);
}

void AssignCh0Offset()
{
    if (ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtAssignOffsetConfirm)) == 1)
        SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_CH0OFFSET,
                   static_cast<int>(g_live.frame.Ch0));
}

} // namespace

int CBF_ButtonTeach1Sig(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpTeachSig, TeachSignal1);
    return 0;
}

int CBF_ButtonTeach2Sig(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpTeachSig, TeachSignal2);
    return 0;
}

int CBF_ButtonAssignAdjOffset(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpAssignAdjOffset, AssignCh0Offset);
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
