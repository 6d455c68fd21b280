#include "ui/strip_chart_widget.h"
#include "ui/userint.h"

#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{

class PressRecorder : public QWidget
{
  public:
    std::vector<QEvent::Type> events;

  protected:
    void mousePressEvent(QMouseEvent *event) override { events.push_back(event->type()); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { events.push_back(event->type()); }
};

// Interleaved samples where trace j of point k holds 1000 * (first + k) + j.
std::vector<double> Interleaved(int first, int points, int traces)
{
    std::vector<double> values;
    for (int k = 0; k < points; ++k)
        for (int j = 0; j < traces; ++j)
            values.push_back(1000.0 * (first + k) + j);
    return values;
}

std::vector<double> Expected(int first, int points, int trace)
{
    std::vector<double> values;
    for (int k = 0; k < points; ++k)
        values.push_back(1000.0 * (first + k) + trace);
    return values;
}

} // namespace

TEST(StripChartWidget, KeepsTheLastPointsOfEachTraceInInterleavedOrder)
{
    StripChartWidget chart;
    EXPECT_EQ(chart.pointsPerScreen(), 100);
    chart.setTraceCount(6);
    EXPECT_EQ(chart.traceCount(), 6);

    // A whole 100-sample history each frame shows exactly that history.
    std::vector<double> history = Interleaved(0, 100, 6);
    chart.appendInterleaved(history.data(), int(history.size()));
    for (int j = 0; j < 6; ++j)
        EXPECT_EQ(chart.traceValues(j), Expected(0, 100, j)) << "trace " << j;
    history = Interleaved(1, 100, 6);
    chart.appendInterleaved(history.data(), int(history.size()));
    EXPECT_EQ(chart.traceValues(5), Expected(1, 100, 5));

    // More than a screenful at once keeps the newest screenful.
    std::vector<double> burst = Interleaved(500, 250, 6);
    chart.appendInterleaved(burst.data(), int(burst.size()));
    EXPECT_EQ(chart.traceValues(2), Expected(650, 100, 2));

    // Point by point the chart fills, then scrolls.
    StripChartWidget small;
    small.setTraceCount(2);
    small.setPointsPerScreen(5);
    std::vector<double> part = Interleaved(0, 3, 2);
    small.appendInterleaved(part.data(), int(part.size()));
    EXPECT_EQ(small.traceValues(1), Expected(0, 3, 1));
    part = Interleaved(3, 4, 2);
    small.appendInterleaved(part.data(), int(part.size()));
    EXPECT_EQ(small.traceValues(0), Expected(2, 5, 0));
    EXPECT_EQ(small.traceValues(1), Expected(2, 5, 1));

    // A trailing incomplete point is ignored, and so are bad arguments.
    part = Interleaved(7, 2, 2);
    small.appendInterleaved(part.data(), 3);
    EXPECT_EQ(small.traceValues(0), Expected(3, 5, 0));
    small.appendInterleaved(nullptr, 4);
    small.appendInterleaved(part.data(), -2);
    EXPECT_EQ(small.traceValues(1), Expected(3, 5, 1));
    EXPECT_TRUE(small.traceValues(2).empty());
}

TEST(StripChartWidget, ClearTraceCountAndScreenWidthChanges)
{
    StripChartWidget chart;
    chart.setTraceCount(2);
    std::vector<double> values = Interleaved(0, 10, 2);
    chart.appendInterleaved(values.data(), int(values.size()));
    chart.clear();
    EXPECT_TRUE(chart.traceValues(0).empty());
    chart.appendInterleaved(values.data(), 4);
    EXPECT_EQ(chart.traceValues(1), Expected(0, 2, 1)) << "a cleared chart fills again";

    chart.setPointsPerScreen(50);
    values = Interleaved(0, 40, 2);
    chart.appendInterleaved(values.data(), int(values.size()));
    chart.setPointsPerScreen(10);
    EXPECT_EQ(chart.traceValues(0), Expected(30, 10, 0)) << "shrinking keeps the newest points";
    chart.setPointsPerScreen(20);
    EXPECT_EQ(chart.traceValues(1), Expected(30, 10, 1)) << "growing keeps every point";
    chart.setPointsPerScreen(0);
    EXPECT_EQ(chart.pointsPerScreen(), 1);

    chart.setTraceCount(3);
    EXPECT_EQ(chart.traceCount(), 3);
    EXPECT_TRUE(chart.traceValues(0).empty()) << "a new trace count starts a new chart";
    values = Interleaved(0, 1, 3);
    chart.appendInterleaved(values.data(), 3);
    EXPECT_EQ(chart.traceValues(2), Expected(0, 1, 2));
    chart.setTraceCount(0);
    EXPECT_EQ(chart.traceCount(), 1);
}

