// The graph panel's traces. Sample numbers are counted wide and the values kept
// signed (TEMP may be negative), so neither folds over into nonsense; the x axis
// follows the samples shown.
#include "live/graph_panel.h"

#include "app/app_state.h"
#include "live/live_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstring>

namespace
{

enum GraphSignal { SIGNAL_CH0 = 0, SIGNAL_SIG = 1, SIGNAL_TEMP = 2, SIGNAL_COUNT = 3 };

const int kGraphs[SIGNAL_COUNT] = {GRAPHP_CH0GRAPH, GRAPHP_SIGGRAPH, GRAPHP_TEMPGRAPH};
const int kDisplays[SIGNAL_COUNT] = {GRAPHP_CH0, GRAPHP_SIG, GRAPHP_TEMP};
const int kColors[SIGNAL_COUNT] = {VAL_GREEN, VAL_DK_YELLOW, VAL_DK_CYAN};

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

// The selector's signal; any value other than SIG and TEMP shows CH0.
int SelectedSignal()
{
    int signal = SIGNAL_CH0;
    GetCtrlVal(g_app.graphPanel, GRAPHP_SIGNAL, &signal);
    return signal == SIGNAL_SIG || signal == SIGNAL_TEMP ? signal : SIGNAL_CH0;
}

void Replot(int signal)
{
    SignalTrace &trace = g_graphPanel.traces[signal];
    int panel = g_app.graphPanel;
    if (trace.plot > 0)
        DeleteGraphPlot(panel, kGraphs[signal], trace.plot, VAL_DELAYED_DRAW);
    int plot = PlotXY(panel, kGraphs[signal], trace.x, trace.y, trace.count, VAL_DOUBLE, VAL_DOUBLE,
                      VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, 1, kColors[signal]);
    trace.plot = plot > 0 ? plot : 0;
}

} // namespace

void InitPanelGraph(void)
{
    g_graphPanel.counter = 0;
    for (int signal = 0; signal < SIGNAL_COUNT; ++signal) {
        g_graphPanel.traces[signal].count = 0;
        g_graphPanel.traces[signal].plot = 0;
        DeleteGraphPlot(g_app.graphPanel, kGraphs[signal], VAL_ALL_PLOTS, VAL_IMMEDIATE_DRAW);
        SetAxisScalingMode(g_app.graphPanel, kGraphs[signal], VAL_XAXIS, VAL_AUTOSCALE, 0.0, 0.0);
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
        SetCtrlAttribute(g_app.graphPanel, kGraphs[signal], ATTR_VISIBLE, signal == shown ? 1 : 0);
    Replot(shown);
}

unsigned long long GraphPanelSampleCount(void)
{
    return g_graphPanel.counter;
}

void ResetGraphPanel(void)
{
    std::memset(&g_graphPanel, 0, sizeof g_graphPanel);
}
