#include "graph_axis.h"
#include "ui/graph_widget.h"
#include "ui/userint.h"

#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>

namespace
{

// A parent that records the mouse presses its child let through.
class PressRecorder : public QWidget
{
  public:
    std::vector<Qt::MouseButton> presses;

  protected:
    void mousePressEvent(QMouseEvent *event) override { presses.push_back(event->button()); }
};

struct ShownGraph {
    std::unique_ptr<PressRecorder> parent = std::make_unique<PressRecorder>();
    GraphWidget *graph = new GraphWidget(parent.get());

    ShownGraph()
    {
        parent->resize(420, 320);
        graph->setGeometry(10, 10, 400, 300);
        graph->setAxisScaling(VAL_XAXIS, VAL_MANUAL, 0.0, 128.0);
        graph->setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 0.0, 4100.0);
        parent->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(parent.get()));
    }
    QPoint at(double x, double y) const { return graph->toPixel(x, y).toPoint(); }
    // Plot units per pixel on each axis: the precision of a mouse position.
    double xPerPixel() const { return 128.0 / (graph->plotArea().width() - 1); }
    double yPerPixel() const { return 4100.0 / (graph->plotArea().height() - 1); }
};

std::vector<double> Ramp(int count, double start, double step)
{
    std::vector<double> values(count);
    for (int i = 0; i < count; ++i)
        values[i] = start + i * step;
    return values;
}

