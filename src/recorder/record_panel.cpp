// The recorder page: the controls of each record mode, the record time, and the mode
// selector.
#include "app/long_operation.h"
#include "live/graph_panel.h"
#include "recorder/record_progress.h"
#include "recorder/recorder.h"
#include "recorder/recorder_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

constexpr double kSecondsPerDay = 86400.0;
constexpr double kSecondsPerHour = 3600.0;
constexpr double kSecondsPerMinute = 60.0;

// Every control that some mode hides, and which of them each mode shows
const int kModeControls[] = {TABREC_INTERVAL,     TABREC_VALUES,    TABREC_DAYS,     TABREC_HOURS,
                             TABREC_MINUTES,      TABREC_SECONDS,   TABREC_RECORDED, TABREC_REMAINING,
                             TABREC_FRAMECOUNTER, TABREC_START,     TABREC_STOP,     TABREC_STARTTRIG,
                             TABREC_MANUAL,       TABREC_SPLITHOURS};

bool ShownInMode(int control, int mode)
{
    switch (mode) {
    case REC_MODE_COUNTED:
        return control == TABREC_INTERVAL || control == TABREC_VALUES || control == TABREC_DAYS ||
               control == TABREC_HOURS || control == TABREC_MINUTES || control == TABREC_SECONDS ||
               control == TABREC_RECORDED || control == TABREC_REMAINING || control == TABREC_START ||
               control == TABREC_STOP || control == TABREC_SPLITHOURS;
    case REC_MODE_CONTINUOUS:
        return control == TABREC_INTERVAL || control == TABREC_FRAMECOUNTER || control == TABREC_START ||
               control == TABREC_STOP || control == TABREC_SPLITHOURS;
    case REC_MODE_MANUAL:
        return control == TABREC_RECORDED || control == TABREC_MANUAL;
    default:
        return control == TABREC_FRAMECOUNTER || control == TABREC_STARTTRIG || control == TABREC_STOP ||
               control == TABREC_SPLITHOURS;
    }
}

void ShowRecordTime(double total)
{
    int page = RecorderPage();
    int days = (int)(total / kSecondsPerDay);
    double rest = total - days * kSecondsPerDay;
    int hours = (int)(rest / kSecondsPerHour);
    rest -= hours * kSecondsPerHour;
    int minutes = (int)(rest / kSecondsPerMinute);
    double seconds = rest - minutes * kSecondsPerMinute;
    SetCtrlVal(page, TABREC_DAYS, days);
    SetCtrlVal(page, TABREC_HOURS, hours);
    SetCtrlVal(page, TABREC_MINUTES, minutes);
    SetCtrlVal(page, TABREC_SECONDS, seconds);
}

} // namespace

void CalcRecTime(void)
{
    int page = RecorderPage();
    double interval = 0.0;
    int values = 0;
    GetCtrlVal(page, TABREC_INTERVAL, &interval);
    GetCtrlVal(page, TABREC_VALUES, &values);
    g_recorder.values = values > 0 ? (uint32_t)values : 0;
    SetCtrlVal(page, TABREC_RECORDED, 0);
    SetCtrlVal(page, TABREC_REMAINING, (int)g_recorder.values);
    if (!(interval >= kMinRecordInterval)) {
        interval = kMinRecordInterval;
        SetCtrlVal(page, TABREC_INTERVAL, interval);
    }
    g_recorder.interval = interval;
    ShowRecordTime(interval * g_recorder.values);
}

void InitRecordPanel(void)
{
    int mode = ReadRecordMode();
    if (mode < REC_MODE_COUNTED || mode > REC_MODE_TRIGGERED)
        return;
    for (int control : kModeControls)
        SetCtrlAttribute(RecorderPage(), control, ATTR_VISIBLE, ShownInMode(control, mode) ? 1 : 0);
}

void ShowRecorderPage(void)
{
    InitRecordPanel();
    if (ReadRecordMode() == REC_MODE_COUNTED)
        CalcRecTime();
}

// A change of mode ends whatever recording or polling runs.
void ChangeRecordMode(void)
{
    StopLoop(LOOP_LIVE);
    int mode = ReadRecordMode();
    if (mode == REC_MODE_MANUAL) {
        g_recorder.recorded = 0;
        ShowRecorded();
    } else if (mode == REC_MODE_COUNTED) {
        CalcRecTime();
    }
    InitPanelGraph();
    InitRecordPanel();
}
