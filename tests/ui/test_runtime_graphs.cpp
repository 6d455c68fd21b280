#include "panels/ctrl_builders.h"
#include "support/event_recorder.h"
#include "support/ui_actions.h"
#include "ui/graph_widget.h"
#include "ui/panel_loader.h"
#include "ui/strip_chart_widget.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace
{

enum { GRAPH = 1, CHART, EVAL };

class RuntimeGraphs : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        CtrlDef graph = MakeCtrl(GRAPH, CTRL_GRAPH, "Scope", 30, 10, 400, 300);
        graph.cursors = 2;
        graph.xMin = 0;
        graph.xMax = 128;
        graph.yMin = 0;
        graph.yMax = 4100;
        CtrlDef chart = MakeCtrl(CHART, CTRL_STRIP_CHART, "CH0", 30, 420, 300, 150);
        CtrlDef eval = MakeCtrl(EVAL, CTRL_STRIP_CHART, "Threshold 1", 200, 420, 300, 150);
        eval.traces = 6;
        panel = LoadPanelFromDef(0, MakePanelDef("Graphs", {graph, chart, eval}, 800, 400));
        ASSERT_GT(panel, 0);
        ASSERT_TRUE(ShowAndActivate(panel));
        ClearRecordedEvents();
    }
    void TearDown() override { DiscardPanel(panel); }
    GraphWidget *Graph() { return qobject_cast<GraphWidget *>(CtrlWidget(panel, GRAPH)); }
    StripChartWidget *Chart(int control)
    {
        return qobject_cast<StripChartWidget *>(CtrlWidget(panel, control));
    }
    // A left drag on the graph through the window, as the operator's mouse does it.
    void Drag(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers)
    {
        QWidget *widget = Graph();
        QWindow *window = widget->window()->windowHandle();
        QPoint start = widget->mapTo(widget->window(), from.toPoint());
        QPoint end = widget->mapTo(widget->window(), to.toPoint());
        QTest::mousePress(window, Qt::LeftButton, modifiers, start);
        QTest::mouseMove(window, (start + end) / 2);
        QTest::mouseMove(window, end);
        QTest::mouseRelease(window, Qt::LeftButton, modifiers, end);
    }
    int panel = 0;
};

