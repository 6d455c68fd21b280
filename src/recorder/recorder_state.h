#pragma once
// The recorder's own record. Counters are wide: a long open-ended or triggered
// recording shows its true number of rows.

#include <cstdint>

// Record modes of the mode selector
constexpr int REC_MODE_COUNTED = 0;
constexpr int REC_MODE_CONTINUOUS = 1;
constexpr int REC_MODE_MANUAL = 2;
constexpr int REC_MODE_TRIGGERED = 3;

constexpr double kMinRecordInterval = 0.25; // seconds

struct RecorderState {
    double interval;         // seconds, at least kMinRecordInterval
    uint32_t values;         // VALUES of a counted recording
    uint64_t recorded;       // rows of the current counted or manual run
    uint64_t frameCounter;   // rows of the current open-ended or triggered run
    uint64_t rowsNotWritten; // rows of the current run that the file did not take
    // Frames of the current run that a row could not be made of (too short, or for
    // another request); counted in rowsNotWritten too. Each kind is named in the
    // status box once per recording.
    uint64_t framesRefused;
    bool shortFrameReported;
    bool foreignFrameReported;
    double cycleStart; // Timer() at the start of the current request

    uint64_t rowsWritten; // rows of the current recording written whole, in all its files
    bool diskFull;        // the disk filled: the current recording stopped at once
    // Rows after which a triggered recording ends by itself (the command line's
    // --values); 0: it runs until stopped.
    uint64_t triggeredLimit;
};

extern RecorderState g_recorder;

// Back to the state before start-up.
void ResetRecorderState(void);
