// The offset and factor words from the receive buffer.
#include "offset/offset_reply.h"

#include "link/frame.h"
#include "link/link_state.h"

namespace
{

constexpr int kReadReplyBytes = 4;
constexpr int kCalculateReplyBytes = 2;

} // namespace

bool TakeOffsetReadReply(OffsetWords &words)
{
    if (g_link.replyLength < kReadReplyBytes)
        return false;
    words.offset = GetLe16(ReplyData());
    words.factorTenths = GetLe16(ReplyData() + 2);
    return true;
}

bool TakeOffsetCalculateReply(OffsetWords &words)
{
    if (g_link.replyLength < kCalculateReplyBytes)
        return false;
    words.offset = GetLe16(ReplyData());
    return true;
}
