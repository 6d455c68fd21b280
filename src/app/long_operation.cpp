#include "app/long_operation.h"

#include "platform/tcp_client.h"
#include "ui/userint.h"

LoopState g_loops;

namespace
{

short &RunningFlagOf(LoopKind kind)
{
    return kind == LOOP_SCAN ? g_loops.scanRunning : g_loops.liveRunning;
}

short &ActiveFlagOf(LoopKind kind)
{
    return kind == LOOP_SCAN ? g_loops.scanActive : g_loops.liveActive;
}

// A reconnection's connect to an unreachable host would otherwise wait for its time-out.
void EndReconnectAttempt()
{
    if (g_loops.reconnecting)
        CancelTCPConnect();
}

} // namespace

bool StartLoop(LoopKind kind)
{
    if (AnyLoopActive() || QuitRequested())
        return false;
    RunningFlagOf(kind) = 1;
    ActiveFlagOf(kind) = 1;
    return true;
}

// A program being closed ends every loop, also when the quit came from a question's
// "Close" rather than from the close box.
bool LoopRunning(LoopKind kind)
{
    return RunningFlagOf(kind) == 1 && !QuitRequested();
}

void StopLoop(LoopKind kind)
{
    RunningFlagOf(kind) = 0;
    if (kind == LOOP_LIVE)
        EndReconnectAttempt();
}

bool ReconnectionStopped(void)
{
    return g_loops.reconnecting && !LoopRunning(LOOP_LIVE);
}

void StopLivePolling(void)
{
    StopLoop(LOOP_LIVE);
}

void StopAllLoops(void)
{
    g_loops.liveRunning = 0;
    g_loops.scanRunning = 0;
    EndReconnectAttempt();
}

void EndLoop(LoopKind kind)
{
    RunningFlagOf(kind) = 0;
    ActiveFlagOf(kind) = 0;
}

bool LoopActive(LoopKind kind)
{
    return ActiveFlagOf(kind) == 1;
}

bool AnyLoopActive(void)
{
    return LoopActive(LOOP_LIVE) || LoopActive(LOOP_SCAN);
}

void DropTransferRequests(void)
{
    g_loops.sendRequested = 0;
    g_loops.getRequested = 0;
}

void ResetLoops(void)
{
    g_loops = LoopState{};
}
