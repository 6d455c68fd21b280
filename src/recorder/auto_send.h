#pragma once
// Auto-send: after a start the sensor pushes live frames on its own until a stop.

constexpr unsigned kAutoSendStop = 0;
constexpr unsigned kAutoSendStart = 1; // started by the triggered recording (pushed_frames.h)

// Command 30 with parameter 0. Its result is not examined: a failure has been reported
// by the link, and nothing else is left to do about it.
void StopAutoSend(void);
