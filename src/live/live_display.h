#pragma once
// The data panel's displays and strip charts, fed from the latest live frame. Live
// polling calls them per frame; the recorder calls them per recorded frame.

// Shows the latest frame in the data panel's numbers and LEDs.
void SetPanelData(void);
// Extends the four strip charts by the latest frame, with the threshold lines.
void ShowGraph(void);
// Recomputes the threshold lines of both thresholds from the parameter form.
void InitGraphBuffers(void);
