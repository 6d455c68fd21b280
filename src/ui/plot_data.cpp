// Compact plot samples, their block summary and the statistics over an x range.
#include "ui/plot_data.h"

#include "ui/chart_statistics.h"

#include <algorithm>
#include <cmath>

namespace
{

template <typename T> void Widen(ValueSpan &span, T value)
{
    const double v = double(value);
    if (!std::isfinite(v))
        return;
    if (!span.any) {
        span.min = span.max = v;
        span.any = true;
        return;
    }
    span.min = std::min(span.min, v);
    span.max = std::max(span.max, v);
}

void Widen(ValueSpan &span, const ValueSpan &part)
{
    if (!part.any)
        return;
    Widen(span, part.min);
    Widen(span, part.max);
}

template <typename T>
void WidenByValues(ValueSpan &span, const std::vector<T> &values, size_t begin, size_t end)
{
    for (size_t i = begin; i < end; ++i)
        Widen(span, values[i]);
}

void WidenByRaw(ValueSpan &span, const PlotValues &y, size_t begin, size_t end)
{
    switch (y.kind) {
    case PlotValues::Int16:
        WidenByValues(span, y.i16, begin, end);
        break;
    case PlotValues::Int32:
        WidenByValues(span, y.i32, begin, end);
        break;
    default:
        WidenByValues(span, y.f64, begin, end);
        break;
    }
}

size_t BlockSize(size_t level)
{
    size_t size = kSummaryFactor;
    for (size_t k = 0; k < level; ++k)
        size *= kSummaryFactor;
    return size;
}

// Level `level` of the summary over [begin, end): whole blocks from the summary, the
// ragged ends from the next finer level (level 0's from the samples).
void WidenBySummary(ValueSpan &span, const PlotSamples &samples, int level, size_t begin, size_t end)
{
    if (begin >= end)
        return;
    if (level < 0) {
        WidenByRaw(span, samples.y, begin, end);
        return;
    }
    const size_t size = BlockSize(size_t(level));
    const size_t firstBlock = (begin + size - 1) / size;
    const size_t endBlock = end / size;
    if (firstBlock >= endBlock) {
        WidenBySummary(span, samples, level - 1, begin, end);
        return;
    }
    WidenBySummary(span, samples, level - 1, begin, firstBlock * size);
    const std::vector<ValueSpan> &blocks = samples.blocks[size_t(level)];
    for (size_t b = firstBlock; b < endBlock; ++b)
        Widen(span, blocks[b]);
    WidenBySummary(span, samples, level - 1, endBlock * size, end);
}

void BuildSummary(PlotSamples &samples)
{
    samples.blocks.clear();
    const size_t count = samples.size();
    if (count < 2 * kSummaryFactor)
        return;
    std::vector<ValueSpan> level((count + kSummaryFactor - 1) / kSummaryFactor);
    for (size_t b = 0; b < level.size(); ++b)
        WidenByRaw(level[b], samples.y, b * kSummaryFactor, std::min(count, (b + 1) * kSummaryFactor));
    samples.blocks.push_back(std::move(level));
    while (samples.blocks.back().size() >= 2 * kSummaryFactor) {
        const std::vector<ValueSpan> &finer = samples.blocks.back();
        std::vector<ValueSpan> coarser((finer.size() + kSummaryFactor - 1) / kSummaryFactor);
        for (size_t b = 0; b < finer.size(); ++b)
            Widen(coarser[b / kSummaryFactor], finer[b]);
        samples.blocks.push_back(std::move(coarser));
    }
}

void FindBounds(PlotSamples &samples)
{
    ValueSpan xs, ys;
    for (size_t i = 0; i < samples.size(); ++i) {
        const double x = samples.xAt(i);
        const double y = samples.y.at(i);
        if (!std::isfinite(x) || !std::isfinite(y))
            continue;
        Widen(xs, x);
        Widen(ys, y);
    }
    samples.hasBounds = xs.any;
    samples.xLo = xs.min;
    samples.xHi = xs.max;
    samples.yLo = ys.min;
    samples.yHi = ys.max;
}

bool Ascending(const std::vector<double> &x)
{
    for (size_t i = 1; i < x.size(); ++i)
        if (!(x[i] >= x[i - 1]))
            return false;
    return true;
}

template <typename Source, typename Target>
void CopyStrided(const void *data, int count, int start, int step, std::vector<Target> *out)
{
    const Source *source = static_cast<const Source *>(data);
    out->clear();
    out->reserve(size_t((count - start + step - 1) / step));
    for (int i = start; i < count; i += step)
        out->push_back(Target(source[i]));
}

// Elements start, start + step, ... below count of a typed array, converted to Target.
template <typename Target>
bool CopyTyped(const void *data, int type, int count, int start, int step, std::vector<Target> *out)
{
    if (!data || count < 0 || start < 0 || step < 1)
        return false;
    start = std::min(start, count);
    switch (type) {
    case VAL_DOUBLE:
        CopyStrided<double>(data, count, start, step, out);
        return true;
    case VAL_FLOAT:
        CopyStrided<float>(data, count, start, step, out);
        return true;
    case VAL_INTEGER:
        CopyStrided<int32_t>(data, count, start, step, out);
        return true;
    case VAL_UNSIGNED_INTEGER:
        CopyStrided<uint32_t>(data, count, start, step, out);
        return true;
    case VAL_SHORT_INTEGER:
        CopyStrided<int16_t>(data, count, start, step, out);
        return true;
    case VAL_UNSIGNED_SHORT_INTEGER:
        CopyStrided<uint16_t>(data, count, start, step, out);
        return true;
    case VAL_CHAR:
        CopyStrided<signed char>(data, count, start, step, out);
        return true;
    case VAL_UNSIGNED_CHAR:
        CopyStrided<unsigned char>(data, count, start, step, out);
        return true;
    default:
        return false;
    }
}

} // namespace

