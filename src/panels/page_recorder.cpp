// Main tab page 4: record file, record mode with interval and count, progress, and
// the buttons that start and stop a recording.
//
// Each record mode shows its own set of controls, so the sets share places: FRAME
// COUNTER (modes 1, 3) sits where RECORDED (modes 0, 2) is, and START (modes 0, 1),
// MANUAL RECORD (mode 2) and START TRIG REC (mode 3) share one button place. The
// initial visibility is that of mode 0.
#include "app/dimming.h"
#include "panels/decor_ids.h"
#include "panels/panel_layout.h"
#include "recorder/record_split.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kFileTop = 4;
constexpr int kModeTop = NextGroupTop(kFileTop, 3);
constexpr int kProgressTop = NextGroupTop(kModeTop, 3);
constexpr int kControlTop = NextGroupTop(kProgressTop, 3);
constexpr int kModeWidth = 220;

// Counters of rows are wide: a long recording shows its true number.
constexpr double kMaxCount = 2147483647.0;

// Record time: four fields across the width of the grid
constexpr int kTimeWidth = 70;
constexpr int kTimePitch = 82;
constexpr int kSecondsWidth = kWideWidth - 3 * kTimePitch;

const std::vector<std::pair<std::string, int>> kModeItems = {
    {"INTERVAL (VALUES)", 0}, {"INTERVAL (CONTINUOUS)", 1}, {"MANUAL", 2}, {"TRIGGERED BY SENSOR", 3}};

void AddFileGroup(std::vector<CtrlDef> &c)
{
    const int t = kFileTop;
    AddGroup(c, DECO_REC_FILE, HEAD_REC_FILE, "RECORD FILE", t, kFrameLeft1, kFrameFullWidth, 3);
    c.push_back(CommandButton(TABREC_SELFILE, "SELECT FILE", ButtonTop(t, 0), kColumn1, kColumnWidth,
                              kButtonHeight, CBF_ButtonSelRecFile));
    c.push_back(String(TABREC_FILEPATH, "FILE PATH", FieldTop(t, 1), kColumn1, kWideWidth, CBF_DispRecFile)
                    .MaxLength(MAX_PATHNAME_LEN - 1)
                    .Indicator());
    c.push_back(String(TABREC_SENSORID, "SENSOR ID", FieldTop(t, 2), kColumn1, kWideWidth, nullptr)
                    .MaxLength(99)
                    .Indicator());
}

void AddModeGroup(std::vector<CtrlDef> &c)
{
    const int t = kModeTop;
    AddGroup(c, DECO_REC_MODE, HEAD_REC_MODE, "RECORD MODE", t, kFrameLeft1, kFrameFullWidth, 3);
    c.push_back(
        Ring(TABREC_MODE, "MODE", FieldTop(t, 0), kColumn1, kModeWidth, CBF_EditSelectDataRec, kModeItems)
            .Initial(0));
    c.push_back(
        Numeric(TABREC_INTERVAL, "INTERVAL [s]", FieldTop(t, 1), kColumn1, kColumnWidth, CBF_EditInterval)
            .Double()
            .Range(0.0, 86400.0)
            .Precision(2)
            .Increment(0.25)
            .Initial(1.0));
    c.push_back(Numeric(TABREC_VALUES, "VALUES", FieldTop(t, 1), kColumn2, kColumnWidth, CBF_EditRecVal)
                    .Range(0, 65535)
                    .Initial(100));
    // A running recording continues in a new file after this many hours; 0 never.
    c.push_back(Numeric(TABREC_SPLITHOURS, "NEW FILE EVERY [h]", FieldTop(t, 2), kColumn1, kColumnWidth,
                        CBF_EditSplitHours)
                    .Double()
                    .Range(0.0, kMaxSplitHours)
                    .Precision(3)
                    .Increment(1.0)
                    .Initial(0.0));
}

