#pragma once
// The pace of the display refreshes while frames come faster than a screen shows them:
// live polling and the recorder refresh the displays and charts at most 60 times a
// second. Every frame still joins the histories; a frame held back is shown when the
// loop ends, so the last frame is always on view.

// A new run: its first frame is shown at once.
void StartDisplayPace(void);
// True when a frame taken now is to be shown; false when the last refresh is too
// recent, and the frame is then marked as held back.
bool DisplayRefreshDue(void);
// A refresh has just shown the latest frame.
void DisplayRefreshed(void);
// Whether the latest frame was held back and not shown since.
bool FrameHeldBack(void);
