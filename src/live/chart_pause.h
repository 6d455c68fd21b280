#pragma once
// PAUSE: the data panel's four strip charts and the graph panel hold their view while
// live polling or a recording goes on. Every frame still goes into the histories, the
// graph panel's traces, the record file and the numeric displays; resumed, the charts
// show the newest samples over their whole width. Zooming or panning a live chart
// pauses too, so that the view holds still; PAUSE, and a left click or double click on
// a strip chart, resume.

// Holds the charts; the PAUSE button shows it in red.
void PauseCharts(void);
// The newest samples again.
void ResumeCharts(void);
// PAUSE pressed.
void TogglePauseCharts(void);
