#pragma once
// The x-y graph of the UI runtime: plots of (x, y) pairs, two crosshair cursors the
// operator drags, Ctrl + left-drag rectangle zoom, wheel zoom around the pointer (X;
// with Shift Y) and middle-button pan. Drawn with plain QPainter calls over reusable
// point buffers, so that a graph with thousands of points or a thousand small plots
// repaints quickly; a plot with more samples than two per pixel column is drawn as the
// minimum and maximum of each column, so no spike is lost and a million samples cost
// about what a thousand do.
//
// A paused graph keeps showing the plots it had when it was paused, while plots are
// still added and deleted underneath; resumed, it shows the plots of now.

#include "ui/chart_frame.h"
#include "ui/plot_data.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

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
    // The same for compact values: x empty plots y against its index (as PlotY does);
    // otherwise x holds as many values as y.
    int addPlotValues(std::vector<double> x, PlotValues y, int color, int plotStyle, int pointStyle,
                      int lineStyle);
    // Deletes one plot, or all with -1; false for an unknown handle.
    bool deletePlot(int handle);
    int plotCount() const;

    // axis VAL_XAXIS or VAL_LEFT_YAXIS; mode VAL_MANUAL (min..max kept) or VAL_AUTOSCALE
    // (the range follows the data; min and max are ignored). A manual range that is
    // empty or not finite is refused and the axis stays as it was.
    void setAxisScaling(int axis, int mode, double min, double max);
    // Reports the mode and the range shown now (in autoscale: the range of the data).
    void axisScaling(int axis, int *mode, double *min, double *max) const;

    // Pausing keeps the plots shown now on screen; resuming shows the plots of now.
    void setPaused(bool paused);
    bool isPaused() const { return paused_; }

    // Statistics of the y values of the plot shown with this handle whose x lies in the
    // shown x range; false for a handle not shown.
    bool statistics(int handle, ChartStatistics *stats) const;

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
    // The number of line points the last paint handed to the painter.
    int drawnPointCount() const { return drawnPoints_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The operator moved cursor n with the mouse.
    void cursorMoved(int n);
    // The operator changed the view (a UiZoomKind): Ctrl + left-drag rectangle (both
    // axes manual now), wheel zoom of one axis, or a middle-button pan.
    void zoomed(int kind);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

  private:
    struct Plot {
        int handle = 0;
        PlotSamples samples;
        int color = 0;
        int plotStyle = 0;
        int pointStyle = 0;
        int lineStyle = 0;
        // The statistics of the last x range asked for: a large plot is not summed
        // again on every refresh while the view stands still.
        mutable bool statsValid = false;
        mutable AxisRange statsRange;
        mutable ChartStatistics stats{};
    };
    using PlotPtr = std::shared_ptr<const Plot>;
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
    enum class Drag { None, Cursor, Zoom, Pan };

    const std::vector<PlotPtr> &shownPlots() const { return paused_ ? frozenPlots_ : plots_; }
    ChartMap currentMap() const;
    void updateAutoRanges();
    void drawPlots(QPainter &painter, const QRect &area, const ChartMap &map);
    void drawPlot(QPainter &painter, const QRect &area, const ChartMap &map, const Plot &plot);
    int linePoints(const QRect &area, const ChartMap &map, const Plot &plot);
    int exactPoints(const ChartMap &map, const Plot &plot, size_t begin, size_t end);
    int columnPoints(const QRect &area, const ChartMap &map, const Plot &plot, size_t begin, size_t end);
    void drawLineRuns(QPainter &painter, int count);
    void drawMarkers(QPainter &painter, const Plot &plot, int count);
    void drawCursors(QPainter &painter, const QRect &plot, const ChartMap &map);
    void drawZoomBand(QPainter &painter);
    int cursorNear(const QPointF &pos, const ChartMap &map, bool anyDistance) const;
    void moveDraggedCursor(const QPointF &pos);
    void finishZoom(const QPointF &pos);
    void movePan(const QPointF &pos);

    std::vector<PlotPtr> plots_;
    std::vector<PlotPtr> frozenPlots_;
    bool paused_ = false;
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
    ChartPan pan_;

    // Reused between paints so that drawing allocates nothing once warmed up. A point
    // that is not a number separates two runs of a line.
    std::vector<QPointF> points_;
    std::vector<QRectF> rects_;
    int drawnPoints_ = 0;
};
