#pragma once
// One alarm that calls a handler once after a time, from the event loop or from any
// wait that dispatches events (never inside a signal or another thread): the command
// line ends a recording of a given duration with it.

// Arms the alarm; an alarm already armed is replaced.
void SetAlarm(double seconds, void (*handler)(void));
// Disarms the alarm; harmless when none is armed.
void CancelAlarm(void);
