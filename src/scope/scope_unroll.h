#pragma once
// Unrolling a scan's ring of 128 positions into samples in time order. Plain C++: the
// program and the link reply fuzz target share it.

#include "link/frame.h"

// Sample k of an unrolled block is ring position (s + k) mod 128, with s = 0 for a
// single shot and (P + 128 - pre-trigger count) mod 128 otherwise.
int ScopeStartIndex(int triggerMode, int ringPosition, int preTrigger);
void UnrollScopeFrame(const unsigned char *payload, int triggerMode, int ringPosition, int preTrigger,
                      unsigned short block[kScopeSamples]);
