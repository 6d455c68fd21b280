// The operator's view of the charts: wheel zoom, middle-button pan, pause, the
// statistics of what is in view, and the column drawing of large plots.
#include "graph_axis.h"
#include "ui/graph_widget.h"
#include "ui/strip_chart_widget.h"
#include "ui/userint.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace
{

void Wheel(QWidget *widget, QPointF at, int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void MiddleDrag(QWidget *widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::MiddleButton, Qt::NoModifier, from);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::MiddleButton, Qt::NoModifier, to);
}

// Statistics as a reader of the chart would work them out: straight from the
// definition, in long double.
ChartStatistics Expected(const std::vector<double> &values)
{
    ChartStatistics s{};
    long double sum = 0, squares = 0;
    for (double v : values) {
        s.min = s.count == 0 ? v : std::min(s.min, v);
        s.max = s.count == 0 ? v : std::max(s.max, v);
        sum += v;
        squares += (long double)v * v;
        ++s.count;
    }
    s.mean = double(sum / s.count);
    s.stdDev = double(std::sqrt(squares / s.count - (sum / s.count) * (sum / s.count)));
    return s;
}

void ExpectStatistics(const ChartStatistics &actual, const ChartStatistics &expected)
{
    EXPECT_EQ(actual.count, expected.count);
    EXPECT_DOUBLE_EQ(actual.min, expected.min);
    EXPECT_DOUBLE_EQ(actual.max, expected.max);
    EXPECT_NEAR(actual.mean, expected.mean, 1e-9 * std::fabs(expected.mean));
    EXPECT_NEAR(actual.stdDev, expected.stdDev, 1e-6 * expected.stdDev + 1e-9);
}

// 2000 + 500 sin(k / 7) + k: a signal with a level, a swing and a drift.
double Signal(int k)
{
    return 2000.0 + 500.0 * std::sin(k / 7.0) + k;
}

std::unique_ptr<StripChartWidget> ShownChart(int points)
{
    auto chart = std::make_unique<StripChartWidget>();
    chart->resize(600, 200);
    std::vector<double> values;
    for (int k = 0; k < points; ++k)
        values.push_back(Signal(k));
    chart->appendInterleaved(values.data(), int(values.size()));
    chart->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(chart.get()));
    return chart;
}

std::unique_ptr<GraphWidget> ShownGraph()
{
    auto graph = std::make_unique<GraphWidget>();
    graph->resize(600, 300);
    graph->setAxisScaling(VAL_XAXIS, VAL_MANUAL, 0.0, 128.0);
    graph->setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 0.0, 4100.0);
    graph->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(graph.get()));
    return graph;
}

} // namespace

