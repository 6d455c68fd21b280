// Callbacks of the scope page and the scope panel. Each control answers a right click
// with its help text; everything that talks to the sensor runs with the link's other
// buttons dimmed.
#include "app/app_state.h"
#include "app/child_panels.h"
#include "app/dimming.h"
#include "app/long_operation.h"
#include "link/link_busy.h"
#include "resource/callbacks.h"
#include "scope/scope.h"
#include "scope/scope_texts.h"
#include "ui/userint.h"

namespace
{

constexpr int kTriggerSingleShot = 0;
constexpr int kTriggerFallingEdge = 2;

int ScopePage()
{
    return g_app.mainPages[PAGE_SCOPE];
}

void ZoomScopeOneToOne()
{
    SetAxisScalingMode(g_app.scopePanel, SCOPEP_GRAPH, VAL_XAXIS, VAL_MANUAL, 0.0, 128.0);
    SetAxisScalingMode(g_app.scopePanel, SCOPEP_GRAPH, VAL_LEFT_YAXIS, VAL_MANUAL, 0.0, 4100.0);
    calcScopDeltaXY();
}

// Single shot uses neither the level nor the pre-trigger count; the internal and
// external triggers use only the pre-trigger count.
void DimTriggerFields(int mode)
{
    int levelDimmed = mode == kTriggerSingleShot || mode > kTriggerFallingEdge;
    int preTriggerDimmed = mode == kTriggerSingleShot;
    SetCtrlAttribute(ScopePage(), TABSCOPE_TRIGLEVEL, ATTR_DIMMED, levelDimmed);
    SetCtrlAttribute(ScopePage(), TABSCOPE_PRETRIG, ATTR_DIMMED, preTriggerDimmed);
}

void DimFieldsOfTriggerMode()
{
    int mode = 0;
    GetCtrlVal(ScopePage(), TABSCOPE_TRIGMODE, &mode);
    DimTriggerFields(mode);
}

void PlotSelectedScopeSignals()
{
    int selection = -1;
    GetCtrlVal(g_app.scopePanel, SCOPEP_SIGNAL, &selection);
    PlotScopeSignals(selection);
}

void ShowDataPanel()
{
    ShowChildPanelDisp(g_app.dataPanel);
}

void RunScan()
{
    if (LinkBusy())
        return;
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    SetCtrlAttribute(g_app.scopePanel, SCOPEP_BUSY, ATTR_VISIBLE, 1);
    SetCtrlVal(g_app.scopePanel, SCOPEP_BUSY, 1);
    ShowChildPanelDisp(g_app.scopePanel);
    GetScopeData();
    SetCtrlAttribute(g_app.scopePanel, SCOPEP_BUSY, ATTR_VISIBLE, 0);
    SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}

// During a scan BREAK only ends the armed wait: the scan tells the sensor to drop it
// once the wait has returned, and SCAN's own end undims. Without a scan the drop goes
// out at once, unless the link is busy.
void RunBreak()
{
    if (LoopActive(LOOP_SCAN))
        BreakDataScan();
    else if (!LinkBusy())
        RunDimmed(BreakDataScan);
}

void GetCycleTimeAndDeltas()
{
    GetCycleTime();
    calcScopDeltaXY();
}

void RunGetCycleTime()
{
    if (!LinkBusy())
        RunDimmed(GetCycleTimeAndDeltas);
}

} // namespace

int CBF_ButtonCloseSP(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpClosePanel, ShowDataPanel);
    return 0;
}

int CBF_ButtonZoomScope11(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonZoomScope11, ZoomScopeOneToOne);
    return 0;
}

int CBF_EditScopeSignal(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpEditScopeSignal, PlotSelectedScopeSignals);
    return 0;
}

int CBF_GraphScope(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_VAL_CHANGED:
    case EVENT_ZOOM:
        calcScopDeltaXY();
        break;
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpGraphScope);
        break;
    }
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
    AnswerCommit(event, kHelpButtonGetCycleTime, RunGetCycleTime);
    return 0;
}

int CBF_ButtonScan(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonScan, RunScan);
    return 0;
}

int CBF_ButtonBreakScan(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonBreakScan, RunBreak);
    return 0;
}

int CBF_ButtonPrintScopeGraph(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonPrintScopeGraph, PrintScopeGraph);
    return 0;
}

// The comment box has no help text; a right double click clears it.
int CBF_EditScopeComment(int panel, int control, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_DOUBLE_CLICK)
        ResetTextBox(panel, control, "");
    return 0;
}

int CBF_EditTriggerMode(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpEditTriggerMode, DimFieldsOfTriggerMode);
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
    AnswerCommit(event, kHelpEditScanRate, calcScopDeltaXY);
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
