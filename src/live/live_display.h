#pragma once
// The data panel's displays and strip charts, fed from the latest live frame. Live
// polling calls them per frame; the recorder calls them per recorded frame.

// Shows the latest frame in the data panel's numbers and LEDs, then InitGraphBuffers.
void SetPanelData(void);
// Replots the four strip charts from their histories.
void ShowGraph(void);
// Reads the parameter form and appends the latest frame, with the threshold lines of
// both thresholds, to the four chart histories.
void InitGraphBuffers(void);

// The chart sample of a frame that live polling takes between two display refreshes:
// like InitGraphBuffers, but only the fields the threshold lines use are read from the
// form, so that the lines still follow edits at once.
void AppendFrameToHistories(void);
// The numbers and LEDs of SetPanelData alone, without a new chart sample.
void ShowFrameValues(void);
// The Y axis of all four strip charts: autoscale (nonzero) or fixed 0..4096.
void SetChartsYAutoscale(int autoscale);
