#pragma once
// The four child panels (data, graph, scope, conversion) share one area of the main
// panel: one of them is in front.

// Shows `panel` in the shared area and hides the other three; an unknown handle shows
// the data panel.
void ShowChildPanelDisp(int panel);
