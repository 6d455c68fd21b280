// The live frame from the receive buffer.
#include "live/live_frame_reply.h"

#include "link/link_state.h"

#include <cstring>

bool TakeLiveFrameReply(LiveFrame &frame)
{
    if (g_link.replyCommand != ORDER_READ_DATA_FRAME || g_link.replyLength < kLiveFrameBytes)
        return false;
    std::memcpy(&frame, ReplyData(), sizeof frame);
    return true;
}
