// Callbacks of GO and STOP and of the data panel. Each control answers a right click
// with its help text.
#include "app/app_state.h"
#include "app/child_panels.h"
#include "app/dimming.h"
#include "app/long_operation.h"
#include "link/link_busy.h"
#include "live/chart_pause.h"
#include "live/chart_statistics.h"
#include "live/live_display.h"
#include "live/live_loop.h"
#include "live/live_texts.h"
#include "params/param_form.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

// GO: the controls that need the link are dimmed except SEND, GET and the memory
// selectors, which the loop serves between two frames.
void RunLivePolling()
{
    // A GO while the link is busy is ignored; the operation under way undims.
    if (LinkBusy())
        return;
    SetButtonsDimmed(DIM_KEEP_TRANSFER, 1);
    GetPanelValues();
    // With the conversion table page in front its panel stays; its current value follows.
    int page = 0;
    GetActiveTabPage(g_app.mainPanel, MAINP_TAB, &page);
    if (page != PAGE_CONVERSION_TABLE)
        ShowChildPanelDisp(g_app.dataPanel);
    GetData();
    SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}

// Left double click: all four charts autoscale their Y axis; left click: all fixed.
// Either shows the newest samples again after a pause.
void ScaleChartsOnClick(int event)
{
    if (event == EVENT_LEFT_DOUBLE_CLICK)
        SetChartsYAutoscale(1);
    else if (event == EVENT_LEFT_CLICK)
        SetChartsYAutoscale(0);
    ResumeCharts();
    ShowChartStatistics();
}

// The strip charts' own events: the described clicks, the operator's zoom and pan
// (which hold the charts), and the help text.
void AnswerStripChart(int event, const TextPair &help)
{
    switch (event) {
    case EVENT_LEFT_CLICK:
    case EVENT_LEFT_DOUBLE_CLICK:
        ScaleChartsOnClick(event);
        break;
    case EVENT_ZOOM:
        PauseCharts();
        ShowChartStatistics();
        break;
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(help);
        break;
    }
}

} // namespace

int CBF_ButtonGo(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonGo, RunLivePolling);
    return 0;
}

// The loop ends at its next test; a frame exchange under way completes first.
int CBF_ButtonStop(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonStop, StopLivePolling);
    return 0;
}

int CBF_TabDataP(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpTabDataP);
    return 0;
}

// No help text: a right double click empties the connection page's status box.
int CBF_DispStatus(int, int, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_DOUBLE_CLICK)
        ResetTextBox(g_app.mainPages[PAGE_CONNECTION], TABCONN_STATUS, "");
    return 0;
}

int CBF_DispCha(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispCha);
    return 0;
}

int CBF_DispRefCh0(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRefCh0);
    return 0;
}

int CBF_DispSig(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispSig);
    return 0;
}

int CBF_DispRefSig(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRefSig);
    return 0;
}

int CBF_DispTemp(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispTemp);
    return 0;
}

int CBF_DispMaxMin(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispMaxMin);
    return 0;
}

int CBF_DispAnaOut(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispAnaOut);
    return 0;
}

int CBF_LedOut(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpLedOut);
    return 0;
}

int CBF_LedIn(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpLedIn);
    return 0;
}

int CBF_GraphAnaCha(int, int, int event, void *, int, int)
{
    AnswerStripChart(event, kHelpGraphAnaCha);
    return 0;
}

int CBF_GraphEvalSig(int, int, int event, void *, int, int)
{
    AnswerStripChart(event, kHelpGraphEvalSig);
    return 0;
}

int CBF_ButtonPause(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonPause, TogglePauseCharts);
    return 0;
}

int CBF_DispChartStatistics(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispChartStatistics);
    return 0;
}

// The data panel has no reaction of its own.
int CBF_DATAP(int, int, void *, int, int)
{
    return 0;
}
