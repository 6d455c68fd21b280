#include "live/display_pace.h"

#include "live/live_display.h"
#include "live/live_state.h"
#include "ui/userint.h"

namespace
{

constexpr double kDisplayInterval = 1.0 / 60.0;

void DisplayRefreshed()
{
    g_live.frameUnshown = false;
    g_live.lastShownTime = Timer();
}

} // namespace

void StartDisplayPace(void)
{
    g_live.lastShownTime = Timer() - kDisplayInterval;
    g_live.frameUnshown = false;
}

bool ShowFrameAtScreenPace(void)
{
    if (Timer() - g_live.lastShownTime < kDisplayInterval) {
        // Too soon after the last refresh: the frame still joins the histories.
        AppendFrameToHistories();
        g_live.frameUnshown = true;
        return false;
    }
    SetPanelData();
    ShowGraph();
    DisplayRefreshed();
    return true;
}

bool FrameHeldBack(void)
{
    return g_live.frameUnshown;
}

void ShowHeldBackFrame(void)
{
    if (!g_live.frameUnshown)
        return;
    ShowFrameValues();
    ShowGraph();
    DisplayRefreshed();
}
