#include "app/long_operation.h"

#include "ui/userint.h"

LoopState g_loops;

namespace
{

short &FlagOf(LoopKind kind)
{
    return kind == LOOP_SCAN ? g_loops.scanRunning : g_loops.liveRunning;
}

} // namespace

bool StartLoop(LoopKind kind)
{
    if (AnyLoopRunning() || QuitRequested())
        return false;
    FlagOf(kind) = 1;
    return true;
}

// A program being closed ends every loop, also when the quit came from a question's
// "Close" rather than from the close box.
bool LoopRunning(LoopKind kind)
{
    return FlagOf(kind) == 1 && !QuitRequested();
}

void StopLoop(LoopKind kind)
{
    FlagOf(kind) = 0;
}

void StopLivePolling(void)
{
    StopLoop(LOOP_LIVE);
}

void StopAllLoops(void)
{
    g_loops.liveRunning = 0;
    g_loops.scanRunning = 0;
}

bool AnyLoopRunning(void)
{
    return g_loops.liveRunning == 1 || g_loops.scanRunning == 1;
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
