#pragma once
// Statistics of the samples a chart shows, in double precision over every sample (no
// pixel decimation). Two passes: the mean first, then the squared deviations from it,
// so that a large common level (a signal near 4000 digits) costs no precision.

#include "ui/userint.h"

#include <cmath>
#include <cstddef>

// The statistics of valueAt(i) for i in [begin, end); values that are not finite
// (gaps in a trace) are left out. The standard deviation is that of the samples
// themselves (divided by n), so a single sample has 0.
template <typename ValueAt> ChartStatistics StatisticsOfRange(size_t begin, size_t end, ValueAt valueAt)
{
    ChartStatistics stats{};
    double sum = 0.0;
    for (size_t i = begin; i < end; ++i) {
        const double v = valueAt(i);
        if (!std::isfinite(v))
            continue;
        if (stats.count == 0 || v < stats.min)
            stats.min = v;
        if (stats.count == 0 || v > stats.max)
            stats.max = v;
        sum += v;
        ++stats.count;
    }
    if (stats.count == 0)
        return stats;
    stats.mean = sum / double(stats.count);
    double squares = 0.0;
    for (size_t i = begin; i < end; ++i) {
        const double v = valueAt(i);
        if (std::isfinite(v))
            squares += (v - stats.mean) * (v - stats.mean);
    }
    stats.stdDev = std::sqrt(squares / double(stats.count));
    return stats;
}
