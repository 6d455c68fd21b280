// Rows into the record file, the recorder page's counters, and MANUAL RECORD.
#include "app/app_state.h"
#include "app/language.h"
#include "live/display_pace.h"
#include "live/graph_panel.h"
#include "live/live_display.h"
#include "live/live_state.h"
#include "recorder/record_file.h"
#include "recorder/record_progress.h"
#include "recorder/recorder.h"
#include "recorder/recorder_state.h"
#include "recorder/recorder_texts.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstdio>
#include <cstring>

namespace
{

constexpr unsigned long long kMaxShownCount = 2147483647ULL;

// Counters are shown as integers; beyond the display's range the display stays full.
void ShowCount(int control, unsigned long long count)
{
    SetCtrlVal(RecorderPage(), control, (int)(count < kMaxShownCount ? count : kMaxShownCount));
}

} // namespace

int RecorderPage(void)
{
    return g_app.mainPages[PAGE_RECORDER];
}

int ReadRecordMode(void)
{
    int mode = REC_MODE_COUNTED;
    GetCtrlVal(RecorderPage(), TABREC_MODE, &mode);
    return mode;
}

void ShowRecorded(void)
{
    ShowCount(TABREC_RECORDED, g_recorder.recorded);
}

void ShowRemaining(void)
{
    unsigned long long values = g_recorder.values;
    ShowCount(TABREC_REMAINING, g_recorder.recorded < values ? values - g_recorder.recorded : 0);
}

void ShowFrameCounter(void)
{
    ShowCount(TABREC_FRAMECOUNTER, g_recorder.frameCounter);
}

void ShowRowsNotWritten(void)
{
    ShowCount(TABREC_NOTWRITTEN, g_recorder.rowsNotWritten);
}

void StartRecordingCounts(void)
{
    g_recorder.recorded = 0;
    g_recorder.frameCounter = 0;
    g_recorder.rowsWritten = 0;
    g_recorder.rowsNotWritten = 0;
    ShowRowsNotWritten();
}

bool LiveFrameArrived(void)
{
    static const LiveFrame kNeverFilled = {};
    return std::memcmp(&g_live.frame, &kNeverFilled, sizeof kNeverFilled) != 0;
}

bool ToFile(void)
{
    char date[11];
    char time[9];
    CurrentDateAndTime(date, time);
    if (AppendWhole(g_app.recorderFilePath, RecordFileRow(g_live.frame, date, time))) {
        ++g_recorder.rowsWritten;
        return true;
    }
    ++g_recorder.rowsNotWritten;
    ShowRowsNotWritten();
    return false;
}

void TakeRecordedFrame(const unsigned char *payload)
{
    std::memcpy(&g_live.frame, payload, sizeof g_live.frame);
    AppendPanelGraphData();
    if (ShowFrameAtScreenPace())
        ShowPanelGraphData();
    ToFile();
}

void ShowHeldBackRecordedFrame(void)
{
    if (FrameHeldBack())
        ShowPanelGraphData();
    ShowHeldBackFrame();
}

void ShowRecordingResult(void)
{
    if (g_recorder.rowsNotWritten == 0) {
        MessagePopup(Tr(kTxtInfoTitle), Tr(kTxtRecFileSaved));
        return;
    }
    char message[512];
    std::snprintf(message, sizeof message, Tr(kTxtRecRowsNotWritten),
                  (unsigned long long)g_recorder.rowsNotWritten);
    MessagePopup(Tr(kTxtInfoTitle), message);
}

// The row comes from the latest polled frame; no request is made, so this works while
// live polling runs. Before any frame has arrived there is nothing to record.
void RecordManually(void)
{
    if (!LiveFrameArrived()) {
        MessagePopup(Tr(kTxtInfoTitle), Tr(kTxtRecNoFrameYet));
        return;
    }
    SetPanelGraphData();
    if (!ToFile()) {
        MessagePopup(Tr(kTxtInfoTitle), Tr(kTxtRecManualRowNotWritten));
        return;
    }
    ++g_recorder.recorded;
    ShowRecorded();
}
