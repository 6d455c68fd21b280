#include "link_test_env.h"

#include "app/app_state.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <chrono>
#include <sys/resource.h>
#include <vector>

const char *const kTimeoutText =
    "TIMEOUT! \nNo data received! \nCommunication error! \nCheck power supply and COM "
    "settings. \nTry to connect again!";
const char *const kBadHeaderText = "ATTENTION! \nReceived header frame is incorrect!";
const char *const kBadDataText = "ATTENTION! \nReceived data frame is incorrect!";
const char *const kCouldNotConnectText =
    "Could not establish connection! \nClose window or work in offline mode!";

double WallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double ThreadCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return (double)usage.ru_utime.tv_sec + (double)usage.ru_utime.tv_usec * 1e-6 +
           (double)usage.ru_stime.tv_sec + (double)usage.ru_stime.tv_usec * 1e-6;
}

void LinkProgramTest::StartWithRawSensorOverTcp()
{
    ASSERT_TRUE(sensor.ListenTcp());
    StartWithSettings(TcpSettingsFile(sensor.Port()));
}

void LinkProgramTest::StartWithRawSensorOverPty(int comPort)
{
    ASSERT_TRUE(sensor.OpenPty(dir, comPort));
    StartWithSettings(SerialSettingsFile(comPort));
}

int LinkProgramTest::ConnectionPage()
{
    return g_app.mainPages[PAGE_CONNECTION];
}

std::string LinkProgramTest::Status()
{
    std::vector<char> text(1 << 20);
    GetCtrlVal(ConnectionPage(), TABCONN_STATUS, text.data(), (int)text.size());
    return std::string(text.data());
}

void LinkProgramTest::ClearStatus()
{
    ResetTextBox(ConnectionPage(), TABCONN_STATUS, "");
}

std::string LinkProgramTest::SensorDisplay()
{
    char text[512] = "";
    GetCtrlVal(g_app.dataPanel, DATAP_SENSOR, text, sizeof text);
    return text;
}

int LinkProgramTest::ActiveMainPage()
{
    int page = -1;
    GetActiveTabPage(g_app.mainPanel, MAINP_TAB, &page);
    return page;
}

bool LinkProgramTest::ConnectionButtonsDimmed()
{
    return Dimmed(ConnectionPage(), TABCONN_ACCEPT) && Dimmed(ConnectionPage(), TABCONN_CHANGEBAUD) &&
           Dimmed(ConnectionPage(), TABCONN_HWINFO);
}

void LinkProgramTest::ExpectLinkFailure(const std::string &text)
{
    std::string status = Status();
    EXPECT_NE(status.find(text + "\n\n"), std::string::npos) << "status box:\n" << status;
    EXPECT_EQ(SensorDisplay(), "TIMEOUT!");
    EXPECT_EQ(ActiveMainPage(), PAGE_CONNECTION);
    EXPECT_TRUE(ConnectionButtonsDimmed());
    EXPECT_EQ(g_link.sensorConnected, 0);
}

int LinkProgramTest::Exchange(int command, unsigned parameter)
{
    g_link.currentCommand = (unsigned char)command;
    FillTxBuf(command, parameter, 0);
    return DataExchange(kFrameHeaderSize);
}

void SimTcpProgramTest::SetUp()
{
    LinkProgramTest::SetUp();
    ASSERT_TRUE(StartSim(sim, {"--tcp", "0"}));
    StartWithSettings(TcpSettingsFile(sim.tcpPort));
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    ClearStatus();
}

void SimTcpProgramTest::ShowOffsetPage()
{
    SetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET, ATTR_VISIBLE, 1);
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET);
}
