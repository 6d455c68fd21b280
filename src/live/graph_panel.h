#pragma once
// The graph panel: CH0, SIG and TEMP of every recorded frame in three graphs, one of
// them visible as the signal selector says.

// Clears the three graphs and restarts the sample counter.
void InitPanelGraph(void);
// Shows the latest frame on the graph panel and extends its graphs by one segment.
void SetPanelGraphData(void);
// Shows the one graph that the signal selector names.
void SetGraphVisible(void);
