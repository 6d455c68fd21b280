// Opening the transports, their error texts, the TCP data handler and going offline.
#include "support/link_test_env.h"

#include "app/app_state.h"
#include "connection/connection.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/transport.h"
#include "platform/rs232.h"
#include "platform/tcp_client.h"
#include "resource/panel_ids.h"
#include "support/popup_script.h"
#include "support/program_fixture.h"
#include "support/unanswered_listener.h"
#include "ui/userint.h"

#include <arpa/inet.h>
#include <climits>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

std::string EnglishTcpText(int code)
{
    return TcpErrorText(code).english;
}

} // namespace

TEST(TransportTextsTest, BaudRatesPortNumbersAndErrorTables)
{
    const long rates[] = {9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(BaudRateFromIndex(i), rates[i]);
    EXPECT_EQ(BaudRateFromIndex(8), 115200);
    EXPECT_EQ(BaudRateFromIndex(-1), 115200);

    EXPECT_EQ(PortNumberFromText("5000"), 5000);
    EXPECT_EQ(PortNumberFromText("12ab"), 12);
    EXPECT_EQ(PortNumberFromText("abc"), 0);
    EXPECT_EQ(PortNumberFromText(" 50"), 0);
    EXPECT_EQ(PortNumberFromText(""), 0);
    EXPECT_EQ(PortNumberFromText("99999999999"), INT_MAX);

    EXPECT_STREQ(SerialErrorText(-4).english, "Unknown I/0 error");
    EXPECT_STREQ(SerialErrorText(-7).german, "Port kann nicht geoeffnet werden");
    EXPECT_STREQ(SerialErrorText(-99).english, "Timeout");
    EXPECT_STREQ(SerialErrorText(-5).english, "RS-232 error!");
    EXPECT_STREQ(SerialErrorText(-5).german, "RS-232 Fehler!");
    EXPECT_EQ(EnglishTcpText(-11), "Time out error");
    EXPECT_EQ(EnglishTcpText(-20), "Info not available");
    EXPECT_EQ(EnglishTcpText(-21), "Connection to server failed");
    EXPECT_STREQ(TcpErrorText(-2).german, "Verbindung konnte nicht aufgebaut werden");
}

TEST(TransportTextsTest, SerialPermissionFailureNamesTheRemedyAfterTheSystemText)
{
    struct Case {
        int language;
        bool denied;
        const char *group;
        const char *expected;
    };
    const Case cases[] = {
        {LANGUAGE_ENGLISH, true, "uucp",
         "Cannot open port\nNo permission for /dev/ttyUSB0.\nRemedy: make the user a member of the group "
         "\"uucp\" (sudo usermod -aG uucp $USER), then log in again."},
        {LANGUAGE_GERMAN, true, "",
         "Port kann nicht geoeffnet werden\nKeine Berechtigung fuer /dev/ttyUSB0.\nAbhilfe: Benutzer in die "
         "Gruppe \"dialout\" aufnehmen (sudo usermod -aG dialout $USER), dann neu anmelden."},
        {LANGUAGE_ENGLISH, false, "dialout", "Cannot open port"},
    };
    int savedLanguage = g_app.language;
    for (const Case &c : cases) {
        g_app.language = c.language;
        char text[kMessageLength];
        FormatSerialOpenFailure(text, sizeof text, -7, c.denied, "/dev/ttyUSB0", c.group);
        EXPECT_STREQ(text, c.expected);
    }
    // A short buffer keeps the system's text whole and stays terminated.
    char shortText[20];
    FormatSerialOpenFailure(shortText, sizeof shortText, -7, true, "/dev/ttyUSB0", "dialout");
    EXPECT_STREQ(shortText, "Cannot open port\nNo");
    g_app.language = savedLanguage;
}

class TransportTest : public LinkProgramTest
{
};

TEST_F(TransportTest, RefusedConnectionAtStartUpReportsItsTextAndKeepsControlsDimmed)
{
    PopupScript popups;
    popups.Answer(1);
    StartWithSettings(TcpSettingsFile(ClosedLoopbackPort()));
    EXPECT_NE(Status().find("Try to connect!\nUnable to establish connection\n\n"), std::string::npos)
        << Status();
    ExpectLinkFailure("Unable to establish connection");
    EXPECT_EQ(g_link.tcpConnected, 0);
    EXPECT_LT(g_link.lastOpenResult, 0);
    ASSERT_EQ(popups.Count(), 1);
    EXPECT_EQ(popups.Last().message, kCouldNotConnectText);
    EXPECT_TRUE(Dimmed(g_app.mainPanel, MAINP_GO));
    EXPECT_TRUE(Dimmed(g_app.mainPanel, MAINP_SEND));
    EXPECT_TRUE(Dimmed(ConnectionPage(), TABCONN_CONNECT));
}

TEST_F(TransportTest, SettingsWithTcpButNoAddressFailAndOfferCloseOrOffline)
{
    PopupScript popups;
    popups.Answer(2);
    StartWithSettings("[GENERAL INFO]\r\nFILE TYPE: = \"Panel Settings\"\r\nLANGUAGE = 1\r\n\r\n"
                      "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 1\r\n\r\n");
    EXPECT_EQ(g_link.protocol, PROTOCOL_TCP);
    EXPECT_STREQ(g_link.host, "");
    ASSERT_EQ(popups.Count(), 1);
    EXPECT_EQ(popups.Last().message, kCouldNotConnectText);
    // Offline: no sensor, files are the target of SEND and GET, connect is possible.
    EXPECT_EQ(SensorDisplay(), "No sensor connected!\n\n");
    EXPECT_EQ(g_app.paraMemory, PARA_MEMORY_FILE);
    int file = 0, ram = 1;
    GetCtrlVal(g_app.mainPanel, MAINP_FILE, &file);
    GetCtrlVal(g_app.mainPanel, MAINP_RAM, &ram);
    EXPECT_EQ(file, 1);
    EXPECT_EQ(ram, 0);
    EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_SEND));
    EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_GET));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_CONNECT));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_BAUDRATE));
    EXPECT_TRUE(Dimmed(g_app.mainPanel, MAINP_GO));
}

