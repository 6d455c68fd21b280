// The connection check: firmware version comparison, sensor name and serial number,
// and the Close / Offline question.
#include "support/link_test_env.h"

#include "app/app_state.h"
#include "app/dimming.h"
#include "connection/connection.h"
#include "connection/firmware_text.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "support/popup_script.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <QTimer>

#include <cstring>

namespace
{

// A sensor like the default one, with another firmware reply.
Responder WithFirmwareReply(const Bytes &firmwareReply)
{
    return [firmwareReply](const Bytes &request) {
        if (request[1] == ORDER_READ_FIRMWARE)
            return ReplyPlan{{0.0, firmwareReply}};
        return SensorLikeReply(request);
    };
}

Responder WithFirmware(const std::string &text)
{
    return WithFirmwareReply(Frame(ORDER_READ_FIRMWARE, 0, TextBytes(text)));
}

const char *const kMismatchStart =
    "Sensor firmware and scope version do not match! \nFirmware of connected sensor is: ";

} // namespace

TEST(FirmwareTextTest, SplitsIntoVersionAndVersionText)
{
    FirmwareVersion full = ParseFirmwareText("CHROMIX1 V3.1.0 R2");
    EXPECT_EQ(full.version, "CHROMIX1 V3.1");
    EXPECT_EQ(full.versionText, "CHROMIX1 V3.1R2");
    FirmwareVersion plain = ParseFirmwareText("CHROMIX1 V3.1");
    EXPECT_EQ(plain.version, "CHROMIX1 V3.1");
    EXPECT_EQ(plain.versionText, "CHROMIX1 V3.1");
    EXPECT_EQ(ParseFirmwareText("CHROMIX1 V3.1 R2").version, "CHROMIX1 V3.1 R2");
    EXPECT_EQ(ParseFirmwareText("CHROMIX1 V3.10").version, "CHROMIX1 V3.10");
    EXPECT_EQ(ParseFirmwareText("").version, ".");
    FirmwareVersion noBlank = ParseFirmwareText("A.B.C");
    EXPECT_EQ(noBlank.versionText, "A.B");
}

class ConnectionCheckTest : public LinkProgramTest
{
  protected:
    void SetUp() override
    {
        LinkProgramTest::SetUp();
        StartWithRawSensorOverTcp();
        ASSERT_EQ(g_link.sensorConnected, 1) << Status();
        ClearStatus();
        sensor.ClearRequests();
    }
};

TEST_F(ConnectionCheckTest, AcceptedFirmwareTextsGiveTheirVersionTexts)
{
    struct Case {
        const char *firmware;
        const char *versionText;
    };
    for (const Case &c :
         {Case{"CHROMIX1 V3.1.0 R2", "CHROMIX1 V3.1R2"}, Case{"CHROMIX1 V3.1", "CHROMIX1 V3.1"}}) {
        SCOPED_TRACE(c.firmware);
        PopupScript popups;
        sensor.SetResponder(WithFirmware(c.firmware));
        ClearStatus();
        g_link.sensorConnected = 0;
        CheckComLine();
        EXPECT_EQ(popups.Count(), 0);
        EXPECT_EQ(g_link.sensorConnected, 1);
        EXPECT_EQ(SensorDisplay(), c.versionText);
        EXPECT_EQ(Status(), std::string(c.versionText) + "\nSensor: RAW-SENSOR\nSerial number: 4711\n\n");
        EXPECT_STREQ(g_link.firmware, c.firmware);
    }
}

TEST_F(ConnectionCheckTest, ForeignFirmwareIsAMismatchThatKeepsTheConnectedFlag)
{
    for (const char *firmware : {"CHROMIX1 V3.1 R2", "CHROMIX1 V3.10"}) {
        SCOPED_TRACE(firmware);
        PopupScript popups;
        popups.Answer(1); // Close
        sensor.SetResponder(WithFirmware(firmware));
        sensor.ClearRequests();
        g_link.sensorConnected = 1;
        CheckComLine();
        ASSERT_EQ(popups.Count(), 1);
        PopupRequest question = popups.Last();
        EXPECT_EQ(question.kind, POPUP_GENERIC);
        EXPECT_EQ(question.title, "Message!");
        EXPECT_EQ(question.message, std::string(kMismatchStart) + firmware + "\n\n" + kCouldNotConnectText);
        EXPECT_EQ(question.buttons, (std::vector<std::string>{"Close", "Offline"}));
        EXPECT_EQ(question.defaultButton, 1);
        EXPECT_EQ(question.enterButton, 1);
        EXPECT_EQ(question.escapeButton, 1);
        EXPECT_EQ(g_link.sensorConnected, 1);
        EXPECT_EQ(sensor.CountRequests(ORDER_READ_SENSOR_INFO), 0);
        // "Close" asked the event loop to end; it does so at once.
        EXPECT_EQ(RunUserInterface(), 0);
    }
}

