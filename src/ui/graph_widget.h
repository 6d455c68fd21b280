#pragma once
// The x-y graph of the UI runtime: plots of (x, y) pairs, two crosshair cursors the
// operator drags, and Ctrl + left-drag rectangle zoom. Drawn with plain QPainter calls
// over reusable point buffers, so that a graph with thousands of points or a thousand
// small plots repaints quickly.
//
// The chart frame helpers below (axis arithmetic, plot area layout, grid and axis
// numbers) are shared with the strip chart so that both look alike.

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

// ---------------------------------------------------------------------------
// Chart frame helpers

// The shown interval of one axis.
struct AxisRange {
    double min = 0.0;
    double max = 1.0;
};

// A tick step of 1, 2 or 5 times a power of ten that splits span into about
// targetIntervals parts.
double NiceTickStep(double span, int targetIntervals);
// The autoscale range of data between lo and hi: widened outward to whole tick steps;
// a flat interval first gets a margin so that the trace sits in the middle.
AxisRange AutoAxisRange(double lo, double hi);
// Where the plot area lies inside a widget of the given size, leaving room for the
// axis numbers and the axis labels.
QRect ChartPlotRect(const QSize &size, const QFontMetrics &metrics, const AxisRange &y, bool hasXLabel,
                    bool hasYLabel);
// Paints the widget background, the white plot area with its grid and frame, the
// axis numbers and the axis labels.
void DrawChartFrame(QPainter &painter, const QPalette &palette, const QRect &widgetRect, const QRect &plot,
                    const AxisRange &x, const AxisRange &y, const QString &xLabel, const QString &yLabel);

// Linear mapping between axis values and pixels of a plot area.
struct ChartMap {
    double left = 0.0;
    double bottom = 0.0;
    double xMin = 0.0;
    double yMin = 0.0;
    double xScale = 1.0; // pixels per x unit
    double yScale = 1.0; // pixels per y unit, upward
};
ChartMap MakeChartMap(const QRect &plot, const AxisRange &x, const AxisRange &y);
inline double MapX(const ChartMap &m, double x)
{
    return m.left + (x - m.xMin) * m.xScale;
}
inline double MapY(const ChartMap &m, double y)
{
    return m.bottom - (y - m.yMin) * m.yScale;
}
inline double UnmapX(const ChartMap &m, double px)
{
    return m.xMin + (px - m.left) / m.xScale;
}
inline double UnmapY(const ChartMap &m, double py)
{
    return m.yMin + (m.bottom - py) / m.yScale;
}

// A pen of the given 0xRRGGBB colour, width and UiLineStyle.
QPen ChartPen(int color, int width, int lineStyle);

// ---------------------------------------------------------------------------
// The graph widget

class GraphWidget : public QWidget
{
    Q_OBJECT

  public:
    explicit GraphWidget(QWidget *parent = nullptr);

    // Adds a plot of the pairs (x[i], y[i]) (the shorter vector decides the count);
    // color 0xRRGGBB, styles of UiPlotStyle, UiPointStyle and UiLineStyle. Returns the
    // plot's handle (> 0).
    int addPlot(const std::vector<double> &x, const std::vector<double> &y, int color, int plotStyle,
                int pointStyle, int lineStyle);
    // Deletes one plot, or all with -1; false for an unknown handle.
    bool deletePlot(int handle);
    int plotCount() const;

    // axis VAL_XAXIS or VAL_LEFT_YAXIS; mode VAL_MANUAL (min..max kept) or VAL_AUTOSCALE
    // (the range follows the data; min and max are ignored). A manual range that is
    // empty or not finite is refused and the axis stays as it was.
    void setAxisScaling(int axis, int mode, double min, double max);
    // Reports the mode and the range shown now (in autoscale: the range of the data).
    void axisScaling(int axis, int *mode, double *min, double *max) const;

    // Cursors 1 and 2: crosshairs at free plot coordinates. n of setCursorCount is 0..2.
    void setCursorCount(int n);
    int cursorCount() const;
    // Moves cursor n (1 or 2) without raising cursorMoved.
    void setCursor(int n, double x, double y);
    void cursor(int n, double *x, double *y) const;

    void setAxisLabels(const QString &x, const QString &y);
    QString xAxisLabel() const { return xLabel_; }
    QString yAxisLabel() const { return yLabel_; }

    // The plot area in widget pixels, and the pixel of a plot coordinate.
    QRect plotArea() const;
    QPointF toPixel(double x, double y) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The operator moved cursor n with the mouse.
    void cursorMoved(int n);
    // The operator zoomed with Ctrl + left-drag; both axes are manual now.
    void zoomed();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    struct Plot {
        int handle = 0;
        std::vector<double> x;
        std::vector<double> y;
        int color = 0;
        int plotStyle = 0;
        int pointStyle = 0;
        int lineStyle = 0;
        bool hasBounds = false; // false when no point is finite
        double xLo = 0.0, xHi = 0.0, yLo = 0.0, yHi = 0.0;
    };
    struct Axis {
        int mode = 0;
        AxisRange manual;
        AxisRange shown;
    };
    struct CursorPos {
        double x = 0.0;
        double y = 0.0;
        bool placed = false; // false until set or first shown
    };
    enum class Drag { None, Cursor, Zoom };

    ChartMap currentMap() const;
    void updateAutoRanges();
    void drawPlots(QPainter &painter, const ChartMap &map);
    void drawPlot(QPainter &painter, const ChartMap &map, const Plot &plot);
    void drawLine(QPainter &painter, const ChartMap &map, const Plot &plot);
    void drawMarkers(QPainter &painter, const ChartMap &map, const Plot &plot);
    void flushLineRun(QPainter &painter, int count);
    void drawCursors(QPainter &painter, const QRect &plot, const ChartMap &map);
    void drawZoomBand(QPainter &painter);
    int cursorNear(const QPointF &pos, const ChartMap &map, bool anyDistance) const;
    void moveDraggedCursor(const QPointF &pos);
    void finishZoom(const QPointF &pos);

    std::vector<Plot> plots_;
    int nextHandle_ = 1;
    Axis axes_[2];
    CursorPos cursors_[2];
    int cursorCount_ = 0;
    QString xLabel_;
    QString yLabel_;

    Drag drag_ = Drag::None;
    int dragCursor_ = 0;
    QPointF zoomStart_;
    QPointF zoomEnd_;

    // Reused between paints so that drawing allocates nothing once warmed up.
    std::vector<QPointF> points_;
    std::vector<QRectF> rects_;
};
