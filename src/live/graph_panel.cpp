// The graph panel's traces. Sample numbers are counted wide and the values kept
// signed (TEMP may be negative), so neither folds over into nonsense; the x axis
// follows the samples shown.
#include "live/graph_panel.h"

#include "app/app_state.h"
#include "live/chart_statistics.h"
#include "live/graph_recording.h"
#include "live/live_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstring>

namespace
{

const int kDisplays[SIGNAL_COUNT] = {GRAPHP_CH0, GRAPHP_SIG, GRAPHP_TEMP};

struct SignalTrace {
    double x[kGraphPanelPoints];
    double y[kGraphPanelPoints];
    int count;
    int plot; // plot handle on the graph, 0 when none
};

struct GraphPanelState {
    unsigned long long counter;
    SignalTrace traces[SIGNAL_COUNT];
};

GraphPanelState g_graphPanel;

int SignalValue(const LiveFrame &frame, int signal)
{
    switch (signal) {
    case SIGNAL_CH0:
        return frame.Ch0;
    case SIGNAL_SIG:
        return frame.Sig;
    default:
        return frame.Temp;
    }
}

void Append(SignalTrace &trace, double x, double y)
{
    if (trace.count == kGraphPanelPoints) {
        std::memmove(trace.x, trace.x + 1, sizeof(double) * (kGraphPanelPoints - 1));
        std::memmove(trace.y, trace.y + 1, sizeof(double) * (kGraphPanelPoints - 1));
        --trace.count;
    }
    trace.x[trace.count] = x;
    trace.y[trace.count] = y;
    ++trace.count;
}

// While the charts are paused the graph keeps its plot, so that its view and its
// statistics stay those of the moment of the pause.
void Replot(int signal)
{
    SignalTrace &trace = g_graphPanel.traces[signal];
    int panel = g_app.graphPanel;
    if (!g_live.chartsPaused || trace.plot == 0) {
        if (trace.plot > 0)
            DeleteGraphPlot(panel, kSignalGraphs[signal], trace.plot, VAL_DELAYED_DRAW);
        int plot = PlotXY(panel, kSignalGraphs[signal], trace.x, trace.y, trace.count, VAL_DOUBLE, VAL_DOUBLE,
                          VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, 1, kSignalColors[signal]);
        trace.plot = plot > 0 ? plot : 0;
    }
    ShowGraphStatistics(kSignalGraphs[signal], trace.plot, kSignalNames[signal]);
}

} // namespace

const int kSignalGraphs[SIGNAL_COUNT] = {GRAPHP_CH0GRAPH, GRAPHP_SIGGRAPH, GRAPHP_TEMPGRAPH};
const int kSignalColors[SIGNAL_COUNT] = {VAL_GREEN, VAL_DK_YELLOW, VAL_DK_CYAN};
const char *const kSignalNames[SIGNAL_COUNT] = {"CH0", "SIG", "TEMP"};

int SelectedSignal(void)
{
    int signal = SIGNAL_CH0;
    GetCtrlVal(g_app.graphPanel, GRAPHP_SIGNAL, &signal);
    return signal == SIGNAL_SIG || signal == SIGNAL_TEMP ? signal : SIGNAL_CH0;
}

void InitPanelGraph(void)
{
    LeaveRecordingView();
    g_graphPanel.counter = 0;
    for (int signal = 0; signal < SIGNAL_COUNT; ++signal) {
        g_graphPanel.traces[signal].count = 0;
        g_graphPanel.traces[signal].plot = 0;
        DeleteGraphPlot(g_app.graphPanel, kSignalGraphs[signal], VAL_ALL_PLOTS, VAL_IMMEDIATE_DRAW);
        SetAxisScalingMode(g_app.graphPanel, kSignalGraphs[signal], VAL_XAXIS, VAL_AUTOSCALE, 0.0, 0.0);
    }
}

void AppendPanelGraphData(void)
{
    double x = (double)g_graphPanel.counter;
    for (int signal = 0; signal < SIGNAL_COUNT; ++signal)
        Append(g_graphPanel.traces[signal], x, SignalValue(g_live.frame, signal));
    ++g_graphPanel.counter;
}

// Only the graph on view is replotted; the others follow when they are selected, so a
// fast recording spends its time on rows, not on hidden plots.
void ShowPanelGraphData(void)
{
    for (int signal = 0; signal < SIGNAL_COUNT; ++signal)
        SetCtrlVal(g_app.graphPanel, kDisplays[signal], SignalValue(g_live.frame, signal));
    if (!RecordingShown())
        Replot(SelectedSignal());
}

void SetPanelGraphData(void)
{
    AppendPanelGraphData();
    ShowPanelGraphData();
}

void SetGraphVisible(void)
{
    int shown = SelectedSignal();
    for (int signal = 0; signal < SIGNAL_COUNT; ++signal)
        SetCtrlAttribute(g_app.graphPanel, kSignalGraphs[signal], ATTR_VISIBLE, signal == shown ? 1 : 0);
    if (RecordingShown())
        ShowRecordingSignal(shown);
    else
        Replot(shown);
}

void ShowGraphPanelStatistics(void)
{
    if (RecordingShown()) {
        ShowRecordingStatistics();
        return;
    }
    const int signal = SelectedSignal();
    ShowGraphStatistics(kSignalGraphs[signal], g_graphPanel.traces[signal].plot, kSignalNames[signal]);
}

void SetGraphPanelPaused(bool paused)
{
    for (int signal = 0; signal < SIGNAL_COUNT; ++signal) {
        SetCtrlAttribute(g_app.graphPanel, kSignalGraphs[signal], ATTR_CHART_PAUSED, paused ? 1 : 0);
        // Resumed, the live traces follow their newest samples again.
        if (!paused && !RecordingShown())
            SetAxisScalingMode(g_app.graphPanel, kSignalGraphs[signal], VAL_XAXIS, VAL_AUTOSCALE, 0.0, 0.0);
    }
    if (!paused && !RecordingShown())
        Replot(SelectedSignal());
}

void ForgetLivePlots(void)
{
    for (SignalTrace &trace : g_graphPanel.traces)
        trace.plot = 0;
}

std::vector<double> GraphPanelValues(int signal)
{
    const SignalTrace &trace = g_graphPanel.traces[signal];
    return std::vector<double>(trace.y, trace.y + trace.count);
}

unsigned long long GraphPanelSampleCount(void)
{
    return g_graphPanel.counter;
}

void ResetGraphPanel(void)
{
    std::memset(&g_graphPanel, 0, sizeof g_graphPanel);
    ResetGraphRecording();
}
