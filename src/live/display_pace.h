#pragma once
// The pace of the display refreshes while frames come faster than a screen shows them:
// live polling and the recorder refresh the displays and charts at most 60 times a
// second. Every frame still joins the histories; a frame held back is shown when the
// loop ends, so the last frame is always on view.

// A new run: its first frame is shown at once.
void StartDisplayPace(void);
// The latest frame into the chart histories and, when the last refresh is at least
// 1/60 s ago, onto the data panel's displays and charts (SetPanelData, ShowGraph);
// otherwise it is held back. True when it was shown.
bool ShowFrameAtScreenPace(void);
// Whether the latest frame was held back and not shown since.
bool FrameHeldBack(void);
// When a loop ends: the frame held back, if any, onto the displays and charts.
void ShowHeldBackFrame(void);
