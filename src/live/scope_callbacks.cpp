// Callbacks of the scope page and the scope panel. For now each control answers a
// right click with its help text; scanning, cursors, cycle time and printing arrive
// with the scope work.
#include "live/live_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonCloseSP(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpClosePanel);
    return 0;
}

int CBF_ButtonZoomScope11(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonZoomScope11);
    return 0;
}

int CBF_EditScopeSignal(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditScopeSignal);
    return 0;
}

int CBF_GraphScope(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpGraphScope);
    return 0;
}

int CBF_DispDeltaX(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispDeltaX);
    return 0;
}

int CBF_DispDeltaY(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispDeltaY);
    return 0;
}

int CBF_ButtonGetCycleTime(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonGetCycleTime);
    return 0;
}

int CBF_ButtonScan(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonScan);
    return 0;
}

int CBF_ButtonBreakScan(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonBreakScan);
    return 0;
}

int CBF_ButtonPrintScopeGraph(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonPrintScopeGraph);
    return 0;
}

// The comment box has no help text; its right double click, which clears it, comes
// with the scope work.
int CBF_EditScopeComment(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_EditTriggerMode(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditTriggerMode);
    return 0;
}

int CBF_EditPreTrigVal(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditPreTrigVal);
    return 0;
}

int CBF_EditTriggerLevel(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditTriggerLevel);
    return 0;
}

int CBF_EditScanRate(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditScanRate);
    return 0;
}

int CBF_DispScanFreq(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispScanFreq);
    return 0;
}

// The scope panel has no reaction of its own.
int CBF_SCOPEP(int, int, void *, int, int)
{
    return 0;
}