TEST_F(TransportTest, UnreachableHostFailsWithinFiveSeconds)
{
    PopupScript popups;
    popups.Answer(1).Answer(1);
    StartWithSettings(TcpSettingsFile(ClosedLoopbackPort()));
    // "Close" at start-up ends the event loop at once, before the next attempt.
    EXPECT_EQ(RunUserInterface(), 0);
    ClearStatus();
    UnansweredListener unreachable;
    std::string portText = std::to_string(unreachable.port) + " (no answer)";
    SetCtrlVal(ConnectionPage(), TABCONN_IPADDRESS, "127.0.0.1");
    SetCtrlVal(ConnectionPage(), TABCONN_PORTNUMBER, portText.c_str());
    double start = WallSeconds();
    double cpuStart = ThreadCpuSeconds();
    TryToConnect();
    double elapsed = WallSeconds() - start;
    double cpu = ThreadCpuSeconds() - cpuStart;
    std::printf("unanswered connect: failed after %.2f s (%.3f s CPU) with code %d\n", elapsed, cpu,
                g_link.lastOpenResult);
    EXPECT_LT(elapsed, 5.5);
    EXPECT_LT(cpu, elapsed / 4.0);
    EXPECT_EQ(g_link.lastOpenResult, -11);
    ExpectLinkFailure("Time out error");
    EXPECT_EQ(g_link.portNumber, unreachable.port);
    char shown[300] = "";
    GetCtrlVal(g_app.dataPanel, DATAP_ADDRESS, shown, sizeof shown);
    EXPECT_STREQ(shown, "127.0.0.1");
}

TEST_F(TransportTest, SerialOpenErrorsReportTheirTexts)
{
    PopupScript popups;
    popups.Answer(1);
    StartWithSettings(SerialSettingsFile(60));
    ExpectLinkFailure("No serial port found");

    ClearStatus();
    g_link.comPort = 0;
    InitRS232();
    EXPECT_EQ(g_link.lastOpenResult, -2);
    ExpectLinkFailure("Invalid port number");
}

// A port linked to something that is no serial device gets the general serial error
// text, not the baud-rate one, which would send the operator to the wrong setting.
TEST_F(TransportTest, APortThatIsNoSerialDeviceGetsTheGeneralSerialText)
{
    PopupScript popups;
    popups.Answer(2);
    StartWithSettings(SerialSettingsFile(60));
    std::string regular = dir + "/plain.txt";
    WriteWholeFile(regular, "not a serial port");
    mkdir((dir + "/ports").c_str(), 0755);
    for (const std::string &target : {std::string("/dev/null"), regular}) {
        std::string link = dir + "/ports/COM2";
        unlink(link.c_str());
        ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
        ClearStatus();
        g_link.comPort = 2;
        InitRS232();
        EXPECT_LT(g_link.lastOpenResult, 0) << target;
        ExpectLinkFailure("RS-232 error!");
    }
}

