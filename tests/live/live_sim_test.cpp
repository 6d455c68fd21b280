// Live polling against chromix-sim over TCP loopback and a pseudo-terminal: a living
// signal at once, every way the loop ends, STOP during a slow reply, the simulator's
// faults mid-loop, and SEND during polling reaching the sensor.
#include "live_test_env.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <QTimer>

#include <algorithm>
#include <functional>
#include <string>

namespace
{

constexpr int kSimComPort = 3;

void PressStop()
{
    ClickButton(g_app.mainPanel, MAINP_STOP);
}

int FormPower()
{
    int value = -1;
    GetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, &value);
    return value;
}

} // namespace

class LiveSimTest : public LiveProgramTest, public ::testing::WithParamInterface<bool>
{
  protected:
    void SetUp() override
    {
        LiveProgramTest::SetUp();
        if (GetParam()) {
            std::string link = dir + "/ports/COM" + std::to_string(kSimComPort);
            ASSERT_TRUE(StartSim(sim, {"--pty", link}));
            StartWithSettings(SerialSettingsFile(kSimComPort));
        } else {
            ASSERT_TRUE(StartSim(sim, {"--tcp", "0"}));
            StartWithSettings(TcpSettingsFile(sim.tcpPort));
        }
        ASSERT_EQ(g_link.sensorConnected, 1) << Status();
        ASSERT_TRUE(ShowAndActivate(g_app.mainPanel));
        ClearStatus();
    }

    void ExpectLoopEndedCleanly()
    {
        EXPECT_FALSE(LoopRunning(LOOP_LIVE));
        EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_GO));
        EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_SEND));
    }

    SimProcess sim;
};

TEST_P(LiveSimTest, GoShowsALivingSignalAtOnceAndStopEndsIt)
{
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
    // The first frame is on the panel and in the charts before the next one is asked for.
    const unsigned long long refreshesBefore = g_live.chartRefreshes;
    bool shownAtOnce = false;
    RunLive({{FramesTaken(1),
              [&]() {
                  // The loop may have taken a few more frames before this step runs.
                  const double *end = g_live.ch0History + kHistoryLength;
                  const double *taken =
                      end - std::min<unsigned long long>(g_live.framesTaken, kHistoryLength);
                  shownAtOnce = g_live.chartRefreshes > refreshesBefore &&
                                std::find(taken, end, (double)DisplayValue(DATAP_CH0)) != end;
              }},
             {FramesTaken(40), PressStop}});
    EXPECT_TRUE(shownAtOnce);
    ExpectLoopEndedCleanly();
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(DisplayValue(DATAP_CH0), g_live.frame.Ch0);
    EXPECT_EQ(DisplayValue(DATAP_SIG), g_live.frame.Sig);
    const double *first = g_live.ch0History + kHistoryLength - 40;
    const double *last = g_live.ch0History + kHistoryLength;
    EXPECT_GT(*std::max_element(first, last), *std::min_element(first, last)) << "CH0 does not move";
}

TEST_P(LiveSimTest, StopDuringASlowReplyLetsThatFrameComplete)
{
    unsigned long long atStop = 0;
    double slowSince = 0.0;
    RunLive({{FramesTaken(3),
              [&]() {
                  ASSERT_TRUE(SendSimControl(sim, "delay 300"));
                  slowSince = WallSeconds();
              }},
             {[&]() { return WallSeconds() - slowSince > 0.1; },
              [&]() {
                  atStop = g_live.framesTaken;
                  PressStop();
              }}});
    EXPECT_EQ(g_live.framesTaken, atStop + 1);
    EXPECT_EQ(g_link.sensorConnected, 1) << Status();
    ExpectLoopEndedCleanly();
}

TEST_P(LiveSimTest, AFaultMidLoopEndsItWithTheLinkFailureOnly)
{
    LiveFrame before{};
    RunLive({{FramesTaken(5), [&]() {
                  ASSERT_TRUE(SendSimControl(sim, "fault-command 8"));
                  ASSERT_TRUE(SendSimControl(sim, "bad-header-crc 1"));
                  before = g_live.frame;
              }}});
    ExpectLinkFailure(kBadHeaderText);
    ExpectLoopEndedCleanly();
    // The frame taken last before the fault is what the record and the panel keep.
    EXPECT_EQ(DisplayValue(DATAP_CH0), g_live.frame.Ch0);
    EXPECT_EQ(g_live.ch0History[kHistoryLength - 1], g_live.frame.Ch0);
    EXPECT_GE(g_live.framesTaken, 5u);
}

TEST_P(LiveSimTest, SendDuringPollingReachesTheSensorAndPollingGoesOn)
{
    g_app.paraMemory = PARA_MEMORY_RAM;
    SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, 777);
    unsigned long long atSend = 0;
    RunLive({{FramesTaken(3),
              [&]() {
                  ClickButton(g_app.mainPanel, MAINP_SEND);
                  atSend = g_live.framesTaken;
              }},
             {[&]() { return g_live.framesTaken > atSend + 3; }, PressStop}});
    EXPECT_EQ(g_link.sensorConnected, 1) << Status();
    SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, 1);
    ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_GET));
    EXPECT_EQ(FormPower(), 777);
}

INSTANTIATE_TEST_SUITE_P(Transports, LiveSimTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return info.param ? "Pty" : "Tcp";
                         });

// Every way the running flag returns to 0 ends the loop and undims the controls.
class LiveSimEndTest : public LiveSimTest
{
};

TEST_P(LiveSimEndTest, EveryWayOfEndingTheLoop)
{
    struct Ending {
        const char *name;
        std::function<void()> action;
    };
    const Ending endings[] = {
        {"STOP", PressStop},
        {"F12", []() { PressKey(g_app.mainPanel, Qt::Key_F12); }},
        {"scope page", []() { SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_SCOPE); }},
        {"connection page", []() { SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION); }},
        {"close box with a SEND pending",
         []() {
             ClickButton(g_app.mainPanel, MAINP_SEND);
             ClosePanel(g_app.mainPanel);
         }},
    };
    for (const Ending &ending : endings) {
        SCOPED_TRACE(ending.name);
        SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
        const unsigned long long start = g_live.framesTaken;
        RunLive({{FramesTaken(start + 3), ending.action}});
        ExpectLoopEndedCleanly();
        EXPECT_EQ(g_loops.sendRequested, 0);
        EXPECT_EQ(g_link.sensorConnected, 1) << Status();
    }
    // The close box asked the event loop to end.
    QTimer::singleShot(3000, [] { QuitUserInterface(99); });
    EXPECT_EQ(RunUserInterface(), 0);
}

INSTANTIATE_TEST_SUITE_P(Tcp, LiveSimEndTest, ::testing::Values(false));
