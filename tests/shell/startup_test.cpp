// Start-up state, child panels, the main panel's callbacks and shutdown.
#include "shell_test_env.h"

#include "app/app_state.h"
#include "app/child_panels.h"
#include "app/long_operation.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "shell/startup.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include "ui/ui_qt.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace
{

bool PanelVisible(int panel)
{
    return PanelInt(panel, ATTR_VISIBLE) == 1;
}

int ActiveMainPage()
{
    int page = -1;
    GetActiveTabPage(g_app.mainPanel, MAINP_TAB, &page);
    return page;
}

} // namespace

using StartupTest = OfflineProgram;

TEST(StartupConnected, StartsWithTitleParametersPageDataPanelAndHiddenOffsetPage)
{
    SimProcess sim;
    ASSERT_TRUE(StartSim(sim, {"--tcp", "0"}));
    std::string dir = MakeTempProgramDir();
    ASSERT_EQ(StartProgramInDir(dir, TcpSettingsFile(sim.tcpPort)), 0);

    char title[256] = "";
    GetPanelAttribute(g_app.mainPanel, ATTR_TITLE, title, sizeof title);
    EXPECT_STREQ(title, "CHROMIX1 Scope V3.1");
    EXPECT_TRUE(PanelVisible(g_app.mainPanel));
    EXPECT_EQ(g_link.sensorConnected, 1);
    EXPECT_EQ(ActiveMainPage(), PAGE_PARAMETERS_1);

    int offsetVisible = -1;
    GetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET, ATTR_VISIBLE, &offsetVisible);
    EXPECT_EQ(offsetVisible, 0);

    EXPECT_TRUE(PanelVisible(g_app.dataPanel));
    EXPECT_FALSE(PanelVisible(g_app.graphPanel));
    EXPECT_FALSE(PanelVisible(g_app.scopePanel));
    EXPECT_FALSE(PanelVisible(g_app.convPanel));
    for (int child : {g_app.dataPanel, g_app.graphPanel, g_app.scopePanel, g_app.convPanel}) {
        EXPECT_EQ(PanelInt(child, ATTR_TOP), 63);
        EXPECT_EQ(PanelInt(child, ATTR_LEFT), 385);
    }
    EXPECT_EQ(CtrlInt(g_app.mainPanel, MAINP_LOGO, ATTR_VISIBLE), 1);
    EXPECT_EQ(CtrlInt(g_app.mainPanel, MAINP_LOGO, ATTR_LEFT), 900);
    EXPECT_EQ(CtrlInt(g_app.mainPanel, MAINP_LOGO, ATTR_TOP), 5);
    EXPECT_EQ(g_app.language, 1);

    // Connected: every control that needs the sensor is operable.
    for (int control : {MAINP_SEND, MAINP_GET, MAINP_GO, MAINP_RAM})
        EXPECT_EQ(CtrlInt(g_app.mainPanel, control, ATTR_DIMMED), 0) << control;
    EXPECT_EQ(CtrlInt(g_app.mainPages[PAGE_SCOPE], TABSCOPE_SCAN, ATTR_DIMMED), 0);
    EXPECT_EQ(CtrlInt(ConnPageHandle(), TABCONN_ACCEPT, ATTR_DIMMED), 0);
    StopProgram();
}

TEST_F(StartupTest, AFailedStartupConnectionLeavesTheSensorControlsDimmed)
{
    // The link failure brought the connection page to the front.
    EXPECT_EQ(ActiveMainPage(), PAGE_CONNECTION);
    EXPECT_NE(TextValue(ConnPageHandle(), TABCONN_STATUS).find("Try to connect!\n"), std::string::npos);
    // Offline: SEND and GET work on files, everything else that needs a sensor stays dimmed.
    EXPECT_EQ(g_app.paraMemory, 3);
    EXPECT_EQ(IntValue(g_app.mainPanel, MAINP_FILE), 1);
    EXPECT_EQ(IntValue(g_app.mainPanel, MAINP_RAM), 0);
    EXPECT_EQ(CtrlInt(g_app.mainPanel, MAINP_SEND, ATTR_DIMMED), 0);
    EXPECT_EQ(CtrlInt(g_app.mainPanel, MAINP_GET, ATTR_DIMMED), 0);
    EXPECT_EQ(CtrlInt(g_app.mainPanel, MAINP_GO, ATTR_DIMMED), 1);
    EXPECT_EQ(CtrlInt(g_app.mainPages[PAGE_SCOPE], TABSCOPE_SCAN, ATTR_DIMMED), 1);
    EXPECT_EQ(CtrlInt(g_app.mainPages[PAGE_RECORDER], TABREC_START, ATTR_DIMMED), 1);
    EXPECT_EQ(CtrlInt(ConnPageHandle(), TABCONN_ACCEPT, ATTR_DIMMED), 1);
    EXPECT_EQ(CtrlInt(ConnPageHandle(), TABCONN_CONNECT, ATTR_DIMMED), 0);
}

