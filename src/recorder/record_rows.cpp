// Rows into the record file, the recorder page's counters, and MANUAL RECORD.
#include "app/app_state.h"
#include "app/language.h"
#include "app/long_operation.h"
#include "app/status_box.h"
#include "connection/reconnect.h"
#include "live/display_pace.h"
#include "live/graph_panel.h"
#include "live/live_display.h"
#include "live/live_state.h"
#include "recorder/record_file.h"
#include "recorder/record_progress.h"
#include "recorder/record_split.h"
#include "recorder/recorder.h"
#include "recorder/recorder_state.h"
#include "recorder/recorder_texts.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

constexpr unsigned long long kMaxShownCount = 2147483647ULL;

// Counters are shown as integers; beyond the display's range the display stays full.
void ShowCount(int control, unsigned long long count)
{
    SetCtrlVal(RecorderPage(), control, (int)(count < kMaxShownCount ? count : kMaxShownCount));
}

// One row of the latest frame into the file; false when it is not there whole, with
// the reason in *error.
bool WriteRow(const char *path, int *error)
{
    char date[11];
    char time[9];
    CurrentDateAndTime(date, time);
    return path && AppendWhole(path, RecordFileRow(g_live.frame, date, time), error);
}

void CountRowNotWritten()
{
    ++g_recorder.rowsNotWritten;
    ShowRowsNotWritten();
}

// A row of a running recording, into the file NEW FILE EVERY says. A full disk ends the
// recording at once: counting rows that cannot be written for hours helps nobody, and
// the file stays whole up to its last row.
void RecordRow()
{
    int error = 0;
    const char *path = RecordRowFile(&error);
    if (WriteRow(path, &error)) {
        ++g_recorder.rowsWritten;
        return;
    }
    if (FileCannotGrow(error)) {
        g_recorder.diskFull = true;
        StopLoop(LOOP_LIVE);
        return;
    }
    CountRowNotWritten();
}

// The files of the recording, one a line, when it wrote more than one.
std::string FileList()
{
    std::string list;
    if (RecordingFiles().size() > 1)
        for (const std::string &file : RecordingFiles())
            list += "\n" + file;
    return list;
}

// The outages that the recording lived through are told last.
void ShowResult(const std::string &message, const std::string &files)
{
    std::string text = message + files;
    if (*OutageSummary())
        text += std::string(" \n") + OutageSummary();
    MessagePopup(Tr(kTxtInfoTitle), text.c_str());
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
    g_recorder.rowsNotWritten = 0;
    g_recorder.rowsWritten = 0;
    g_recorder.framesRefused = 0;
    g_recorder.shortFrameReported = false;
    g_recorder.foreignFrameReported = false;
    g_recorder.diskFull = false;
    ShowRowsNotWritten();
    StartRecordSplit();
}

bool LiveFrameArrived(void)
{
    static const LiveFrame kNeverFilled = {};
    return std::memcmp(&g_live.frame, &kNeverFilled, sizeof kNeverFilled) != 0;
}

bool ToFile(void)
{
    if (WriteRow(g_app.recorderFilePath, nullptr)) {
        ++g_recorder.rowsWritten;
        return true;
    }
    CountRowNotWritten();
    return false;
}

void TakeRecordedFrame(const unsigned char *payload)
{
    std::memcpy(&g_live.frame, payload, sizeof g_live.frame);
    AppendPanelGraphData();
    if (ShowFrameAtScreenPace())
        ShowPanelGraphData();
    RecordRow();
}

void CountRefusedFrame(RefusedFrame kind, int detail)
{
    ++g_recorder.framesRefused;
    CountRowNotWritten();
    bool &reported =
        kind == REFUSED_SHORT_FRAME ? g_recorder.shortFrameReported : g_recorder.foreignFrameReported;
    if (reported)
        return;
    reported = true;
    char line[256];
    std::snprintf(line, sizeof line,
                  Tr(kind == REFUSED_SHORT_FRAME ? kTxtRecShortFrame : kTxtRecForeignFrame), detail);
    AppendStatusText(line);
}

void ShowHeldBackRecordedFrame(void)
{
    if (FrameHeldBack())
        ShowPanelGraphData();
    ShowHeldBackFrame();
}

void ShowRecordingResult(void)
{
    char message[1024];
    if (g_recorder.diskFull) {
        std::snprintf(message, sizeof message, Tr(kTxtRecDiskFull),
                      (unsigned long long)g_recorder.rowsWritten,
                      RecordingFiles().empty() ? g_app.recorderFilePath : RecordingFiles().back().c_str());
        ShowResult(message, FileList());
    } else if (g_recorder.rowsNotWritten == 0) {
        if (RecordingFiles().size() > 1)
            ShowResult(Tr(kTxtRecSavedInFiles), FileList());
        else
            ShowResult(Tr(kTxtRecFileSaved), "");
    } else {
        std::snprintf(message, sizeof message, Tr(kTxtRecRowsNotWritten),
                      (unsigned long long)g_recorder.rowsNotWritten);
        std::string text = message;
        if (g_recorder.framesRefused > 0) {
            std::snprintf(message, sizeof message, Tr(kTxtRecFramesRefused),
                          (unsigned long long)g_recorder.framesRefused);
            text += message;
        }
        ShowResult(text, FileList());
    }
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
