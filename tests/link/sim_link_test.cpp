// The whole link against chromix-sim, over TCP loopback and over a pseudo-terminal:
// start-up connection, GET and SEND with RAM and EEPROM targets, the baud-rate change.
#include "support/link_test_env.h"

#include "app/app_state.h"
#include "link/link_state.h"
#include "params/param_transfer.h"
#include "params/parameter_set.h"
#include "platform/rs232.h"
#include "resource/panel_ids.h"
#include "support/popup_script.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <cstring>

namespace
{

constexpr int kSimComPort = 2;
const char *const kSimConnected = "CHROMIX1 V3.1R2\nSensor: CHROMIX1-SIM\nSerial number: 31\n\n";
const char *const kConfirmBaudrate = "ATTENTION!!!   Confirm new baudrate with EEPROM and SEND!\n\n";

int Page1()
{
    return g_app.mainPages[PAGE_PARAMETERS_1];
}

void SetPower(int value)
{
    SetCtrlVal(Page1(), TABPARA1_POWER, value);
}

int FormPower()
{
    int value = -1;
    GetCtrlVal(Page1(), TABPARA1_POWER, &value);
    return value;
}

void SelectMemory(int control)
{
    SetCtrlVal(g_app.mainPanel, control, 0);
    ASSERT_TRUE(ToggleButton(g_app.mainPanel, control));
}

} // namespace

class SimLinkTest : public LinkProgramTest
{
  protected:
    void StartSimOverTcp()
    {
        ASSERT_TRUE(StartSim(sim, {"--tcp", "0"}));
        StartWithSettings(TcpSettingsFile(sim.tcpPort));
    }

    void StartSimOverPty()
    {
        std::string link = dir + "/ports/COM" + std::to_string(kSimComPort);
        ASSERT_TRUE(StartSim(sim, {"--pty", link}));
        StartWithSettings(SerialSettingsFile(kSimComPort));
    }

    // GET and SEND through the buttons, with RAM and EEPROM as targets; what the sensor
    // keeps is read back through the form.
    void TransferRoundTrip()
    {
        SelectMemory(MAINP_RAM);
        SetPower(777);
        ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_SEND));
        SetPower(111);
        ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_GET));
        EXPECT_EQ(FormPower(), 777);
        EXPECT_EQ(ParameterSet.Power, 777);

        SelectMemory(MAINP_EEPROM);
        ASSERT_EQ(g_app.paraMemory, PARA_MEMORY_EEPROM);
        SetPower(555);
        ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_SEND));
        SelectMemory(MAINP_RAM);
        SetPower(444);
        ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_SEND));
        SetPower(1);
        ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_GET));
        EXPECT_EQ(FormPower(), 444);

        // EEPROM as source loads the stored set into RAM first.
        SelectMemory(MAINP_EEPROM);
        ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_GET));
        EXPECT_EQ(FormPower(), 555);
        SelectMemory(MAINP_RAM);
        SetPower(2);
        ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_GET));
        EXPECT_EQ(FormPower(), 555);

        EXPECT_EQ(g_link.sensorConnected, 1) << Status();
        EXPECT_EQ(Status().find("TIMEOUT"), std::string::npos) << Status();
        EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_SEND));
    }

    // SEND answered 3.5 s late times out; the GET right after it meets SEND's late
    // acknowledgement first and must wait for its own reply. A GET whose reply is cut
    // short is refused. Neither may change the form.
    void LateAndTruncatedRepliesLeaveTheFormAlone()
    {
        ASSERT_EQ(g_link.sensorConnected, 1) << Status();
        g_app.paraMemory = PARA_MEMORY_RAM;
        ASSERT_EQ(GetPara(), 1);
        ParameterFields before = ParameterSet;
        ASSERT_NE(before.Power, 0);
        ASSERT_TRUE(SendSimControl(sim, "delay 3500"));
        ClearStatus();
        EXPECT_EQ(SendPara(), -1);
        ExpectLinkFailure(kTimeoutText);

        ASSERT_TRUE(SendSimControl(sim, "clear"));
        ClearStatus();
        EXPECT_EQ(GetPara(), 1) << Status();
        EXPECT_EQ(Status(), "");
        EXPECT_EQ(std::memcmp(&ParameterSet, &before, sizeof before), 0);
        EXPECT_EQ(FormPower(), before.Power);

        ASSERT_TRUE(SendSimControl(sim, "truncate 40"));
        EXPECT_EQ(GetPara(), -1);
        ExpectLinkFailure(kTimeoutText);
        EXPECT_EQ(std::memcmp(&ParameterSet, &before, sizeof before), 0);
        EXPECT_EQ(FormPower(), before.Power);
    }

    SimProcess sim;
};

