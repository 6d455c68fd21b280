#include "recorder/recorder_state.h"

#include "recorder/record_split.h"

RecorderState g_recorder;

void ResetRecorderState(void)
{
    g_recorder = RecorderState{};
    g_recorder.interval = 1.0;
    ResetRecordSplit();
}
