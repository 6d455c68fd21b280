#pragma once
// The child panel beside the main tab control: the data, graph, scope or conversion
// panel, one at a time.

// Hides the other child panels and shows this one (an unknown handle shows the data
// panel).
void ShowChildPanelDisp(int panel);
