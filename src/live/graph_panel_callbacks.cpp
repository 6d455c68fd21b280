// Callbacks of the graph panel and of the data panel's SHOW GRAPH button.
#include "app/app_state.h"
#include "app/child_panels.h"
#include "live/chart_pause.h"
#include "live/graph_panel.h"
#include "live/graph_recording.h"
#include "live/live_texts.h"
#include "resource/callbacks.h"
#include "ui/userint.h"

namespace
{

void ShowGraphPanel()
{
    ShowChildPanelDisp(g_app.graphPanel);
}

void ShowDataPanel()
{
    ShowChildPanelDisp(g_app.dataPanel);
}

} // namespace

int CBF_ButtonShowGraph(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonShowGraph, ShowGraphPanel);
    return 0;
}

int CBF_ButtonCloseGP(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpClosePanel, ShowDataPanel);
    return 0;
}

int CBF_EditSignal(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpEditSignal, SetGraphVisible);
    return 0;
}

// Zooming or panning the live traces holds the charts, so that the view stays put; a
// record file on view only needs its statistics again.
int CBF_PanelGraphGraph(int, int, int event, void *, int, int)
{
    if (event == EVENT_ZOOM) {
        if (!RecordingShown())
            PauseCharts();
        ShowGraphPanelStatistics();
        return 0;
    }
    AnswerHelp(event, kHelpPanelGraphGraph);
    return 0;
}

int CBF_ButtonOpenRecording(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonOpenRecording, OpenRecording);
    return 0;
}

int CBF_ButtonCancelReading(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonCancelReading, CancelRecordingRead);
    return 0;
}

int CBF_DispRecordingSource(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRecordingSource);
    return 0;
}

// The graph panel has no reaction of its own.
int CBF_GRAPHP(int, int, void *, int, int)
{
    return 0;
}
