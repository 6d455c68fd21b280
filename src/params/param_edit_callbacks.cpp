// Callbacks of the parameter controls: right-click help, and the rule chain on a
// commit of the controls whose setting other settings depend on. Plain numeric
// controls run no rule; their values reach the record at the next GetPanelValues.
#include "params/param_form.h"
#include "params/param_help_texts.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

void AnswerWithRules(int event, const TextPair &help)
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpPopup(help);
    else if (event == EVENT_COMMIT)
        InitPanelCtrlAttr();
}

} // namespace

int CBF_EditOperatingMode(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpOperatingMode);
    return 0;
}

int CBF_EditSensitivity(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpSensitivity);
    return 0;
}

int CBF_EditRefValCh0(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpRefValCh0);
    return 0;
}

int CBF_SlidePower(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpPower);
    return 0;
}

int CBF_EditPmode(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpPowerMode);
    return 0;
}

int CBF_EditLedMode(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpLedMode);
    return 0;
}

int CBF_EditGain(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpGain);
    return 0;
}

int CBF_EditDynWinLoHi(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDynWinLoHi);
    return 0;
}

int CBF_EditAverage(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpAverage);
    return 0;
}

int CBF_EditIntegral(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpIntegral);
    return 0;
}

// Bound to ADJ CHANNEL OFFSET and to CH0 OFFSET; only the switch bears rules.
int CBF_EditChannelOffset(int, int control, int event, void *, int, int)
{
    if (control == TABPARA1_ADJCHOFFSET)
        AnswerWithRules(event, kHelpChannelOffset);
    else
        AnswerHelp(event, kHelpChannelOffset);
    return 0;
}

int CBF_EditAnaOutmode(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpAnaOutmode);
    return 0;
}

int CBF_EditAnaRange(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpAnaRange);
    return 0;
}

int CBF_EditAnaOut(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpAnaOut);
    return 0;
}

int CBF_EditDigOutmode(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpDigOutmode);
    return 0;
}

int CBF_EditHold(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpHold);
    return 0;
}

int CBF_EditDeadTime(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDeadTime);
    return 0;
}

int CBF_EditThresholdMode(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpThresholdMode);
    return 0;
}

int CBF_EditThresholdTracing(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpThresholdTracing);
    return 0;
}

int CBF_EditThresholdTracingUP(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpThresholdTracingUp);
    return 0;
}

int CBF_EditThresholdTracingDown(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpThresholdTracingDown);
    return 0;
}

int CBF_EditTeachValSig(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpTeachValSig);
    return 0;
}

int CBF_EditTrshCalc(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpTrshCalc);
    return 0;
}

int CBF_EditTolerance(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpTolerance);
    return 0;
}

int CBF_EditHysteresis(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpHysteresis);
    return 0;
}

int CBF_EditExtTeach(int, int, int event, void *, int, int)
{
    AnswerWithRules(event, kHelpExtTeach);
    return 0;
}
