// START TRIG REC: mode 3, every frame the sensor pushes after an auto-send start, until
// STOP, a mode change or a link failure. The sensor is told to stop sending however
// the recording ended.
#include "app/dimming.h"
#include "app/language.h"
#include "app/long_operation.h"
#include "connection/reconnect.h"
#include "link/exchange.h"
#include "link/frame.h"
#include "link/link_busy.h"
#include "link/link_state.h"
#include "live/display_pace.h"
#include "platform/rs232.h"
#include "recorder/auto_send.h"
#include "recorder/pushed_frames.h"
#include "recorder/record_progress.h"
#include "recorder/record_split.h"
#include "recorder/recorder.h"
#include "recorder/recorder_state.h"
#include "recorder/recorder_texts.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

// A TCP conversation that the server has closed cannot carry the stop any more.
bool TransportStillOpen()
{
    return g_link.protocol != PROTOCOL_TCP || g_link.tcpConnected;
}

// One pushed frame into the file, or counted as not written when no row can be made
// of it. False when the recording ends (stopped, or a failure of the link).
bool TakeNextPushedFrame()
{
    unsigned char payload[kLiveFrameBytes];
    switch (TakePushedFrame(ORDER_READ_DATA_FRAME, payload, kLiveFrameBytes)) {
    case PUSHED_FRAME_TAKEN:
        ++g_recorder.frameCounter;
        TakeRecordedFrame(payload);
        ShowFrameCounter();
        return true;
    case PUSHED_FRAME_SHORT:
        CountRefusedFrame(REFUSED_SHORT_FRAME, g_link.replyLength);
        return true;
    case PUSHED_FRAME_FOREIGN:
        CountRefusedFrame(REFUSED_FOREIGN_FRAME, g_link.replyCommand);
        return true;
    default:
        return false;
    }
}

bool LimitReached()
{
    return g_recorder.triggeredLimit > 0 && g_recorder.frameCounter >= g_recorder.triggeredLimit;
}

// The sensor's auto-send started, also again after the link came back (a sensor that
// lost its client stops sending). False when the recording ends.
bool StartAutoSendStream()
{
    for (;;) {
        if (g_link.protocol != PROTOCOL_TCP)
            GetComStat(g_link.comPort); // reading the error bits clears them
        if (StartPushStream(ORDER_AUTO_SEND, kAutoSendStart) == LINK_OK)
            return true;
        if (!LinkLostDuringLoop() || !ResumeAfterLinkLoss())
            return false;
    }
}

// Takes pushed frames until the recording ends; a lost link is reconnected and the
// sensor told to send again.
void TakePushedFrames()
{
    for (;;) {
        while (LoopRunning(LOOP_LIVE) && !LimitReached() && TakeNextPushedFrame()) {
            // each pass takes one frame into the file
        }
        if (!LoopRunning(LOOP_LIVE) || LimitReached() || !LinkLostDuringLoop())
            return;
        if (!ResumeAfterLinkLoss() || !StartAutoSendStream())
            return;
    }
}

} // namespace

void TriggeredRecord(void)
{
    if (!StartLoop(LOOP_LIVE))
        return;
    StartRecordingCounts();
    StartDisplayPace();
    ShowFrameCounter();
    StartOutageCount();
    if (StartAutoSendStream())
        TakePushedFrames();
    SettleLinkLoss();
    ShowHeldBackRecordedFrame();
    EndRecordSplit();
    EndLoop(LOOP_LIVE);
}

void StartTriggeredRecording(void)
{
    if (LinkBusy())
        return;
    if (ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtRecRightFileName)) != 1)
        return;
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    MessagePopup(Tr(kTxtInfoTitle), Tr(kTxtRecFileNotOpened));
    SetCtrlAttribute(RecorderPage(), TABREC_STARTTRIG, ATTR_CMD_BUTTON_COLOR, VAL_RED);
    SetCtrlAttribute(RecorderPage(), TABREC_SPLITHOURS, ATTR_CTRL_MODE, VAL_INDICATOR);
    TriggeredRecord();
    if (TransportStillOpen())
        StopAutoSend();
    ShowRecordingResult();
    SetCtrlAttribute(RecorderPage(), TABREC_STARTTRIG, ATTR_CMD_BUTTON_COLOR, VAL_LT_GRAY);
    SetCtrlAttribute(RecorderPage(), TABREC_SPLITHOURS, ATTR_CTRL_MODE, VAL_HOT);
    SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}
