// Reading pushed frames off the stream without a time-out for the next header (the
// sensor sends when it measures), with the link's 3.0 s limit for the rest of a frame
// once its header is there. The waits sleep until an event arrives, so waiting for
// slow frames costs no CPU.
#include "recorder/pushed_frames.h"

#include "app/long_operation.h"
#include "connection/reconnect.h"
#include "link/exchange.h"
#include "link/frame.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "platform/rs232.h"
#include "platform/tcp_client.h"
#include "ui/userint.h"

#include <cstring>

namespace
{

constexpr double kFrameWaitStep = 0.05;
constexpr double kDataTimeLimit = 3.0;
constexpr unsigned kTcpWriteTimeoutMs = 2000;

enum StreamWait { BYTES_THERE, WAIT_STOPPED, WAIT_FAILED };

bool OverTcp()
{
    return g_link.protocol == PROTOCOL_TCP;
}

int StreamCount()
{
    int count = g_link.receiveCount;
    return count < 0 ? 0 : (count > kLinkBufferSize ? kLinkBufferSize : count);
}

void DropStreamBytes(int count)
{
    int stored = StreamCount();
    if (count > stored)
        count = stored;
    std::memmove(g_link.receiveBuffer, g_link.receiveBuffer + count, (size_t)(stored - count));
    g_link.receiveCount = stored - count;
}

// The request goes out as every exchange sends it; the serial input is emptied first,
// so that nothing from before belongs to the stream.
void SendOnStream(int count)
{
    if (OverTcp()) {
        ClientTCPWrite(g_link.tcpHandle, g_link.sendBuffer, count, kTcpWriteTimeoutMs);
        return;
    }
    FlushInQ(g_link.comPort);
    FlushOutQ(g_link.comPort);
    ComWrt(g_link.comPort, g_link.sendBuffer, count);
}

// Serial bytes are moved from the port's queue onto the stream; TCP bytes are put
// there by the data-ready handler while events run. Returns the port's error bits.
int CollectStream()
{
    if (OverTcp())
        return 0;
    int errorBits = GetComStat(g_link.comPort);
    int stored = StreamCount();
    int space = kLinkBufferSize - stored;
    int queued = GetInQLen(g_link.comPort);
    int count = queued < space ? queued : space;
    if (count > 0) {
        int read = ComRd(g_link.comPort, g_link.receiveBuffer + stored, count);
        if (read > 0)
            g_link.receiveCount = stored + read;
    }
    return errorBits;
}

// Waits until the stream holds `needed` bytes. Without a limit the wait ends when the
// recording is stopped or its link lost (a closed TCP conversation); with one, after
// the link's 3.0 s.
StreamWait WaitForStream(int needed, bool limited)
{
    double start = Timer();
    for (;;) {
        if (CollectStream() > 0) {
            ReportLinkFailure(kTxtTimeout);
            return WAIT_FAILED;
        }
        if (StreamCount() >= needed)
            return BYTES_THERE;
        if (!limited && !LoopRunning(LOOP_LIVE))
            return WAIT_STOPPED;
        if (!limited && LinkLostDuringLoop())
            return WAIT_FAILED;
        if (limited && Timer() - start > kDataTimeLimit) {
            ReportLinkFailure(kTxtTimeout);
            return WAIT_FAILED;
        }
        WaitOnLink(kFrameWaitStep);
    }
}

int CheckErrorFrame()
{
    if (g_link.replyParameter == kErrorUnknownCommand) {
        ReportLinkFailure(kTxtInvalidOrder);
        return -1;
    }
    if (g_link.replyParameter == kErrorCommunication) {
        ReportLinkFailure(kTxtSensorCommError);
        return -1;
    }
    return 0;
}

// The request and the wait for its acknowledgement are one exchange.
int StartPushStreamInUse(int command, unsigned parameter)
{
    g_link.currentCommand = (unsigned char)command;
    FillTxBuf(command, parameter, 0);
    g_link.receiveCount = 0;
    g_link.portStatus = 0;
    SendOnStream(kFrameHeaderSize);
    for (;;) {
        if (WaitForStream(kFrameHeaderSize, true) != BYTES_THERE || CheckHeaderCRC() != LINK_OK)
            return LINK_FAILED;
        if (g_link.replyCommand == kErrorReplyCommand && CheckErrorFrame() < 0)
            return LINK_FAILED;
        int frameSize = kFrameHeaderSize + g_link.replyLength;
        if (WaitForStream(frameSize, true) != BYTES_THERE)
            return LINK_FAILED;
        bool reply = g_link.replyCommand == command || g_link.replyCommand == kErrorReplyCommand;
        DropStreamBytes(frameSize);
        if (reply)
            return LINK_OK;
    }
}

} // namespace

int StartPushStream(int command, unsigned parameter)
{
    if (!BeginLinkUse())
        return LINK_REFUSED;
    int result = StartPushStreamInUse(command, parameter);
    EndLinkUse();
    return result;
}

int TakePushedFrame(int command, unsigned char *payload, int size)
{
    StreamWait wait = WaitForStream(kFrameHeaderSize, false);
    if (wait != BYTES_THERE)
        return wait == WAIT_STOPPED ? PUSHED_FRAME_STOPPED : PUSHED_FRAME_FAILED;
    if (CheckHeaderCRC() != LINK_OK)
        return PUSHED_FRAME_FAILED;
    if (g_link.replyCommand == kErrorReplyCommand && CheckErrorFrame() < 0)
        return PUSHED_FRAME_FAILED;
    int frameSize = kFrameHeaderSize + g_link.replyLength;
    if (WaitForStream(frameSize, true) != BYTES_THERE)
        return PUSHED_FRAME_FAILED;
    if (crc8Update(g_link.receiveBuffer, kFrameHeaderSize, g_link.replyLength, kCrc8Table) !=
        g_link.replyDataCrc) {
        ReportLinkFailure(kTxtBadData);
        return PUSHED_FRAME_FAILED;
    }
    int outcome = PUSHED_FRAME_TAKEN;
    if (g_link.replyCommand != command)
        outcome = PUSHED_FRAME_FOREIGN;
    else if (g_link.replyLength < size)
        outcome = PUSHED_FRAME_SHORT;
    else
        std::memcpy(payload, g_link.receiveBuffer + kFrameHeaderSize, (size_t)size);
    DropStreamBytes(frameSize);
    return outcome;
}
