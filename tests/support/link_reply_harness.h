#pragma once
// The reply side of one exchange, driven from bytes alone through the link channel:
// the header checks, frames for other requests skipped, the payload read, and the
// reply handling of the command. Shared by the fuzz target (fuzz/fuzz_link_reply.cpp)
// and the test that replays its seeds and every input that ever stopped it.
//
// Input: byte 0 picks the request (kReplyHarnessCommands[byte % count]), byte 1 how
// many bytes arrive at each look at the input (1 to 64), the rest is what the sensor
// sends. A broken promise of the exchange (a failure not reported exactly once, a
// success that is no verified reply to the request, a count outside the receive
// buffer) aborts.

#include <cstddef>

// The commands the program sends today whose replies it takes without a window.
extern const int kReplyHarnessCommands[];
extern const int kReplyHarnessCommandCount;

// Runs one input; LINK_OK when a verified reply was taken, LINK_FAILED when the
// exchange or the command's reply handling refused it.
int RunReplyInput(const unsigned char *data, size_t size);
