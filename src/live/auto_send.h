#pragma once
// Auto-send: after a start the sensor pushes live frames on its own until a stop.

// Command 30 with parameter 1; the link result (1 or -1, a failure already reported).
int StartAutoSend(void);
// Command 30 with parameter 0. Its result is not examined: a failure has been reported
// by the link, and nothing else is left to do about it.
void StopAutoSend(void);
