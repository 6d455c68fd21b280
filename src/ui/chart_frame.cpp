// The chart frame: axis numbers and grid, plot area layout, pens.
#include "ui/chart_frame.h"

#include "ui/userint.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr int kTickLength = 4;
constexpr int kGap = 4;
constexpr int kXTickSpacing = 70; // pixels between x axis numbers, about
constexpr int kYTickSpacing = 32; // pixels between y axis numbers, about
constexpr int kMaxTicks = 200;

const QColor kPlotBackground(0xFF, 0xFF, 0xFF);
const QColor kGridColor(0xD8, 0xD8, 0xD8);
const QColor kFrameColor(0x40, 0x40, 0x40);

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

QColor ChartColor(int color)
{
    return QColor::fromRgb(QRgb(0xFF000000u | (unsigned(color) & 0xFFFFFFu)));
}

QPen ChartPen(int color, int width, int lineStyle)
{
    QPen pen(ChartColor(color));
    pen.setWidth(width);
    pen.setStyle(lineStyle == VAL_DASH ? Qt::DashLine : lineStyle == VAL_DOT ? Qt::DotLine : Qt::SolidLine);
    return pen;
}
