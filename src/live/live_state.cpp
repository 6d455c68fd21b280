#include "live/live_state.h"

LiveState g_live;

void ResetLiveState(void)
{
    g_live = LiveState{};
}
