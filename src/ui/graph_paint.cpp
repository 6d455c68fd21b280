// Painting of the graph widget: the plots, the cursors and the zoom band.
//
// A plot's line goes into one reusable point buffer first, a point that is not a number
// separating two runs of it; markers are drawn at the same points. A plot with more
// samples in view than two per pixel column gives each column the minimum and maximum
// of its samples instead of every sample.
#include "ui/graph_widget.h"

#include "ui/userint.h"

#include <QPaintEvent>

#include <algorithm>
#include <cmath>

namespace
{

constexpr double kPixelLimit = 1e6; // keeps far-off points inside the rasteriser's range
constexpr int kMarkerSize = 5;
constexpr int kDotSize = 3;
constexpr int kColumnsPerSample = 2; // more samples per column than this: column extremes

const int kCursorColors[2] = {0xD00000, 0x0000D0};
const QColor kZoomBandColor(0x40, 0x40, 0x40);

double ClampPixel(double p)
{
    return std::max(-kPixelLimit, std::min(kPixelLimit, p));
}

const QPointF kRunBreak(NAN, NAN);

bool IsRunBreak(const QPointF &point)
{
    return std::isnan(point.x());
}

} // namespace

void GraphWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect plot = plotArea();
    DrawChartFrame(painter, palette(), rect(), plot, axes_[VAL_XAXIS].shown, axes_[VAL_LEFT_YAXIS].shown,
                   xLabel_, yLabel_);
    const ChartMap map = currentMap();
    painter.setClipRect(plot);
    drawnPoints_ = 0;
    drawPlots(painter, plot, map);
    drawCursors(painter, plot, map);
    painter.setClipping(false);
    drawZoomBand(painter);
}

void GraphWidget::drawPlots(QPainter &painter, const QRect &area, const ChartMap &map)
{
    for (const PlotPtr &plot : shownPlots())
        drawPlot(painter, area, map, *plot);
}

void GraphWidget::drawPlot(QPainter &painter, const QRect &area, const ChartMap &map, const Plot &plot)
{
    if (plot.samples.size() == 0)
        return;
    const int count = linePoints(area, map, plot);
    if (plot.plotStyle != VAL_SCATTER) {
        const QPen pen = ChartPen(plot.color, plot.plotStyle == VAL_FAT_LINE ? 2 : 1, plot.lineStyle);
        // Most consecutive plots share one pen (a graph of many small segments), and
        // setPen is not free.
        if (painter.pen() != pen)
            painter.setPen(pen);
        drawLineRuns(painter, count);
    }
    if (plot.plotStyle == VAL_SCATTER || plot.plotStyle == VAL_CONNECTED_POINTS)
        drawMarkers(painter, plot, count);
}

// The points of the line into points_; returns their number. Samples in x order are
// taken from just before to just after the shown x range only.
int GraphWidget::linePoints(const QRect &area, const ChartMap &map, const Plot &plot)
{
    const PlotSamples &samples = plot.samples;
    size_t begin = 0;
    size_t end = samples.size();
    if (samples.xAscending) {
        const AxisRange &x = axes_[VAL_XAXIS].shown;
        begin = FirstSampleAtOrAfter(samples, x.min);
        begin = begin > 0 ? begin - 1 : 0;
        end = FirstSampleAfter(samples, x.max);
        end = end < samples.size() ? end + 1 : end;
        if (end > begin && end - begin > size_t(kColumnsPerSample) * size_t(area.width()))
            return columnPoints(area, map, plot, begin, end);
    }
    return exactPoints(map, plot, begin, end);
}

int GraphWidget::exactPoints(const ChartMap &map, const Plot &plot, size_t begin, size_t end)
{
    const PlotSamples &samples = plot.samples;
    const bool steps = plot.plotStyle == VAL_THIN_STEP;
    const size_t needed = (end - begin) * (steps ? 2 : 1);
    if (points_.size() < needed)
        points_.resize(needed);
    int count = 0;
    for (size_t i = begin; i < end; ++i) {
        const double px = MapX(map, samples.xAt(i));
        const double py = MapY(map, samples.y.at(i));
        const bool following = count > 0 && !IsRunBreak(points_[count - 1]);
        // A point that is not a number breaks the line into separate runs.
        if (!std::isfinite(px) || !std::isfinite(py)) {
            if (following)
                points_[count++] = kRunBreak;
            continue;
        }
        const QPointF point(ClampPixel(px), ClampPixel(py));
        if (steps && following) {
            const double previousY = points_[count - 1].y();
            points_[count++] = QPointF(point.x(), previousY);
        }
        points_[count++] = point;
    }
    return count;
}