CtrlDef TimeDisplay(int id, const std::string &label, int index, int width)
{
    return Numeric(id, label, FieldTop(kProgressTop, 0), kColumn1 + index * kTimePitch, width,
                   CBF_DispRecordTime)
        .Indicator();
}

void AddProgressGroup(std::vector<CtrlDef> &c)
{
    const int t = kProgressTop;
    AddGroup(c, DECO_REC_PROGRESS, HEAD_REC_PROGRESS, "PROGRESS", t, kFrameLeft1, kFrameFullWidth, 3);
    // The record time of the initial interval (1 s) and count (100): 1 min 40 s.
    c.push_back(TimeDisplay(TABREC_DAYS, "DAYS", 0, kTimeWidth));
    c.push_back(TimeDisplay(TABREC_HOURS, "HOURS", 1, kTimeWidth));
    c.push_back(TimeDisplay(TABREC_MINUTES, "MINUTES", 2, kTimeWidth).Initial(1));
    c.push_back(TimeDisplay(TABREC_SECONDS, "SECONDS", 3, kSecondsWidth).Double().Precision(1).Initial(40.0));
    c.push_back(
        Numeric(TABREC_RECORDED, "RECORDED", FieldTop(t, 1), kColumn1, kColumnWidth, CBF_DispRecordedValues)
            .Range(0, kMaxCount)
            .Indicator());
    c.push_back(
        Numeric(TABREC_REMAINING, "REMAINING", FieldTop(t, 1), kColumn2, kColumnWidth, CBF_DispRemaining)
            .Range(0, kMaxCount)
            .Initial(100)
            .Indicator());
    c.push_back(Numeric(TABREC_FRAMECOUNTER, "FRAME COUNTER", FieldTop(t, 1), kColumn1, kColumnWidth,
                        CBF_DispRecordedValues)
                    .Range(0, kMaxCount)
                    .Indicator()
                    .Hidden());
    // Rows of the current recording that the record file did not take
    c.push_back(Numeric(TABREC_NOTWRITTEN, "NOT WRITTEN", FieldTop(t, 2), kColumn1, kColumnWidth,
                        CBF_DispRowsNotWritten)
                    .Range(0, kMaxCount)
                    .Indicator());
}

void AddControlGroup(std::vector<CtrlDef> &c)
{
    const int t = kControlTop;
    const int top = ButtonTop(t, 0);
    AddGroup(c, DECO_REC_CONTROL, HEAD_REC_CONTROL, "RECORDING", t, kFrameLeft1, kFrameFullWidth, 1);
    c.push_back(CommandButton(TABREC_START, "START", top, kColumn1, kColumnWidth, kButtonHeight,
                              CBF_ButtonStartRecord));
    c.push_back(CommandButton(TABREC_MANUAL, "MANUAL RECORD", top, kColumn1, kColumnWidth, kButtonHeight,
                              CBF_ButtonManualRecord)
                    .Hidden());
    c.push_back(CommandButton(TABREC_STARTTRIG, "START TRIG REC", top, kColumn1, kColumnWidth, kButtonHeight,
                              CBF_ButtonStartTrigRec)
                    .Hidden());
    c.push_back(
        CommandButton(TABREC_STOP, "STOP", top, kColumn2, kColumnWidth, kButtonHeight, CBF_ButtonStopRecord));
}

} // namespace

// The record mode selector ends a running recording and MANUAL RECORD takes the
// polled frames, so both stay operable.
const DimEntry kRecorderPageDimsEntries[] = {
    {TABREC_START, DIM_NEEDS_LINK},
    {TABREC_STARTTRIG, DIM_NEEDS_LINK},
};

DimTable RecorderPageDims()
{
    return DimTable{PAGE_RECORDER, kRecorderPageDimsEntries, 2};
}

PageDef RecorderPageDef()
{
    PageDef page;
    page.label = "Record";
    AddFileGroup(page.controls);
    AddModeGroup(page.controls);
    AddProgressGroup(page.controls);
    AddControlGroup(page.controls);
    return page;
}
