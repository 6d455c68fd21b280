#pragma once
// The living signal: CH0, SIG, references, outputs, inputs, extremes, analog output
// and temperature, computed cycle by cycle from the RAM parameters and a slowly moving
// simulated surface. Time-driven by the monotonic clock, deterministic for a seed.

#include "link/frame.h"

#include <cstdint>

constexpr double kSensorCycleSeconds = 100e-6;

void InitSignalModel(uint64_t seed, double now);
// Runs the sensor cycles up to now (at most the last two seconds of a longer gap) and
// feeds each cycle to the scope.
void AdvanceSignalModel(double now);
// The RAM parameters were replaced: references restart from the teach values.
void RestartSignalReferences();
// The 22-byte live data record of the latest cycle.
void BuildLiveFrame(unsigned char frame[kLiveFrameBytes]);
// Dark signal of the receiver (raw, before the receiver offset), averaged over a few
// cycles: what an offset calculation with the receiver covered measures.
unsigned short MeasureDarkSignal();
// Sensor cycles and elapsed time in 0.1 ms since the previous call (or the start).
void TakeCycleCounts(double now, int &scans, int &elapsedTenthMs);
