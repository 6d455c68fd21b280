#include "ui/graph_widget.h"

#include "ui/userint.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int kTickLength = 4;
constexpr int kGap = 4;
constexpr int kXTickSpacing = 70; // pixels between x axis numbers, about
constexpr int kYTickSpacing = 32; // pixels between y axis numbers, about
constexpr int kMaxTicks = 200;
constexpr int kGrabDistance = 5;    // pixels within which a press takes hold of a cursor
constexpr int kMinZoomPixels = 3;   // a smaller rectangle is a slip of the hand, not a zoom
constexpr double kPixelLimit = 1e6; // keeps far-off points inside the rasteriser's range
constexpr int kMarkerSize = 5;
constexpr int kDotSize = 3;

const QColor kPlotBackground(0xFF, 0xFF, 0xFF);
const QColor kGridColor(0xD8, 0xD8, 0xD8);
const QColor kFrameColor(0x40, 0x40, 0x40);
const int kCursorColors[2] = {0xD00000, 0x0000D0};

QColor RgbColor(int color)
{
    return QColor::fromRgb(QRgb(0xFF000000u | (unsigned(color) & 0xFFFFFFu)));
}

int DecimalsForStep(double step)
{
    if (step >= 1.0)
        return 0;
    return std::min(9, int(std::ceil(-std::log10(step) - 1e-9)));
}

QString TickText(double value, double step)
{
    if (std::fabs(value) < step * 1e-9)
        value = 0.0;
    if (std::fabs(value) >= 1e7)
        return QString::number(value, 'g', 6);
    return QString::number(value, 'f', DecimalsForStep(step));
}

int TargetIntervals(int pixels, int spacing)
{
    return std::max(1, pixels / spacing);
}

// Calls visit(value) for every multiple of step inside range.
template <typename Visit> void ForEachTick(const AxisRange &range, double step, Visit visit)
{
    if (!(step > 0.0) || !std::isfinite(step))
        return;
    const double first = std::ceil(range.min / step - 1e-9) * step;
    for (int i = 0; i < kMaxTicks; ++i) {
        const double value = first + i * step;
        if (value > range.max + step * 1e-9)
            break;
        visit(value);
    }
}

double ClampPixel(double p)
{
    return std::max(-kPixelLimit, std::min(kPixelLimit, p));
}

bool IsFinite(double v)
{
    return std::isfinite(v);
}

QPointF ClampToPlot(const QPointF &pos, const QRect &plot)
{
    return QPointF(std::clamp(pos.x(), double(plot.left()), double(plot.right())),
                   std::clamp(pos.y(), double(plot.top()), double(plot.bottom())));
}