TEST_F(TransportTest, SerialPortOpensAtTheSpeedOfItsIndex)
{
    StartWithRawSensorOverPty(4);
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    EXPECT_EQ(GetComBaudRate(4), 115200);
    for (int index : {7, 0, 8}) {
        g_link.baudIndex = (short)index;
        InitRS232();
        EXPECT_EQ(g_link.lastOpenResult, 0);
        EXPECT_EQ(GetComBaudRate(4), BaudRateFromIndex(index));
    }
}

TEST_F(TransportTest, DataHandlerNeverMovesTheCountBackwardsOrPastTheBuffer)
{
    StartWithRawSensorOverTcp();
    ASSERT_EQ(g_link.sensorConnected, 1);
    unsigned handle = g_link.tcpHandle;

    // A read that fails (here: on a conversation that is gone) leaves the count alone.
    g_link.tcpHandle = 0;
    g_link.receiveCount = 100;
    ClientTCPCB(0, TCP_DATAREADY, 0, nullptr);
    EXPECT_EQ(g_link.receiveCount, 100);

    // A full buffer takes nothing more, whatever arrives.
    g_link.tcpHandle = handle;
    sensor.SetResponder([](const Bytes &) { return ReplyPlan{{0.0, Bytes(64, 0x11)}}; });
    g_link.receiveCount = kLinkBufferSize;
    const unsigned char request[kFrameHeaderSize] = {0x55, 0x08, 0, 0, 0, 0, 0xAA, 0x76};
    ClientTCPWrite(handle, request, kFrameHeaderSize, 2000);
    for (int i = 0; i < 100; ++i)
        WaitSystemEvents(0.002);
    EXPECT_EQ(g_link.receiveCount, kLinkBufferSize);

    // Events of a conversation that is not the current one are ignored.
    g_link.receiveCount = 0;
    g_link.tcpConnected = 1;
    ClientTCPCB(handle + 1000, TCP_DISCONNECT, 0, nullptr);
    EXPECT_EQ(g_link.tcpConnected, 1);
    EXPECT_EQ(g_link.receiveCount, 0);
}

TEST_F(TransportTest, DisconnectEndsTheConversationAndGoesOffline)
{
    StartWithRawSensorOverTcp();
    ASSERT_EQ(g_link.sensorConnected, 1);
    ClearStatus();
    Disconnect();
    EXPECT_EQ(g_link.tcpConnected, 0);
    EXPECT_EQ(g_link.sensorConnected, 0);
    EXPECT_EQ(Status(), "No sensor connected!\n\n");
    EXPECT_EQ(g_app.paraMemory, PARA_MEMORY_FILE);
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_CONNECT));
    EXPECT_TRUE(Dimmed(ConnectionPage(), TABCONN_DISCONNECT));
    EXPECT_TRUE(Dimmed(g_app.mainPanel, MAINP_GO));
    // The next request has no conversation to go out on.
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    ExpectLinkFailure(kTimeoutText);
}

TEST_F(TransportTest, SerialExchangeOverAPseudoTerminal)
{
    StartWithRawSensorOverPty(5);
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    std::vector<Bytes> startUp = sensor.Requests();
    ASSERT_EQ(startUp.size(), 3u);
    EXPECT_EQ(startUp[0], (Bytes{0x55, 0x07, 0x00, 0x00, 0x00, 0x00, 0xAA, 0x52}));
    EXPECT_EQ(startUp[1], (Bytes{0x55, 0x0F, 0x00, 0x00, 0x00, 0x00, 0xAA, 0xF3}));
    EXPECT_NE(Status().find("CHROMIX1 V3.1R2\nSensor: RAW-SENSOR\nSerial number: 4711\n\n"),
              std::string::npos);
    int comShown = 0;
    GetCtrlVal(g_app.dataPanel, DATAP_COMPORT, &comShown);
    EXPECT_EQ(comShown, 5);

    // Header on time, data 2.9 s later: accepted.
    Bytes frame = Frame(ORDER_READ_DATA_FRAME, 0, Bytes(kLiveFrameBytes, 9));
    sensor.SetResponder([frame](const Bytes &) {
        return ReplyPlan{{0.0, Bytes(frame.begin(), frame.begin() + 8)},
                         {2.9, Bytes(frame.begin() + 8, frame.end())}};
    });
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_OK) << Status();
    EXPECT_EQ(ReplyData()[kLiveFrameBytes - 1], 9);

    // A header still short of its last byte after 3.0 s: the TIMEOUT text.
    ClearStatus();
    sensor.SetResponder([frame](const Bytes &) {
        return ReplyPlan{{0.0, Bytes(frame.begin(), frame.begin() + 5)}};
    });
    double start = WallSeconds();
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    double elapsed = WallSeconds() - start;
    EXPECT_GT(elapsed, 3.0);
    ExpectLinkFailure(kTimeoutText);
}
