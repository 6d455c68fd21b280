#pragma once
// A scope scan's three data frames taken from the link's input, each checked (header
// CRC, command 110 with 128 samples, data CRC) before it is unrolled. Plain C++: a
// refused frame is reported through the link channel like every exchange failure, so
// the program and the link reply fuzz target run the same checks; the waits for the
// frames stay with their callers.

#include "link/frame.h"

constexpr int kScopeBlocks = 3; // CH0, SIG, digital states
// A scan's three data frames over TCP/IP follow the request's acknowledgement.
constexpr int kScopeFrameBytes = kFrameHeaderSize + 2 * kScopeSamples;
constexpr int kScopeTcpBytes = kFrameHeaderSize + kScopeBlocks * kScopeFrameBytes; // 800

// Only a scope frame can be unrolled: an intact header of command 110 with 128 samples.
bool IsScopeFrameHeader(const unsigned char header[kFrameHeaderSize]);

// Over TCP/IP: the acknowledgement's header and the three frames behind it, all
// kScopeTcpBytes of them in `input`. Every frame must pass its checks; false after
// the first refused one (reported), with `blocks` then partly written.
bool EvaluateTcpScopeFrames(const unsigned char input[kScopeTcpBytes], int triggerMode, int preTrigger,
                            unsigned short blocks[kScopeBlocks][kScopeSamples]);

// Over RS-232: the frame whose header leads the link's input. Its header is checked,
// its data awaited within the reply time limit and checked, and its samples unrolled
// into `block`. The frame stays at the front of the input (DropCheckedFrame). False
// after a refused frame or a time-out (reported).
bool TakeSerialScopeFrame(int triggerMode, int preTrigger, unsigned short block[kScopeSamples]);

// Drops the frame whose header was checked last, header and data, from the input:
// the scan's acknowledgement or a frame taken by TakeSerialScopeFrame. The next frame
// moves to the front.
void DropCheckedFrame(void);