void DrawXAxisNumbers(QPainter &painter, const QRect &plot, const AxisRange &x, int lineHeight)
{
    const ChartMap map = MakeChartMap(plot, x, AxisRange{});
    const double step = NiceTickStep(x.max - x.min, TargetIntervals(plot.width(), kXTickSpacing));
    const int textTop = plot.bottom() + kTickLength + 2;
    ForEachTick(x, step, [&](double value) {
        const int px = int(std::lround(MapX(map, value)));
        painter.setPen(kGridColor);
        painter.drawLine(px, plot.top(), px, plot.bottom());
        painter.setPen(kFrameColor);
        painter.drawLine(px, plot.bottom() + 1, px, plot.bottom() + kTickLength);
        painter.drawText(QRect(px - 50, textTop, 100, lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                         TickText(value, step));
    });
}

void DrawYAxisNumbers(QPainter &painter, const QRect &plot, const AxisRange &y, int lineHeight)
{
    const ChartMap map = MakeChartMap(plot, AxisRange{}, y);
    const double step = NiceTickStep(y.max - y.min, TargetIntervals(plot.height(), kYTickSpacing));
    const int textRight = plot.left() - kTickLength - 2;
    ForEachTick(y, step, [&](double value) {
        const int py = int(std::lround(MapY(map, value)));
        painter.setPen(kGridColor);
        painter.drawLine(plot.left(), py, plot.right(), py);
        painter.setPen(kFrameColor);
        painter.drawLine(plot.left() - kTickLength, py, plot.left() - 1, py);
        painter.drawText(QRect(0, py - lineHeight / 2, textRight, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, TickText(value, step));
    });
}

void DrawAxisLabels(QPainter &painter, const QRect &widgetRect, const QRect &plot, const QString &xLabel,
                    const QString &yLabel, int lineHeight)
{
    painter.setPen(kFrameColor);
    if (!xLabel.isEmpty()) {
        const int top = widgetRect.bottom() - lineHeight - 1;
        painter.drawText(QRect(plot.left(), top, plot.width(), lineHeight), Qt::AlignCenter, xLabel);
    }
    if (!yLabel.isEmpty()) {
        painter.save();
        painter.translate(kGap + lineHeight / 2.0, plot.center().y());
        painter.rotate(-90.0);
        painter.drawText(QRect(-plot.height() / 2, -lineHeight / 2, plot.height(), lineHeight),
                         Qt::AlignCenter, yLabel);
        painter.restore();
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Chart frame helpers

double NiceTickStep(double span, int targetIntervals)
{
    if (!(span > 0.0) || !std::isfinite(span))
        return 1.0;
    const double raw = span / std::max(1, targetIntervals);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normalised = raw / magnitude;
    const double factor = normalised <= 1.0 ? 1.0 : normalised <= 2.0 ? 2.0 : normalised <= 5.0 ? 5.0 : 10.0;
    return factor * magnitude;
}

AxisRange AutoAxisRange(double lo, double hi)
{
    if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi)
        return AxisRange{0.0, 1.0};
    if (hi - lo <= 1e-12 * std::max({1.0, std::fabs(lo), std::fabs(hi)})) {
        const double margin = lo != 0.0 ? std::fabs(lo) * 0.05 : 1.0;
        lo -= margin;
        hi += margin;
    }
    const double step = NiceTickStep(hi - lo, 6);
    return AxisRange{std::floor(lo / step + 1e-9) * step, std::ceil(hi / step - 1e-9) * step};
}

QRect ChartPlotRect(const QSize &size, const QFontMetrics &metrics, const AxisRange &y, bool hasXLabel,
                    bool hasYLabel)
{
    const int lineHeight = metrics.height();
    const int top = lineHeight / 2 + 2;
    const int bottom = kTickLength + 2 + lineHeight + (hasXLabel ? lineHeight + 2 : 0);
    const int right = metrics.horizontalAdvance(QStringLiteral("0000")) / 2 + 4;
    const int plotHeight = std::max(1, size.height() - top - bottom);
    const double step = NiceTickStep(y.max - y.min, TargetIntervals(plotHeight, kYTickSpacing));
    int numbers = metrics.horizontalAdvance(QStringLiteral("8888"));
    ForEachTick(y, step, [&](double value) {
        numbers = std::max(numbers, metrics.horizontalAdvance(TickText(value, step)));
    });
    const int left = numbers + kTickLength + kGap + (hasYLabel ? lineHeight + kGap : 0);
    return QRect(left, top, std::max(1, size.width() - left - right), plotHeight);
}

void DrawChartFrame(QPainter &painter, const QPalette &palette, const QRect &widgetRect, const QRect &plot,
                    const AxisRange &x, const AxisRange &y, const QString &xLabel, const QString &yLabel)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(widgetRect, palette.window());
    painter.fillRect(plot, kPlotBackground);
    const int lineHeight = painter.fontMetrics().height();
    DrawXAxisNumbers(painter, plot, x, lineHeight);
    DrawYAxisNumbers(painter, plot, y, lineHeight);
    painter.setPen(kFrameColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(plot.left() - 1, plot.top() - 1, plot.width() + 1, plot.height() + 1));
    DrawAxisLabels(painter, widgetRect, plot, xLabel, yLabel, lineHeight);
}

ChartMap MakeChartMap(const QRect &plot, const AxisRange &x, const AxisRange &y)
{
    ChartMap map;
    map.left = plot.left();
    map.bottom = plot.bottom();
    map.xMin = x.min;
    map.yMin = y.min;
    const double xSpan = x.max - x.min;
    const double ySpan = y.max - y.min;
    map.xScale = xSpan > 0.0 ? std::max(1, plot.width() - 1) / xSpan : 1.0;
    map.yScale = ySpan > 0.0 ? std::max(1, plot.height() - 1) / ySpan : 1.0;
    return map;
}

QPen ChartPen(int color, int width, int lineStyle)
{
    QPen pen(RgbColor(color));
    pen.setWidth(width);
    pen.setStyle(lineStyle == VAL_DASH ? Qt::DashLine : lineStyle == VAL_DOT ? Qt::DotLine : Qt::SolidLine);
    return pen;
}

// ---------------------------------------------------------------------------
// Graph widget: plots, axes and cursors

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
    Plot plot;
    plot.handle = nextHandle_++;
    const size_t count = std::min(x.size(), y.size());
    plot.x.assign(x.begin(), x.begin() + count);
    plot.y.assign(y.begin(), y.begin() + count);
    plot.color = color & 0xFFFFFF;
    plot.plotStyle = plotStyle;
    plot.pointStyle = pointStyle;
    plot.lineStyle = lineStyle;
    for (size_t i = 0; i < count; ++i) {
        if (!IsFinite(plot.x[i]) || !IsFinite(plot.y[i]))
            continue;
        if (!plot.hasBounds) {
            plot.xLo = plot.xHi = plot.x[i];
            plot.yLo = plot.yHi = plot.y[i];
            plot.hasBounds = true;
        }
        plot.xLo = std::min(plot.xLo, plot.x[i]);
        plot.xHi = std::max(plot.xHi, plot.x[i]);
        plot.yLo = std::min(plot.yLo, plot.y[i]);
        plot.yHi = std::max(plot.yHi, plot.y[i]);
    }
    plots_.push_back(std::move(plot));
    updateAutoRanges();
    update();
    return plots_.back().handle;
}

bool GraphWidget::deletePlot(int handle)
{
    if (handle == VAL_ALL_PLOTS) {
        plots_.clear();
    } else {
        // Handles grow with every plot, so the list stays sorted by handle.
        auto it = std::lower_bound(plots_.begin(), plots_.end(), handle,
                                   [](const Plot &plot, int h) { return plot.handle < h; });
        if (it == plots_.end() || it->handle != handle)
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
    for (const Plot &plot : plots_) {
        if (!plot.hasBounds)
            continue;
        xLo = any ? std::min(xLo, plot.xLo) : plot.xLo;
        xHi = any ? std::max(xHi, plot.xHi) : plot.xHi;
        yLo = any ? std::min(yLo, plot.yLo) : plot.yLo;
        yHi = any ? std::max(yHi, plot.yHi) : plot.yHi;
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
// Painting

void GraphWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect plot = plotArea();
    DrawChartFrame(painter, palette(), rect(), plot, axes_[VAL_XAXIS].shown, axes_[VAL_LEFT_YAXIS].shown,
                   xLabel_, yLabel_);
    const ChartMap map = currentMap();
    painter.setClipRect(plot);
    drawPlots(painter, map);
    drawCursors(painter, plot, map);
    painter.setClipping(false);
    drawZoomBand(painter);
}

void GraphWidget::drawPlots(QPainter &painter, const ChartMap &map)
{
    for (const Plot &plot : plots_)
        drawPlot(painter, map, plot);
}

void GraphWidget::drawPlot(QPainter &painter, const ChartMap &map, const Plot &plot)
{
    if (plot.x.empty())
        return;
    if (plot.plotStyle != VAL_SCATTER) {
        const QPen pen = ChartPen(plot.color, plot.plotStyle == VAL_FAT_LINE ? 2 : 1, plot.lineStyle);
        // Most consecutive plots share one pen (a graph of many small segments), and
        // setPen is not free.
        if (painter.pen() != pen)
            painter.setPen(pen);
        drawLine(painter, map, plot);
    }
    if (plot.plotStyle == VAL_SCATTER || plot.plotStyle == VAL_CONNECTED_POINTS)
        drawMarkers(painter, map, plot);
}

void GraphWidget::drawLine(QPainter &painter, const ChartMap &map, const Plot &plot)
{
    const bool steps = plot.plotStyle == VAL_THIN_STEP;
    const size_t needed = plot.x.size() * (steps ? 2 : 1);
    if (points_.size() < needed)
        points_.resize(needed);
    int count = 0;
    for (size_t i = 0; i < plot.x.size(); ++i) {
        const double px = MapX(map, plot.x[i]);
        const double py = MapY(map, plot.y[i]);
        // A point that is not a number breaks the line into separate runs.
        if (!IsFinite(px) || !IsFinite(py)) {
            flushLineRun(painter, count);
            count = 0;
            continue;
        }
        const QPointF point(ClampPixel(px), ClampPixel(py));
        if (steps && count > 0) {
            const double previousY = points_[count - 1].y();
            points_[count++] = QPointF(point.x(), previousY);
        }
        points_[count++] = point;
    }
    flushLineRun(painter, count);
}

void GraphWidget::flushLineRun(QPainter &painter, int count)
{
    if (count <= 0)
        return;
    // A run that collapses to one spot (a single sample) still shows as a dot.
    if (count == 1 || (count == 2 && points_[0] == points_[1]))
        painter.drawPoint(points_[0]);
    else
        painter.drawPolyline(points_.data(), count);
}

void GraphWidget::drawMarkers(QPainter &painter, const ChartMap &map, const Plot &plot)
{
    int style = plot.pointStyle;
    if (style == VAL_NO_POINT) {
        if (plot.plotStyle != VAL_SCATTER)
            return;
        style = VAL_SIMPLE_DOT;
    }
    const double size = style == VAL_SIMPLE_DOT ? kDotSize : kMarkerSize;
    if (rects_.size() < plot.x.size())
        rects_.resize(plot.x.size());
    int count = 0;
    for (size_t i = 0; i < plot.x.size(); ++i) {
        const double px = MapX(map, plot.x[i]);
        const double py = MapY(map, plot.y[i]);
        if (IsFinite(px) && IsFinite(py))
            rects_[count++] = QRectF(ClampPixel(px) - size / 2, ClampPixel(py) - size / 2, size, size);
    }
    const QColor color = RgbColor(plot.color);
    if (style == VAL_EMPTY_SQUARE) {
        painter.setPen(QPen(color, 1));
        painter.setBrush(Qt::NoBrush);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
    }
    if (style == VAL_SOLID_CIRCLE) {
        for (int i = 0; i < count; ++i)
            painter.drawEllipse(rects_[i]);
    } else {
        painter.drawRects(rects_.data(), count);
    }
    painter.setBrush(Qt::NoBrush);
}

void GraphWidget::drawCursors(QPainter &painter, const QRect &plot, const ChartMap &map)
{
    const QFontMetrics metrics = painter.fontMetrics();
    for (int i = 0; i < cursorCount_; ++i) {
        const QColor color = RgbColor(kCursorColors[i]);
        const int px = int(std::lround(ClampPixel(MapX(map, cursors_[i].x))));
        const int py = int(std::lround(ClampPixel(MapY(map, cursors_[i].y))));
        painter.setPen(QPen(color, 1));
        painter.drawLine(px, plot.top(), px, plot.bottom());
        painter.drawLine(plot.left(), py, plot.right(), py);
        const QString number = QString::number(i + 1);
        const QRect tag(px + 2, plot.top() + 1, metrics.horizontalAdvance(number) + 4, metrics.height());
        painter.fillRect(tag, color);
        painter.setPen(Qt::white);
        painter.drawText(tag, Qt::AlignCenter, number);
    }
}

void GraphWidget::drawZoomBand(QPainter &painter)
{
    if (drag_ != Drag::Zoom)
        return;
    painter.setPen(QPen(kFrameColor, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(zoomStart_, zoomEnd_).normalized());
}

// ---------------------------------------------------------------------------
// Mouse: cursor dragging and Ctrl + drag zoom. Every press the graph does not use is
// left unaccepted, so that it travels on (right clicks for help, clicks for callbacks).

void GraphWidget::mousePressEvent(QMouseEvent *event)
{
    const QPointF pos = event->position();
    const QRect plot = plotArea();
    if (event->button() != Qt::LeftButton || drag_ != Drag::None || !plot.contains(pos.toPoint())) {
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
    } else {
        event->ignore();
        return;
    }
    event->accept();
}

void GraphWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || drag_ == Drag::None) {
        event->ignore();
        return;
    }
    if (drag_ == Drag::Zoom)
        finishZoom(event->position());
    drag_ = Drag::None;
    update();
    event->accept();
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
    emit zoomed();
}
