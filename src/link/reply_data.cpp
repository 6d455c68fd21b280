#include "link/reply_data.h"

#include "link/exchange.h"
#include "link/link_channel.h"
#include "link/link_state.h"
#include "link/link_texts.h"

#include <cstring>

void TakeReplyText(char *field, int size)
{
    std::memset(field, 0, (size_t)size);
    int length = g_link.replyLength < size - 1 ? g_link.replyLength : size - 1;
    std::memcpy(field, ReplyData(), (size_t)length);
}

// A set padded with zeros or cut short would put values into the form that the
// sensor never sent, and the next SEND would write them back.
int TakeParameterSetReply(unsigned char payload[kParameterSetBytes])
{
    if (g_link.replyLength != kParameterSetBytes) {
        ReportExchangeFailure(kTxtBadData);
        return LINK_FAILED;
    }
    std::memcpy(payload, ReplyData(), kParameterSetBytes);
    return LINK_OK;
}
