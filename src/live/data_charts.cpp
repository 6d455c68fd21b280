#include "live/data_charts.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"

// The threshold charts' line describes SIG, the signal the thresholds judge.
const DataChart kDataCharts[kDataChartCount] = {
    {DATA_PAGE_EVALUATION, DATATAB1_SIGCHART, DATATAB1_SIGSTATS, 1, "SIG"},
    {DATA_PAGE_EVALUATION, DATATAB1_EVAL1CHART, DATATAB1_EVAL1STATS, 2, "SIG"},
    {DATA_PAGE_EVALUATION, DATATAB1_EVAL2CHART, DATATAB1_EVAL2STATS, 2, "SIG"},
    {DATA_PAGE_CH0, DATATAB0_CH0CHART, DATATAB0_CH0STATS, 1, "CH0"},
};

int DataChartPage(const DataChart &chart)
{
    return g_app.dataPages[chart.page];
}
