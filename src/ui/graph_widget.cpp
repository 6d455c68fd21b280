// The graph widget: plots, axes, cursors and the operator's mouse.
#include "ui/graph_widget.h"

#include "ui/userint.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int kGrabDistance = 5;  // pixels within which a press takes hold of a cursor
constexpr int kMinZoomPixels = 3; // a smaller rectangle is a slip of the hand, not a zoom

bool IsFinite(double v)
{
    return std::isfinite(v);
}

QPointF ClampToPlot(const QPointF &pos, const QRect &plot)
{
    return QPointF(std::clamp(pos.x(), double(plot.left()), double(plot.right())),
                   std::clamp(pos.y(), double(plot.top()), double(plot.bottom())));
}

} // namespace

GraphWidget::GraphWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (Axis &axis : axes_) {
        axis.mode = VAL_AUTOSCALE;
        axis.manual = AxisRange{0.0, 10.0};
        axis.shown = axis.manual;
    }
}

int GraphWidget::addPlot(const std::vector<double> &x, const std::vector<double> &y, int color, int plotStyle,
                         int pointStyle, int lineStyle)
{
    const size_t count = std::min(x.size(), y.size());
    return addPlotValues(std::vector<double>(x.begin(), x.begin() + count),
                         PlotValuesFromDoubles(std::vector<double>(y.begin(), y.begin() + count)), color,
                         plotStyle, pointStyle, lineStyle);
}

int GraphWidget::addPlotValues(std::vector<double> x, PlotValues y, int color, int plotStyle, int pointStyle,
                               int lineStyle)
{
    if (!x.empty() && x.size() != y.size())
        return 0;
    auto plot = std::make_shared<Plot>();
    plot->handle = nextHandle_++;
    plot->samples = MakePlotSamples(std::move(x), std::move(y));
    plot->color = color & 0xFFFFFF;
    plot->plotStyle = plotStyle;
    plot->pointStyle = pointStyle;
    plot->lineStyle = lineStyle;
    plots_.push_back(std::move(plot));
    updateAutoRanges();
    update();
    return plots_.back()->handle;
}

bool GraphWidget::deletePlot(int handle)
{
    if (handle == VAL_ALL_PLOTS) {
        plots_.clear();
    } else {
        // Handles grow with every plot, so the list stays sorted by handle.
        auto it = std::lower_bound(plots_.begin(), plots_.end(), handle,
                                   [](const PlotPtr &plot, int h) { return plot->handle < h; });
        if (it == plots_.end() || (*it)->handle != handle)
            return false;
        plots_.erase(it);
    }
    updateAutoRanges();
    update();
    return true;
}

int GraphWidget::plotCount() const
{
    return int(plots_.size());
}

void GraphWidget::updateAutoRanges()
{
    bool any = false;
    double xLo = 0.0, xHi = 0.0, yLo = 0.0, yHi = 0.0;
    for (const PlotPtr &plot : shownPlots()) {
        const PlotSamples &s = plot->samples;
        if (!s.hasBounds)
            continue;
        xLo = any ? std::min(xLo, s.xLo) : s.xLo;
        xHi = any ? std::max(xHi, s.xHi) : s.xHi;
        yLo = any ? std::min(yLo, s.yLo) : s.yLo;
        yHi = any ? std::max(yHi, s.yHi) : s.yHi;
        any = true;
    }
    // Without data an autoscaled axis keeps the range it showed last.
    if (!any)
        return;
    if (axes_[VAL_XAXIS].mode == VAL_AUTOSCALE)
        axes_[VAL_XAXIS].shown = AutoAxisRange(xLo, xHi);
    if (axes_[VAL_LEFT_YAXIS].mode == VAL_AUTOSCALE)
        axes_[VAL_LEFT_YAXIS].shown = AutoAxisRange(yLo, yHi);
}

void GraphWidget::setAxisScaling(int axis, int mode, double min, double max)
{
    if (axis != VAL_XAXIS && axis != VAL_LEFT_YAXIS)
        return;
    Axis &target = axes_[axis];
    if (mode == VAL_MANUAL) {
        if (!IsFinite(min) || !IsFinite(max) || min == max)
            return;
        target.mode = VAL_MANUAL;
        target.manual = AxisRange{std::min(min, max), std::max(min, max)};
        target.shown = target.manual;
    } else if (mode == VAL_AUTOSCALE) {
        target.mode = VAL_AUTOSCALE;
        updateAutoRanges();
    } else {
        return;
    }
    update();
}

void GraphWidget::axisScaling(int axis, int *mode, double *min, double *max) const
{
    if (axis != VAL_XAXIS && axis != VAL_LEFT_YAXIS)
        return;
    if (mode)
        *mode = axes_[axis].mode;
    if (min)
        *min = axes_[axis].shown.min;
    if (max)
        *max = axes_[axis].shown.max;
}

