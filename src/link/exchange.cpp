// One request and its reply: building the frame, sending it, waiting for the header
// and the data within their 3.0 s limits, and checking both. Everything goes through
// the link channel, so the same code runs over a transport or over bytes alone.
#include "link/exchange.h"

#include "link/link_channel.h"
#include "link/link_state.h"
#include "link/link_texts.h"

#include <cstring>

namespace
{

constexpr double kReplyTimeLimit = 3.0; // seconds, a strict greater-than test
// Each pass of a wait dispatches what is pending or else sleeps until an event arrives
// (arriving bytes, a quit request and every UI event wake it), at most this long; the
// last pass is cut to end at the limit. Only a wait that nothing wakes goes by steps,
// and few of them cost next to no CPU.
constexpr double kWaitStep = 0.025;
// The last sleep of a wait ends just past the limit so that the strict test passes.
constexpr double kPastLimit = 0.0005;

const LinkChannel &Channel()
{
    return CurrentLinkChannel();
}

double Elapsed(double start)
{
    return Channel().clock() - start;
}

// Sleeps until an event or the next step; false when waiting must end.
bool SleepUntilEventOrStep(double start)
{
    double step = kReplyTimeLimit - Elapsed(start) + kPastLimit;
    if (step > kWaitStep)
        step = kWaitStep;
    return Channel().wait(step > 0.0 ? step : 0.0);
}

// Collects arriving bytes until the input holds `needed` of them, the limit counted
// from `start` has passed, the port reports an error or the program is being closed.
// True when they came: a reply complete at the moment the limit passes still counts.
bool WaitForInput(int needed, double start)
{
    g_link.startTime = start;
    // A data block that came with its header is there already.
    if (g_link.receiveCount >= needed)
        return true;
    // Every pass dispatches events first: bytes already there end the first pass at
    // once, so it needs no separate pass that only dispatches.
    for (;;) {
        bool waiting = SleepUntilEventOrStep(start);
        int errorBits = Channel().collect();
        if (errorBits > 0)
            g_link.portStatus = errorBits;
        g_link.elapsed = Elapsed(start);
        if (g_link.receiveCount >= needed)
            return true;
        if (!waiting || g_link.portStatus > 0 || g_link.elapsed > kReplyTimeLimit)
            return false;
    }
}

int Fail(const TextPair &text)
{
    ReportExchangeFailure(text);
    return LINK_FAILED;
}

int CheckErrorReply()
{
    if (g_link.replyCommand != kErrorReplyCommand)
        return LINK_OK;
    if (g_link.replyParameter == kErrorUnknownCommand)
        return Fail(kTxtInvalidOrder);
    if (g_link.replyParameter == kErrorCommunication)
        return Fail(kTxtSensorCommError);
    return LINK_OK;
}

// A reply echoes the request's command; 0 marks an error reply. Anything else is a
// frame meant for another request (a late reply, a pushed frame).
bool IsReplyToRequest(unsigned char requestCommand)
{
    return g_link.replyCommand == requestCommand || g_link.replyCommand == kErrorReplyCommand;
}

// One request and its reply; the link is in use meanwhile.
int ExchangeInUse(int bytesToSend)
{
    ClearReplyInput();
    g_link.portStatus = 0;
    if (bytesToSend < 0)
        bytesToSend = 0;
    if (bytesToSend > kLinkBufferSize)
        bytesToSend = kLinkBufferSize;
    Channel().send(g_link.sendBuffer, bytesToSend);
    if (GetHeaderFrame() != LINK_OK)
        return LINK_FAILED;
    if (g_link.replyLength == 0)
        return LINK_OK;
    return GetDataFrame();
}

} // namespace

void FillTxBuf(int command, unsigned parameter, unsigned length)
{
    unsigned dataLength = length & 0xFFFF;
    // The payload area ends with the buffer; a longer length cannot be sent.
    if (dataLength > (unsigned)kMaxReplyData)
        dataLength = (unsigned)kMaxReplyData;
    BuildFrameHeader(g_link.request, command, parameter, RequestPayload(), dataLength);
    std::memcpy(g_link.sendBuffer, g_link.request, (size_t)kFrameHeaderSize + dataLength);
}

bool LinkInUse(void)
{
    return g_link.linkUseDepth > 0;
}

bool BeginLinkUse(void)
{
    if (LinkInUse()) {
        ++g_link.nestedExchanges;
        return false;
    }
    ++g_link.linkUseDepth;
    return true;
}

void EndLinkUse(void)
{
    if (g_link.linkUseDepth > 0)
        --g_link.linkUseDepth;
}

int NestedExchangeCount(void)
{
    return g_link.nestedExchanges;
}

void WaitOnLink(double seconds)
{
    ++g_link.linkUseDepth;
    Channel().wait(seconds);
    EndLinkUse();
}

int DataExchange(int bytesToSend)
{
    if (!BeginLinkUse())
        return LINK_REFUSED;
    int result = ExchangeInUse(bytesToSend);
    EndLinkUse();
    return result;
}

// Frames that answer another request are skipped whole, header and data, and the wait
// goes on for the right one within the same limit.
int GetHeaderFrame(void)
{
    unsigned char requestCommand = g_link.sendBuffer[1];
    double start = Channel().clock();
    for (;;) {
        if (!WaitForInput(kFrameHeaderSize, start))
            return Fail(kTxtTimeout);
        if (CheckHeaderCRC() != LINK_OK)
            return LINK_FAILED;
        if (IsReplyToRequest(requestCommand))
            return CheckErrorReply();
        int frameSize = kFrameHeaderSize + g_link.replyLength;
        if (!WaitForInput(frameSize, start))
            return Fail(kTxtTimeout);
        DropReplyBytes(frameSize);
    }
}

int CheckHeaderCRC(void)
{
    const unsigned char *header = g_link.receiveBuffer;
    // A length beyond the receive buffer is as unusable as a broken header.
    if (!FrameHeaderIsValid(header) || ParseFrameHeader(header).length > kMaxReplyData)
        return Fail(kTxtBadHeader);
    FrameHeader fields = ParseFrameHeader(header);
    g_link.replyCommand = fields.command;
    g_link.replyParameter = fields.parameter;
    g_link.replyLength = fields.length;
    g_link.replyDataCrc = fields.dataCrc;
    return LINK_OK;
}

int GetDataFrame(void)
{
    int length = g_link.replyLength;
    if (length > kMaxReplyData)
        return Fail(kTxtBadHeader);
    if (!WaitForInput(kFrameHeaderSize + length, Channel().clock()))
        return Fail(kTxtTimeout);
    if (crc8Update(g_link.receiveBuffer, kFrameHeaderSize, length, kCrc8Table) != g_link.replyDataCrc)
        return Fail(kTxtBadData);
    return LINK_OK;
}
