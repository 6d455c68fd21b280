// Graph and strip chart functions: typed input arrays become doubles for the widgets.
#include "ui/graph_widget.h"
#include "ui/strip_chart_widget.h"
#include "ui/ui_qt.h"

#include <cstdint>

namespace
{

// The size in bytes of one element of a UiDataType, 0 for an unknown type.
size_t ElementSize(int type)
{
    switch (type) {
    case VAL_DOUBLE:
        return sizeof(double);
    case VAL_FLOAT:
        return sizeof(float);
    case VAL_INTEGER:
    case VAL_UNSIGNED_INTEGER:
        return sizeof(int32_t);
    case VAL_SHORT_INTEGER:
    case VAL_UNSIGNED_SHORT_INTEGER:
        return sizeof(int16_t);
    case VAL_CHAR:
    case VAL_UNSIGNED_CHAR:
        return 1;
    default:
        return 0;
    }
}

double ElementAt(const void *data, int type, int index)
{
    switch (type) {
    case VAL_DOUBLE:
        return static_cast<const double *>(data)[index];
    case VAL_FLOAT:
        return static_cast<const float *>(data)[index];
    case VAL_INTEGER:
        return static_cast<const int32_t *>(data)[index];
    case VAL_UNSIGNED_INTEGER:
        return static_cast<const uint32_t *>(data)[index];
    case VAL_SHORT_INTEGER:
        return static_cast<const int16_t *>(data)[index];
    case VAL_UNSIGNED_SHORT_INTEGER:
        return static_cast<const uint16_t *>(data)[index];
    case VAL_CHAR:
        return static_cast<const signed char *>(data)[index];
    default:
        return static_cast<const unsigned char *>(data)[index];
    }
}

// Elements start, start + step, ... below count of a typed array.
bool ToDoubles(const void *data, int type, int count, int start, int step, std::vector<double> *out)
{
    if (!data || count < 0 || start < 0 || step < 1 || ElementSize(type) == 0)
        return false;
    out->clear();
    for (int i = start; i < count; i += step)
        out->push_back(ElementAt(data, type, i));
    return true;
}

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
    std::vector<double> ys;
    if (!ToDoubles(y, yType, count, 0, 1, &ys))
        return UIE_INVALID_VALUE;
    std::vector<double> xs(ys.size());
    for (size_t i = 0; i < xs.size(); ++i)
        xs[i] = static_cast<double>(i);
    return graph->addPlot(xs, ys, color, plotStyle, pointStyle, lineStyle);
}

int PlotXY(int panel, int control, const void *x, const void *y, int count, int xType, int yType,
           int plotStyle, int pointStyle, int lineStyle, int, int color)
{
    GraphWidget *graph = nullptr;
    int status = LookupWidget(panel, control, &graph);
    if (status < 0)
        return status;
    std::vector<double> xs;
    std::vector<double> ys;
    if (!ToDoubles(x, xType, count, 0, 1, &xs) || !ToDoubles(y, yType, count, 0, 1, &ys))
        return UIE_INVALID_VALUE;
    return graph->addPlot(xs, ys, color, plotStyle, pointStyle, lineStyle);
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
    if (skip < 0 || !ToDoubles(values, dataType, count, start, skip + 1, &points))
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
