#pragma once
// Faults injected into the replies on request: each reply passes through ShapeReply,
// which decides from the fault settings and the session's counters what goes out.

#include <cstddef>
#include <vector>

// Replies counted per session since the last reset (new TCP client, control line).
struct FaultCounters {
    long matched = 0;  // replies to the fault command (or to any command)
    long affected = 0; // matched replies after the first fault-after ones
};

struct ShapedReply {
    std::vector<unsigned char> bytes;
    size_t headerBytes = 0;  // bytes sent before the data delay
    double delay = 0.0;      // seconds before the first byte
    double dataDelay = 0.0;  // seconds between header and data
    bool send = true;        // false: nothing goes out
    bool closeAfter = false; // the connection closes once these bytes are out
};

constexpr int kOversizeLength = 3000;
constexpr unsigned char kBadSyncByte = 0xAA;

std::vector<unsigned char> BuildFrame(int command, unsigned parameter, const unsigned char *data,
                                      size_t length);
std::vector<unsigned char> BuildErrorFrame(unsigned code);

// Applies the current fault settings to one reply frame. command is the command the
// reply belongs to (the request's, or the command a pushed frame carries).
ShapedReply ShapeReply(FaultCounters &counters, int command, std::vector<unsigned char> frame);