TEST_F(ConnectionCheckTest, CloseEndsTheEventLoop)
{
    PopupScript popups;
    popups.Answer(1);
    sensor.SetResponder(WithFirmware("CHROMIX1 V2.0"));
    CheckComLine();
    // The quit asked for inside the check ends the loop at once; the timer only keeps
    // a broken quit from hanging the test.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QuitUserInterface(7); });
    guard.start(3000);
    EXPECT_EQ(RunUserInterface(), 0);
}

TEST_F(ConnectionCheckTest, OfflineAnswerGoesOffline)
{
    PopupScript popups;
    popups.Answer(2);
    sensor.SetResponder(WithFirmware("CHROMIX1 V3.10"));
    g_link.sensorConnected = 1;
    CheckComLine();
    EXPECT_EQ(g_link.sensorConnected, 0);
    EXPECT_EQ(g_link.tcpConnected, 0);
    EXPECT_EQ(SensorDisplay(), "No sensor connected!\n\n");
    EXPECT_NE(Status().find("No sensor connected!\n\n"), std::string::npos);
    EXPECT_EQ(g_app.paraMemory, PARA_MEMORY_FILE);
}

TEST_F(ConnectionCheckTest, ShortFirmwareReplyLeavesTheRestOfTheTextZero)
{
    // A short firmware reply followed at once by stray bytes in the same stream.
    Bytes reply = Frame(ORDER_READ_FIRMWARE, 0, TextBytes("CHROMIX1 V3.1"));
    Bytes stray(80, 'X');
    reply.insert(reply.end(), stray.begin(), stray.end());
    sensor.SetResponder(WithFirmwareReply(reply));
    std::memset(g_link.firmware, 'Y', sizeof g_link.firmware);
    PopupScript popups;
    popups.Answer(1);
    CheckComLine();
    EXPECT_STREQ(g_link.firmware, "CHROMIX1 V3.1");
    for (int i = 13; i <= kFirmwareLength; ++i)
        EXPECT_EQ(g_link.firmware[i], 0) << "byte " << i;
}

TEST_F(ConnectionCheckTest, LongSensorNameIsCutInsideItsField)
{
    std::string longName(300, 'N');
    sensor.SetResponder([longName](const Bytes &request) {
        if (request[1] == ORDER_READ_SENSOR_INFO)
            return Reply(ORDER_READ_SENSOR_INFO, 12, TextBytes(longName));
        return SensorLikeReply(request);
    });
    CheckComLine();
    EXPECT_EQ(std::strlen(g_link.sensorName), (size_t)kSensorNameLength - 1);
    EXPECT_EQ(g_link.sensorName[kSensorNameLength - 1], 0);
    EXPECT_NE(Status().find("\nSensor: " + std::string(255, 'N') + "\nSerial number: 12\n\n"),
              std::string::npos);
    EXPECT_EQ(g_link.sensorConnected, 1);
}

TEST_F(ConnectionCheckTest, FailedRequestInTheCheckOffersCloseOrOffline)
{
    sensor.SetResponder([](const Bytes &request) {
        if (request[1] == ORDER_READ_SENSOR_INFO)
            return ReplyPlan{};
        return SensorLikeReply(request);
    });
    PopupScript popups;
    popups.Answer(1);
    CheckComLine();
    ExpectLinkFailure(kTimeoutText);
    ASSERT_EQ(popups.Count(), 1);
    EXPECT_EQ(popups.Last().message, kCouldNotConnectText);
    EXPECT_EQ(sensor.CountRequests(ORDER_READ_PARAMETERS), 0);
}

// The parameter read that ends the check fails: no question, but the connection page
// stays usable for the next attempt, with the link layer's text in the status box.
TEST_F(ConnectionCheckTest, FailedParameterReadLeavesConnectOperable)
{
    sensor.SetResponder([](const Bytes &request) {
        if (request[1] == ORDER_READ_PARAMETERS)
            return Reply(kErrorReplyCommand, 2);
        return SensorLikeReply(request);
    });
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    PopupScript popups;
    CheckComLine();
    EXPECT_EQ(popups.Count(), 0);
    EXPECT_EQ(g_link.sensorConnected, 0);
    EXPECT_NE(Status().find("Communication error! \nYou may have to reduce baudrate!\n\n"), std::string::npos)
        << Status();
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_CONNECT));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_DISCONNECT));
    EXPECT_TRUE(ConnectionButtonsDimmed());

    // The next attempt through CONNECT succeeds and brings everything back.
    sensor.SetResponder(SensorLikeReply);
    ClickButton(ConnectionPage(), TABCONN_CONNECT);
    EXPECT_EQ(g_link.sensorConnected, 1) << Status();
    EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_GO));
    EXPECT_FALSE(ConnectionButtonsDimmed());
}
