#pragma once
// The statistics lines: under each strip chart of the data panel and under the graph
// panel's graph, one read-only line with the number, minimum, maximum, mean and
// standard deviation of the samples in view, refreshed with the charts (at the
// screen's pace) and after every change of the view. A line follows its chart: shown
// with it and kept just under it when the parameter rules move or hide the chart.

#include "ui/userint.h"

#include <string>

// The four strip charts' lines.
void ShowChartStatistics(void);
// The line of the graph panel: the plot with this handle on that graph.
void ShowGraphStatistics(int graph, int plot, const char *signal);
// "SIG: n = 100   min = ...", or that no sample is in view, in the current language.
std::string StatisticsText(const char *signal, const ChartStatistics &stats);
// Whether the lines are shown and worked out (they are, unless switched off, as the
// polling benchmark does to measure what they cost).
void SetChartStatisticsShown(bool shown);
