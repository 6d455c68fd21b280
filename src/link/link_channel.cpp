// The channel between the exchange and a transport, and the reply input both share.
#include "link/link_channel.h"

#include "link/link_state.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace
{

void SendNowhere(const unsigned char *, int) {}

int NothingArrives(void)
{
    return 0;
}

bool SleepFor(double seconds)
{
    if (seconds > 0.0)
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    return true;
}

double SteadySeconds(void)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void KeepFailureQuiet(const TextPair &) {}

const LinkChannel kNoTransport = {SendNowhere, NothingArrives, SleepFor, SteadySeconds, KeepFailureQuiet};

LinkChannel g_channel = kNoTransport;

int InputCount()
{
    int count = g_link.receiveCount;
    return count < 0 ? 0 : (count > kLinkBufferSize ? kLinkBufferSize : count);
}

} // namespace

void InstallLinkChannel(const LinkChannel &channel)
{
    g_channel = channel;
}

const LinkChannel &CurrentLinkChannel(void)
{
    return g_channel;
}

void ResetLinkChannel(void)
{
    g_channel = kNoTransport;
}

int AppendReplyBytes(const unsigned char *bytes, int count)
{
    int stored = InputCount();
    int taken = count < kLinkBufferSize - stored ? count : kLinkBufferSize - stored;
    if (!bytes || taken <= 0)
        return 0;
    std::memcpy(g_link.receiveBuffer + stored, bytes, (size_t)taken);
    g_link.receiveCount = stored + taken;
    return taken;
}

void ClearReplyInput(void)
{
    std::memset(g_link.receiveBuffer, 0, sizeof g_link.receiveBuffer);
    g_link.receiveCount = 0;
}

void DropReplyBytes(int count)
{
    int stored = InputCount();
    if (count <= 0)
        return;
    if (count > stored)
        count = stored;
    std::memmove(g_link.receiveBuffer, g_link.receiveBuffer + count, (size_t)(stored - count));
    std::memset(g_link.receiveBuffer + stored - count, 0, (size_t)count);
    g_link.receiveCount = stored - count;
}

void ReportExchangeFailure(const TextPair &text)
{
    g_channel.reportFailure(text);
}
