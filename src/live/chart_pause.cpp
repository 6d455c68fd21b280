#include "live/chart_pause.h"

#include "app/app_state.h"
#include "live/chart_statistics.h"
#include "live/data_charts.h"
#include "live/graph_panel.h"
#include "live/live_display.h"
#include "live/live_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

void SetChartsPaused(bool paused)
{
    g_live.chartsPaused = paused;
    for (const DataChart &chart : kDataCharts)
        SetCtrlAttribute(DataChartPage(chart), chart.chart, ATTR_CHART_PAUSED, paused ? 1 : 0);
    SetCtrlAttribute(g_app.dataPanel, DATAP_PAUSE, ATTR_CMD_BUTTON_COLOR, paused ? VAL_RED : VAL_LT_GRAY);
    SetGraphPanelPaused(paused);
}

} // namespace

void PauseCharts(void)
{
    if (!g_live.chartsPaused)
        SetChartsPaused(true);
}

void ResumeCharts(void)
{
    if (!g_live.chartsPaused)
        return;
    SetChartsPaused(false);
    // The histories hold the newest samples: shown at once, not only with the next frame.
    ShowGraph();
}

void TogglePauseCharts(void)
{
    if (g_live.chartsPaused)
        ResumeCharts();
    else
        PauseCharts();
    ShowChartStatistics();
}
