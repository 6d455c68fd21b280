#pragma once
// The long operations: live polling, the recorder's loops, the scope scan and the
// offset compensation run as loops inside a callback and test a 16-bit flag on each
// pass, while other callbacks run nested in their waits. This is the one place that
// starts and ends them: a loop starts with StartLoop, leaves when LoopRunning turns
// false and ends with EndLoop; everything else (stop buttons, page changes, the
// recorder's mode selector, the close box, the link failure) only asks a loop to stop.
// A loop asked to stop is still active until it has returned (its exchange under way
// finishes first), and no other loop starts before that.

enum LoopKind {
    LOOP_LIVE, // the live-data running flag: live polling and the recorder's loops
    LOOP_SCAN, // the scan-running flag: an armed scope scan
};

struct LoopState {
    short liveRunning;   // 1 while live polling or a recording should go on
    short scanRunning;   // 1 while a scope scan should go on waiting for its data
    short liveActive;    // 1 from the start of live polling or a recording until it returned
    short scanActive;    // 1 from the start of a scope scan until it returned
    short sendRequested; // SEND pressed during live polling: served between two frames
    short getRequested;  // GET pressed during live polling: served between two frames
    short reconnecting;  // 1 while the live loop waits for the link to come back: a stop
                         // ends the attempt under way at once (its connect and its waits)
};

extern LoopState g_loops;

// Sets the loop's flags. False while a long operation of either kind is active (also
// one asked to stop that has not returned yet), so two loops never share the link and
// none starts inside another's wait, and once a quit has been requested.
bool StartLoop(LoopKind kind);
// Tested on every pass: the loop goes on while this is true; false from a quit request on.
bool LoopRunning(LoopKind kind);
// Asks one loop to stop (its stop button, a page change, the mode selector).
void StopLoop(LoopKind kind);
// Whether a wait of the link should end now because the reconnection it belongs to
// has been stopped.
bool ReconnectionStopped(void);
// StopLoop(LOOP_LIVE) as a button's action: STOP, and STOP of the recorder.
void StopLivePolling(void);
// Asks every loop to stop: the link failure, the close box and a quit.
void StopAllLoops(void);
// The loop's own end: it has returned, and another may start.
void EndLoop(LoopKind kind);
// Whether a loop of this kind, or of any kind, has started and not yet returned.
bool LoopActive(LoopKind kind);
bool AnyLoopActive(void);
// Forgets a SEND or GET requested during polling that was not served.
void DropTransferRequests(void);
// Clears every flag, also the pending SEND and GET requests.
void ResetLoops(void);
