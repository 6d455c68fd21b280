// One exchange at a time, against chromix-sim answering live requests 400 ms late:
// STOP then SEND or GET, a page change then GET, and the offset and scope buttons
// while the reply is pending. Each click runs nested in the live request's reply wait,
// as an operator's does; none may start an exchange inside it.
#include "live_test_env.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "link/exchange.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <string>

namespace
{

constexpr int kSimComPort = 4;
constexpr int kBaud9600 = 0;

int Power()
{
    int value = -1;
    GetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, &value);
    return value;
}

} // namespace

// Over TCP, and over a pseudo-terminal at 9600 baud with every byte taking its wire time.
class OneExchangeTest : public LiveProgramTest, public ::testing::WithParamInterface<bool>
{
  protected:
    void SetUp() override
    {
        LiveProgramTest::SetUp();
        if (GetParam()) {
            std::string link = dir + "/ports/COM" + std::to_string(kSimComPort);
            ASSERT_TRUE(StartSim(sim, {"--pty", link, "--baud", "0", "--pace"}));
            StartWithSettings(SerialSettingsFile(kSimComPort, kBaud9600));
        } else {
            ASSERT_TRUE(StartSim(sim, {"--tcp", "0"}));
            StartWithSettings(TcpSettingsFile(sim.tcpPort));
        }
        ASSERT_EQ(g_link.sensorConnected, 1) << Status();
        ASSERT_TRUE(ShowAndActivate(g_app.mainPanel));
        g_app.paraMemory = PARA_MEMORY_RAM;
        ClearStatus();
    }

    // Runs `clicks` while the loop waits for a live reply that the sensor sends 400 ms
    // late, then lets the loop end. Records whether GO was dimmed right after the clicks.
    void ClickDuringASlowReply(const std::function<void()> &clicks)
    {
        double slowSince = 0.0;
        RunLive({{FramesTaken(2),
                  [&]() {
                      ASSERT_TRUE(SendSimControl(sim, "fault-command 8"));
                      ASSERT_TRUE(SendSimControl(sim, "delay 400"));
                      slowSince = WallSeconds();
                  }},
                 {[&]() { return WallSeconds() - slowSince > 0.15; },
                  [&]() {
                      clicks();
                      goDimmedAfterClicks = Dimmed(g_app.mainPanel, MAINP_GO);
                      // A GO now is no second loop inside the first.
                      ClickButton(g_app.mainPanel, MAINP_GO);
                  }}});
        ASSERT_TRUE(SendSimControl(sim, "clear"));
    }

    void ExpectTheLinkStayedHealthy()
    {
        EXPECT_EQ(g_link.sensorConnected, 1) << Status();
        EXPECT_EQ(Status().find("TIMEOUT!"), std::string::npos) << Status();
        EXPECT_NE(ActiveMainPage(), PAGE_CONNECTION);
        EXPECT_EQ(NestedExchangeCount(), 0);
        EXPECT_TRUE(goDimmedAfterClicks) << "GO was usable before the loop had returned";
        EXPECT_FALSE(AnyLoopActive());
        EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_GO));
    }

    SimProcess sim;
    bool goDimmedAfterClicks = false;
};

TEST_P(OneExchangeTest, StopThenSendDuringAPendingReplySendsOnceAfterTheLoop)
{
    SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, 777);
    ClickDuringASlowReply([]() {
        ClickButton(g_app.mainPanel, MAINP_STOP);
        ClickButton(g_app.mainPanel, MAINP_SEND);
    });
    ExpectTheLinkStayedHealthy();
    EXPECT_EQ(SimRequestCount(sim, ORDER_WRITE_PARAMETERS), 1);
    SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, 1);
    ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_GET));
    EXPECT_EQ(Power(), 777);
}

TEST_P(OneExchangeTest, StopThenGetAndAPageChangeThenGetReadAfterTheLoop)
{
    for (int page : {-1, (int)PAGE_CONNECTION}) {
        long long readsBefore = SimRequestCount(sim, ORDER_READ_PARAMETERS);
        SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, 5);
        SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
        ClickDuringASlowReply([page]() {
            if (page < 0)
                ClickButton(g_app.mainPanel, MAINP_STOP);
            else
                SelectTab(g_app.mainPanel, MAINP_TAB, page);
            ClickButton(g_app.mainPanel, MAINP_GET);
        });
        EXPECT_EQ(g_link.sensorConnected, 1) << Status();
        EXPECT_EQ(Status().find("TIMEOUT!"), std::string::npos) << Status();
        EXPECT_EQ(NestedExchangeCount(), 0);
        EXPECT_TRUE(goDimmedAfterClicks);
        EXPECT_EQ(SimRequestCount(sim, ORDER_READ_PARAMETERS), readsBefore + 1) << "page " << page;
        EXPECT_EQ(Power(), 500) << "the simulator's default POWER read back, page " << page;
    }
}

// Buttons that are dimmed during polling can still be reached by other routes (a
// callback run by the runtime, a shortcut): their operations are refused while the
// stopped loop's reply is pending, and nothing touches the link.
TEST_P(OneExchangeTest, OffsetAndScopeOperationsAreRefusedWhileAReplyIsPending)
{
    SetCtrlVal(g_app.mainPages[PAGE_OFFSET], TABOFFSET_OFFSETVAL, 9);
    ClickDuringASlowReply([this]() {
        ClickButton(g_app.mainPanel, MAINP_STOP);
        CBF_ButtonGetOffset(g_app.mainPages[PAGE_OFFSET], TABOFFSET_GETOFFSET, EVENT_COMMIT, nullptr, 0, 0);
        CBF_ButtonScan(g_app.mainPages[PAGE_SCOPE], TABSCOPE_SCAN, EVENT_COMMIT, nullptr, 0, 0);
        CBF_ButtonGetCycleTime(g_app.mainPages[PAGE_SCOPE], TABSCOPE_GETCYCLE, EVENT_COMMIT, nullptr, 0, 0);
        CBF_ButtonBreakScan(g_app.mainPages[PAGE_SCOPE], TABSCOPE_BREAK, EVENT_COMMIT, nullptr, 0, 0);
        CBF_ButtonGenHwInfoFile(ConnectionPage(), TABCONN_HWINFO, EVENT_COMMIT, nullptr, 0, 0);
        CBF_ButtonTryToConnect(ConnectionPage(), TABCONN_CONNECT, EVENT_COMMIT, nullptr, 0, 0);
    });
    ExpectTheLinkStayedHealthy();
    EXPECT_EQ(Value(g_app.mainPages[PAGE_OFFSET], TABOFFSET_OFFSETVAL), 9);
    for (int command : {ORDER_OFFSET, ORDER_SCOPE_SCAN, ORDER_READ_CYCLE_TIME, ORDER_READ_HARDWARE_INFO,
                        ORDER_READ_FIRMWARE})
        EXPECT_EQ(SimRequestCount(sim, command), command == ORDER_READ_FIRMWARE ? 1 : 0) << command;
}

INSTANTIATE_TEST_SUITE_P(Transports, OneExchangeTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return info.param ? "Pty9600" : "Tcp";
                         });
