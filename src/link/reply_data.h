#pragma once
// Taking what a command needs from a verified reply in the receive buffer. Plain C++:
// a refused reply is reported through the link channel like every exchange failure.

#include "link/frame.h"

// Copies at most `size - 1` reply bytes into a zeroed field, so a short reply leaves
// zeros and a long one is cut with its terminator inside the field.
void TakeReplyText(char *field, int size);
// The 64 bytes of a parameter set. A reply of any other length is refused as an
// incorrect data frame (LINK_FAILED, reported), and `payload` is left as it was.
int TakeParameterSetReply(unsigned char payload[kParameterSetBytes]);
