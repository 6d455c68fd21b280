#include "live/graph_panel.h"

// The graph panel is fed by the recorder; until then its graphs stay empty.
void InitPanelGraph(void) {}

void SetPanelGraphData(void) {}

void SetGraphVisible(void) {}
