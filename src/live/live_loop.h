#pragma once
// Live polling: one live data frame after another, shown on the data panel, with the
// SEND and GET requests of the operator served between two frames.

// The polling loop; returns when the live-data running flag is cleared (STOP, a failed
// exchange, the close box, a page change) or when another long operation runs.
void GetData(void);

// Requests one live frame and, when an intact one arrives, takes it into the frame
// record. 1 when a frame was taken, 0 when the reply carried no live frame, -1 after
// a failed exchange (already reported by the link).
int RequestLiveFrame(void);
