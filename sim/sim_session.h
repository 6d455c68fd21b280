#pragma once
// One client conversation on a transport: the bytes received so far, the replies
// waiting to go out with their send times and pacing, auto-send and fault counters.

#include "sim_faults.h"

#include <deque>
#include <vector>

enum SessionIndex { SESSION_TCP = 0, SESSION_PTY = 1, SESSION_COUNT = 2 };

struct OutSegment {
    std::vector<unsigned char> bytes;
    size_t sent = 0;
    double notBefore = 0.0;  // no byte leaves earlier
    double byteTime = 0.0;   // wire time of one byte when paced, else 0
    double wireStart = -1.0; // paced: when the first byte went on the wire
    bool pushed = false;     // an unasked frame (auto-send)
    bool closeAfter = false;
};

struct Session {
    int fd = -1;
    bool isPty = false;
    bool silenced = false; // pty after --close-after: requests are no longer answered
    std::vector<unsigned char> input;
    double lastInputTime = 0.0;
    double inputWireEnd = 0.0; // paced: when the last received byte finished on the wire
    std::deque<OutSegment> output;
    double outputWireEnd = 0.0;
    bool autoSend = false;
    double nextPush = 0.0;
    FaultCounters counters;
};

extern Session g_sessions[SESSION_COUNT];

enum FlushResult { FLUSH_OK, FLUSH_BLOCKED, FLUSH_CLOSE };

void ResetSession(Session &session, int fd, bool isPty);
bool SessionIsOpen(const Session &session);
// Wire time of one byte at the sensor's current speed (10 bits a byte).
double CurrentByteTime();
// Records received bytes; with pacing their wire time is added up.
void NoteInput(Session &session, const unsigned char *bytes, size_t count, double now);
// Queues a shaped reply to start no earlier than readyAt.
void QueueReply(Session &session, const ShapedReply &reply, double readyAt, bool pushed);
// Writes every byte that is due. nextWake is lowered to the time of the next due byte.
FlushResult FlushOutput(Session &session, double now, double &nextWake);
int PendingPushes(const Session &session);
// Unsent pushed frames are dropped: auto-send has stopped.
void DropPendingPushes(Session &session);