// True when a pixel within one of the spot has the colour (aliased lines may land on
// either side of a fractional coordinate).
bool ColourNear(const QImage &image, QPointF spot, QRgb colour)
{
    const QPoint centre = spot.toPoint();
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((image.pixel(centre + QPoint(dx, dy)) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

} // namespace

TEST(GraphWidget, PlotHandlesAreUniqueAndDeleteOneOrAll)
{
    GraphWidget graph;
    const std::vector<double> x = Ramp(10, 0, 1), y = Ramp(10, 5, 2);
    std::set<int> handles;
    for (int i = 0; i < 3; ++i) {
        const int handle = graph.addPlot(x, y, VAL_GREEN, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
        EXPECT_GT(handle, 0);
        handles.insert(handle);
    }
    EXPECT_EQ(handles.size(), 3u);
    EXPECT_EQ(graph.plotCount(), 3);

    const int middle = *std::next(handles.begin());
    EXPECT_TRUE(graph.deletePlot(middle));
    EXPECT_FALSE(graph.deletePlot(middle)) << "a deleted handle is unknown";
    EXPECT_FALSE(graph.deletePlot(9999));
    EXPECT_EQ(graph.plotCount(), 2);

    EXPECT_TRUE(graph.deletePlot(VAL_ALL_PLOTS));
    EXPECT_EQ(graph.plotCount(), 0);
    const int fresh = graph.addPlot(x, y, VAL_RED, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    EXPECT_EQ(handles.count(fresh), 0u) << "handles are not reused after deleting all";
    EXPECT_FALSE(graph.deletePlot(*handles.begin()));
    EXPECT_EQ(graph.plotCount(), 1);
}

TEST(GraphWidget, AutoscaleFollowsTheDataAndManualRangesAreKept)
{
    GraphWidget graph;
    graph.setAxisScaling(VAL_XAXIS, VAL_AUTOSCALE, 0, 0);
    graph.setAxisScaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    graph.addPlot(Ramp(128, 0, 1), Ramp(128, 100, 20), VAL_GREEN, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    AxisShown x = AxisOf(graph, VAL_XAXIS), y = AxisOf(graph, VAL_LEFT_YAXIS);
    EXPECT_EQ(x.mode, VAL_AUTOSCALE);
    EXPECT_LE(x.min, 0.0);
    EXPECT_GE(x.max, 127.0);
    EXPECT_LT(x.max - x.min, 2 * 127.0) << "autoscale hugs the data";
    EXPECT_LE(y.min, 100.0);
    EXPECT_GE(y.max, 100.0 + 127 * 20);
    EXPECT_GT(y.min, -500.0);

    const int big = graph.addPlot({0, 500}, {-3000, 9000}, VAL_RED, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    x = AxisOf(graph, VAL_XAXIS);
    y = AxisOf(graph, VAL_LEFT_YAXIS);
    EXPECT_GE(x.max, 500.0);
    EXPECT_LE(y.min, -3000.0);
    EXPECT_GE(y.max, 9000.0);
    graph.deletePlot(big);
    EXPECT_LT(AxisOf(graph, VAL_XAXIS).max, 500.0) << "the range shrinks back after a delete";

    // A single point still gets an axis of some width around it.
    GraphWidget single;
    single.addPlot({0, 0}, {2000, 2000}, VAL_GREEN, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    const AxisShown flat = AxisOf(single, VAL_LEFT_YAXIS);
    EXPECT_LT(flat.min, 2000.0);
    EXPECT_GT(flat.max, 2000.0);

    graph.setAxisScaling(VAL_XAXIS, VAL_MANUAL, 0.0, 128.0);
    graph.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 4100.0, 0.0);
    graph.addPlot({-50, 1000}, {-9000, 90000}, VAL_BLUE, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    x = AxisOf(graph, VAL_XAXIS);
    y = AxisOf(graph, VAL_LEFT_YAXIS);
    EXPECT_EQ(x.mode, VAL_MANUAL);
    EXPECT_DOUBLE_EQ(x.min, 0.0);
    EXPECT_DOUBLE_EQ(x.max, 128.0);
    EXPECT_DOUBLE_EQ(y.min, 0.0) << "a reversed manual range is put in order";
    EXPECT_DOUBLE_EQ(y.max, 4100.0);

    graph.setAxisScaling(VAL_XAXIS, VAL_MANUAL, 7.0, 7.0);
    graph.setAxisScaling(VAL_XAXIS, VAL_MANUAL, 0.0, NAN);
    EXPECT_DOUBLE_EQ(AxisOf(graph, VAL_XAXIS).max, 128.0) << "an empty or invalid range is refused";

    graph.setAxisScaling(VAL_XAXIS, VAL_AUTOSCALE, 0.0, 0.0);
    EXPECT_LE(AxisOf(graph, VAL_XAXIS).min, -50.0);
    EXPECT_GE(AxisOf(graph, VAL_XAXIS).max, 1000.0);
}

TEST(GraphWidget, CursorsKeepFreeValuesAndSetCursorRaisesNoSignal)
{
    GraphWidget graph;
    QSignalSpy moved(&graph, &GraphWidget::cursorMoved);
    graph.setCursorCount(2);
    EXPECT_EQ(graph.cursorCount(), 2);
    graph.setCursor(1, 10.9, 1234.5);
    graph.setCursor(2, 3.2, -7.25);
    double x = 0, y = 0;
    graph.cursor(1, &x, &y);
    EXPECT_DOUBLE_EQ(x, 10.9);
    EXPECT_DOUBLE_EQ(y, 1234.5);
    graph.cursor(2, &x, &y);
    EXPECT_DOUBLE_EQ(x, 3.2);
    EXPECT_DOUBLE_EQ(y, -7.25);

    graph.setCursor(3, 99, 99);
    graph.setCursor(1, NAN, 5);
    graph.cursor(1, &x, &y);
    EXPECT_DOUBLE_EQ(x, 10.9) << "invalid cursor calls change nothing";
    EXPECT_EQ(moved.count(), 0);

    graph.setCursorCount(5);
    EXPECT_EQ(graph.cursorCount(), 2);
    graph.setCursorCount(-1);
    EXPECT_EQ(graph.cursorCount(), 0);
}

TEST(GraphWidget, DraggingACursorMovesItAndRaisesCursorMoved)
{
    ShownGraph shown;
    GraphWidget *graph = shown.graph;
    graph->setCursorCount(2);
    graph->setCursor(1, 30, 2000);
    graph->setCursor(2, 100, 1000);
    QSignalSpy moved(graph, &GraphWidget::cursorMoved);
    QSignalSpy zoomed(graph, &GraphWidget::zoomed);

    QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier, shown.at(30, 2000));
    QTest::mouseMove(graph, shown.at(45, 2500));
    QTest::mouseMove(graph, shown.at(60, 3000));
    QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier, shown.at(60, 3000));

    ASSERT_GE(moved.count(), 1);
    EXPECT_EQ(moved.last().at(0).toInt(), 1);
    double x = 0, y = 0;
    graph->cursor(1, &x, &y);
    EXPECT_NEAR(x, 60, 1.5 * shown.xPerPixel());
    EXPECT_NEAR(y, 3000, 1.5 * shown.yPerPixel());
    graph->cursor(2, &x, &y);
    EXPECT_DOUBLE_EQ(x, 100);
    EXPECT_DOUBLE_EQ(y, 1000);
    EXPECT_EQ(zoomed.count(), 0);
    EXPECT_EQ(AxisOf(*graph, VAL_XAXIS).max, 128.0);

    // Dragged beyond the plot area, the cursor stops at the edge of the shown range.
    moved.clear();
    QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier, shown.at(100, 1000));
    QTest::mouseMove(graph, QPoint(graph->width() - 1, graph->height() - 1));
    QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier,
                        QPoint(graph->width() - 1, graph->height() - 1));
    ASSERT_GE(moved.count(), 1);
    EXPECT_EQ(moved.last().at(0).toInt(), 2);
    graph->cursor(2, &x, &y);
    EXPECT_NEAR(x, 128, 1e-6);
    EXPECT_NEAR(y, 0, 1e-6);
}

TEST(GraphWidget, CtrlDragZoomsToTheRectangleAndPlainDragDoesNot)
{
    ShownGraph shown;
    GraphWidget *graph = shown.graph;
    graph->addPlot(Ramp(128, 0, 1), Ramp(128, 0, 32), VAL_GREEN, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    QSignalSpy zoomed(graph, &GraphWidget::zoomed);

    // Without cursors and without Ctrl a drag changes nothing and the press travels on.
    QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier, shown.at(20, 1000));
    QTest::mouseMove(graph, shown.at(80, 3000));
    QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier, shown.at(80, 3000));
    EXPECT_EQ(zoomed.count(), 0);
    EXPECT_DOUBLE_EQ(AxisOf(*graph, VAL_XAXIS).min, 0.0);
    EXPECT_DOUBLE_EQ(AxisOf(*graph, VAL_XAXIS).max, 128.0);
    EXPECT_DOUBLE_EQ(AxisOf(*graph, VAL_LEFT_YAXIS).max, 4100.0);
    ASSERT_EQ(shown.parent->presses.size(), 1u);

    // A Ctrl + click without a drag is no zoom either.
    QTest::mousePress(graph, Qt::LeftButton, Qt::ControlModifier, shown.at(50, 2000));
    QTest::mouseRelease(graph, Qt::LeftButton, Qt::ControlModifier, shown.at(50, 2000));
    EXPECT_EQ(zoomed.count(), 0);

    QTest::mousePress(graph, Qt::LeftButton, Qt::ControlModifier, shown.at(80, 1000));
    QTest::mouseMove(graph, shown.at(50, 2000));
    QTest::mouseMove(graph, shown.at(20, 3000));
    QTest::mouseRelease(graph, Qt::LeftButton, Qt::ControlModifier, shown.at(20, 3000));
    ASSERT_EQ(zoomed.count(), 1);
    const AxisShown x = AxisOf(*graph, VAL_XAXIS), y = AxisOf(*graph, VAL_LEFT_YAXIS);
    EXPECT_EQ(x.mode, VAL_MANUAL);
    EXPECT_EQ(y.mode, VAL_MANUAL);
    EXPECT_NEAR(x.min, 20, 1.5 * shown.xPerPixel());
    EXPECT_NEAR(x.max, 80, 1.5 * shown.xPerPixel());
    EXPECT_NEAR(y.min, 1000, 1.5 * shown.yPerPixel());
    EXPECT_NEAR(y.max, 3000, 1.5 * shown.yPerPixel());
}

TEST(GraphWidget, RightClicksAlwaysTravelOnToTheParent)
{
    ShownGraph shown;
    shown.graph->setCursorCount(2);
    QTest::mousePress(shown.graph, Qt::RightButton, Qt::NoModifier, shown.at(64, 2000));
    QTest::mouseRelease(shown.graph, Qt::RightButton, Qt::NoModifier, shown.at(64, 2000));
    QTest::mousePress(shown.graph, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(shown.graph, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    ASSERT_EQ(shown.parent->presses.size(), 2u);
    EXPECT_EQ(shown.parent->presses[0], Qt::RightButton);
    EXPECT_EQ(shown.parent->presses[1], Qt::LeftButton) << "a press outside the plot area is not used";
}

TEST(GraphWidget, RenderingShowsPlotsAtTheirCoordinates)
{
    GraphWidget graph;
    graph.resize(400, 300);
    graph.setAxisScaling(VAL_XAXIS, VAL_MANUAL, 0.0, 100.0);
    graph.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 0.0, 100.0);
    graph.addPlot({0, 100}, {50, 50}, VAL_RED, VAL_FAT_LINE, VAL_NO_POINT, VAL_SOLID);
    // One recorded frame: a segment whose two ends coincide still shows as a dot.
    graph.addPlot({20, 20}, {80, 80}, 0x00A000, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
    // A step trace goes across, then up: nothing on the diagonal.
    graph.addPlot({60, 80, 100}, {10, 30, 30}, VAL_BLUE, VAL_THIN_STEP, VAL_NO_POINT, VAL_SOLID);
    graph.addPlot({40}, {20}, 0x808000, VAL_SCATTER, VAL_SOLID_SQUARE, VAL_SOLID);

    const QImage image = graph.grab().toImage();
    EXPECT_TRUE(ColourNear(image, graph.toPixel(50, 50), 0xFF0000));
    EXPECT_TRUE(ColourNear(image, graph.toPixel(20, 80), 0x00A000));
    EXPECT_TRUE(ColourNear(image, graph.toPixel(70, 10), 0x0000FF));
    EXPECT_TRUE(ColourNear(image, graph.toPixel(80, 20), 0x0000FF));
    EXPECT_FALSE(ColourNear(image, graph.toPixel(70, 20), 0x0000FF));
    EXPECT_TRUE(ColourNear(image, graph.toPixel(40, 20), 0x808000));
    EXPECT_EQ(image.pixel(graph.toPixel(30, 30).toPoint()) & 0xFFFFFF, 0xFFFFFFu) << "plot area is white";
}
