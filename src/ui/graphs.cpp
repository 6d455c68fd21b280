// Graph and strip chart functions. Graph plots keep integer samples as integers (a
// plot of a million 16-bit samples takes 2 MB, not 8); strip chart points are doubles.
#include "ui/graph_widget.h"
#include "ui/plot_data.h"
#include "ui/strip_chart_widget.h"
#include "ui/ui_qt.h"

namespace
{

template <typename Widget> int LookupWidget(int panel, int control, Widget **widget)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    *widget = qobject_cast<Widget *>(ctrl->widget.data());
    return *widget ? UIE_OK : UIE_INVALID_CONTROL;
}

bool ValidCursor(int cursor)
{
    return cursor == 1 || cursor == 2;
}

bool ValidAxis(int axis)
{
    return axis == VAL_XAXIS || axis == VAL_LEFT_YAXIS;
}

} // namespace

int PlotY(int panel, int control, const void *y, int count, int yType, int plotStyle, int pointStyle,
          int lineStyle, int, int color)
{
    GraphWidget *graph = nullptr;
    int status = LookupWidget(panel, control, &graph);
    if (status < 0)
        return status;
    PlotValues ys;
    if (!PlotValuesFromTyped(y, yType, count, 0, 1, &ys))
        return UIE_INVALID_VALUE;
    return graph->addPlotValues({}, std::move(ys), color, plotStyle, pointStyle, lineStyle);
}

int PlotXY(int panel, int control, const void *x, const void *y, int count, int xType, int yType,
           int plotStyle, int pointStyle, int lineStyle, int, int color)
{
    GraphWidget *graph = nullptr;
    int status = LookupWidget(panel, control, &graph);
    if (status < 0)
        return status;
    std::vector<double> xs;
    PlotValues ys;
    if (!DoublesFromTyped(x, xType, count, 0, 1, &xs) || !PlotValuesFromTyped(y, yType, count, 0, 1, &ys))
        return UIE_INVALID_VALUE;
    return graph->addPlotValues(std::move(xs), std::move(ys), color, plotStyle, pointStyle, lineStyle);
}

int DeleteGraphPlot(int panel, int control, int plotHandle, int)
{
    GraphWidget *graph = nullptr;
    int status = LookupWidget(panel, control, &graph);
    if (status < 0)
        return status;
    if (plotHandle == VAL_ALL_PLOTS) {
        graph->deletePlot(-1);
        return UIE_OK;
    }
    return graph->deletePlot(plotHandle) ? UIE_OK : UIE_INVALID_VALUE;
}

int GetNumGraphPlots(int panel, int control, int *count)
{
    GraphWidget *graph = nullptr;
    int status = LookupWidget(panel, control, &graph);
    if (status < 0)
        return status;
    if (!count)
        return UIE_INVALID_VALUE;
    *count = graph->plotCount();
    return UIE_OK;
}

int SetAxisScalingMode(int panel, int control, int axis, int mode, double min, double max)
{
    if (!ValidAxis(axis) || (mode != VAL_MANUAL && mode != VAL_AUTOSCALE))
        return UIE_INVALID_VALUE;
    if (mode == VAL_MANUAL && !(min < max))
        return UIE_INVALID_VALUE;
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    if (auto *graph = qobject_cast<GraphWidget *>(ctrl->widget.data())) {
        graph->setAxisScaling(axis, mode, min, max);
        return UIE_OK;
    }
    if (auto *chart = qobject_cast<StripChartWidget *>(ctrl->widget.data())) {
        if (axis != VAL_LEFT_YAXIS)
            return UIE_INVALID_VALUE;
        chart->setYRange(mode, min, max);
        return UIE_OK;
    }
    return UIE_INVALID_CONTROL;
}

int GetAxisScalingMode(int panel, int control, int axis, int *mode, double *min, double *max)
{
    if (!ValidAxis(axis) || !mode || !min || !max)
        return UIE_INVALID_VALUE;
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    if (auto *graph = qobject_cast<GraphWidget *>(ctrl->widget.data())) {
        graph->axisScaling(axis, mode, min, max);
        return UIE_OK;
    }
    if (auto *chart = qobject_cast<StripChartWidget *>(ctrl->widget.data())) {
        if (axis != VAL_LEFT_YAXIS)
            return UIE_INVALID_VALUE;
        chart->yRange(mode, min, max);
        return UIE_OK;
    }
    return UIE_INVALID_CONTROL;
}

int SetGraphCursor(int panel, int control, int cursor, double x, double y)
{
    GraphWidget *graph = nullptr;
    int status = LookupWidget(panel, control, &graph);
    if (status < 0)
        return status;
    if (!ValidCursor(cursor) || cursor > graph->cursorCount())
        return UIE_INVALID_VALUE;
    graph->setCursor(cursor, x, y);
    return UIE_OK;
}

int GetGraphCursor(int panel, int control, int cursor, double *x, double *y)
{
    GraphWidget *graph = nullptr;
    int status = LookupWidget(panel, control, &graph);
    if (status < 0)
        return status;
    if (!ValidCursor(cursor) || cursor > graph->cursorCount() || !x || !y)
        return UIE_INVALID_VALUE;
    graph->cursor(cursor, x, y);
    return UIE_OK;
}

int PlotStripChart(int panel, int control, const void *values, int count, int start, int skip, int dataType)
{
    StripChartWidget *chart = nullptr;
    int status = LookupWidget(panel, control, &chart);
    if (status < 0)
        return status;
    std::vector<double> points;
    if (skip < 0 || !DoublesFromTyped(values, dataType, count, start, skip + 1, &points))
        return UIE_INVALID_VALUE;
    chart->appendInterleaved(points.data(), static_cast<int>(points.size()));
    return UIE_OK;
}

int ClearStripChart(int panel, int control)
{
    StripChartWidget *chart = nullptr;
    int status = LookupWidget(panel, control, &chart);
    if (status < 0)
        return status;
    chart->clear();
    return UIE_OK;
}

int SetTraceAttribute(int panel, int control, int trace, int color, int lineStyle)
{
    StripChartWidget *chart = nullptr;
    int status = LookupWidget(panel, control, &chart);
    if (status < 0)
        return status;
    if (trace < 1 || trace > chart->traceCount())
        return UIE_INVALID_VALUE;
    chart->setTraceStyle(trace - 1, color, lineStyle);
    return UIE_OK;
}

int GetChartStatistics(int panel, int control, int traceOrPlot, ChartStatistics *stats)
{
    if (!stats)
        return UIE_INVALID_VALUE;
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    if (auto *graph = qobject_cast<GraphWidget *>(ctrl->widget.data()))
        return graph->statistics(traceOrPlot, stats) ? UIE_OK : UIE_INVALID_VALUE;
    if (auto *chart = qobject_cast<StripChartWidget *>(ctrl->widget.data()))
        return chart->statistics(traceOrPlot - 1, stats) ? UIE_OK : UIE_INVALID_VALUE;
    return UIE_INVALID_CONTROL;
}
