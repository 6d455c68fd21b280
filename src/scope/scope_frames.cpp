// Checking and unrolling a scope scan's three data frames.
#include "scope/scope_frames.h"

#include "link/exchange.h"
#include "link/link_channel.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "scope/scope_unroll.h"

bool IsScopeFrameHeader(const unsigned char header[kFrameHeaderSize])
{
    if (!FrameHeaderIsValid(header))
        return false;
    FrameHeader fields = ParseFrameHeader(header);
    return fields.command == ORDER_SCOPE_SCAN && fields.length == 2 * kScopeSamples;
}

bool EvaluateTcpScopeFrames(const unsigned char input[kScopeTcpBytes], int triggerMode, int preTrigger,
                            unsigned short blocks[kScopeBlocks][kScopeSamples])
{
    for (int i = 0; i < kScopeBlocks; ++i) {
        const unsigned char *frame = input + kFrameHeaderSize + i * kScopeFrameBytes;
        if (!IsScopeFrameHeader(frame)) {
            ReportExchangeFailure(kTxtBadHeader);
            return false;
        }
        const unsigned char *payload = frame + kFrameHeaderSize;
        FrameHeader fields = ParseFrameHeader(frame);
        if (crc8Update(payload, 0, fields.length, kCrc8Table) != fields.dataCrc) {
            ReportExchangeFailure(kTxtBadData);
            return false;
        }
        UnrollScopeFrame(payload, triggerMode, fields.parameter, preTrigger, blocks[i]);
    }
    return true;
}

bool TakeSerialScopeFrame(int triggerMode, int preTrigger, unsigned short block[kScopeSamples])
{
    if (CheckHeaderCRC() != LINK_OK)
        return false;
    if (!IsScopeFrameHeader(g_link.receiveBuffer)) {
        ReportExchangeFailure(kTxtBadHeader);
        return false;
    }
    if (GetDataFrame() != LINK_OK)
        return false;
    UnrollScopeFrame(ReplyData(), triggerMode, g_link.replyParameter, preTrigger, block);
    return true;
}

void DropCheckedFrame(void)
{
    DropReplyBytes(kFrameHeaderSize + g_link.replyLength);
}