TEST_F(RuntimeGraphs, PlotsTakeEveryDataType)
{
    const uint16_t block[4] = {0, 4095, 65535, 7};
    int first = PlotY(panel, GRAPH, block, 4, VAL_UNSIGNED_SHORT_INTEGER, VAL_THIN_LINE, VAL_NO_POINT,
                      VAL_SOLID, 1, VAL_GREEN);
    EXPECT_GT(first, 0);
    const int16_t x[2] = {-3, 5};
    const double y[2] = {0.5, 1.5};
    int second = PlotXY(panel, GRAPH, x, y, 2, VAL_SHORT_INTEGER, VAL_DOUBLE, VAL_CONNECTED_POINTS,
                        VAL_SOLID_SQUARE, VAL_SOLID, 1, VAL_DK_YELLOW);
    EXPECT_GT(second, 0);
    EXPECT_NE(first, second);
    int count = 0;
    GetNumGraphPlots(panel, GRAPH, &count);
    EXPECT_EQ(count, 2);

    // The values arrive converted: autoscale shows the unsigned 65535, not -1.
    SetAxisScalingMode(panel, GRAPH, VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    int mode = -1;
    double min = 0, max = 0;
    GetAxisScalingMode(panel, GRAPH, VAL_LEFT_YAXIS, &mode, &min, &max);
    EXPECT_EQ(mode, VAL_AUTOSCALE);
    EXPECT_GE(max, 65535.0);
    SetAxisScalingMode(panel, GRAPH, VAL_XAXIS, VAL_AUTOSCALE, 0, 0);
    GetAxisScalingMode(panel, GRAPH, VAL_XAXIS, &mode, &min, &max);
    EXPECT_LE(min, -3.0);

    EXPECT_EQ(DeleteGraphPlot(panel, GRAPH, first, VAL_IMMEDIATE_DRAW), 0);
    EXPECT_LT(DeleteGraphPlot(panel, GRAPH, first, VAL_IMMEDIATE_DRAW), 0);
    EXPECT_EQ(DeleteGraphPlot(panel, GRAPH, VAL_ALL_PLOTS, VAL_IMMEDIATE_DRAW), 0);
    GetNumGraphPlots(panel, GRAPH, &count);
    EXPECT_EQ(count, 0);
    EXPECT_LT(PlotY(panel, GRAPH, nullptr, 4, VAL_DOUBLE, 0, 0, 0, 1, 0), 0);
    EXPECT_LT(PlotY(panel, GRAPH, block, 4, 99, 0, 0, 0, 1, 0), 0);
    EXPECT_LT(PlotY(panel, CHART, block, 4, VAL_UNSIGNED_SHORT_INTEGER, 0, 0, 0, 1, 0), 0);
}

TEST_F(RuntimeGraphs, AxesAndCursors)
{
    ASSERT_EQ(SetAxisScalingMode(panel, GRAPH, VAL_XAXIS, VAL_MANUAL, 0, 4100), 0);
    int mode = -1;
    double min = -1, max = -1;
    GetAxisScalingMode(panel, GRAPH, VAL_XAXIS, &mode, &min, &max);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_DOUBLE_EQ(max, 4100.0);
    EXPECT_LT(SetAxisScalingMode(panel, GRAPH, VAL_XAXIS, VAL_MANUAL, 10, 10), 0);
    EXPECT_LT(SetAxisScalingMode(panel, GRAPH, 7, VAL_MANUAL, 0, 1), 0);

    ASSERT_EQ(SetGraphCursor(panel, GRAPH, 2, 10.9, 3.2), 0);
    double x = 0, y = 0;
    GetGraphCursor(panel, GRAPH, 2, &x, &y);
    EXPECT_DOUBLE_EQ(x, 10.9);
    EXPECT_DOUBLE_EQ(y, 3.2);
    EXPECT_LT(SetGraphCursor(panel, GRAPH, 3, 0, 0), 0);
    EXPECT_TRUE(RecordedEvents().empty());

    // The strip chart's Y axis is its range.
    ASSERT_EQ(SetAxisScalingMode(panel, CHART, VAL_LEFT_YAXIS, VAL_MANUAL, 0, 4096), 0);
    GetAxisScalingMode(panel, CHART, VAL_LEFT_YAXIS, &mode, &min, &max);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_DOUBLE_EQ(max, 4096.0);
    SetAxisScalingMode(panel, CHART, VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    GetAxisScalingMode(panel, CHART, VAL_LEFT_YAXIS, &mode, &min, &max);
    EXPECT_EQ(mode, VAL_AUTOSCALE);
    EXPECT_LT(SetAxisScalingMode(panel, CHART, VAL_XAXIS, VAL_MANUAL, 0, 1), 0);
}

TEST_F(RuntimeGraphs, OperatorCursorMovesAndZoomsRaiseEvents)
{
    SetGraphCursor(panel, GRAPH, 1, 32, 1000);
    SetGraphCursor(panel, GRAPH, 2, 96, 3000);
    QPointF cursor = Graph()->toPixel(32, 1000);
    Drag(cursor, cursor + QPointF(40, -20), Qt::NoModifier);
    ASSERT_GE(CountEvents(GRAPH, EVENT_VAL_CHANGED), 1);
    EXPECT_EQ(RecordedEvents().back().event, EVENT_VAL_CHANGED);
    EXPECT_EQ(RecordedEvents().back().data1, 1);
    double x = 0, y = 0;
    GetGraphCursor(panel, GRAPH, 1, &x, &y);
    EXPECT_GT(x, 32.0);

    ClearRecordedEvents();
    QRect plot = Graph()->plotArea();
    Drag(plot.center() - QPoint(50, 40), plot.center() + QPoint(50, 40), Qt::ControlModifier);
    EXPECT_EQ(CountEvents(GRAPH, EVENT_ZOOM), 1);
    int mode = -1;
    double min = 0, max = 0;
    GetAxisScalingMode(panel, GRAPH, VAL_XAXIS, &mode, &min, &max);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_LT(max - min, 128.0);
}

TEST_F(RuntimeGraphs, StripChartsTakeInterleavedTracesWithStartAndSkip)
{
    const double history[12] = {1, 10, 2, 20, 3, 30, 4, 40, 5, 50, 6, 60};
    ASSERT_EQ(PlotStripChart(panel, CHART, history, 12, 0, 1, VAL_DOUBLE), 0);
    EXPECT_EQ(Chart(CHART)->traceValues(0), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    ClearStripChart(panel, CHART);
    EXPECT_TRUE(Chart(CHART)->traceValues(0).empty());
    ASSERT_EQ(PlotStripChart(panel, CHART, history, 12, 1, 1, VAL_DOUBLE), 0);
    EXPECT_EQ(Chart(CHART)->traceValues(0), (std::vector<double>{10, 20, 30, 40, 50, 60}));

    const int16_t samples[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    ASSERT_EQ(PlotStripChart(panel, EVAL, samples, 12, 0, 0, VAL_SHORT_INTEGER), 0);
    EXPECT_EQ(Chart(EVAL)->traceValues(5), (std::vector<double>{6, 12}));

    SetCtrlAttribute(panel, CHART, ATTR_POINTS_PER_SCREEN, 3);
    ClearStripChart(panel, CHART);
    PlotStripChart(panel, CHART, history, 12, 0, 0, VAL_DOUBLE);
    EXPECT_EQ(Chart(CHART)->traceValues(0), (std::vector<double>{50, 6, 60}));

    EXPECT_EQ(SetTraceAttribute(panel, EVAL, 6, VAL_BLUE, VAL_DASH), 0);
    EXPECT_EQ(Chart(EVAL)->traceColor(5), VAL_BLUE);
    EXPECT_LT(SetTraceAttribute(panel, EVAL, 7, VAL_BLUE, VAL_DASH), 0);
    EXPECT_LT(PlotStripChart(panel, CHART, history, 12, 0, -1, VAL_DOUBLE), 0);
    EXPECT_LT(PlotStripChart(panel, GRAPH, history, 12, 0, 0, VAL_DOUBLE), 0);
}

TEST_F(RuntimeGraphs, ClicksOnChartsAreTheChartsOnly)
{
    LeftDoubleClick(panel, CHART);
    EXPECT_EQ(EventsOf(CHART), (std::vector<int>{EVENT_LEFT_CLICK, EVENT_LEFT_DOUBLE_CLICK}));
    EXPECT_TRUE(EventsOf(0).empty());
    RightClick(panel, GRAPH);
    EXPECT_EQ(CountEvents(GRAPH, EVENT_RIGHT_CLICK), 1);
}

TEST_F(RuntimeGraphs, OperatorViewChangesRaiseZoomEventsBesideTheClicks)
{
    const QPoint middle = Chart(CHART)->plotArea().center();
    TurnWheel(panel, CHART, middle, 2);
    MiddleDrag(panel, CHART, middle, middle + QPoint(30, 0));
    LeftClick(panel, CHART);
    TurnWheel(panel, GRAPH, Graph()->plotArea().center(), 1, Qt::ShiftModifier);
    std::vector<int> kinds;
    for (const RecordedEvent &e : RecordedEvents())
        if (e.event == EVENT_ZOOM)
            kinds.push_back(e.control * 100 + e.data1);
    ASSERT_GE(kinds.size(), 3u);
    EXPECT_EQ(kinds.front(), CHART * 100 + ZOOM_WHEEL_X);
    EXPECT_EQ(kinds[1], CHART * 100 + ZOOM_PAN);
    EXPECT_EQ(kinds.back(), GRAPH * 100 + ZOOM_WHEEL_Y);
    EXPECT_EQ(CountEvents(CHART, EVENT_LEFT_CLICK), 1) << "a middle press is no click";
    EXPECT_EQ(CountEvents(CHART, EVENT_LEFT_DOUBLE_CLICK), 0);

    EXPECT_EQ(SetCtrlAttribute(panel, EVAL, ATTR_CHART_PAUSED, 1), 0);
    int paused = 0;
    GetCtrlAttribute(panel, EVAL, ATTR_CHART_PAUSED, &paused);
    EXPECT_EQ(paused, 1);
    EXPECT_TRUE(Chart(EVAL)->isPaused());
    EXPECT_EQ(SetCtrlAttribute(panel, GRAPH, ATTR_CHART_PAUSED, 1), 0);
    EXPECT_TRUE(Graph()->isPaused());
    SetCtrlAttribute(panel, GRAPH, ATTR_CHART_PAUSED, 0);
    EXPECT_FALSE(Graph()->isPaused());
}

TEST_F(RuntimeGraphs, StatisticsOfTracesAndPlotsInView)
{
    const double history[8] = {1, 10, 2, 20, 3, 30, 4, 40};
    PlotStripChart(panel, EVAL, history, 6, 0, 0, VAL_DOUBLE);
    ChartStatistics stats{};
    ASSERT_EQ(GetChartStatistics(panel, EVAL, 6, &stats), 0);
    EXPECT_EQ(stats.count, 1);
    EXPECT_DOUBLE_EQ(stats.mean, 30.0);
    EXPECT_DOUBLE_EQ(stats.stdDev, 0.0);
    EXPECT_LT(GetChartStatistics(panel, EVAL, 7, &stats), 0);
    EXPECT_LT(GetChartStatistics(panel, EVAL, 0, &stats), 0);

    const uint16_t block[5] = {65535, 1, 2, 3, 60000};
    const int plot = PlotY(panel, GRAPH, block, 5, VAL_UNSIGNED_SHORT_INTEGER, VAL_THIN_LINE, VAL_NO_POINT,
                           VAL_SOLID, 1, VAL_GREEN);
    SetAxisScalingMode(panel, GRAPH, VAL_XAXIS, VAL_MANUAL, 0.5, 3.5);
    ASSERT_EQ(GetChartStatistics(panel, GRAPH, plot, &stats), 0);
    EXPECT_EQ(stats.count, 3);
    EXPECT_DOUBLE_EQ(stats.min, 1.0);
    EXPECT_DOUBLE_EQ(stats.max, 3.0);
    EXPECT_DOUBLE_EQ(stats.mean, 2.0);
    EXPECT_DOUBLE_EQ(stats.stdDev, std::sqrt(2.0 / 3.0));
    SetAxisScalingMode(panel, GRAPH, VAL_XAXIS, VAL_MANUAL, 0.0, 4.0);
    GetChartStatistics(panel, GRAPH, plot, &stats);
    EXPECT_DOUBLE_EQ(stats.max, 65535.0) << "unsigned samples stay unsigned";
    EXPECT_LT(GetChartStatistics(panel, GRAPH, plot + 1, &stats), 0);
    EXPECT_LT(GetChartStatistics(panel, GRAPH, plot, nullptr), 0);
}

} // namespace
