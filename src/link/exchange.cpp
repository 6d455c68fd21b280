// One request and its reply: building the frame, sending it, waiting for the header
// and the data within their 3.0 s limits, and checking both.
#include "link/exchange.h"

#include "link/link_failure.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "platform/rs232.h"
#include "platform/tcp_client.h"
#include "ui/userint.h"

#include <cstring>

namespace
{

constexpr double kReplyTimeLimit = 3.0; // seconds, a strict greater-than test
// Each pass of a wait sleeps until an event arrives, at most this long, so that the
// time limit is seen on time and no core spins.
constexpr double kWaitStep = 0.002;
// The last sleep of a wait ends just past the limit so that the strict test passes.
constexpr double kPastLimit = 0.0005;
constexpr unsigned kTcpWriteTimeoutMs = 2000;

bool OverTcp()
{
    return g_link.protocol == PROTOCOL_TCP;
}

void SleepUntilEventOrStep(double start)
{
    double step = kReplyTimeLimit - (Timer() - start) + kPastLimit;
    if (step > kWaitStep)
        step = kWaitStep;
    WaitSystemEvents(step > 0.0 ? step : 0.0);
}

// Waits until `needed` bytes are queued (RS-232) or stored by the data handler (TCP),
// or until the limit has passed. True when they came: a reply complete at the moment
// the limit passes still counts.
bool WaitForReplyBytes(int needed)
{
    g_link.startTime = Timer();
    // The first pass only dispatches what is pending: a data block that came with its
    // header is there at once and needs no sleep.
    for (bool firstPass = true;; firstPass = false) {
        if (firstPass)
            ProcessSystemEvents();
        else
            SleepUntilEventOrStep(g_link.startTime);
        if (!OverTcp())
            g_link.receiveCount = GetInQLen(g_link.comPort);
        g_link.elapsed = Timer() - g_link.startTime;
        if (g_link.elapsed > kReplyTimeLimit || g_link.receiveCount >= needed)
            break;
    }
    return g_link.receiveCount >= needed;
}

// Takes the bytes off the serial port. After a time-out only what is queued is taken,
// so a missing reply never blocks the window for the port's read time-out.
void ReadSerialReply(unsigned char *destination, int count, bool complete)
{
    g_link.portStatus = GetComStat(g_link.comPort);
    if (!complete) {
        int queued = GetInQLen(g_link.comPort);
        count = queued < count ? queued : count;
    }
    if (count > 0)
        ComRd(g_link.comPort, destination, count);
}

void SendRequest(int bytesToSend)
{
    if (OverTcp()) {
        g_link.receiveCount = 0;
        ClientTCPWrite(g_link.tcpHandle, g_link.sendBuffer, bytesToSend, kTcpWriteTimeoutMs);
    } else {
        FlushInQ(g_link.comPort);
        FlushOutQ(g_link.comPort);
        ComWrt(g_link.comPort, g_link.sendBuffer, bytesToSend);
    }
}

int CheckErrorReply()
{
    if (g_link.replyCommand != kErrorReplyCommand)
        return LINK_OK;
    if (g_link.replyParameter == kErrorUnknownCommand) {
        ReportLinkFailure(kTxtInvalidOrder);
        return LINK_FAILED;
    }
    if (g_link.replyParameter == kErrorCommunication) {
        ReportLinkFailure(kTxtSensorCommError);
        return LINK_FAILED;
    }
    return LINK_OK;
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

int DataExchange(int bytesToSend)
{
    std::memset(g_link.receiveBuffer, 0, sizeof g_link.receiveBuffer);
    g_link.portStatus = 0;
    if (bytesToSend < 0)
        bytesToSend = 0;
    if (bytesToSend > kLinkBufferSize)
        bytesToSend = kLinkBufferSize;
    SendRequest(bytesToSend);
    if (GetHeaderFrame() != LINK_OK)
        return LINK_FAILED;
    if (g_link.replyLength == 0)
        return LINK_OK;
    return GetDataFrame();
}

int GetHeaderFrame(void)
{
    bool complete = WaitForReplyBytes(kFrameHeaderSize);
    if (!OverTcp())
        ReadSerialReply(g_link.receiveBuffer, kFrameHeaderSize, complete);
    if (!complete || g_link.portStatus > 0) {
        ReportLinkFailure(kTxtTimeout);
        return LINK_FAILED;
    }
    if (CheckHeaderCRC() != LINK_OK)
        return LINK_FAILED;
    return CheckErrorReply();
}

int CheckHeaderCRC(void)
{
    const unsigned char *header = g_link.receiveBuffer;
    // A length beyond the receive buffer is as unusable as a broken header.
    if (!FrameHeaderIsValid(header) || ParseFrameHeader(header).length > kMaxReplyData) {
        ReportLinkFailure(kTxtBadHeader);
        return LINK_FAILED;
    }
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
    if (length > kMaxReplyData) {
        ReportLinkFailure(kTxtBadHeader);
        return LINK_FAILED;
    }
    bool complete = false;
    if (OverTcp()) {
        complete = WaitForReplyBytes(kFrameHeaderSize + length);
    } else {
        complete = WaitForReplyBytes(length);
        ReadSerialReply(g_link.receiveBuffer + kFrameHeaderSize, length, complete);
    }
    if (!complete || g_link.portStatus > 0) {
        ReportLinkFailure(kTxtTimeout);
        return LINK_FAILED;
    }
    if (crc8Update(g_link.receiveBuffer, kFrameHeaderSize, length, kCrc8Table) != g_link.replyDataCrc) {
        ReportLinkFailure(kTxtBadData);
        return LINK_FAILED;
    }
    return LINK_OK;
}
