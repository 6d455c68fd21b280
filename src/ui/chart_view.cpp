// Wheel zoom and middle-button pan arithmetic of the charts.
#include "ui/chart_view.h"

#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace
{

constexpr double kZoomPerNotch = 0.8; // one wheel notch shows 80 % of the span
constexpr double kNotch = 120.0;      // angle delta of one notch, in eighths of a degree

} // namespace

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

double WheelZoomFactor(const QWheelEvent *event)
{
    // Some platforms turn a Shift + wheel into a sideways turn.
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if (delta == 0)
        return 1.0;
    return std::pow(kZoomPerNotch, delta / kNotch);
}

AxisRange ZoomAxisAround(const AxisRange &range, double at, double factor, double minSpan)
{
    if (!std::isfinite(at) || !(factor > 0.0) || !std::isfinite(factor))
        return range;
    AxisRange zoomed{at + (range.min - at) * factor, at + (range.max - at) * factor};
    if (!std::isfinite(zoomed.min) || !std::isfinite(zoomed.max) || zoomed.max - zoomed.min < minSpan)
        return range;
    return zoomed;
}

AxisRange ShiftAxis(const AxisRange &range, double delta)
{
    if (!std::isfinite(delta))
        return range;
    return AxisRange{range.min + delta, range.max + delta};
}

double MinimumAxisSpan(const AxisRange &range)
{
    return 1e-9 * std::max({1.0, std::fabs(range.min), std::fabs(range.max)});
}

void StartChartPan(ChartPan &pan, const QPointF &pos, const AxisRange &x, const AxisRange &y,
                   const ChartMap &map)
{
    pan.active = true;
    pan.start = pos;
    pan.x = x;
    pan.y = y;
    pan.map = map;
}

AxisRange PannedX(const ChartPan &pan, const QPointF &pos)
{
    return ShiftAxis(pan.x, -(pos.x() - pan.start.x()) / pan.map.xScale);
}

AxisRange PannedY(const ChartPan &pan, const QPointF &pos)
{
    return ShiftAxis(pan.y, (pos.y() - pan.start.y()) / pan.map.yScale);
}
