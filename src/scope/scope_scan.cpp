// A scope scan: the request with the page's settings, the wait for the trigger that
// keeps the window answering, and the three data frames, taken only when all three
// are intact so that a failed scan leaves the last one on the graphs.
#include "app/app_state.h"
#include "app/long_operation.h"
#include "link/exchange.h"
#include "link/link_channel.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "platform/rs232.h"
#include "scope/scope.h"
#include "ui/userint.h"

#include <cstring>

namespace
{

// The trigger has no time-out. Each pass sleeps until an event arrives (data, a click,
// a quit), at most this long, so the wait costs no CPU and still sees the flags.
constexpr double kScanWaitStep = 0.05;

struct ScopeSettingsRead {
    unsigned short level, mode, preTrigger, scanRate;
};

struct ScanBlocks {
    unsigned short samples[kScopeBlocks][kScopeSamples];
};

int ScopePage()
{
    return g_app.mainPages[PAGE_SCOPE];
}

ScopeSettingsRead ReadScopeSettings()
{
    ScopeSettingsRead s{};
    GetCtrlVal(ScopePage(), TABSCOPE_TRIGLEVEL, &s.level);
    GetCtrlVal(ScopePage(), TABSCOPE_TRIGMODE, &s.mode);
    GetCtrlVal(ScopePage(), TABSCOPE_PRETRIG, &s.preTrigger);
    GetCtrlVal(ScopePage(), TABSCOPE_SCANRATE, &s.scanRate);
    return s;
}

int RequestScan(const ScopeSettingsRead &s)
{
    unsigned char *payload = RequestPayload();
    PutLe16(payload, s.level);
    PutLe16(payload + 2, s.mode);
    PutLe16(payload + 4, s.preTrigger);
    PutLe16(payload + 6, s.scanRate);
    g_link.currentCommand = ORDER_SCOPE_SCAN;
    FillTxBuf(ORDER_SCOPE_SCAN, 1, 8);
    return DataExchange(kFrameHeaderSize + 8);
}

// Waits until the link's input holds a frame header. The frames follow each other
// on the line, so bytes beyond the current frame stay in the input for the next one.
// False when the scan was ended meanwhile or the port reported an error (then
// reported as a link failure).
bool WaitForSerialHeader()
{
    for (;;) {
        g_link.portStatus = CurrentLinkChannel().collect();
        if (g_link.portStatus > 0) {
            ReportLinkFailure(kTxtTimeout);
            return false;
        }
        if (!LoopRunning(LOOP_SCAN))
            return false;
        if (g_link.receiveCount >= kFrameHeaderSize)
            return true;
        WaitOnLink(kScanWaitStep);
    }
}

bool ReadSerialFrame(const ScopeSettingsRead &s, unsigned short block[kScopeSamples])
{
    if (!WaitForSerialHeader() || !TakeSerialScopeFrame(s.mode, s.preTrigger, block))
        return false;
    DropCheckedFrame();
    return true;
}

bool ReceiveOverSerial(const ScopeSettingsRead &s, ScanBlocks &blocks)
{
    // The scan's acknowledgement leads the input; the frames follow it.
    DropCheckedFrame();
    for (int i = 0; i < kScopeBlocks; ++i)
        if (!ReadSerialFrame(s, blocks.samples[i]))
            return false;
    return true;
}

// The receive handler appends to the receive buffer behind the acknowledgement; the
// evaluation starts only when the acknowledgement and all three frames are in.
bool WaitForTcpFrames()
{
    for (;;) {
        WaitOnLink(kScanWaitStep);
        if (!LoopRunning(LOOP_SCAN))
            return false;
        if (g_link.receiveCount >= kScopeTcpBytes)
            return true;
    }
}

bool ReceiveOverTcp(const ScopeSettingsRead &s, ScanBlocks &blocks)
{
    return WaitForTcpFrames() &&
           EvaluateTcpScopeFrames(g_link.receiveBuffer, s.mode, s.preTrigger, blocks.samples);
}

void SendScanDrop()
{
    g_link.currentCommand = ORDER_SCOPE_SCAN;
    FillTxBuf(ORDER_SCOPE_SCAN, 0, 0);
    g_scope.dropSent = true;
    DataExchange(kFrameHeaderSize);
}

// A wait ended by BREAK, the close box or a quit leaves the sensor armed; while the
// link is good it is told to drop the scan.
void DropAbandonedScan()
{
    bool linkGood = g_link.sensorConnected && (g_link.protocol != PROTOCOL_TCP || g_link.tcpConnected);
    if (!g_scope.dropSent && linkGood)
        SendScanDrop();
}

} // namespace

void GetScopeData(void)
{
    ScopeSettingsRead s = ReadScopeSettings();
    if (!StartLoop(LOOP_SCAN))
        return;
    g_scope.dropSent = false;
    if (RequestScan(s) != LINK_OK) {
        EndLoop(LOOP_SCAN);
        return;
    }
    SetCtrlAttribute(ScopePage(), TABSCOPE_BREAK, ATTR_DIMMED, 0);
    ScanBlocks blocks{};
    bool complete =
        g_link.protocol == PROTOCOL_TCP ? ReceiveOverTcp(s, blocks) : ReceiveOverSerial(s, blocks);
    bool ended = !LoopRunning(LOOP_SCAN);
    StopLoop(LOOP_SCAN);
    if (complete) {
        std::memcpy(g_scope.samples, blocks.samples, sizeof g_scope.samples);
        PlotScopeScan();
    } else if (ended) {
        DropAbandonedScan();
    }
    EndLoop(LOOP_SCAN);
}

// During a scan the drop goes out from the scan itself once its wait has returned,
// never from inside that wait.
void BreakDataScan(void)
{
    if (LoopActive(LOOP_SCAN)) {
        StopLoop(LOOP_SCAN);
        return;
    }
    SendScanDrop();
}
