#include "ui/strip_chart_widget.h"

#include "ui/chart_statistics.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace
{

// Trace colours until the runtime sets its own: reference blue, signal dark yellow,
// thresholds red, hysteresis black, then a few more for wider charts.
const int kDefaultColors[] = {0x0000FF, 0x808000, 0xFF0000, 0xFF0000, 0x000000,
                              0x000000, 0x008080, 0x800080, 0x00A000, 0x808080};

constexpr double kPixelLimit = 1e6;
constexpr double kMinPointSpan = 2.0; // zoomed in as far as three points across

// The range moved (and if need be narrowed) to lie inside full.
AxisRange KeptInside(const AxisRange &range, const AxisRange &full)
{
    const double span = range.max - range.min;
    if (span >= full.max - full.min)
        return full;
    if (range.min < full.min)
        return AxisRange{full.min, full.min + span};
    if (range.max > full.max)
        return AxisRange{full.max - span, full.max};
    return range;
}

bool SameRange(const AxisRange &a, const AxisRange &b)
{
    return a.min == b.min && a.max == b.max;
}

} // namespace

StripChartWidget::StripChartWidget(QWidget *parent) : QWidget(parent), styles_(kMaxTraces)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    const int paletteSize = int(sizeof kDefaultColors / sizeof kDefaultColors[0]);
    for (int i = 0; i < kMaxTraces; ++i)
        styles_[i].color = kDefaultColors[i % paletteSize];
    yMode_ = VAL_MANUAL;
    resetStorage();
}

void StripChartWidget::resetStorage()
{
    ring_.assign(size_t(pointsPerScreen_) * size_t(traces_), 0.0);
    oldest_ = 0;
    stored_ = 0;
}

void StripChartWidget::setTraceCount(int traces)
{
    const int count = std::max(1, std::min(kMaxTraces, traces));
    if (count == traces_)
        return;
    traces_ = count;
    resetStorage();
    if (paused_)
        freezeShownPoints();
    update();
}

int StripChartWidget::traceCount() const
{
    return traces_;
}

void StripChartWidget::setPointsPerScreen(int points)
{
    const int count = std::max(1, std::min(kMaxPointsPerScreen, points));
    if (count == pointsPerScreen_)
        return;
    const int keep = std::min(stored_, count);
    std::vector<double> kept(size_t(count) * size_t(traces_), 0.0);
    for (int k = 0; k < keep; ++k)
        for (int j = 0; j < traces_; ++j)
            kept[size_t(k) * traces_ + j] = valueAt(stored_ - keep + k, j);
    ring_.swap(kept);
    pointsPerScreen_ = count;
    oldest_ = 0;
    stored_ = keep;
    xFull_ = true;
    if (paused_)
        freezeShownPoints();
    update();
}

int StripChartWidget::pointsPerScreen() const
{
    return pointsPerScreen_;
}

void StripChartWidget::appendInterleaved(const double *values, int count)
{
    if (!values || count < traces_)
        return;
    const int width = traces_;
    int points = count / width;
    // Points that would scroll out at once are skipped: when a whole screen or more
    // arrives, the ring simply takes its last screenful.
    if (points >= pointsPerScreen_) {
        const double *last = values + size_t(points - pointsPerScreen_) * width;
        std::copy(last, last + size_t(pointsPerScreen_) * width, ring_.begin());
        oldest_ = 0;
        stored_ = pointsPerScreen_;
        points = 0;
    }
    for (int k = 0; k < points; ++k) {
        int slot;
        if (stored_ < pointsPerScreen_) {
            slot = (oldest_ + stored_) % pointsPerScreen_;
            ++stored_;
        } else {
            slot = oldest_;
            oldest_ = (oldest_ + 1) % pointsPerScreen_;
        }
        std::copy(values + size_t(k) * width, values + size_t(k + 1) * width,
                  ring_.begin() + size_t(slot) * width);
    }
    if (!paused_)
        update();
}

void StripChartWidget::clear()
{
    oldest_ = 0;
    stored_ = 0;
    if (!paused_)
        update();
}

void StripChartWidget::setTraceStyle(int trace, int color, int lineStyle)
{
    if (trace < 0 || trace >= kMaxTraces)
        return;
    styles_[trace].color = color & 0xFFFFFF;
    styles_[trace].lineStyle = lineStyle;
    update();
}

