#pragma once
// The data panel's four strip charts, each with the statistics line under it and the
// trace that line describes.

struct DataChart {
    int page;       // DATA_PAGE_CH0 or DATA_PAGE_EVALUATION
    int chart;      // the strip chart
    int statistics; // the statistics line under it
    int trace;      // the trace the line describes, from 1
    const char *signal;
};

constexpr int kDataChartCount = 4;
extern const DataChart kDataCharts[kDataChartCount];

// The tab page handle of a chart.
int DataChartPage(const DataChart &chart);
