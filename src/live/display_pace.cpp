#include "live/display_pace.h"

#include "live/live_state.h"
#include "ui/userint.h"

namespace
{

constexpr double kDisplayInterval = 1.0 / 60.0;

} // namespace

void StartDisplayPace(void)
{
    g_live.lastShownTime = Timer() - kDisplayInterval;
    g_live.frameUnshown = false;
}

bool DisplayRefreshDue(void)
{
    if (Timer() - g_live.lastShownTime >= kDisplayInterval)
        return true;
    g_live.frameUnshown = true;
    return false;
}

void DisplayRefreshed(void)
{
    g_live.frameUnshown = false;
    g_live.lastShownTime = Timer();
}

bool FrameHeldBack(void)
{
    return g_live.frameUnshown;
}