TEST_F(SimLinkTest, LateReplyOverTcpIsNotTakenForTheNextRequest)
{
    StartSimOverTcp();
    LateAndTruncatedRepliesLeaveTheFormAlone();
}

TEST_F(SimLinkTest, LateReplyOverAPseudoTerminalIsNotTakenForTheNextRequest)
{
    StartSimOverPty();
    LateAndTruncatedRepliesLeaveTheFormAlone();
}

TEST_F(SimLinkTest, OverTcpConnectsAtStartUpAndTransfersParameters)
{
    StartSimOverTcp();
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    EXPECT_EQ(Status(), std::string("Try to connect!\n") + kSimConnected);
    EXPECT_EQ(SensorDisplay(), "CHROMIX1 V3.1R2");
    EXPECT_FALSE(ConnectionButtonsDimmed());
    TransferRoundTrip();
}

TEST_F(SimLinkTest, OverAPseudoTerminalConnectsAtStartUpAndTransfersParameters)
{
    StartSimOverPty();
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    EXPECT_EQ(Status(), std::string("Try to connect!\n") + kSimConnected);
    TransferRoundTrip();
}

TEST_F(SimLinkTest, WithoutASettingsFileTheDefaultsFindTheSimulatorOnCom1)
{
    ASSERT_TRUE(StartSim(sim, {"--pty", dir + "/ports/COM1"}));
    StartWithSettings(std::string());
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    EXPECT_EQ(g_link.protocol, PROTOCOL_RS232);
    EXPECT_EQ(g_link.comPort, 1);
    EXPECT_EQ(GetComBaudRate(1), 115200);
    TransferRoundTrip();
}

TEST_F(SimLinkTest, BaudRateChangeEndsWithPortAndRingAgreeing)
{
    StartSimOverPty();
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    int page = ConnectionPage();
    ASSERT_TRUE(SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION));
    // Showing the page dims Change baud rate until the next good connection check.
    EXPECT_TRUE(Dimmed(page, TABCONN_CHANGEBAUD));
    ASSERT_TRUE(ClickButton(page, TABCONN_CONNECT));
    ASSERT_FALSE(Dimmed(page, TABCONN_CHANGEBAUD));

    ClearStatus();
    SetCtrlVal(page, TABCONN_BAUDRATE, 6);
    ASSERT_TRUE(ClickButton(page, TABCONN_CHANGEBAUD));
    EXPECT_EQ(Status(), std::string("Try to change baudrate!\nSuccess!\nTry to connect!\n") + kSimConnected +
                            kConfirmBaudrate);
    EXPECT_EQ(GetComBaudRate(kSimComPort), 460800);
    int ring = -1;
    GetCtrlVal(page, TABCONN_BAUDRATE, &ring);
    EXPECT_EQ(ring, 6);
    EXPECT_EQ(g_link.baudIndex, 6);
    EXPECT_FALSE(Dimmed(page, TABCONN_CHANGEBAUD));
    EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_GO));

    // The sensor takes the new speed but then stays silent: no reminder.
    ASSERT_TRUE(SendSimControl(sim, "fault-command 7"));
    ASSERT_TRUE(SendSimControl(sim, "no-reply"));
    ClearStatus();
    PopupScript popups;
    popups.Answer(1);
    SetCtrlVal(page, TABCONN_BAUDRATE, 3);
    ASSERT_TRUE(ClickButton(page, TABCONN_CHANGEBAUD));
    std::string status = Status();
    EXPECT_EQ(status.rfind("Try to change baudrate!\nSuccess!\nTry to connect!\n", 0), 0u) << status;
    EXPECT_EQ(status.find("Confirm new baudrate"), std::string::npos) << status;
    ExpectLinkFailure(kTimeoutText);
    EXPECT_EQ(GetComBaudRate(kSimComPort), 57600);
    ASSERT_EQ(popups.Count(), 1);
    EXPECT_EQ(popups.Last().message, kCouldNotConnectText);
}
