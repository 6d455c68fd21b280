#pragma once
// The frame shared by the graph and the strip chart, so that both look alike: axis
// arithmetic, plot area layout, grid and axis numbers, pens.

#include "ui/chart_view.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QRect>
#include <QString>

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

// A 0xRRGGBB colour, and a pen of it with the given width and UiLineStyle.
QColor ChartColor(int color);
QPen ChartPen(int color, int width, int lineStyle);
