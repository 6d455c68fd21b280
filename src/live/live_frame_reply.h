#pragma once
// Taking the live frame from a verified reply to command 8. Plain C++: the program and
// the link reply fuzz target share it.

#include "live/live_state.h"

// Only a live data reply with a whole frame is taken into `frame`; true then. Anything
// shorter, or an error reply, leaves `frame` as it was, so that no zeros are shown or
// recorded in place of values the sensor never sent.
bool TakeLiveFrameReply(LiveFrame &frame);
