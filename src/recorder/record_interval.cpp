// START: counted (mode 0) and open-ended (mode 1) recording, one polled frame per
// interval. The interval runs from the start of one request to the start of the next.
#include "app/language.h"
#include "app/long_operation.h"
#include "connection/reconnect.h"
#include "link/exchange.h"
#include "link/frame.h"
#include "link/link_state.h"
#include "live/display_pace.h"
#include "recorder/record_progress.h"
#include "recorder/record_split.h"
#include "recorder/recorder.h"
#include "recorder/recorder_state.h"
#include "recorder/recorder_texts.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

// The pacing wait sleeps until an event or this step, so STOP is seen at once and no
// core spins.
constexpr double kPacingStep = 0.05;

void SetRecordingControls(bool recording)
{
    int page = RecorderPage();
    int mode = recording ? VAL_INDICATOR : VAL_HOT;
    SetCtrlAttribute(page, TABREC_INTERVAL, ATTR_CTRL_MODE, mode);
    SetCtrlAttribute(page, TABREC_VALUES, ATTR_CTRL_MODE, mode);
    SetCtrlAttribute(page, TABREC_SPLITHOURS, ATTR_CTRL_MODE, mode);
    SetCtrlAttribute(page, TABREC_START, ATTR_CMD_BUTTON_COLOR, recording ? VAL_RED : VAL_LT_GRAY);
    SetCtrlAttribute(page, TABREC_START, ATTR_CTRL_MODE, mode);
}

bool CountReached()
{
    return ReadRecordMode() == REC_MODE_COUNTED && g_recorder.recorded >= g_recorder.values;
}

// False for a reply too short to be a live frame (no row, counted as not written) and
// for a request lost with the link that the recording will reconnect for.
bool RequestOneFrame()
{
    g_link.currentCommand = ORDER_READ_DATA_FRAME;
    FillTxBuf(ORDER_READ_DATA_FRAME, 0, 0);
    if (DataExchange(kFrameHeaderSize) != LINK_OK)
        return !LinkLostDuringLoop();
    if (g_link.replyLength < kLiveFrameBytes) {
        CountRefusedFrame(REFUSED_SHORT_FRAME, g_link.replyLength);
        return false;
    }
    TakeRecordedFrame(ReplyData());
    return true;
}

// Counts the request whether or not a frame came (a failed exchange has ended the
// recording already), but never a refused one.
void CountFrame()
{
    if (ReadRecordMode() == REC_MODE_COUNTED) {
        ++g_recorder.recorded;
        ShowRecorded();
        ShowRemaining();
        if (g_recorder.recorded >= g_recorder.values)
            StopLoop(LOOP_LIVE);
    } else {
        ++g_recorder.frameCounter;
        ShowFrameCounter();
    }
}

// False when the recording was stopped during the wait.
bool WaitForNextCycle()
{
    for (;;) {
        if (!LoopRunning(LOOP_LIVE))
            return false;
        double left = g_recorder.interval - (Timer() - g_recorder.cycleStart);
        if (left <= 0.0)
            return true;
        WaitSystemEvents(left < kPacingStep ? left : kPacingStep);
    }
}

} // namespace

void RecordFrame(void)
{
    if (!StartLoop(LOOP_LIVE))
        return;
    StartRecordingCounts();
    StartDisplayPace();
    CalcRecTime();
    ShowFrameCounter();
    StartOutageCount();
    // A count of 0 records nothing; the count is tested before each request, so no
    // wrap of a counter can ever let a counted recording run on.
    while (LoopRunning(LOOP_LIVE) && !CountReached()) {
        if (LinkLostDuringLoop() && !ResumeAfterLinkLoss())
            break;
        g_recorder.cycleStart = Timer();
        if (RequestOneFrame())
            CountFrame();
        if (!WaitForNextCycle())
            break;
    }
    SettleLinkLoss();
    ShowHeldBackRecordedFrame();
    EndRecordSplit();
    EndLoop(LOOP_LIVE);
}

void Record(void)
{
    if (ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtRecRightFileName)) != 1)
        return;
    MessagePopup(Tr(kTxtInfoTitle), Tr(kTxtRecFileNotOpened));
    SetRecordingControls(true);
    RecordFrame();
    ShowRecordingResult();
    SetRecordingControls(false);
}