TEST_F(StartupTest, ShowChildPanelDispShowsExactlyOneChild)
{
    const int children[] = {g_app.dataPanel, g_app.graphPanel, g_app.scopePanel, g_app.convPanel};
    for (int shown : children) {
        ShowChildPanelDisp(shown);
        for (int child : children)
            EXPECT_EQ(PanelVisible(child), child == shown) << "showing " << shown << ", checking " << child;
    }
    // Anything that is not one of the four child panels brings the data panel back.
    ShowChildPanelDisp(g_app.mainPanel);
    for (int child : children)
        EXPECT_EQ(PanelVisible(child), child == g_app.dataPanel);
}

TEST_F(StartupTest, RightDoubleClickRestoresSizeAndCentresTheMainPanel)
{
    SetPanelSize(g_app.mainPanel, 400, 500);
    SetPanelPos(g_app.mainPanel, 5, 7);
    ASSERT_TRUE(ShowAndActivate(g_app.mainPanel));
    ASSERT_TRUE(RightDoubleClickPanel(g_app.mainPanel));

    EXPECT_EQ(PanelInt(g_app.mainPanel, ATTR_HEIGHT), 690);
    EXPECT_EQ(PanelInt(g_app.mainPanel, ATTR_WIDTH), 1014);
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    int centreX = PanelInt(g_app.mainPanel, ATTR_LEFT) + 1014 / 2;
    int centreY = PanelInt(g_app.mainPanel, ATTR_TOP) + 690 / 2;
    // A few pixels of window frame are allowed for.
    EXPECT_NEAR(centreX, screen.center().x(), 8);
    EXPECT_NEAR(centreY, screen.center().y(), 8);
}

TEST_F(StartupTest, ScopeAndConnectionPagesStopLiveDataButParameterPagesDoNot)
{
    ASSERT_TRUE(ShowAndActivate(g_app.mainPanel));
    g_loops.liveRunning = 1;
    ASSERT_TRUE(SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_2));
    EXPECT_EQ(g_loops.liveRunning, 1);
    ASSERT_TRUE(SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1));
    EXPECT_EQ(g_loops.liveRunning, 1);
    EXPECT_TRUE(PanelVisible(g_app.dataPanel));

    ASSERT_TRUE(SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_SCOPE));
    EXPECT_EQ(g_loops.liveRunning, 0);
    EXPECT_TRUE(PanelVisible(g_app.scopePanel));
    EXPECT_FALSE(PanelVisible(g_app.dataPanel));

    ASSERT_TRUE(SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_CONVERSION_TABLE));
    EXPECT_TRUE(PanelVisible(g_app.convPanel));
    EXPECT_FALSE(PanelVisible(g_app.scopePanel));

    // Bringing the connection page to the front also dims the three buttons that only a
    // good connection check brings back.
    SetCtrlAttribute(ConnPageHandle(), TABCONN_ACCEPT, ATTR_DIMMED, 0);
    SetCtrlAttribute(ConnPageHandle(), TABCONN_CHANGEBAUD, ATTR_DIMMED, 0);
    SetCtrlAttribute(ConnPageHandle(), TABCONN_HWINFO, ATTR_DIMMED, 0);
    g_loops.liveRunning = 1;
    ASSERT_TRUE(SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION));
    EXPECT_EQ(g_loops.liveRunning, 0);
    for (int control : {TABCONN_ACCEPT, TABCONN_CHANGEBAUD, TABCONN_HWINFO})
        EXPECT_EQ(CtrlInt(ConnPageHandle(), control, ATTR_DIMMED), 1) << control;
}