int StripChartWidget::traceColor(int trace) const
{
    return trace >= 0 && trace < kMaxTraces ? styles_[trace].color : 0;
}

int StripChartWidget::traceLineStyle(int trace) const
{
    return trace >= 0 && trace < kMaxTraces ? styles_[trace].lineStyle : 0;
}

void StripChartWidget::setYRange(int mode, double min, double max)
{
    if (mode == VAL_MANUAL) {
        if (!std::isfinite(min) || !std::isfinite(max) || min == max)
            return;
        yMin_ = std::min(min, max);
        yMax_ = std::max(min, max);
    } else if (mode != VAL_AUTOSCALE) {
        return;
    }
    yMode_ = mode;
    update();
}

void StripChartWidget::yRange(int *mode, double *min, double *max) const
{
    double lo = 0.0, hi = 0.0;
    shownYRange(&lo, &hi);
    if (mode)
        *mode = yMode_;
    if (min)
        *min = lo;
    if (max)
        *max = hi;
}

// In autoscale the range of the stored points, rounded out to whole tick steps; an
// empty chart shows the manual range.
void StripChartWidget::shownYRange(double *min, double *max) const
{
    *min = yMin_;
    *max = yMax_;
    if (yMode_ != VAL_AUTOSCALE)
        return;
    bool any = false;
    double lo = 0.0, hi = 0.0;
    const int count = shownCount();
    for (int k = 0; k < count; ++k) {
        for (int j = 0; j < traces_; ++j) {
            const double v = shownValue(k, j);
            if (!std::isfinite(v))
                continue;
            lo = any ? std::min(lo, v) : v;
            hi = any ? std::max(hi, v) : v;
            any = true;
        }
    }
    if (!any)
        return;
    const AxisRange range = AutoAxisRange(lo, hi);
    *min = range.min;
    *max = range.max;
}

double StripChartWidget::valueAt(int point, int trace) const
{
    const int slot = (oldest_ + point) % pointsPerScreen_;
    return ring_[size_t(slot) * traces_ + trace];
}

std::vector<double> StripChartWidget::traceValues(int trace) const
{
    std::vector<double> values;
    if (trace < 0 || trace >= traces_)
        return values;
    values.reserve(stored_);
    for (int k = 0; k < stored_; ++k)
        values.push_back(valueAt(k, trace));
    return values;
}

int StripChartWidget::shownCount() const
{
    return paused_ ? frozenCount_ : stored_;
}

double StripChartWidget::shownValue(int point, int trace) const
{
    return paused_ ? frozen_[size_t(point) * traces_ + trace] : valueAt(point, trace);
}

void StripChartWidget::freezeShownPoints()
{
    frozen_.resize(size_t(stored_) * size_t(traces_));
    for (int k = 0; k < stored_; ++k)
        for (int j = 0; j < traces_; ++j)
            frozen_[size_t(k) * traces_ + j] = valueAt(k, j);
    frozenCount_ = stored_;
}

void StripChartWidget::setPaused(bool paused)
{
    if (paused == paused_)
        return;
    if (paused) {
        freezeShownPoints();
    } else {
        frozen_.clear();
        frozenCount_ = 0;
        xFull_ = true;
    }
    paused_ = paused;
    update();
}

AxisRange StripChartWidget::fullXRange() const
{
    return AxisRange{0.0, double(std::max(1, pointsPerScreen_ - 1))};
}

AxisRange StripChartWidget::xView() const
{
    return xFull_ ? fullXRange() : xView_;
}

void StripChartWidget::setXView(const AxisRange &range)
{
    const AxisRange full = fullXRange();
    xView_ = KeptInside(range, full);
    xFull_ = SameRange(xView_, full);
    update();
}

bool StripChartWidget::statistics(int trace, ChartStatistics *stats) const
{
    if (trace < 0 || trace >= traces_)
        return false;
    const AxisRange x = xView();
    const int first = std::max(0, int(std::ceil(x.min)));
    const int end = std::min(shownCount(), int(std::floor(x.max)) + 1);
    *stats = StatisticsOfRange(size_t(first), size_t(std::max(first, end)),
                               [&](size_t k) { return shownValue(int(k), trace); });
    return true;
}

ChartMap StripChartWidget::currentMap() const
{
    double lo = 0.0, hi = 0.0;
    shownYRange(&lo, &hi);
    return MakeChartMap(plotArea(), xView(), AxisRange{lo, hi});
}

