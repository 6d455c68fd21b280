#pragma once
// The reply side of one exchange, driven from bytes alone through the link channel:
// the header checks, frames for other requests skipped, the payload read, and the
// reply handling of the command. Shared by the fuzz target (fuzz/fuzz_link_reply.cpp)
// and the test that replays its seeds and every input that ever stopped it.
//
// Input: byte 0 picks the request (kReplyHarnessRequests[byte % count]), byte 1 how
// many bytes arrive at each look at the input (1 + byte % 64), the rest is what the
// sensor sends. New requests are appended to the table and the first ten keep their
// places, so a seed whose byte 0 is below 10 selects the same request as when the
// table held those ten alone.
//
// The scope scan (command 110) reads two more bytes before the sensor's: the page's
// trigger mode and pre-trigger count (bytes 2 and 3). Bit 6 of byte 1 selects the
// transport of the scan's three data frames: clear for RS-232 (each frame read from
// the input after the one before), set for TCP/IP (evaluated once the input holds
// the acknowledgement and all three frames). Input that runs out while the scan waits
// for its frames ends the run as the armed wait would: nothing reported.
//
// A broken promise aborts: a failure not reported exactly once, a success that is no
// verified reply to the request, a count outside the receive buffer, scope samples
// that do not come from frames that passed all their checks, a ring start outside
// 0..127.

#include <cstddef>

struct ReplyHarnessRequest {
    int command;
    unsigned parameter;
};

// The requests the program sends whose replies it takes without a window.
extern const ReplyHarnessRequest kReplyHarnessRequests[];
extern const int kReplyHarnessRequestCount;

// The outcome of a scope scan whose input ran out while it waited for its frames.
constexpr int kReplyHarnessScanArmed = 0;

// Runs one input; LINK_OK when a verified reply was taken, LINK_FAILED when the
// exchange or the command's reply handling refused it (reported as the program does:
// through the link channel, or only on the page for the offset and hardware replies
// and not at all for a reply without a live frame), kReplyHarnessScanArmed for a scan
// still waiting when the input ended.
int RunReplyInput(const unsigned char *data, size_t size);