TEST_F(StartupTest, TabHelpAnswersRightClickInBothLanguages)
{
    ASSERT_TRUE(ShowAndActivate(g_app.mainPanel));
    auto *tabs = qobject_cast<QTabWidget *>(CtrlWidget(g_app.mainPanel, MAINP_TAB));
    ASSERT_NE(tabs, nullptr);
    QPoint onSecondTab = tabs->tabBar()->tabRect(1).center();
    PopupScript script;
    QTest::mouseClick(tabs->tabBar(), Qt::RightButton, Qt::NoModifier, onSecondTab);
    ASSERT_EQ(script.Count(), 1);
    EXPECT_EQ(script.Last().title, "Message!");
    EXPECT_EQ(script.Last().message, "Select TAB-window.");
    g_app.language = 0;
    QTest::mouseClick(tabs->tabBar(), Qt::RightButton, Qt::NoModifier, onSecondTab);
    EXPECT_EQ(script.Last().title, "Info!");
    EXPECT_EQ(script.Last().message, "Waehlen Sie eine Registerkarte.");
}

TEST_F(StartupTest, ClosingTheMainPanelStoresSettingsAndEndsTheEventLoopWithZero)
{
    ASSERT_TRUE(ShowAndActivate(g_app.mainPanel));
    g_loops.liveRunning = 1;
    std::string settings = dir_ + "/PanelSettings.cfg";
    std::remove(settings.c_str());

    ASSERT_TRUE(ClosePanel(g_app.mainPanel));
    EXPECT_EQ(g_loops.liveRunning, 0);
    EXPECT_NE(ReadWholeFile(settings).find("FILE TYPE: = \"Panel Settings\""), std::string::npos);
    // The close box asks the loop to end; it must not take the window away by itself.
    EXPECT_TRUE(PanelVisible(g_app.mainPanel));

    // A guard against a loop that never ends: it would return 99 instead of 0.
    QTimer::singleShot(3000, [] { QuitUserInterface(99); });
    EXPECT_EQ(RunUserInterface(), 0);
}

TEST(StartupFailure, APanelThatCannotBeLoadedEndsTheProgramWithMinusOne)
{
    char name[] = "chromix-scope";
    char *argv[] = {name, nullptr};
    testing::internal::CaptureStderr();
    int result = RunProgram(1, argv, "Missing.uir");
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, -1);
    EXPECT_NE(errors.find("main panel"), std::string::npos) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
}

TEST(StartupAnswer, CloseAtTheStartupQuestionEndsTheProgramBeforeTheLoopRuns)
{
    std::string dir = MakeTempProgramDir();
    PopupScript script;
    script.Answer(1); // "Close"
    ASSERT_EQ(
        StartProgramInDir(dir, SettingsWith("", "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 1\r\n"
                                                "IP ADRESS = \"127.0.0.1\"\r\nPORT NUMBER = \"1\"\r\n\r\n")),
        0);
    ASSERT_EQ(script.Count(), 1);
    EXPECT_EQ(script.Last().buttons.size(), 2u);
    QTimer::singleShot(3000, [] { QuitUserInterface(99); });
    EXPECT_EQ(RunUserInterface(), 0);
    // Closing is not going offline: the memory selector is still RAM.
    EXPECT_EQ(g_app.paraMemory, 1);
    StopProgram();
}

// A quit, from the close box or from a question's "Close", ends every long operation
// at its next pass and lets none start until the event loop has ended.
// STOP only asks: until the loop has returned (its exchange under way finished) no
// loop of either kind starts, so none ever runs inside another's wait.
TEST(LongOperations, AStoppedLoopBlocksEveryStartUntilItHasReturned)
{
    ResetLoops();
    ASSERT_TRUE(StartLoop(LOOP_LIVE));
    StopLoop(LOOP_LIVE);
    EXPECT_FALSE(LoopRunning(LOOP_LIVE));
    EXPECT_TRUE(LoopActive(LOOP_LIVE));
    EXPECT_FALSE(StartLoop(LOOP_LIVE));
    EXPECT_FALSE(StartLoop(LOOP_SCAN));
    EndLoop(LOOP_LIVE);
    EXPECT_FALSE(AnyLoopActive());
    EXPECT_TRUE(StartLoop(LOOP_SCAN));
    ResetLoops();
}

TEST(LongOperations, AQuitEndsEveryLoopAndStartsNone)
{
    ASSERT_TRUE(StartLoop(LOOP_LIVE));
    EXPECT_TRUE(LoopRunning(LOOP_LIVE));
    QuitUserInterface(0);
    EXPECT_FALSE(LoopRunning(LOOP_LIVE));
    EndLoop(LOOP_LIVE);
    EXPECT_FALSE(StartLoop(LOOP_SCAN));
    EXPECT_EQ(RunUserInterface(), 0);
    EXPECT_TRUE(StartLoop(LOOP_SCAN));
    ResetLoops();
}