void GraphWidget::setPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    if (paused)
        frozenPlots_ = plots_;
    else
        frozenPlots_.clear();
    updateAutoRanges();
    update();
}

bool GraphWidget::statistics(int handle, ChartStatistics *stats) const
{
    const std::vector<PlotPtr> &shown = shownPlots();
    auto it = std::lower_bound(shown.begin(), shown.end(), handle,
                               [](const PlotPtr &plot, int h) { return plot->handle < h; });
    if (it == shown.end() || (*it)->handle != handle)
        return false;
    const Plot &plot = **it;
    const AxisRange &x = axes_[VAL_XAXIS].shown;
    if (!plot.statsValid || plot.statsRange.min != x.min || plot.statsRange.max != x.max) {
        plot.stats = StatisticsOfSamples(plot.samples, x.min, x.max);
        plot.statsRange = x;
        plot.statsValid = true;
    }
    *stats = plot.stats;
    return true;
}

void GraphWidget::setCursorCount(int n)
{
    const int count = std::max(0, std::min(2, n));
    // A cursor shown for the first time starts at a third or two thirds of the x axis.
    for (int i = cursorCount_; i < count; ++i) {
        if (cursors_[i].placed)
            continue;
        const AxisRange &x = axes_[VAL_XAXIS].shown;
        const AxisRange &y = axes_[VAL_LEFT_YAXIS].shown;
        cursors_[i].x = x.min + (x.max - x.min) * (i + 1) / 3.0;
        cursors_[i].y = (y.min + y.max) / 2.0;
        cursors_[i].placed = true;
    }
    cursorCount_ = count;
    if (drag_ == Drag::Cursor && dragCursor_ > cursorCount_)
        drag_ = Drag::None;
    update();
}

int GraphWidget::cursorCount() const
{
    return cursorCount_;
}

void GraphWidget::setCursor(int n, double x, double y)
{
    if (n < 1 || n > 2 || !IsFinite(x) || !IsFinite(y))
        return;
    cursors_[n - 1].x = x;
    cursors_[n - 1].y = y;
    cursors_[n - 1].placed = true;
    update();
}

void GraphWidget::cursor(int n, double *x, double *y) const
{
    if (n < 1 || n > 2)
        return;
    if (x)
        *x = cursors_[n - 1].x;
    if (y)
        *y = cursors_[n - 1].y;
}

void GraphWidget::setAxisLabels(const QString &x, const QString &y)
{
    xLabel_ = x;
    yLabel_ = y;
    update();
}

QRect GraphWidget::plotArea() const
{
    return ChartPlotRect(size(), fontMetrics(), axes_[VAL_LEFT_YAXIS].shown, !xLabel_.isEmpty(),
                         !yLabel_.isEmpty());
}

QPointF GraphWidget::toPixel(double x, double y) const
{
    const ChartMap map = currentMap();
    return QPointF(MapX(map, x), MapY(map, y));
}

ChartMap GraphWidget::currentMap() const
{
    return MakeChartMap(plotArea(), axes_[VAL_XAXIS].shown, axes_[VAL_LEFT_YAXIS].shown);
}

QSize GraphWidget::sizeHint() const
{
    return QSize(400, 260);
}

QSize GraphWidget::minimumSizeHint() const
{
    return QSize(120, 80);
}

// ---------------------------------------------------------------------------
// Mouse: cursor dragging, Ctrl + drag zoom, middle-button pan and wheel zoom. Every
// press the graph does not use is left unaccepted, so that it travels on (right
// clicks for help, clicks for callbacks).

void GraphWidget::mousePressEvent(QMouseEvent *event)
{
    const QPointF pos = event->position();
    const QRect plot = plotArea();
    if (drag_ != Drag::None || !plot.contains(pos.toPoint())) {
        event->ignore();
        return;
    }
    if (event->button() == Qt::MiddleButton) {
        drag_ = Drag::Pan;
        StartChartPan(pan_, pos, axes_[VAL_XAXIS].shown, axes_[VAL_LEFT_YAXIS].shown, currentMap());
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        drag_ = Drag::Zoom;
        zoomStart_ = zoomEnd_ = pos;
        event->accept();
        update();
        return;
    }
    if (cursorCount_ == 0) {
        event->ignore();
        return;
    }
    const ChartMap map = currentMap();
    dragCursor_ = cursorNear(pos, map, false);
    drag_ = Drag::Cursor;
    // A press away from every cursor fetches the nearest one to the spot.
    if (dragCursor_ == 0) {
        dragCursor_ = cursorNear(pos, map, true);
        moveDraggedCursor(pos);
    }
    event->accept();
}

void GraphWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (drag_ == Drag::Cursor) {
        moveDraggedCursor(event->position());
    } else if (drag_ == Drag::Zoom) {
        zoomEnd_ = ClampToPlot(event->position(), plotArea());
        update();
    } else if (drag_ == Drag::Pan) {
        movePan(event->position());
    } else {
        event->ignore();
        return;
    }
    event->accept();
}

void GraphWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const Qt::MouseButton dragButton = drag_ == Drag::Pan ? Qt::MiddleButton : Qt::LeftButton;
    if (drag_ == Drag::None || event->button() != dragButton) {
        event->ignore();
        return;
    }
    if (drag_ == Drag::Zoom)
        finishZoom(event->position());
    else if (drag_ == Drag::Pan)
        movePan(event->position());
    drag_ = Drag::None;
    pan_.active = false;
    update();
    event->accept();
}

void GraphWidget::wheelEvent(QWheelEvent *event)
{
    const QPointF pos = event->position();
    const double factor = WheelZoomFactor(event);
    if (!plotArea().contains(pos.toPoint()) || factor == 1.0) {
        event->ignore();
        return;
    }
    const bool yAxis = event->modifiers() & Qt::ShiftModifier;
    const int axis = yAxis ? VAL_LEFT_YAXIS : VAL_XAXIS;
    const ChartMap map = currentMap();
    const AxisRange &shown = axes_[axis].shown;
    const double at = yAxis ? UnmapY(map, pos.y()) : UnmapX(map, pos.x());
    const AxisRange zoomed = ZoomAxisAround(shown, at, factor, MinimumAxisSpan(shown));
    event->accept();
    if (zoomed.min == shown.min && zoomed.max == shown.max)
        return;
    setAxisScaling(axis, VAL_MANUAL, zoomed.min, zoomed.max);
    emit this->zoomed(yAxis ? ZOOM_WHEEL_Y : ZOOM_WHEEL_X);
}

void GraphWidget::movePan(const QPointF &pos)
{
    const AxisRange x = PannedX(pan_, pos);
    const AxisRange y = PannedY(pan_, pos);
    const AxisRange &shownX = axes_[VAL_XAXIS].shown;
    const AxisRange &shownY = axes_[VAL_LEFT_YAXIS].shown;
    if (x.min == shownX.min && x.max == shownX.max && y.min == shownY.min && y.max == shownY.max)
        return;
    setAxisScaling(VAL_XAXIS, VAL_MANUAL, x.min, x.max);
    setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, y.min, y.max);
    emit zoomed(ZOOM_PAN);
}

// The cursor (1 or 2) whose crosshair lines pass within grab distance of pos, or with
// anyDistance the cursor whose crossing is nearest; 0 for none.
int GraphWidget::cursorNear(const QPointF &pos, const ChartMap &map, bool anyDistance) const
{
    int best = 0;
    double bestDistance = 0.0;
    for (int i = 0; i < cursorCount_; ++i) {
        const double dx = std::fabs(MapX(map, cursors_[i].x) - pos.x());
        const double dy = std::fabs(MapY(map, cursors_[i].y) - pos.y());
        const double distance = anyDistance ? std::hypot(dx, dy) : std::min(dx, dy);
        if (!anyDistance && distance > kGrabDistance)
            continue;
        if (best == 0 || distance < bestDistance) {
            best = i + 1;
            bestDistance = distance;
        }
    }
    return best;
}

void GraphWidget::moveDraggedCursor(const QPointF &pos)
{
    if (dragCursor_ < 1 || dragCursor_ > cursorCount_)
        return;
    const ChartMap map = currentMap();
    // The cursor stays inside the shown ranges however far the mouse goes.
    const QPointF inside = ClampToPlot(pos, plotArea());
    CursorPos &cursor = cursors_[dragCursor_ - 1];
    const double x = UnmapX(map, inside.x());
    const double y = UnmapY(map, inside.y());
    if (x == cursor.x && y == cursor.y)
        return;
    cursor.x = x;
    cursor.y = y;
    update();
    emit cursorMoved(dragCursor_);
}

void GraphWidget::finishZoom(const QPointF &pos)
{
    zoomEnd_ = ClampToPlot(pos, plotArea());
    const QRectF band = QRectF(zoomStart_, zoomEnd_).normalized();
    if (band.width() < kMinZoomPixels || band.height() < kMinZoomPixels)
        return;
    const ChartMap map = currentMap();
    const AxisRange x{UnmapX(map, band.left()), UnmapX(map, band.right())};
    const AxisRange y{UnmapY(map, band.bottom()), UnmapY(map, band.top())};
    setAxisScaling(VAL_XAXIS, VAL_MANUAL, x.min, x.max);
    setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, y.min, y.max);
    emit zoomed(ZOOM_RECTANGLE);
}
