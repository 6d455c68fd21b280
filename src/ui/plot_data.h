#pragma once
// The samples of one graph plot, kept compactly and summarised for drawing.
//
// y values stay in the narrowest type that holds them exactly (16-bit or 32-bit
// integers, else doubles); x is either the sample index (a PlotY plot keeps no x
// array) or one double per sample. For x that never decreases, a summary of the
// minimum and maximum over blocks of samples answers "the extremes between samples a
// and b" without visiting every sample, so a plot of a million samples is drawn as the
// extremes of each pixel column at the cost of a plot of a few thousand.

#include "ui/userint.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct PlotValues {
    enum Kind { Int16, Int32, Double };
    Kind kind = Double;
    std::vector<int16_t> i16;
    std::vector<int32_t> i32;
    std::vector<double> f64;

    size_t size() const;
    double at(size_t i) const;
};

// Typed samples of a runtime call (a UiDataType) as plot values: start, start + step,
// ... below count. False for a null array, an unknown type or a bad range.
bool PlotValuesFromTyped(const void *data, int type, int count, int start, int step, PlotValues *out);
PlotValues PlotValuesFromDoubles(std::vector<double> values);
// The same elements as doubles.
bool DoublesFromTyped(const void *data, int type, int count, int start, int step, std::vector<double> *out);

// The extremes of the finite values in a range; any is false when there is none.
struct ValueSpan {
    double min = 0.0;
    double max = 0.0;
    bool any = false;
};

struct PlotSamples {
    PlotValues y;
    std::vector<double> x; // empty: x is the sample index
    bool xAscending = true;
    // Bounds of the finite points; hasBounds is false when there is none.
    bool hasBounds = false;
    double xLo = 0.0, xHi = 0.0, yLo = 0.0, yHi = 0.0;
    // blocks[k][b]: the extremes of samples [b * size, (b + 1) * size) with size
    // kSummaryFactor^(k + 1); only for ascending x.
    std::vector<std::vector<ValueSpan>> blocks;

    size_t size() const { return y.size(); }
    double xAt(size_t i) const { return x.empty() ? double(i) : x[i]; }
};

constexpr size_t kSummaryFactor = 32;

// Takes the values (x empty for index x, else as many as y) and computes bounds and
// the block summary.
PlotSamples MakePlotSamples(std::vector<double> x, PlotValues y);
// For ascending x: the first sample whose x is at least value (size() when none).
size_t FirstSampleAtOrAfter(const PlotSamples &samples, double value);
// For ascending x: the first sample whose x is above value.
size_t FirstSampleAfter(const PlotSamples &samples, double value);
// The extremes of the finite y of samples [begin, end).
ValueSpan SpanOfSamples(const PlotSamples &samples, size_t begin, size_t end);
// Statistics of the finite y of the samples whose x lies in [xMin, xMax].
ChartStatistics StatisticsOfSamples(const PlotSamples &samples, double xMin, double xMax);
