// The threshold lines of one switching threshold for every THRESHOLD CALC and MODE,
// the edges at 0 and 4095, and percentages large enough to wrap in 16 bits.
#include "live/live_thresholds.h"

#include <gtest/gtest.h>

namespace
{

struct LinesCase {
    const char *name;
    int ref, calc, tolerance, hysteresis, mode;
    ThresholdLines expected;
};

const LinesCase kCases[] = {
    {"relative WIN", 100, THRESHOLD_CALC_RELATIVE, 10, 5, THRESHOLD_MODE_WIN, {110, 90, 105, 95}},
    {"relative truncates", 99, THRESHOLD_CALC_RELATIVE, 10, 3, THRESHOLD_MODE_WIN, {108, 90, 101, 97}},
    {"absolute below zero", 100, THRESHOLD_CALC_ABSOLUTE, 200, 150, THRESHOLD_MODE_WIN, {300, 0, 250, 0}},
    {"absolute above 4095",
     4000,
     THRESHOLD_CALC_ABSOLUTE,
     200,
     50,
     THRESHOLD_MODE_WIN,
     {4095, 3800, 4050, 3950}},
    {"LOW", 1000, THRESHOLD_CALC_ABSOLUTE, 100, 20, THRESHOLD_MODE_LOW, {900, 900, 980, 980}},
    {"2 TRSH", 1000, THRESHOLD_CALC_ABSOLUTE, 100, 20, THRESHOLD_MODE_2TRSH, {900, 900, 980, 980}},
    {"HIGH", 1000, THRESHOLD_CALC_ABSOLUTE, 100, 20, THRESHOLD_MODE_HIGH, {1100, 1100, 1020, 1020}},
    {"unknown mode as WIN", 1000, THRESHOLD_CALC_ABSOLUTE, 100, 20, 7, {1100, 900, 1020, 980}},
    {"unknown calc as ABSOLUTE", 1000, 5, 100, 20, THRESHOLD_MODE_WIN, {1100, 900, 1020, 980}},
    // 2000 % of 4000 is 80000: in 16 bits the product wraps and the lines land next to REF.
    {"relative beyond 16 bits",
     4000,
     THRESHOLD_CALC_RELATIVE,
     2000,
     1700,
     THRESHOLD_MODE_WIN,
     {4095, 0, 4095, 0}},
    {"relative 65535 %",
     4095,
     THRESHOLD_CALC_RELATIVE,
     65535,
     65535,
     THRESHOLD_MODE_HIGH,
     {4095, 4095, 4095, 4095}},
    {"negative REF", -20, THRESHOLD_CALC_ABSOLUTE, 10, 30, THRESHOLD_MODE_WIN, {0, 0, 10, 0}},
    {"REF above 4095", 5000, THRESHOLD_CALC_ABSOLUTE, 10, 2000, THRESHOLD_MODE_WIN, {4095, 4095, 4095, 3000}},
};

} // namespace

TEST(ThresholdLinesTest, EveryCalcAndModeWithItsEdgesAndClamps)
{
    for (const LinesCase &c : kCases) {
        ThresholdLines lines = ComputeThresholdLines(c.ref, c.calc, c.tolerance, c.hysteresis, c.mode);
        EXPECT_EQ(lines.toleranceA, c.expected.toleranceA) << c.name;
        EXPECT_EQ(lines.toleranceB, c.expected.toleranceB) << c.name;
        EXPECT_EQ(lines.hysteresisA, c.expected.hysteresisA) << c.name;
        EXPECT_EQ(lines.hysteresisB, c.expected.hysteresisB) << c.name;
    }
}