QRect StripChartWidget::plotArea() const
{
    double lo = 0.0, hi = 0.0;
    shownYRange(&lo, &hi);
    return ChartPlotRect(size(), fontMetrics(), AxisRange{lo, hi}, false, false);
}

QSize StripChartWidget::sizeHint() const
{
    return QSize(600, 200);
}

QSize StripChartWidget::minimumSizeHint() const
{
    return QSize(120, 60);
}

void StripChartWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    double lo = 0.0, hi = 0.0;
    shownYRange(&lo, &hi);
    const AxisRange x = xView();
    const AxisRange y{lo, hi};
    const QRect plot = ChartPlotRect(size(), painter.fontMetrics(), y, false, false);
    DrawChartFrame(painter, palette(), rect(), plot, x, y, QString(), QString());
    const int count = shownCount();
    if (count == 0)
        return;
    const ChartMap map = MakeChartMap(plot, x, y);
    painter.setClipRect(plot);
    // The points in view and one on either side, so that lines leave the plot area.
    const int first = std::max(0, int(std::floor(x.min)) - 1);
    const int end = std::min(count, int(std::ceil(x.max)) + 2);
    if (points_.size() < size_t(count))
        points_.resize(count);
    for (int j = 0; j < traces_; ++j) {
        painter.setPen(ChartPen(styles_[j].color, 1, styles_[j].lineStyle));
        int run = 0;
        for (int k = first; k <= end; ++k) {
            const double py = k < end ? MapY(map, shownValue(k, j)) : NAN;
            if (std::isfinite(py)) {
                points_[run++] = QPointF(MapX(map, k), std::max(-kPixelLimit, std::min(kPixelLimit, py)));
                continue;
            }
            // A value that is not a number (and the end of the trace) closes a run.
            if (run == 1)
                painter.drawPoint(points_[0]);
            else if (run > 1)
                painter.drawPolyline(points_.data(), run);
            run = 0;
        }
    }
}

// ---------------------------------------------------------------------------
// The operator's view: wheel zoom and middle-button pan. Left and right presses are
// not accepted, so that they travel on to the runtime.

void StripChartWidget::wheelEvent(QWheelEvent *event)
{
    const QPointF pos = event->position();
    const double factor = WheelZoomFactor(event);
    if (!plotArea().contains(pos.toPoint()) || factor == 1.0) {
        event->ignore();
        return;
    }
    event->accept();
    const ChartMap map = currentMap();
    if (event->modifiers() & Qt::ShiftModifier) {
        double lo = 0.0, hi = 0.0;
        shownYRange(&lo, &hi);
        const AxisRange shown{lo, hi};
        const AxisRange zoomed = ZoomAxisAround(shown, UnmapY(map, pos.y()), factor, MinimumAxisSpan(shown));
        if (SameRange(zoomed, shown))
            return;
        setYRange(VAL_MANUAL, zoomed.min, zoomed.max);
        emit this->zoomed(ZOOM_WHEEL_Y);
        return;
    }
    const AxisRange shown = xView();
    setXView(ZoomAxisAround(shown, UnmapX(map, pos.x()), factor, kMinPointSpan));
    if (!SameRange(xView(), shown))
        emit zoomed(ZOOM_WHEEL_X);
}

void StripChartWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::MiddleButton || pan_.active ||
        !plotArea().contains(event->position().toPoint())) {
        event->ignore();
        return;
    }
    double lo = 0.0, hi = 0.0;
    shownYRange(&lo, &hi);
    StartChartPan(pan_, event->position(), xView(), AxisRange{lo, hi}, currentMap());
    event->accept();
}

void StripChartWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!pan_.active) {
        event->ignore();
        return;
    }
    const AxisRange x = xView();
    double lo = 0.0, hi = 0.0;
    shownYRange(&lo, &hi);
    setXView(PannedX(pan_, event->position()));
    const AxisRange y = PannedY(pan_, event->position());
    if (!SameRange(y, AxisRange{lo, hi}))
        setYRange(VAL_MANUAL, y.min, y.max);
    if (!SameRange(xView(), x) || !SameRange(y, AxisRange{lo, hi}))
        emit zoomed(ZOOM_PAN);
    event->accept();
}

void StripChartWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (!pan_.active || event->button() != Qt::MiddleButton) {
        event->ignore();
        return;
    }
    pan_.active = false;
    event->accept();
}
