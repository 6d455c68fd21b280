// Callbacks of the offset compensation page. For now each control answers a right
// click with its help text; reading, calculating and sending the offset and the
// settling-time factor, and closing the page, arrive with the offset work.
#include "live/live_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonCloseOffsetCompensation(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpClosePanel);
    return 0;
}

int CBF_ButtonSendOffset(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonSendOffset);
    return 0;
}

int CBF_ButtonGetOffset(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonGetOffset);
    return 0;
}

int CBF_ButtonCalcOffset(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonCalcOffset);
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
    AnswerHelp(event, kHelpButtonSendSettingTimeFactor);
    return 0;
}