TEST(ChartView, WheelZoomsAroundThePointerAndShiftWheelZoomsY)
{
    std::unique_ptr<GraphWidget> graph = ShownGraph();
    QSignalSpy zoomed(graph.get(), &GraphWidget::zoomed);
    const QPointF at = graph->toPixel(32.0, 1000.0);
    Wheel(graph.get(), at, 1);
    AxisShown x = AxisOf(*graph, VAL_XAXIS);
    EXPECT_NEAR(x.max - x.min, 128.0 * 0.8, 1e-9) << "one notch shows 80 % of the span";
    EXPECT_NEAR(graph->toPixel(32.0, 1000.0).x(), at.x(), 0.01) << "the value under the pointer stays put";
    EXPECT_DOUBLE_EQ(AxisOf(*graph, VAL_LEFT_YAXIS).max, 4100.0);
    Wheel(graph.get(), at, -2);
    EXPECT_NEAR(AxisOf(*graph, VAL_XAXIS).max - AxisOf(*graph, VAL_XAXIS).min, 128.0 / 0.8, 1e-9);

    Wheel(graph.get(), at, 1, Qt::ShiftModifier);
    const AxisShown y = AxisOf(*graph, VAL_LEFT_YAXIS);
    EXPECT_EQ(y.mode, VAL_MANUAL);
    EXPECT_NEAR(y.max - y.min, 4100.0 * 0.8, 1e-9);
    EXPECT_LT(y.min, 1000.0);
    EXPECT_GT(y.min, 0.0);
    ASSERT_EQ(zoomed.count(), 3);
    EXPECT_EQ(zoomed.at(0).at(0).toInt(), ZOOM_WHEEL_X);
    EXPECT_EQ(zoomed.at(2).at(0).toInt(), ZOOM_WHEEL_Y);

    // The strip chart zooms its points across; it never shows more than its width.
    std::unique_ptr<StripChartWidget> chart = ShownChart(100);
    QSignalSpy chartZoomed(chart.get(), &StripChartWidget::zoomed);
    const QRect plot = chart->plotArea();
    const QPointF quarter(plot.left() + (plot.width() - 1) * 0.25, plot.center().y());
    Wheel(chart.get(), quarter, 3);
    const AxisRange view = chart->xView();
    EXPECT_NEAR(view.max - view.min, 99.0 * std::pow(0.8, 3), 1e-9);
    EXPECT_NEAR(view.min + (view.max - view.min) * 0.25, 24.75, 1e-9);
    Wheel(chart.get(), quarter, -20);
    EXPECT_DOUBLE_EQ(chart->xView().min, 0.0);
    EXPECT_DOUBLE_EQ(chart->xView().max, 99.0);
    Wheel(chart.get(), quarter, 2, Qt::ShiftModifier);
    int mode = -1;
    double lo = 0, hi = 0;
    chart->yRange(&mode, &lo, &hi);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_NEAR(hi - lo, 4096.0 * 0.64, 1e-9);
    ASSERT_EQ(chartZoomed.count(), 3);
    EXPECT_EQ(chartZoomed.at(2).at(0).toInt(), ZOOM_WHEEL_Y);
}

TEST(ChartView, MiddleDragPansAndOtherButtonsTravelOn)
{
    std::unique_ptr<GraphWidget> graph = ShownGraph();
    QSignalSpy zoomed(graph.get(), &GraphWidget::zoomed);
    MiddleDrag(graph.get(), graph->toPixel(64, 2000).toPoint(), graph->toPixel(32, 1000).toPoint());
    const double xPerPixel = 128.0 / (graph->plotArea().width() - 1);
    const double yPerPixel = 4100.0 / (graph->plotArea().height() - 1);
    AxisShown x = AxisOf(*graph, VAL_XAXIS), y = AxisOf(*graph, VAL_LEFT_YAXIS);
    EXPECT_NEAR(x.min, 32.0, 1.5 * xPerPixel) << "the view follows the hand";
    EXPECT_NEAR(x.max - x.min, 128.0, 1e-9) << "a pan keeps the span";
    EXPECT_NEAR(y.min, 1000.0, 1.5 * yPerPixel);
    ASSERT_GE(zoomed.count(), 1);
    EXPECT_EQ(zoomed.last().at(0).toInt(), ZOOM_PAN);

    // A strip chart pans only within its points, so a zoomed view can be moved along.
    std::unique_ptr<StripChartWidget> chart = ShownChart(100);
    const QRect plot = chart->plotArea();
    Wheel(chart.get(), QPointF(plot.left() + (plot.width() - 1) * 0.25, plot.center().y()), 5);
    const double span = chart->xView().max - chart->xView().min;
    ASSERT_GT(chart->xView().min, 10.0);
    MiddleDrag(chart.get(), QPoint(plot.left(), plot.center().y()), QPoint(plot.right(), plot.center().y()));
    EXPECT_NEAR(chart->xView().min, 0.0, 1e-9) << "dragged right as far as the oldest point";
    EXPECT_NEAR(chart->xView().max - chart->xView().min, span, 1e-9);
}

