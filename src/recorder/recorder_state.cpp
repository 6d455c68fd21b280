#include "recorder/recorder_state.h"

RecorderState g_recorder;

void ResetRecorderState(void)
{
    g_recorder = RecorderState{};
    g_recorder.interval = 1.0;
}
