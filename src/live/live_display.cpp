#include "live/live_display.h"

// The displays are filled in with live polling; until then they keep what they show.
void SetPanelData(void) {}

void ShowGraph(void) {}

void InitGraphBuffers(void) {}
