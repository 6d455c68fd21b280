// Scans against chromix-sim over TCP and a pseudo-terminal: the known trace unrolled
// by trigger mode, P and pre-trigger count; frames that fail their checks; BREAK and
// the close box ending an armed scan's wait.
#include "scope_test_env.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "platform/termination.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "scope/scope.h"
#include "support/sim_process.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <csignal>
#include <cstring>

namespace
{

constexpr int kKnownRing = 10;
constexpr int kUnreachableLevel = 5000; // SIG never rises through it

unsigned short KnownCh0(int ring)
{
    return (unsigned short)(100 + 10 * ring);
}
unsigned short KnownSig(int ring)
{
    return (unsigned short)(4000 - 10 * ring);
}
// Bits 0, 1, 8, 9 of the known state word are bits 0..3 of the ring position.
unsigned short KnownDigital(int ring, int trace)
{
    const int base[] = {2, 0, 6, 4};
    return (unsigned short)(((ring >> trace) & 1) + base[trace]);
}

void PressBreak()
{
    ClickButton(g_app.mainPages[PAGE_SCOPE], TABSCOPE_BREAK);
}

bool IsDimmed(int panel, int control)
{
    int dimmed = -1;
    GetCtrlAttribute(panel, control, ATTR_DIMMED, &dimmed);
    return dimmed == 1;
}

bool scanDimmedAfterBreak = false;

// BREAK, then SCAN and GO at once, as an operator's quick clicks after it.
void PressBreakThenScanAndGo()
{
    PressBreak();
    scanDimmedAfterBreak = IsDimmed(g_app.mainPages[PAGE_SCOPE], TABSCOPE_SCAN);
    ClickButton(g_app.mainPages[PAGE_SCOPE], TABSCOPE_SCAN);
    CBF_ButtonScan(g_app.mainPages[PAGE_SCOPE], TABSCOPE_SCAN, EVENT_COMMIT, nullptr, 0, 0);
    ClickButton(g_app.mainPanel, MAINP_GO);
}

void PressCloseBox()
{
    CBF_MAINP(g_app.mainPanel, EVENT_CLOSE, nullptr, 0, 0);
}

struct UnrollCase {
    int mode, preTrigger, start;
};

bool SamplesAreZero()
{
    for (const auto &block : g_scope.samples)
        for (unsigned short sample : block)
            if (sample != 0)
                return false;
    return true;
}

} // namespace

class ScopeScanTest : public ScopeProgramTest, public ::testing::WithParamInterface<Transport>
{
};

TEST_P(ScopeScanTest, KnownTraceIsUnrolledByTriggerModeAndDrawn)
{
    Start(GetParam(), {"--scope-ring", std::to_string(kKnownRing)});
    const UnrollCase cases[] = {
        {0, 20, 0},   // single shot: the ring as sent, whatever P and the count
        {1, 20, 118}, // P 10, count 20: ring position 118 first, P at index 20
        {2, 0, 10},   // no pre-trigger samples: P first
        {1, 127, 11}, // all but one before the trigger
        {4, 10, 0},
    };
    for (const UnrollCase &c : cases) {
        SetScanSettings(2000, c.mode, c.preTrigger, 1);
        Scan();
        SCOPED_TRACE("mode " + std::to_string(c.mode) + " pre-trigger " + std::to_string(c.preTrigger));
        ASSERT_EQ(g_link.sensorConnected, 1) << Status();
        for (int k = 0; k < kScopeSamples; ++k) {
            int ring = (c.start + k) % kScopeSamples;
            ASSERT_EQ(g_scope.samples[0][k], KnownCh0(ring)) << k;
            ASSERT_EQ(g_scope.samples[1][k], KnownSig(ring)) << k;
            for (int trace = 0; trace < kDigitalTraces; ++trace)
                ASSERT_EQ(g_scope.digital[trace][k], KnownDigital(ring, trace)) << k << " trace " << trace;
        }
        EXPECT_EQ(PlotCount(SCOPEP_GRAPH), 2);
        EXPECT_EQ(PlotCount(SCOPEP_DIGGRAPH), 4);
        EXPECT_FALSE(LoopRunning(LOOP_SCAN));
    }
}

TEST_P(ScopeScanTest, FailedFrameIsReportedAndKeepsThePreviousScan)
{
    struct FaultCase {
        const char *fault;
        const char *text;
    };
    const FaultCase cases[] = {{"bad-data-crc 1", kScopeBadDataText},
                               {"bad-header-crc 2", kScopeBadHeaderText}};
    for (const FaultCase &c : cases) {
        SCOPED_TRACE(c.fault);
        Start(GetParam(), {"--scope-ring", std::to_string(kKnownRing)});
        SetScanSettings(2000, 0, 0, 1);
        Scan();
        unsigned short before[kScopeBlocks][kScopeSamples];
        std::memcpy(before, g_scope.samples, sizeof before);
        ASSERT_TRUE(SendSimControl(sim, "fault-command 110"));
        ASSERT_TRUE(SendSimControl(sim, c.fault));
        SetScanSettings(2000, 1, 20, 1);
        Scan();
        EXPECT_NE(Status().find(std::string(c.text) + "\n\n"), std::string::npos) << Status();
        EXPECT_EQ(g_link.sensorConnected, 0);
        EXPECT_EQ(std::memcmp(before, g_scope.samples, sizeof before), 0);
        EXPECT_FALSE(LoopRunning(LOOP_SCAN));
        Stop();
    }
}

