// The connection page's controls: what each commit does and each right click shows.
#include "support/link_test_env.h"

#include "app/app_state.h"
#include "connection/connection.h"
#include "link/link_state.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "shell/startup.h"
#include "support/popup_script.h"
#include "support/program_fixture.h"
#include "support/ui_actions.h"
#include "toolbox/combobox.h"
#include "ui/userint.h"

#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

std::vector<std::string> AddressHistory()
{
    int page = g_app.mainPages[PAGE_CONNECTION];
    int count = 0;
    Combo_GetComboAttribute(page, TABCONN_IPADDRESS, ATTR_COMBO_NUM_ITEMS, &count);
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i) {
        char text[300] = "";
        Combo_GetValueFromIndex(page, TABCONN_IPADDRESS, i, text, sizeof text);
        entries.push_back(text);
    }
    return entries;
}

// A pseudo-terminal linked as <dir>/ports/COM<port>; closed with the test.
struct LinkedPty {
    int master = -1, slave = -1;
    char name[256] = "";
    LinkedPty(const std::string &dir, int port)
    {
        openpty(&master, &slave, name, nullptr, nullptr);
        mkdir((dir + "/ports").c_str(), 0755);
        symlink(name, (dir + "/ports/COM" + std::to_string(port)).c_str());
    }
    ~LinkedPty()
    {
        close(master);
        close(slave);
    }
};

} // namespace

class ConnectionPageTest : public LinkProgramTest
{
  protected:
    void SetUp() override
    {
        LinkProgramTest::SetUp();
        StartWithRawSensorOverTcp();
        ASSERT_EQ(g_link.sensorConnected, 1) << Status();
        SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION);
        SetConnectionButtonsDimmedForTest(0);
        ClearStatus();
    }

    // Each test starts with the three buttons live, as after a good connection check.
    static void SetConnectionButtonsDimmedForTest(int dim)
    {
        for (int control : {TABCONN_ACCEPT, TABCONN_CHANGEBAUD, TABCONN_HWINFO})
            SetCtrlAttribute(ConnectionPage(), control, ATTR_DIMMED, dim);
    }
};

TEST_F(ConnectionPageTest, AddressHistoryKeepsTenDistinctEntriesMostRecentFirst)
{
    for (int i = 1; i <= 11; ++i)
        ASSERT_TRUE(CommitString(ConnectionPage(), TABCONN_IPADDRESS, "10.0.0." + std::to_string(i)));
    std::vector<std::string> history = AddressHistory();
    ASSERT_EQ(history.size(), 10u);
    EXPECT_EQ(history.front(), "10.0.0.11");
    EXPECT_EQ(history.back(), "10.0.0.2");
    EXPECT_STREQ(g_link.host, "10.0.0.11");
    EXPECT_TRUE(Dimmed(ConnectionPage(), TABCONN_ACCEPT));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_CHANGEBAUD));

    ASSERT_TRUE(CommitString(ConnectionPage(), TABCONN_IPADDRESS, "10.0.0.5"));
    history = AddressHistory();
    ASSERT_EQ(history.size(), 10u);
    EXPECT_EQ(history[0], "10.0.0.5");
    EXPECT_EQ(history[1], "10.0.0.11");
    EXPECT_EQ(std::count(history.begin(), history.end(), "10.0.0.5"), 1);
}

// Clicking into the box and out again, without typing, is no commit: an editable
// combo box announces a choice on focus loss when its text matches another entry.
TEST_F(ConnectionPageTest, LeavingTheAddressBoxWithoutTypingCommitsNothing)
{
    ASSERT_TRUE(CommitString(ConnectionPage(), TABCONN_IPADDRESS, "127.0.0.1"));
    ASSERT_TRUE(CommitString(ConnectionPage(), TABCONN_IPADDRESS, "a.example"));
    SetCtrlVal(ConnectionPage(), TABCONN_IPADDRESS, "127.0.0.1");
    SetConnectionButtonsDimmedForTest(0);
    const std::vector<std::string> history = {"a.example", "127.0.0.1"};
    ASSERT_EQ(AddressHistory(), history);

    ASSERT_TRUE(LeftClick(ConnectionPage(), TABCONN_IPADDRESS));
    ASSERT_TRUE(MoveFocusAway(ConnectionPage()));
    EXPECT_EQ(AddressHistory(), history);
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_ACCEPT));

    // Enter is a commit, also without typing.
    ASSERT_TRUE(CommitString(ConnectionPage(), TABCONN_IPADDRESS, "127.0.0.1"));
    EXPECT_EQ(AddressHistory(), (std::vector<std::string>{"127.0.0.1", "a.example"}));
    EXPECT_TRUE(Dimmed(ConnectionPage(), TABCONN_ACCEPT));
}

