#pragma once
// The strip chart of the UI runtime: N traces of the last pointsPerScreen points,
// filled from the left and scrolling once full. Values arrive interleaved by trace
// and go into one ring buffer; a repaint draws one polyline per trace over a reused
// point buffer, cheap enough to redraw every live frame.
//
// Left and right presses are left to the runtime (left click and double click scale
// the Y axis, right click shows help): the chart accepts none of them. The operator's
// own view: the wheel zooms the X axis around the pointer (with Shift the Y axis), a
// drag with the middle button pans; each such change raises zoomed.
//
// A paused chart keeps showing the points it had when it was paused while new points
// still go into the ring; resumed, it shows the newest points over the whole width.

#include "ui/chart_frame.h"
#include "ui/userint.h"

#include <QWidget>

#include <vector>

class StripChartWidget : public QWidget
{
    Q_OBJECT

  public:
    explicit StripChartWidget(QWidget *parent = nullptr);

    // Number of traces, 1..kMaxTraces. A change clears the chart (the interleaving of
    // the stored points no longer fits).
    void setTraceCount(int traces);
    int traceCount() const;
    // Points kept per trace, 1..kMaxPointsPerScreen (default 100). The newest points
    // are kept when the number shrinks.
    void setPointsPerScreen(int points);
    int pointsPerScreen() const;

    // Appends count / traceCount points; trace j of point k at values[k * traces + j].
    // Only the last pointsPerScreen points of each trace are kept, so appending a whole
    // history each frame shows exactly that history. A trailing incomplete point is
    // ignored.
    void appendInterleaved(const double *values, int count);
    void clear();

    // color 0xRRGGBB, lineStyle a UiLineStyle value.
    void setTraceStyle(int trace, int color, int lineStyle);
    int traceColor(int trace) const;
    int traceLineStyle(int trace) const;

    // VAL_MANUAL: fixed min..max (an empty or non-finite range is refused);
    // VAL_AUTOSCALE: follows the stored points. yRange reports the range shown now.
    void setYRange(int mode, double min, double max);
    void yRange(int *mode, double *min, double *max) const;

    // The stored points of one trace, oldest first.
    std::vector<double> traceValues(int trace) const;

    void setPaused(bool paused);
    bool isPaused() const { return paused_; }
    // The shown part of the X axis, in point positions (0 the leftmost point).
    AxisRange xView() const;
    // Statistics of the shown points of one trace (from 0) inside the shown X range;
    // false for a trace the chart does not have.
    bool statistics(int trace, ChartStatistics *stats) const;

    // The plot area in widget pixels.
    QRect plotArea() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr int kMaxTraces = 64;
    static constexpr int kMaxPointsPerScreen = 100000;

  signals:
    // The operator changed the view (a UiZoomKind).
    void zoomed(int kind);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

  private:
    struct TraceStyle {
        int color = 0;
        int lineStyle = 0;
    };

    double valueAt(int point, int trace) const;
    // The points on screen: the frozen ones while paused, else the ring.
    int shownCount() const;
    double shownValue(int point, int trace) const;
    void freezeShownPoints();
    void shownYRange(double *min, double *max) const;
    AxisRange fullXRange() const;
    void setXView(const AxisRange &range);
    ChartMap currentMap() const;
    void resetStorage();

    int traces_ = 1;
    int pointsPerScreen_ = 100;
    // Ring of pointsPerScreen_ points, each traces_ values wide; oldest_ is the ring
    // index of the oldest point, stored_ the number of points held.
    std::vector<double> ring_;
    int oldest_ = 0;
    int stored_ = 0;
    std::vector<TraceStyle> styles_;

    int yMode_ = 0;
    double yMin_ = 0.0;
    double yMax_ = 4096.0;

    bool paused_ = false;
    std::vector<double> frozen_; // interleaved like the ring, oldest point first
    int frozenCount_ = 0;
    bool xFull_ = true; // the X view follows the whole width
    AxisRange xView_;
    ChartPan pan_;

    std::vector<QPointF> points_; // reused between paints
};
