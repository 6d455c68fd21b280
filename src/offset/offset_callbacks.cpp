// Callbacks of the offset compensation page. Every sensor operation runs with the
// sensor controls dimmed; the close button locks the page again.
#include "app/app_state.h"
#include "app/dimming.h"
#include "app/long_operation.h"
#include "link/link_busy.h"
#include "offset/offset.h"
#include "offset/offset_texts.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

// An operation asked for while the link is busy is refused; its buttons are dimmed
// then anyway.
void RunOffsetOperation(int (*operation)(void))
{
    if (LinkBusy())
        return;
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    operation();
    SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}

// Right click shows the help text, commit runs the operation dimmed.
void OperationButton(int event, const TextPair &help, int (*operation)(void))
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpPopup(help);
    else if (event == EVENT_COMMIT)
        RunOffsetOperation(operation);
}

void CloseOffsetPage()
{
    SetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET, ATTR_VISIBLE, 0);
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
}

} // namespace

int CBF_ButtonCloseOffsetCompensation(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpClosePanel, CloseOffsetPage);
    return 0;
}

int CBF_ButtonSendOffset(int, int, int event, void *, int, int)
{
    OperationButton(event, kHelpButtonSendOffset, SendOffset);
    return 0;
}

int CBF_ButtonGetOffset(int, int, int event, void *, int, int)
{
    OperationButton(event, kHelpButtonGetOffset, GetOffset);
    return 0;
}

int CBF_ButtonCalcOffset(int, int, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpPopup(kHelpButtonCalcOffset);
    else if (event == EVENT_COMMIT && ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtCalcOffsetConfirm)) == 1)
        RunOffsetOperation(CalcOffset);
    return 0;
}

int CBF_EditOffsetVal(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditOffsetVal);
    return 0;
}

int CBF_EditSettingTimeFactor(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditSettingTimeFactor);
    return 0;
}

int CBF_ButtonSendSettingTimeFactor(int, int, int event, void *, int, int)
{
    OperationButton(event, kHelpButtonSendSettingTimeFactor, SendSettingTimeFactor);
    return 0;
}
