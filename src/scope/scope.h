#pragma once
// The scope: triggered scans of 128 samples of CH0, SIG and the digital state word,
// the sensor's cycle time as the time base, cursors with delta X and delta Y, and the
// printed report of the scope panel.

#include "link/frame.h"
#include "scope/scope_frames.h"
#include "scope/scope_unroll.h"

constexpr int kDigitalTraces = 4;

struct ScopeState {
    unsigned short samples[kScopeBlocks][kScopeSamples]; // kept until the next complete scan
    // Bits 0, 1, 8 and 9 of the state words, each plus its base level 2, 0, 6, 4.
    unsigned short digital[kDigitalTraces][kScopeSamples];
    double cycleTime;      // ms, the time base of delta X; 0 until measured
    double elapsedSeconds; // interval of the last cycle time measurement
    unsigned short scanRate;
    bool dropSent; // the sensor has been told to drop the armed scan
};

extern ScopeState g_scope;

void ResetScopeState(void);

// One complete scan: request, the wait for the trigger and the three frames, plot.
void GetScopeData(void);
// Tells the sensor to drop the armed scan and ends the scan's wait.
void BreakDataScan(void);
void GetCycleTime(void);
void calcScopDeltaXY(void);
void PrintScopeGraph(void);

// Redraws the analog graph with the blocks the signal selector names.
void PlotScopeSignals(int selection);
// Draws a complete scan: both analog blocks and the four digital traces.
void PlotScopeScan(void);
// Display precisions of the scan frequency, the cycle time and delta X.
int ScanFrequencyPrecision(double frequency);
int CycleTimePrecision(double frequency);
int DeltaXPrecision(double deltaX);