TEST_P(ScopeScanTest, BreakBeforeTheTriggerLeavesTheGraphsAndTheLinkAlone)
{
    Start(GetParam());
    SetScanSettings(kUnreachableLevel, 1, 20, 1);
    Scan(300, PressBreak);
    EXPECT_FALSE(LoopRunning(LOOP_SCAN));
    EXPECT_TRUE(SamplesAreZero());
    EXPECT_EQ(PlotCount(SCOPEP_GRAPH), 0);
    EXPECT_EQ(g_link.sensorConnected, 1) << Status();
    int busyVisible = -1;
    GetCtrlAttribute(ScopePanel(), SCOPEP_BUSY, ATTR_VISIBLE, &busyVisible);
    EXPECT_EQ(busyVisible, 0);
    // The sensor dropped the scan: the next one answers normally.
    ASSERT_TRUE(SendSimControl(sim, "scope-ring 3"));
    Scan();
    EXPECT_EQ(g_scope.samples[0][20], KnownCh0(3));
}

// BREAK leaves SCAN dimmed until the armed scan has returned: a click in that moment
// starts no scan inside the old wait, and the sensor gets exactly one drop.
TEST_P(ScopeScanTest, ClicksRightAfterBreakStartNothingInsideTheArmedWait)
{
    Start(GetParam());
    SetScanSettings(kUnreachableLevel, 1, 20, 1);
    Scan(300, PressBreakThenScanAndGo);
    EXPECT_TRUE(scanDimmedAfterBreak);
    EXPECT_EQ(SimRequestCount(sim, ORDER_SCOPE_SCAN), 2) << "one scan and its drop";
    EXPECT_EQ(SimRequestCount(sim, ORDER_READ_DATA_FRAME), 0);
    EXPECT_EQ(g_link.sensorConnected, 1) << Status();
    EXPECT_FALSE(AnyLoopActive());
    EXPECT_FALSE(IsDimmed(g_app.mainPages[PAGE_SCOPE], TABSCOPE_SCAN));
    EXPECT_EQ(NestedExchangeCount(), 0);
}

TEST_P(ScopeScanTest, CloseBoxEndsTheArmedWaitAndDropsTheScan)
{
    Start(GetParam());
    SetScanSettings(kUnreachableLevel, 1, 20, 1);
    Scan(300, PressCloseBox);
    EXPECT_FALSE(LoopRunning(LOOP_SCAN));
    EXPECT_TRUE(g_scope.dropSent);
    // The last request on the link is the drop: command 110, parameter 0.
    EXPECT_EQ(g_link.sendBuffer[1], ORDER_SCOPE_SCAN);
    EXPECT_EQ(GetLe16(g_link.sendBuffer + 2), 0);
    EXPECT_EQ(PlotCount(SCOPEP_GRAPH), 0);
}

INSTANTIATE_TEST_SUITE_P(Transports, ScopeScanTest, ::testing::Values(Transport::Tcp, Transport::Pty),
                         [](const ::testing::TestParamInfo<Transport> &info) {
                             return info.param == Transport::Tcp ? std::string("Tcp") : std::string("Pty");
                         });

namespace
{

int receivedWhileWaiting = -1;
bool runningWhileWaiting = false;

void NoteWaitAndBreak()
{
    receivedWhileWaiting = g_link.receiveCount;
    runningWhileWaiting = LoopRunning(LOOP_SCAN);
    PressBreak();
}

} // namespace

TEST_F(ScopeProgramTest, TcpEvaluationWaitsForTheEightHundredthByte)
{
    Start(Transport::Tcp,
          {"--scope-ring", "0", "--fault-command", "110", "--fault-after", "3", "--truncate", "263"});
    SetScanSettings(2000, 0, 0, 1);
    Scan(500, NoteWaitAndBreak);
    EXPECT_EQ(receivedWhileWaiting, kScopeTcpBytes - 1);
    EXPECT_TRUE(runningWhileWaiting);
    EXPECT_TRUE(SamplesAreZero());
}

namespace
{

// The program's own reaction to SIGTERM: the close box.
void CloseOnSignal()
{
    PressCloseBox();
}

void SendTermSignal()
{
    std::raise(SIGTERM);
}

} // namespace

TEST_F(ScopeProgramTest, SigtermEndsTheArmedWaitAndDropsTheScan)
{
    Start(Transport::Tcp);
    InstallTerminationHandler(CloseOnSignal);
    SetScanSettings(kUnreachableLevel, 1, 20, 1);
    Scan(300, SendTermSignal);
    InstallTerminationHandler(nullptr);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    EXPECT_FALSE(LoopRunning(LOOP_SCAN));
    EXPECT_TRUE(g_scope.dropSent);
    EXPECT_EQ(g_link.sendBuffer[1], ORDER_SCOPE_SCAN);
    EXPECT_EQ(GetLe16(g_link.sendBuffer + 2), 0);
}

TEST(ScopeUnroll, StartIndexIsNeverNegative)
{
    EXPECT_EQ(ScopeStartIndex(1, 10, 20), 118);
    EXPECT_EQ(ScopeStartIndex(0, 77, 20), 0);
    for (int p : {0, 127, 200, 65535})
        for (int pre : {0, 127, 300, 65535}) {
            int start = ScopeStartIndex(1, p, pre);
            EXPECT_GE(start, 0);
            EXPECT_LT(start, kScopeSamples);
        }
}
