// Callbacks of the recorder page.
#include "app/app_state.h"
#include "app/dimming.h"
#include "app/long_operation.h"
#include "link/link_busy.h"
#include "live/graph_panel.h"
#include "recorder/recorder.h"
#include "recorder/recorder_texts.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

// MANUAL RECORD stays dimmed while its row is taken.
void RecordManuallyDimmed()
{
    int page = g_app.mainPages[PAGE_RECORDER];
    SetCtrlAttribute(page, TABREC_MANUAL, ATTR_DIMMED, 1);
    RecordManually();
    SetCtrlAttribute(page, TABREC_MANUAL, ATTR_DIMMED, 0);
}

void SelectRecordFile()
{
    SelRecFile();
}

} // namespace

void StartIntervalRecording(void)
{
    if (LinkBusy())
        return;
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    InitPanelGraph();
    Record();
    SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}

void InitRecorder(void)
{
    InitPanelGraph();
    ShowRecorderPage();
}

int CBF_ButtonSelRecFile(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonSelRecFile, SelectRecordFile);
    return 0;
}

int CBF_DispRecFile(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRecFile);
    return 0;
}

int CBF_ButtonStartRecord(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonStartRecord, StartIntervalRecording);
    return 0;
}

int CBF_ButtonStopRecord(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonStopRecord, StopLivePolling);
    return 0;
}

int CBF_ButtonStartTrigRec(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonStartRecord, StartTriggeredRecording);
    return 0;
}

int CBF_ButtonManualRecord(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonManualRecord, RecordManuallyDimmed);
    return 0;
}

int CBF_EditSelectDataRec(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpEditSelectDataRec, ChangeRecordMode);
    return 0;
}

int CBF_EditInterval(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpEditInterval, CalcRecTime);
    return 0;
}

int CBF_EditRecVal(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpEditRecVal, CalcRecTime);
    return 0;
}

int CBF_DispRecordTime(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRecordTime);
    return 0;
}

int CBF_DispRecordedValues(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRecordedValues);
    return 0;
}

int CBF_DispRemaining(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRemaining);
    return 0;
}

int CBF_DispRowsNotWritten(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRowsNotWritten);
    return 0;
}

int CBF_EditSplitHours(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditSplitHours);
    return 0;
}
