#include "live/chart_statistics.h"

#include "app/app_state.h"
#include "app/language.h"
#include "live/data_charts.h"
#include "live/live_state.h"
#include "live/live_texts.h"
#include "resource/panel_ids.h"

#include <cstdio>

namespace
{

constexpr int kLineGap = 2; // pixels between a chart and its line
constexpr int kTextLength = 256;

int IntAttribute(int panel, int control, int attribute)
{
    int value = 0;
    GetCtrlAttribute(panel, control, attribute, &value);
    return value;
}

void SetIntAttributeIfChanged(int panel, int control, int attribute, int value)
{
    if (IntAttribute(panel, control, attribute) != value)
        SetCtrlAttribute(panel, control, attribute, value);
}

// The line under its chart, shown when the chart is; true when it is shown.
bool FollowChart(int page, int chart, int line)
{
    const bool visible = !g_live.statisticsHidden && IntAttribute(page, chart, ATTR_VISIBLE) != 0;
    SetIntAttributeIfChanged(page, line, ATTR_VISIBLE, visible ? 1 : 0);
    if (visible) {
        const int top =
            IntAttribute(page, chart, ATTR_TOP) + IntAttribute(page, chart, ATTR_HEIGHT) + kLineGap;
        SetIntAttributeIfChanged(page, line, ATTR_TOP, top);
    }
    return visible;
}

// Sets the text only when it changed, so that a paused chart's line costs no repaint.
void ShowLineText(int panel, int line, const std::string &text)
{
    char shown[kTextLength] = "";
    GetCtrlVal(panel, line, shown, sizeof shown);
    if (text != shown)
        SetCtrlVal(panel, line, text.c_str());
}

} // namespace

std::string StatisticsText(const char *signal, const ChartStatistics &stats)
{
    char text[kTextLength];
    if (stats.count == 0)
        std::snprintf(text, sizeof text, Tr(kTxtNoSamplesInView), signal);
    else
        std::snprintf(text, sizeof text, Tr(kTxtChartStatistics), signal, stats.count, stats.min, stats.max,
                      stats.mean, stats.stdDev);
    return text;
}

void ShowChartStatistics(void)
{
    for (const DataChart &chart : kDataCharts) {
        const int page = DataChartPage(chart);
        if (!FollowChart(page, chart.chart, chart.statistics))
            continue;
        ChartStatistics stats{};
        if (GetChartStatistics(page, chart.chart, chart.trace, &stats) == 0)
            ShowLineText(page, chart.statistics, StatisticsText(chart.signal, stats));
    }
}

void ShowGraphStatistics(int graph, int plot, const char *signal)
{
    const int panel = g_app.graphPanel;
    SetIntAttributeIfChanged(panel, GRAPHP_STATS, ATTR_VISIBLE, g_live.statisticsHidden ? 0 : 1);
    if (g_live.statisticsHidden)
        return;
    ChartStatistics stats{};
    if (plot <= 0 || GetChartStatistics(panel, graph, plot, &stats) != 0)
        stats = ChartStatistics{};
    ShowLineText(panel, GRAPHP_STATS, StatisticsText(signal, stats));
}

void SetChartStatisticsShown(bool shown)
{
    g_live.statisticsHidden = !shown;
}
