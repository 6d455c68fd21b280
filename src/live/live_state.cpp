#include "live/live_state.h"

LiveState g_live;
short g_scanRunning;
