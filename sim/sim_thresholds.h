#pragma once
// Switching threshold lines and the output evaluation. The lines are computed exactly
// as the program's live display draws them, so that an output switches where the
// operator sees its line crossed.

enum ThresholdMode { TM_LOW = 0, TM_HIGH = 1, TM_WIN = 2, TM_TWO_THRESHOLDS = 3 };

struct ThresholdLines {
    int toleranceUpper;
    int toleranceLower;
    int hysteresisUpper;
    int hysteresisLower;
};

// calc 1 RELATIVE: tolerance and hysteresis in integer percent of REF; otherwise digits.
// Upper lines stop at 4095, lower lines at 0.
ThresholdLines ComputeThresholdLines(int ref, int calc, int tolerance, int hysteresis);

// New state of one threshold ("signal within tolerance") for a signal value. The state
// switches on when the signal passes both the tolerance and the hysteresis line into
// the active region and off when it leaves across both lines, so the band between the
// two lines is the switching hysteresis.
bool EvaluateThreshold(bool active, int signal, const ThresholdLines &lines, int mode);
