#pragma once
// The graph panel: CH0, SIG and TEMP of every recorded frame in three graphs, one of
// them visible as the signal selector says. Each graph holds one trace of the latest
// kGraphPanelPoints samples, so a long recording neither grows without bound nor
// wraps its sample numbers.

constexpr int kGraphPanelPoints = 1000;

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
// The number of the next sample (samples since the last InitPanelGraph).
unsigned long long GraphPanelSampleCount(void);
// Back to the state before start-up: no samples.
void ResetGraphPanel(void);