// Each pixel column of the plot area gets the minimum and maximum of the samples that
// fall into it, in the order that keeps the line from the previous column short; the
// samples just outside the view keep the line's way in and out.
int GraphWidget::columnPoints(const QRect &area, const ChartMap &map, const Plot &plot, size_t begin,
                              size_t end)
{
    const PlotSamples &samples = plot.samples;
    const size_t needed = size_t(kColumnsPerSample) * size_t(area.width()) + 2;
    if (points_.size() < needed)
        points_.resize(needed);
    int count = 0;
    auto addSample = [&](size_t i) {
        const double py = MapY(map, samples.y.at(i));
        if (std::isfinite(py))
            points_[count++] = QPointF(ClampPixel(MapX(map, samples.xAt(i))), ClampPixel(py));
    };
    size_t from = std::max(begin, FirstSampleAtOrAfter(samples, UnmapX(map, area.left() - 0.5)));
    if (from > begin)
        addSample(from - 1);
    for (int column = 0; column < area.width() && from < end; ++column) {
        const double px = area.left() + column;
        const size_t to = std::min(end, std::max(from, FirstSampleAtOrAfter(samples, UnmapX(map, px + 0.5))));
        const ValueSpan span = SpanOfSamples(samples, from, to);
        from = to;
        if (!span.any)
            continue;
        const double top = ClampPixel(MapY(map, span.max));
        const double bottom = ClampPixel(MapY(map, span.min));
        const double previous = count > 0 ? points_[count - 1].y() : top;
        const bool downward = std::fabs(previous - top) <= std::fabs(previous - bottom);
        points_[count++] = QPointF(px, downward ? top : bottom);
        if (top != bottom)
            points_[count++] = QPointF(px, downward ? bottom : top);
    }
    if (from < end)
        addSample(from);
    return count;
}

void GraphWidget::drawLineRuns(QPainter &painter, int count)
{
    int start = 0;
    for (int i = 0; i <= count; ++i) {
        if (i < count && !IsRunBreak(points_[i]))
            continue;
        const int length = i - start;
        // A run that collapses to one spot (a single sample) still shows as a dot.
        if (length == 1 || (length == 2 && points_[start] == points_[start + 1]))
            painter.drawPoint(points_[start]);
        else if (length > 1)
            painter.drawPolyline(points_.data() + start, length);
        drawnPoints_ += length;
        start = i + 1;
    }
}

void GraphWidget::drawMarkers(QPainter &painter, const Plot &plot, int count)
{
    int style = plot.pointStyle;
    if (style == VAL_NO_POINT) {
        if (plot.plotStyle != VAL_SCATTER)
            return;
        style = VAL_SIMPLE_DOT;
    }
    const double size = style == VAL_SIMPLE_DOT ? kDotSize : kMarkerSize;
    if (rects_.size() < size_t(count))
        rects_.resize(size_t(count));
    int markers = 0;
    for (int i = 0; i < count; ++i)
        if (!IsRunBreak(points_[i]))
            rects_[markers++] = QRectF(points_[i].x() - size / 2, points_[i].y() - size / 2, size, size);
    const QColor color = ChartColor(plot.color);
    if (style == VAL_EMPTY_SQUARE) {
        painter.setPen(QPen(color, 1));
        painter.setBrush(Qt::NoBrush);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
    }
    if (style == VAL_SOLID_CIRCLE) {
        for (int i = 0; i < markers; ++i)
            painter.drawEllipse(rects_[i]);
    } else {
        painter.drawRects(rects_.data(), markers);
    }
    painter.setBrush(Qt::NoBrush);
}

void GraphWidget::drawCursors(QPainter &painter, const QRect &plot, const ChartMap &map)
{
    const QFontMetrics metrics = painter.fontMetrics();
    for (int i = 0; i < cursorCount_; ++i) {
        const QColor color = ChartColor(kCursorColors[i]);
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
    painter.setPen(QPen(kZoomBandColor, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(zoomStart_, zoomEnd_).normalized());
}
