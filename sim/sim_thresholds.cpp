#include "sim_thresholds.h"

#include <algorithm>

namespace
{

int Upper(int ref, int distance)
{
    return std::min(ref + distance, 4095);
}

int Lower(int ref, int distance)
{
    return ref < distance ? 0 : ref - distance;
}

bool EvaluateLow(bool active, int signal, int lineA, int lineB)
{
    if (!active && signal < std::min(lineA, lineB))
        return true;
    if (active && signal > std::max(lineA, lineB))
        return false;
    return active;
}

bool EvaluateHigh(bool active, int signal, int lineA, int lineB)
{
    if (!active && signal > std::max(lineA, lineB))
        return true;
    if (active && signal < std::min(lineA, lineB))
        return false;
    return active;
}

bool EvaluateWindow(bool active, int signal, const ThresholdLines &lines)
{
    int innerLow = std::max(lines.toleranceLower, lines.hysteresisLower);
    int innerHigh = std::min(lines.toleranceUpper, lines.hysteresisUpper);
    int outerLow = std::min(lines.toleranceLower, lines.hysteresisLower);
    int outerHigh = std::max(lines.toleranceUpper, lines.hysteresisUpper);
    if (!active && signal >= innerLow && signal <= innerHigh)
        return true;
    if (active && (signal < outerLow || signal > outerHigh))
        return false;
    return active;
}

} // namespace

ThresholdLines ComputeThresholdLines(int ref, int calc, int tolerance, int hysteresis)
{
    int t = tolerance;
    int h = hysteresis;
    if (calc == 1) {
        t = tolerance * ref / 100;
        h = hysteresis * ref / 100;
    }
    return ThresholdLines{Upper(ref, t), Lower(ref, t), Upper(ref, h), Lower(ref, h)};
}

bool EvaluateThreshold(bool active, int signal, const ThresholdLines &lines, int mode)
{
    switch (mode) {
    case TM_LOW:
    case TM_TWO_THRESHOLDS:
        return EvaluateLow(active, signal, lines.toleranceLower, lines.hysteresisLower);
    case TM_HIGH:
        return EvaluateHigh(active, signal, lines.toleranceUpper, lines.hysteresisUpper);
    default:
        return EvaluateWindow(active, signal, lines);
    }
}
