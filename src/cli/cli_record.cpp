// record: the recorder page's counted, timed or triggered recording, started as its
// START and START TRIG REC buttons start it, into the command's FILE.
#include "app/app_state.h"
#include "app/long_operation.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit.h"
#include "cli/cli_session.h"
#include "cli/cli_texts.h"
#include "connection/reconnect.h"
#include "platform/alarm.h"
#include "recorder/record_split.h"
#include "recorder/recorder.h"
#include "recorder/recorder_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

int RecordModeOf(const CliOptions &options)
{
    if (options.triggered)
        return REC_MODE_TRIGGERED;
    return options.values > 0 ? REC_MODE_COUNTED : REC_MODE_CONTINUOUS;
}

// The recorder page as the operator would set it: mode, interval and VALUES, then the
// mode selector's own reaction (the record time, an interval below the floor raised).
void SetUpRecorderPage(const CliOptions &options)
{
    int page = g_app.mainPages[PAGE_RECORDER];
    SetCtrlVal(page, TABREC_MODE, RecordModeOf(options));
    if (options.interval >= 0.0)
        SetCtrlVal(page, TABREC_INTERVAL, options.interval);
    if (options.values > 0)
        SetCtrlVal(page, TABREC_VALUES, (int)options.values);
    if (options.splitHours >= 0.0)
        ShowSplitHours(options.splitHours);
    ChangeRecordMode();
    g_recorder.triggeredLimit = options.triggered ? options.values : 0;
}

} // namespace

int RunRecordCommand(const CliOptions &options)
{
    if (!ConnectSensor())
        return kExitLinkFailed;
    // The header is written only once the sensor answers, so a failed start leaves no file.
    if (!SelRecFile())
        return kExitFileProblem;
    SetUpRecorderPage(options);
    if (options.duration > 0.0)
        SetAlarm(options.duration, StopLivePolling);
    if (options.triggered)
        StartTriggeredRecording();
    else
        StartIntervalRecording();
    CancelAlarm();
    PrintFormatted(kTxtCliRecordSummary, (unsigned long long)g_recorder.rowsWritten,
                   (unsigned long long)g_recorder.rowsNotWritten);
    PrintMessage(OutageSummary());
    return g_recorder.rowsNotWritten > 0 || g_recorder.diskFull ? kExitFileProblem : kExitDone;
}
