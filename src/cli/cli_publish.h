#pragma once
// live --publish: every frame as a small JSON object on an MQTT topic, with the
// broker's comings and goings and the frames not delivered told on standard error.

#include "cli/cli_options.h"
#include "live/live_state.h"

#include <string>

// The frame as JSON: the sensor identification, the sensor's name, the time as Unix
// time in milliseconds, then the record file's columns with the row's values.
std::string FrameJson(const LiveFrame &frame, long long unixMilliseconds, const char *date, const char *time);

// Starts the connection to the broker of --publish and waits briefly for it, so the
// first frames are not lost to a broker that answers at once. False after a message
// when no client can be set up.
bool StartPublishing(const CliOptions &options);
void PublishFrame(const LiveFrame &frame, long long unixMilliseconds, const char *date, const char *time);
// The connection's upkeep while the command waits between frames.
void ServicePublishing(void);
// Waits briefly for frames under way, disconnects, and tells how many frames were not
// delivered.
void FinishPublishing(void);
