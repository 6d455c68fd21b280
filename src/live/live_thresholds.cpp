#include "live/live_thresholds.h"

namespace
{

int ClampToSignal(long long value)
{
    if (value < 0)
        return 0;
    if (value > kMaxSignalDigits)
        return kMaxSignalDigits;
    return (int)value;
}

long long Offset(int ref, int thresholdCalc, int amount)
{
    if (thresholdCalc == THRESHOLD_CALC_RELATIVE)
        return (long long)amount * ref / 100; // C++ division truncates toward zero
    return amount;
}

} // namespace

ThresholdLines ComputeThresholdLines(int ref, int thresholdCalc, int tolerance, int hysteresis,
                                     int thresholdMode)
{
    long long t = Offset(ref, thresholdCalc, tolerance);
    long long h = Offset(ref, thresholdCalc, hysteresis);
    int upperTolerance = ClampToSignal(ref + t);
    int lowerTolerance = ClampToSignal(ref - t);
    int upperHysteresis = ClampToSignal(ref + h);
    int lowerHysteresis = ClampToSignal(ref - h);
    switch (thresholdMode) {
    case THRESHOLD_MODE_LOW:
    case THRESHOLD_MODE_2TRSH:
        return {lowerTolerance, lowerTolerance, lowerHysteresis, lowerHysteresis};
    case THRESHOLD_MODE_HIGH:
        return {upperTolerance, upperTolerance, upperHysteresis, upperHysteresis};
    default:
        return {upperTolerance, lowerTolerance, upperHysteresis, lowerHysteresis};
    }
}