TEST(ChartView, PausedChartsHoldTheirViewWhileDataArrive)
{
    std::unique_ptr<StripChartWidget> chart = ShownChart(100);
    chart->setTraceStyle(0, 0x808000, VAL_SOLID);
    chart->setYRange(VAL_AUTOSCALE, 0, 0);
    chart->setPaused(true);
    const QImage before = chart->grab().toImage();
    ChartStatistics pausedStats{};
    ASSERT_TRUE(chart->statistics(0, &pausedStats));
    std::vector<double> newer(100);
    for (int k = 0; k < 100; ++k)
        newer[k] = 100.0 + k;
    chart->appendInterleaved(newer.data(), 100);
    chart->clear();
    chart->appendInterleaved(newer.data(), 50);
    EXPECT_EQ(chart->grab().toImage(), before) << "a paused chart shows what it showed";
    ChartStatistics stats{};
    chart->statistics(0, &stats);
    EXPECT_EQ(stats.count, 100);
    EXPECT_DOUBLE_EQ(stats.mean, pausedStats.mean);
    EXPECT_EQ(chart->traceValues(0), std::vector<double>(newer.begin(), newer.begin() + 50))
        << "every point still goes into the chart";
    chart->setPaused(false);
    EXPECT_NE(chart->grab().toImage(), before);
    chart->statistics(0, &stats);
    EXPECT_EQ(stats.count, 50);
    EXPECT_DOUBLE_EQ(stats.max, 149.0);

    std::unique_ptr<GraphWidget> graph = ShownGraph();
    graph->setAxisScaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    const int first =
        graph->addPlot({0, 128}, {1000, 1000}, 0x00FF00, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    graph->setPaused(true);
    const QImage graphBefore = graph->grab().toImage();
    graph->deletePlot(VAL_ALL_PLOTS);
    const int second =
        graph->addPlot({0, 128}, {3000, 3500}, 0xFF0000, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    EXPECT_EQ(graph->plotCount(), 1);
    EXPECT_EQ(graph->grab().toImage(), graphBefore);
    EXPECT_TRUE(graph->statistics(first, &stats)) << "the shown plot answers while paused";
    EXPECT_FALSE(graph->statistics(second, &stats));
    graph->setPaused(false);
    EXPECT_NE(graph->grab().toImage(), graphBefore);
    EXPECT_GT(AxisOf(*graph, VAL_LEFT_YAXIS).max, 3000.0) << "autoscale follows the plots of now";
    EXPECT_TRUE(graph->statistics(second, &stats));
    EXPECT_FALSE(graph->statistics(first, &stats));
}

TEST(ChartView, StatisticsCoverExactlyTheSamplesInView)
{
    // Strip chart, zoomed in: the points whose position lies in the view.
    std::unique_ptr<StripChartWidget> chart = ShownChart(100);
    const QRect plot = chart->plotArea();
    Wheel(chart.get(), QPointF(plot.left() + (plot.width() - 1) * 0.3, plot.center().y()), 4);
    const AxisRange view = chart->xView();
    std::vector<double> inView;
    for (int k = int(std::ceil(view.min)); k <= int(std::floor(view.max)); ++k)
        inView.push_back(Signal(k));
    ChartStatistics stats{};
    ASSERT_TRUE(chart->statistics(0, &stats));
    ExpectStatistics(stats, Expected(inView));
    EXPECT_FALSE(chart->statistics(1, &stats));

    // A million 16-bit samples on a graph: every sample between the x limits counts.
    GraphWidget graph;
    graph.resize(600, 300);
    PlotValues y;
    y.kind = PlotValues::Int16;
    for (int k = 0; k < 1000000; ++k)
        y.i16.push_back(int16_t(std::lround(Signal(k % 5000) + (k % 13 == 0 ? 7000 : 0))));
    const int handle = graph.addPlotValues({}, y, 0x00FF00, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    graph.setAxisScaling(VAL_XAXIS, VAL_MANUAL, 1000.5, 250000.2);
    std::vector<double> expected(y.i16.begin() + 1001, y.i16.begin() + 250001);
    ASSERT_TRUE(graph.statistics(handle, &stats));
    ExpectStatistics(stats, Expected(expected));

    // Points in any x order: those inside the x limits.
    const int loose =
        graph.addPlot({5, 1, 9, 3}, {50, 10, 90, 30}, 0, VAL_SCATTER, VAL_SIMPLE_DOT, VAL_SOLID);
    graph.setAxisScaling(VAL_XAXIS, VAL_MANUAL, 2.0, 8.0);
    ASSERT_TRUE(graph.statistics(loose, &stats));
    ExpectStatistics(stats, Expected({50, 30}));
    graph.setAxisScaling(VAL_XAXIS, VAL_MANUAL, 20.0, 30.0);
    graph.statistics(loose, &stats);
    EXPECT_EQ(stats.count, 0);
}

TEST(ChartView, LargePlotsDrawEachColumnsExtremesSoNoSpikeIsLost)
{
    GraphWidget graph;
    graph.resize(600, 300);
    graph.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 0.0, 4100.0);
    PlotValues y;
    y.kind = PlotValues::Int16;
    y.i16.assign(1000000, 1000);
    y.i16[500000] = 4000; // one sample high
    y.i16[700001] = 100;  // one sample low
    graph.addPlotValues({}, y, 0xFF0000, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    graph.setAxisScaling(VAL_XAXIS, VAL_MANUAL, 0.0, 999999.0);
    QImage image = graph.grab().toImage();
    const int width = graph.plotArea().width();
    EXPECT_LE(graph.drawnPointCount(), 2 * width + 2) << "about two points per pixel column";
    auto redNear = [&](double x, double value) {
        const QPoint spot = graph.toPixel(x, value).toPoint();
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if ((image.pixel(spot + QPoint(dx, dy)) & 0xFFFFFF) == 0xFF0000)
                    return true;
        return false;
    };
    EXPECT_TRUE(redNear(500000, 3990)) << "the single high sample shows";
    EXPECT_TRUE(redNear(700001, 110)) << "the single low sample shows";

    // Zoomed in, the samples in view are drawn one by one.
    graph.setAxisScaling(VAL_XAXIS, VAL_MANUAL, 499990.0, 500010.0);
    image = graph.grab().toImage();
    EXPECT_LE(graph.drawnPointCount(), 23);
    EXPECT_TRUE(redNear(500000, 3950));
    EXPECT_FALSE(redNear(499995, 3950));
}

TEST(ChartView, DashedTracesStayDashed)
{
    StripChartWidget chart;
    chart.resize(600, 200);
    chart.setTraceCount(2);
    chart.setYRange(VAL_MANUAL, 0, 100);
    chart.setTraceStyle(0, 0x0000FF, VAL_DASH);
    chart.setTraceStyle(1, 0xFF0000, VAL_SOLID);
    std::vector<double> values;
    for (int k = 0; k < 100; ++k)
        values.insert(values.end(), {25, 75});
    chart.appendInterleaved(values.data(), int(values.size()));
    const QImage image = chart.grab().toImage();
    const QRect plot = chart.plotArea();
    auto pixelsOf = [&](double value, QRgb colour) {
        const int row = plot.bottom() - int(std::lround(value / 100.0 * (plot.height() - 1)));
        int count = 0;
        for (int x = plot.left() + 5; x < plot.right() - 5; ++x)
            count += (image.pixel(x, row) & 0xFFFFFF) == colour ? 1 : 0;
        return count;
    };
    const int span = plot.width() - 10;
    const int dashed = pixelsOf(25, 0x0000FF);
    EXPECT_GT(dashed, span / 4);
    EXPECT_LT(dashed, span * 9 / 10) << "a dashed line has gaps";
    EXPECT_GT(pixelsOf(75, 0xFF0000), span * 9 / 10);
}
