// The live polling loop. It runs as fast as the link allows: every frame goes into
// the frame record and the chart histories, but the displays and charts are refreshed
// at the screen's pace only, so that drawing never limits acquisition.
#include "live/live_loop.h"

#include "app/long_operation.h"
#include "connection/reconnect.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "live/display_pace.h"
#include "live/live_display.h"
#include "live/live_frame_reply.h"
#include "live/live_state.h"
#include "params/param_transfer.h"
#include "ui/userint.h"

namespace
{

// The transfers the operator asked for during polling, a send before a get. False
// when the running flag went to 0 on the way (a failed transfer, STOP, a page change).
bool ServeTransferRequests()
{
    if (g_loops.sendRequested) {
        SendPara();
        if (!LoopRunning(LOOP_LIVE))
            return false;
    }
    if (g_loops.getRequested) {
        GetPara();
        if (!LoopRunning(LOOP_LIVE))
            return false;
    }
    return true;
}

bool LinkGood()
{
    return g_link.sensorConnected == 1 && !QuitRequested();
}

// A SEND or GET pressed during polling but not served when the loop ended (also one
// pressed after STOP while the last frame was still on its way, or during one of
// these transfers) is carried out now while the link is good, or dropped: never at a
// much later GO.
void FinishTransferRequests()
{
    while (LinkGood() && (g_loops.sendRequested || g_loops.getRequested)) {
        if (g_loops.sendRequested)
            SendPara();
        if (LinkGood() && g_loops.getRequested)
            GetPara();
    }
    DropTransferRequests();
}

} // namespace

int RequestLiveFrame(void)
{
    g_link.currentCommand = ORDER_READ_DATA_FRAME;
    FillTxBuf(ORDER_READ_DATA_FRAME, 0, 0);
    if (DataExchange(kFrameHeaderSize) != LINK_OK)
        return LINK_FAILED;
    if (!TakeLiveFrameReply(g_live.frame))
        return 0;
    ++g_live.framesTaken;
    return 1;
}

void GetData(void)
{
    if (!StartLoop(LOOP_LIVE))
        return;
    StartDisplayPace();
    StartOutageCount();
    while (LoopRunning(LOOP_LIVE)) {
        if (LinkLostDuringLoop() && !ResumeAfterLinkLoss())
            break;
        if (!ServeTransferRequests())
            break;
        if (RequestLiveFrame() == 1)
            ShowFrameAtScreenPace();
    }
    SettleLinkLoss();
    ShowHeldBackFrame();
    FinishTransferRequests();
    EndLoop(LOOP_LIVE);
}