TEST_F(ConnectionPageTest, FindPortsListsThePortsPresent)
{
    LinkedPty first(dir, 1), third(dir, 3);
    // The button belongs to the serial controls.
    SetCtrlVal(ConnectionPage(), TABCONN_PROTOCOL, PROTOCOL_RS232);
    InitConnectPanel();
    ASSERT_TRUE(ClickButton(ConnectionPage(), TABCONN_FINDPORTS));
    std::string status = Status();
    const std::string heading = "Following COM PORTS are available:\n";
    ASSERT_EQ(status.rfind(heading, 0), 0u) << "[" << status << "]";
    // Each line names the port and the device it opens.
    size_t com1 = status.find("\nCOM1  " + std::string(first.name) + "\n"),
           com3 = status.find("\nCOM3  " + std::string(third.name) + "\n");
    EXPECT_NE(com1, std::string::npos) << status;
    EXPECT_NE(com3, std::string::npos) << status;
    EXPECT_LT(com1, com3);
    EXPECT_EQ(status.substr(status.size() - 2), "\n\n");
}

TEST_F(ConnectionPageTest, ProtocolAndPortChangesDimTheButtonsAConnectionCheckBringsBack)
{
    ASSERT_TRUE(CommitRing(ConnectionPage(), TABCONN_PROTOCOL, PROTOCOL_RS232));
    EXPECT_EQ(g_link.protocol, PROTOCOL_RS232);
    int visible = 0;
    GetCtrlAttribute(ConnectionPage(), TABCONN_COMPORT, ATTR_VISIBLE, &visible);
    EXPECT_EQ(visible, 1);
    GetCtrlAttribute(ConnectionPage(), TABCONN_IPADDRESS, ATTR_VISIBLE, &visible);
    EXPECT_EQ(visible, 0);
    EXPECT_TRUE(ConnectionButtonsDimmed());

    ASSERT_TRUE(CommitRing(ConnectionPage(), TABCONN_PROTOCOL, PROTOCOL_TCP));
    GetCtrlAttribute(ConnectionPage(), TABCONN_CHANGEBAUD, ATTR_VISIBLE, &visible);
    EXPECT_EQ(visible, 0);
    GetCtrlAttribute(ConnectionPage(), TABCONN_PORTNUMBER, ATTR_VISIBLE, &visible);
    EXPECT_EQ(visible, 1);

    SetConnectionButtonsDimmedForTest(0);
    CBF_EditSelectComPort(ConnectionPage(), TABCONN_COMPORT, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_TRUE(ConnectionButtonsDimmed());

    // Connecting again brings them back.
    ASSERT_TRUE(ClickButton(ConnectionPage(), TABCONN_CONNECT));
    EXPECT_EQ(g_link.sensorConnected, 1);
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_ACCEPT));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_CHANGEBAUD));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_HWINFO));
    EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_GO));
    EXPECT_EQ(Status().rfind("Try to connect!\nCHROMIX1 V3.1R2\n", 0), 0u) << Status();
}

TEST_F(ConnectionPageTest, BaudRateAndPortNumberChangesDimOnlyAccept)
{
    CBF_EditSelectBaudrate(ConnectionPage(), TABCONN_BAUDRATE, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_TRUE(Dimmed(ConnectionPage(), TABCONN_ACCEPT));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_CHANGEBAUD));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_HWINFO));

    SetConnectionButtonsDimmedForTest(0);
    ASSERT_TRUE(CommitString(ConnectionPage(), TABCONN_PORTNUMBER, "5001"));
    EXPECT_TRUE(Dimmed(ConnectionPage(), TABCONN_ACCEPT));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_CHANGEBAUD));
}