size_t PlotValues::size() const
{
    switch (kind) {
    case Int16:
        return i16.size();
    case Int32:
        return i32.size();
    default:
        return f64.size();
    }
}

double PlotValues::at(size_t i) const
{
    switch (kind) {
    case Int16:
        return i16[i];
    case Int32:
        return i32[i];
    default:
        return f64[i];
    }
}

bool PlotValuesFromTyped(const void *data, int type, int count, int start, int step, PlotValues *out)
{
    // Integers narrow enough for 16 or 32 bits stay integers; the rest become doubles.
    switch (type) {
    case VAL_SHORT_INTEGER:
    case VAL_CHAR:
    case VAL_UNSIGNED_CHAR:
        out->kind = PlotValues::Int16;
        return CopyTyped(data, type, count, start, step, &out->i16);
    case VAL_INTEGER:
    case VAL_UNSIGNED_SHORT_INTEGER:
        out->kind = PlotValues::Int32;
        return CopyTyped(data, type, count, start, step, &out->i32);
    default:
        out->kind = PlotValues::Double;
        return CopyTyped(data, type, count, start, step, &out->f64);
    }
}

bool DoublesFromTyped(const void *data, int type, int count, int start, int step, std::vector<double> *out)
{
    return CopyTyped(data, type, count, start, step, out);
}

PlotValues PlotValuesFromDoubles(std::vector<double> values)
{
    PlotValues y;
    y.kind = PlotValues::Double;
    y.f64 = std::move(values);
    return y;
}

PlotSamples MakePlotSamples(std::vector<double> x, PlotValues y)
{
    PlotSamples samples;
    samples.y = std::move(y);
    samples.x = std::move(x);
    samples.xAscending = Ascending(samples.x);
    FindBounds(samples);
    if (samples.xAscending)
        BuildSummary(samples);
    return samples;
}

size_t FirstSampleAtOrAfter(const PlotSamples &samples, double value)
{
    const size_t count = samples.size();
    if (std::isnan(value))
        return count;
    if (samples.x.empty()) {
        if (!(value > 0.0))
            return 0;
        const double first = std::ceil(value);
        return first >= double(count) ? count : size_t(first);
    }
    return size_t(std::lower_bound(samples.x.begin(), samples.x.end(), value) - samples.x.begin());
}

size_t FirstSampleAfter(const PlotSamples &samples, double value)
{
    const size_t count = samples.size();
    if (std::isnan(value))
        return 0;
    if (samples.x.empty()) {
        if (value < 0.0)
            return 0;
        const double first = std::floor(value) + 1.0;
        return first >= double(count) ? count : size_t(first);
    }
    return size_t(std::upper_bound(samples.x.begin(), samples.x.end(), value) - samples.x.begin());
}

ValueSpan SpanOfSamples(const PlotSamples &samples, size_t begin, size_t end)
{
    ValueSpan span;
    end = std::min(end, samples.size());
    WidenBySummary(span, samples, int(samples.blocks.size()) - 1, begin, end);
    return span;
}

ChartStatistics StatisticsOfSamples(const PlotSamples &samples, double xMin, double xMax)
{
    if (samples.xAscending) {
        const size_t begin = FirstSampleAtOrAfter(samples, xMin);
        const size_t end = FirstSampleAfter(samples, xMax);
        const PlotValues &y = samples.y;
        switch (y.kind) {
        case PlotValues::Int16:
            return StatisticsOfRange(begin, std::max(begin, end), [&](size_t i) { return double(y.i16[i]); });
        case PlotValues::Int32:
            return StatisticsOfRange(begin, std::max(begin, end), [&](size_t i) { return double(y.i32[i]); });
        default:
            return StatisticsOfRange(begin, std::max(begin, end), [&](size_t i) { return y.f64[i]; });
        }
    }
    // Points in any order: each one whose x is in view counts.
    return StatisticsOfRange(0, samples.size(), [&](size_t i) {
        const double x = samples.xAt(i);
        return x >= xMin && x <= xMax ? samples.y.at(i) : NAN;
    });
}
