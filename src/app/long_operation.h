#pragma once
// The long operations: live polling, the recorder's loops, the scope scan and the
// offset compensation run as loops inside a callback and test a 16-bit flag on each
// pass, while other callbacks run nested in their waits. This is the one place that
// starts and ends them: a loop starts with StartLoop and leaves when LoopRunning turns
// false; everything else (stop buttons, page changes, the recorder's mode selector,
// the close box, the link failure) only asks a loop to stop.

enum LoopKind {
    LOOP_LIVE, // the live-data running flag: live polling and the recorder's loops
    LOOP_SCAN, // the scan-running flag: an armed scope scan
};

struct LoopState {
    short liveRunning;   // 1 while live polling or a recording runs
    short scanRunning;   // 1 while a scope scan waits for its data
    short sendRequested; // SEND pressed during live polling: served between two frames
    short getRequested;  // GET pressed during live polling: served between two frames
};

extern LoopState g_loops;

// Sets the loop's flag. False when a long operation of either kind already runs, so
// two loops never share the link, and once a quit has been requested.
bool StartLoop(LoopKind kind);
// Tested on every pass: the loop goes on while this is true; false from a quit request on.
bool LoopRunning(LoopKind kind);
// Asks one loop to stop (its stop button, a page change, the mode selector); also the
// loop's own end.
void StopLoop(LoopKind kind);
// StopLoop(LOOP_LIVE) as a button's action: STOP, and STOP of the recorder.
void StopLivePolling(void);
// Asks every loop to stop: the link failure, the close box and a quit.
void StopAllLoops(void);
// Whether any long operation runs.
bool AnyLoopRunning(void);
// Forgets a SEND or GET requested during polling that was not served.
void DropTransferRequests(void);
// Clears every flag, also the pending SEND and GET requests.
void ResetLoops(void);
