#pragma once
// The graph panel: CH0, SIG and TEMP of every recorded frame in three graphs, one of
// them visible as the signal selector says. Each graph holds one trace of the latest
// kGraphPanelPoints samples, so a long recording neither grows without bound nor
// wraps its sample numbers.

#include <vector>

constexpr int kGraphPanelPoints = 1000;

enum GraphSignal { SIGNAL_CH0 = 0, SIGNAL_SIG = 1, SIGNAL_TEMP = 2, SIGNAL_COUNT = 3 };
// Each signal's graph, colour and name.
extern const int kSignalGraphs[SIGNAL_COUNT];
extern const int kSignalColors[SIGNAL_COUNT];
extern const char *const kSignalNames[SIGNAL_COUNT];
// The selector's signal; any value other than SIG and TEMP shows CH0.
int SelectedSignal(void);

// Clears the three graphs and restarts the sample counter.
void InitPanelGraph(void);
// Shows the latest frame on the graph panel and extends its graphs by one sample.
void SetPanelGraphData(void);
// The two halves of SetPanelGraphData: the sample into the traces (every recorded
// frame), and the displays and the graph on view (at the screen's pace).
void AppendPanelGraphData(void);
void ShowPanelGraphData(void);
// Shows the one graph that the signal selector names.
void SetGraphVisible(void);
// The statistics line of the graph on view (live traces or a record file).
void ShowGraphPanelStatistics(void);
// PAUSE of the graph panel's graphs; resumed, the live trace shows its newest samples.
void SetGraphPanelPaused(bool paused);
// The live traces' plots are gone from the graphs (a record file is shown); the next
// replot makes new ones.
void ForgetLivePlots(void);
// The samples of one signal's live trace, oldest first.
std::vector<double> GraphPanelValues(int signal);
// The number of the next sample (samples since the last InitPanelGraph).
unsigned long long GraphPanelSampleCount(void);
// Back to the state before start-up: no samples.
void ResetGraphPanel(void);
