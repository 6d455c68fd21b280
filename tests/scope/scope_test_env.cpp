#include "scope_test_env.h"

#include "app/app_state.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <QTimer>

#include <filesystem>

const char *const kScopeBadHeaderText = "ATTENTION! \nReceived header frame is incorrect!";
const char *const kScopeBadDataText = "ATTENTION! \nReceived data frame is incorrect!";

namespace
{

constexpr int kSimComPort = 3;

} // namespace

void ScopeProgramTest::SetUp()
{
    dir = MakeTempProgramDir();
    ASSERT_FALSE(dir.empty());
    script = std::make_unique<PopupScript>();
}

void ScopeProgramTest::TearDown()
{
    EXPECT_EQ(NestedExchangeCount(), 0) << "an exchange was started inside another";
    Stop();
    script.reset();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void ScopeProgramTest::Stop()
{
    if (started)
        StopProgram();
    started = false;
    StopSim(sim);
}

void ScopeProgramTest::Start(Transport transport, const std::vector<std::string> &simArguments)
{
    std::vector<std::string> arguments = simArguments;
    std::string settings;
    if (transport == Transport::Tcp) {
        arguments.insert(arguments.begin(), {"--tcp", "0"});
        ASSERT_TRUE(StartSim(sim, arguments));
        settings = TcpSettingsFile(sim.tcpPort);
    } else {
        arguments.insert(arguments.begin(), {"--pty", dir + "/ports/COM" + std::to_string(kSimComPort)});
        ASSERT_TRUE(StartSim(sim, arguments));
        settings = SerialSettingsFile(kSimComPort);
    }
    ASSERT_EQ(StartProgramInDir(dir, settings), 0);
    started = true;
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_SCOPE);
    DisplayPanel(g_app.scopePanel);
}

int ScopeProgramTest::ScopePage()
{
    return g_app.mainPages[PAGE_SCOPE];
}

int ScopeProgramTest::ScopePanel()
{
    return g_app.scopePanel;
}

void ScopeProgramTest::SetScanSettings(int level, int mode, int preTrigger, int scanRate)
{
    SetCtrlVal(ScopePage(), TABSCOPE_TRIGLEVEL, level);
    SetCtrlVal(ScopePage(), TABSCOPE_TRIGMODE, mode);
    SetCtrlVal(ScopePage(), TABSCOPE_PRETRIG, preTrigger);
    SetCtrlVal(ScopePage(), TABSCOPE_SCANRATE, scanRate);
}

void ScopeProgramTest::Scan(int delayMs, void (*during)())
{
    if (during)
        QTimer::singleShot(delayMs, during);
    ClickButton(ScopePage(), TABSCOPE_SCAN);
}

std::string ScopeProgramTest::Status()
{
    std::vector<char> text(1 << 16);
    GetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_STATUS, text.data(), (int)text.size());
    return std::string(text.data());
}

int ScopeProgramTest::PlotCount(int graph)
{
    int count = -1;
    GetNumGraphPlots(ScopePanel(), graph, &count);
    return count;
}
