// The link channel of the running program: requests go out over the serial port or
// the TCP conversation, serial bytes are collected from the port's input queue (TCP
// bytes are stored by the data-ready handler while events run), waits dispatch UI
// events, and a failed exchange is the link failure.
#include "app/long_operation.h"
#include "link/link_channel.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "link/transport.h"
#include "platform/rs232.h"
#include "platform/tcp_client.h"
#include "ui/userint.h"

namespace
{

constexpr unsigned kTcpWriteTimeoutMs = 2000;

bool OverTcp()
{
    return g_link.protocol == PROTOCOL_TCP;
}

// The write's own result is not examined: a write that fails shows up as a time-out
// of the reply.
void SendOverTransport(const unsigned char *bytes, int count)
{
    if (OverTcp()) {
        ClientTCPWrite(g_link.tcpHandle, bytes, count, kTcpWriteTimeoutMs);
        return;
    }
    // Stale input and an unsent rest of an earlier request go first; asking costs
    // less than flushing a queue that is empty, as it nearly always is.
    if (GetInQLen(g_link.comPort) > 0)
        FlushInQ(g_link.comPort);
    if (GetOutQLen(g_link.comPort) > 0)
        FlushOutQ(g_link.comPort);
    ComWrt(g_link.comPort, bytes, count);
}

// Only what is queued is taken, so a read never blocks the window for the port's
// read time-out.
int CollectSerialBytes()
{
    int errorBits = GetComStat(g_link.comPort);
    int space = kLinkBufferSize - g_link.receiveCount;
    int queued = GetInQLen(g_link.comPort);
    int count = queued < space ? queued : space;
    if (count > 0) {
        int read = ComRd(g_link.comPort, g_link.receiveBuffer + g_link.receiveCount, count);
        if (read > 0)
            g_link.receiveCount += read;
    }
    return errorBits;
}

int CollectFromTransport(void)
{
    return OverTcp() ? 0 : CollectSerialBytes();
}

// A program being closed does not sleep: what is pending is dispatched, and the wait
// ends. A reconnection attempt that has been stopped ends its waits too, so that STOP
// never waits for a silent sensor's time-out.
bool WaitForEvents(double seconds)
{
    if (seconds > 0.0 && !QuitRequested() && !ReconnectionStopped())
        WaitSystemEvents(seconds);
    else
        ProcessSystemEvents();
    return !QuitRequested() && !ReconnectionStopped();
}

double RuntimeSeconds(void)
{
    return Timer();
}

const LinkChannel kTransportChannel = {SendOverTransport, CollectFromTransport, WaitForEvents, RuntimeSeconds,
                                       ReportLinkFailure};

} // namespace

void UseTransportChannel(void)
{
    InstallLinkChannel(kTransportChannel);
}
