// Graph, strip chart and LED controls: creation from the description and the
// attribute operations forwarded to their widgets.
#include "ui/chart_ops.h"

#include "ui/graph_widget.h"
#include "ui/led_widget.h"
#include "ui/strip_chart_widget.h"
#include "ui/ui_qt.h"

QWidget *CreateGraphWidget(int panel, const CtrlDef &def, QWidget *parent)
{
    auto *graph = new GraphWidget(parent);
    graph->setCursorCount(def.cursors);
    graph->setAxisScaling(VAL_XAXIS, VAL_MANUAL, def.xMin, def.xMax);
    graph->setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, def.yMin, def.yMax);
    graph->setAxisLabels(QString::fromStdString(def.xLabel), QString::fromStdString(def.yLabel));
    int control = def.id;
    QObject::connect(graph, &GraphWidget::cursorMoved, graph,
                     [panel, control](int n) { DispatchCtrlEvent(panel, control, EVENT_VAL_CHANGED, n, 0); });
    QObject::connect(graph, &GraphWidget::zoomed, graph,
                     [panel, control](int kind) { DispatchCtrlEvent(panel, control, EVENT_ZOOM, kind, 0); });
    return graph;
}

QWidget *CreateStripChartWidget(int panel, const CtrlDef &def, QWidget *parent)
{
    auto *chart = new StripChartWidget(parent);
    int control = def.id;
    QObject::connect(chart, &StripChartWidget::zoomed, chart,
                     [panel, control](int kind) { DispatchCtrlEvent(panel, control, EVENT_ZOOM, kind, 0); });
    chart->setTraceCount(std::max(1, def.traces));
    chart->setPointsPerScreen(std::max(1, def.pointsPerScreen));
    for (size_t trace = 0; trace < def.traceColors.size(); ++trace) {
        const int style = trace < def.traceLineStyles.size() ? def.traceLineStyles[trace] : VAL_SOLID;
        chart->setTraceStyle(static_cast<int>(trace), def.traceColors[trace], style);
    }
    chart->setYRange(VAL_MANUAL, def.yMin, def.yMax);
    return chart;
}

QWidget *CreateLedWidget(const CtrlDef &def, QWidget *parent)
{
    auto *led = new LedWidget(parent);
    led->setColors(def.onColor, def.offColor);
    led->setOn(def.initiallyOn);
    return led;
}

int SetLedState(QWidget *widget, bool on)
{
    auto *led = qobject_cast<LedWidget *>(widget);
    if (!led)
        return UIE_INVALID_CONTROL;
    led->setOn(on);
    return UIE_OK;
}

int GetLedState(QWidget *widget, int *on)
{
    auto *led = qobject_cast<LedWidget *>(widget);
    if (!led)
        return UIE_INVALID_CONTROL;
    *on = led->isOn() ? 1 : 0;
    return UIE_OK;
}

int SetLedColor(QWidget *widget, int attribute, int color)
{
    auto *led = qobject_cast<LedWidget *>(widget);
    if (!led)
        return UIE_INVALID_CONTROL;
    if (attribute == ATTR_ON_COLOR)
        led->setColors(color, led->offColor());
    else
        led->setColors(led->onColor(), color);
    return UIE_OK;
}

int GetLedColor(QWidget *widget, int attribute, int *color)
{
    auto *led = qobject_cast<LedWidget *>(widget);
    if (!led)
        return UIE_INVALID_CONTROL;
    *color = attribute == ATTR_ON_COLOR ? led->onColor() : led->offColor();
    return UIE_OK;
}

int SetStripChartAttribute(QWidget *widget, int attribute, int value)
{
    auto *chart = qobject_cast<StripChartWidget *>(widget);
    if (!chart)
        return UIE_INVALID_CONTROL;
    if (attribute == ATTR_NUM_TRACES) {
        if (value < 1 || value > StripChartWidget::kMaxTraces)
            return UIE_INVALID_VALUE;
        chart->setTraceCount(value);
    } else {
        if (value < 1 || value > StripChartWidget::kMaxPointsPerScreen)
            return UIE_INVALID_VALUE;
        chart->setPointsPerScreen(value);
    }
    return UIE_OK;
}

int GetStripChartAttribute(QWidget *widget, int attribute, int *value)
{
    auto *chart = qobject_cast<StripChartWidget *>(widget);
    if (!chart)
        return UIE_INVALID_CONTROL;
    *value = attribute == ATTR_NUM_TRACES ? chart->traceCount() : chart->pointsPerScreen();
    return UIE_OK;
}

int SetAxisName(CtrlRecord &ctrl, int attribute, const QString &name)
{
    auto *graph = qobject_cast<GraphWidget *>(ctrl.widget.data());
    if (!graph)
        return UIE_INVALID_ATTRIBUTE;
    if (attribute == ATTR_XNAME)
        graph->setAxisLabels(name, graph->yAxisLabel());
    else
        graph->setAxisLabels(graph->xAxisLabel(), name);
    return UIE_OK;
}

int GetAxisName(const CtrlRecord &ctrl, int attribute, QString *name)
{
    auto *graph = qobject_cast<GraphWidget *>(ctrl.widget.data());
    if (!graph)
        return UIE_INVALID_ATTRIBUTE;
    *name = attribute == ATTR_XNAME ? graph->xAxisLabel() : graph->yAxisLabel();
    return UIE_OK;
}

int SetChartPaused(QWidget *widget, int paused)
{
    if (auto *graph = qobject_cast<GraphWidget *>(widget))
        graph->setPaused(paused != 0);
    else if (auto *chart = qobject_cast<StripChartWidget *>(widget))
        chart->setPaused(paused != 0);
    else
        return UIE_INVALID_ATTRIBUTE;
    return UIE_OK;
}

int GetChartPaused(QWidget *widget, int *paused)
{
    if (auto *graph = qobject_cast<GraphWidget *>(widget))
        *paused = graph->isPaused() ? 1 : 0;
    else if (auto *chart = qobject_cast<StripChartWidget *>(widget))
        *paused = chart->isPaused() ? 1 : 0;
    else
        return UIE_INVALID_ATTRIBUTE;
    return UIE_OK;
}
