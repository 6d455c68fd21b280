#pragma once
// The view of a chart: the shown axis ranges, their mapping to the pixels of the plot
// area, and the operator's changes to them (the mouse wheel zooms one axis around the
// pointer, a drag with the middle button pans). Shared by the graph and the strip
// chart so that both answer the same gestures the same way.

#include <QPointF>
#include <QRect>

class QWheelEvent;

// The shown interval of one axis.
struct AxisRange {
    double min = 0.0;
    double max = 1.0;
};

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

// The zoom factor of one wheel turn: below 1 (zoom in) when the wheel turns away from
// the operator, above 1 when towards; 1 for an event without a turn.
double WheelZoomFactor(const QWheelEvent *event);
// The range scaled by factor around the value at, which keeps its place on screen. A
// range that would shrink below minSpan or is not finite stays as it was.
AxisRange ZoomAxisAround(const AxisRange &range, double at, double factor, double minSpan);
// The range moved by delta axis units.
AxisRange ShiftAxis(const AxisRange &range, double delta);
// The smallest span an axis may be zoomed to around values of this size: far above the
// rounding of doubles, so that axis numbers stay distinct.
double MinimumAxisSpan(const AxisRange &range);

// A pan with the middle button: where it started and the ranges it started from, so
// that each move sets the view from the start (no drift from summed steps).
struct ChartPan {
    bool active = false;
    QPointF start;
    AxisRange x;
    AxisRange y;
    ChartMap map;
};
void StartChartPan(ChartPan &pan, const QPointF &pos, const AxisRange &x, const AxisRange &y,
                   const ChartMap &map);
// The ranges for the pointer at pos.
AxisRange PannedX(const ChartPan &pan, const QPointF &pos);
AxisRange PannedY(const ChartPan &pan, const QPointF &pos);