TEST(StripChartWidget, YRangeManualOrFollowingTheData)
{
    StripChartWidget chart;
    int mode = -1;
    double min = 0, max = 0;
    chart.yRange(&mode, &min, &max);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_DOUBLE_EQ(min, 0.0);
    EXPECT_DOUBLE_EQ(max, 4096.0);

    const std::vector<double> values = {2003, 2010, 1995, 2001};
    chart.appendInterleaved(values.data(), int(values.size()));
    chart.setYRange(VAL_AUTOSCALE, 0, 0);
    chart.yRange(&mode, &min, &max);
    EXPECT_EQ(mode, VAL_AUTOSCALE);
    EXPECT_LE(min, 1995.0);
    EXPECT_GE(max, 2010.0);
    EXPECT_LT(max - min, 100.0) << "autoscale zooms in on a quiet signal";

    chart.setYRange(VAL_MANUAL, 0, 4096);
    chart.setYRange(VAL_MANUAL, 5, 5);
    chart.yRange(&mode, &min, &max);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_DOUBLE_EQ(min, 0.0);
    EXPECT_DOUBLE_EQ(max, 4096.0);
}

TEST(StripChartWidget, RendersTracesInTheirColours)
{
    StripChartWidget chart;
    chart.resize(600, 200);
    chart.setTraceCount(2);
    chart.setYRange(VAL_MANUAL, 0, 100);
    chart.setTraceStyle(0, 0xFF0000, VAL_SOLID);
    chart.setTraceStyle(1, 0x0000FF, VAL_SOLID);
    EXPECT_EQ(chart.traceColor(1), 0x0000FF);
    std::vector<double> values;
    for (int k = 0; k < 100; ++k) {
        values.push_back(25);
        values.push_back(75);
    }
    chart.appendInterleaved(values.data(), int(values.size()));
    const QImage image = chart.grab().toImage();
    const QRect plot = chart.plotArea();
    const int x = plot.left() + plot.width() / 2 + 3;
    auto rowOf = [&](double value) {
        return plot.bottom() - int(std::lround(value / 100.0 * (plot.height() - 1)));
    };
    auto colourAround = [&](int row) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QRgb rgb = image.pixel(x, row + dy) & 0xFFFFFF;
            if (rgb != 0xFFFFFF)
                return rgb;
        }
        return QRgb(0xFFFFFF);
    };
    EXPECT_EQ(colourAround(rowOf(25)), 0xFF0000u);
    EXPECT_EQ(colourAround(rowOf(75)), 0x0000FFu);
    EXPECT_EQ(image.pixel(x, rowOf(50)) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(StripChartWidget, ClicksAndDoubleClicksTravelOnToTheParent)
{
    auto parent = std::make_unique<PressRecorder>();
    auto *chart = new StripChartWidget(parent.get());
    parent->resize(620, 220);
    chart->setGeometry(10, 10, 600, 200);
    parent->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(parent.get()));
    const QPoint middle = chart->plotArea().center();
    QTest::mouseClick(chart, Qt::LeftButton, Qt::NoModifier, middle);
    QTest::mouseClick(chart, Qt::RightButton, Qt::NoModifier, middle);
    QTest::mouseDClick(chart, Qt::LeftButton, Qt::NoModifier, middle);
    ASSERT_GE(parent->events.size(), 3u);
    EXPECT_EQ(parent->events.front(), QEvent::MouseButtonPress);
    EXPECT_EQ(parent->events.back(), QEvent::MouseButtonDblClick);
}