TEST_F(ConnectionPageTest, AcceptStoresTheSettingsAndShowsTheParameterPage)
{
    std::string path = dir + "/" + kSettingsFileName;
    unlink(path.c_str());
    ASSERT_TRUE(ClickButton(ConnectionPage(), TABCONN_ACCEPT));
    std::string settings = ReadWholeFile(path);
    EXPECT_NE(settings.find("COMPROTOCOL"), std::string::npos);
    EXPECT_NE(settings.find(std::to_string(sensor.Port())), std::string::npos);
    EXPECT_EQ(ActiveMainPage(), PAGE_PARAMETERS_1);
}

TEST_F(ConnectionPageTest, SensorIdentificationIsShownOnTheRecorderPage)
{
    ASSERT_TRUE(CommitString(ConnectionPage(), TABCONN_SENSORID, "Line 4 / sensor B"));
    EXPECT_STREQ(g_app.sensorId, "Line 4 / sensor B");
    char shown[200] = "";
    GetCtrlVal(g_app.mainPages[PAGE_RECORDER], TABREC_SENSORID, shown, sizeof shown);
    EXPECT_STREQ(shown, "Line 4 / sensor B");
}

TEST_F(ConnectionPageTest, DisconnectButtonGoesOffline)
{
    ASSERT_TRUE(ClickButton(ConnectionPage(), TABCONN_DISCONNECT));
    EXPECT_EQ(g_link.sensorConnected, 0);
    EXPECT_EQ(g_link.tcpConnected, 0);
    EXPECT_EQ(Status(), "No sensor connected!\n\n");
}

TEST_F(ConnectionPageTest, EveryControlAnswersARightClickWithItsHelpText)
{
    struct Help {
        int control;
        const char *english;
    };
    const Help helps[] = {
        {TABCONN_CONNECT, "Try to connect sensor."},
        {TABCONN_DISCONNECT, "Disconnect from sensor."},
        {TABCONN_ACCEPT, "Accept settings for communication \nand switch to para-panel."},
        {TABCONN_PROTOCOL, "Select RS232 or TCP/IP Interface."},
        {TABCONN_IPADDRESS, "Select a Server by name or IP address."},
        {TABCONN_PORTNUMBER, "Select a port number."},
        {TABCONN_SENSORID,
         "Insert sensor identification. \nThis ID will be displayed in some panels of the software."},
        {TABCONN_AUTORECONNECT,
         "When this is checked, the program reconnects every 2 s after the link is lost "
         "during live data or a recording, and then goes on. \nSTOP ends the attempts."},
    };
    for (const Help &help : helps) {
        SCOPED_TRACE(help.english);
        PopupScript popups;
        ASSERT_TRUE(RightClick(ConnectionPage(), help.control));
        ASSERT_EQ(popups.Count(), 1);
        EXPECT_EQ(popups.Last().kind, POPUP_MESSAGE);
        EXPECT_EQ(popups.Last().title, "Message!");
        EXPECT_EQ(popups.Last().message, help.english);
    }

    // The serial controls are shown for RS-232 only.
    SetCtrlVal(ConnectionPage(), TABCONN_PROTOCOL, PROTOCOL_RS232);
    InitConnectPanel();
    const Help serialHelps[] = {
        {TABCONN_FINDPORTS, "Shows a list of available COM PORTS."},
        {TABCONN_COMPORT, "Select a serial COM-PORT."},
        {TABCONN_BAUDRATE,
         "Select the Baudrate for data transfer. \n\nAttention! Sensor and user surface \nmust work "
         "with the same Baudrate."},
        {TABCONN_CHANGEBAUD,
         "Save selected Baudrate to sensor. \n\nConfirm new baudrate with EEPROM and SEND."},
    };
    for (const Help &help : serialHelps) {
        SCOPED_TRACE(help.english);
        PopupScript popups;
        ASSERT_TRUE(RightClick(ConnectionPage(), help.control));
        ASSERT_EQ(popups.Count(), 1);
        EXPECT_EQ(popups.Last().message, help.english);
    }

    g_app.language = LANGUAGE_GERMAN;
    PopupScript popups;
    ASSERT_TRUE(RightClick(ConnectionPage(), TABCONN_CONNECT));
    EXPECT_EQ(popups.Last().title, "Info!");
    EXPECT_EQ(popups.Last().message, "Verbindungsaufbau zum Sensor.");
    ASSERT_TRUE(RightClick(ConnectionPage(), TABCONN_AUTORECONNECT));
    EXPECT_EQ(popups.Last().message.rfind("Ist dies gewaehlt, verbindet sich das Programm", 0), 0u);
}
