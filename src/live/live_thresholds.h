#pragma once
// The threshold lines of one switching threshold, as the threshold charts draw them.

// THRESHOLD CALC values
constexpr int THRESHOLD_CALC_ABSOLUTE = 0;
constexpr int THRESHOLD_CALC_RELATIVE = 1;
// THRESHOLD MODE values
constexpr int THRESHOLD_MODE_LOW = 0;
constexpr int THRESHOLD_MODE_HIGH = 1;
constexpr int THRESHOLD_MODE_WIN = 2;
constexpr int THRESHOLD_MODE_2TRSH = 3;

constexpr int kMaxSignalDigits = 4095;

struct ThresholdLines {
    int toleranceA;
    int toleranceB;
    int hysteresisA;
    int hysteresisB;
};

// The lines around `ref`: a RELATIVE tolerance or hysteresis is a percentage of REF
// (truncated toward zero), an ABSOLUTE one is in digits. The arithmetic is wide and
// every line is clamped to 0..4095, so a large percentage never wraps to a line at a
// nonsense height. LOW and 2 TRSH draw both lines of a kind below REF, HIGH above, WIN
// (and any other mode) A above and B below.
ThresholdLines ComputeThresholdLines(int ref, int thresholdCalc, int tolerance, int hysteresis,
                                     int thresholdMode);
