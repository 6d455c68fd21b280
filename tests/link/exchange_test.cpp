// The frame exchange against a scripted sensor on TCP loopback: the bytes of the
// requests, the 3.0 s limits, and every way a reply can be refused.
#include "support/link_test_env.h"

#include "app/app_state.h"
#include "connection/connection.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "params/param_transfer.h"
#include "params/parameter_set.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

// A header whose CRC fits but whose sync byte is not 0x55.
Bytes HeaderWithSync(unsigned char sync, int command, unsigned parameter, unsigned length)
{
    Bytes header = Frame(command, parameter);
    header[0] = sync;
    header[4] = (unsigned char)(length & 0xFF);
    header[5] = (unsigned char)(length >> 8);
    header[7] = crc8Update(header.data(), 0, 7, kCrc8Table);
    return header;
}

} // namespace

class ExchangeTest : public LinkProgramTest
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

    void Answer(ReplyPlan plan)
    {
        sensor.SetResponder([plan](const Bytes &) { return plan; });
    }
};

TEST_F(ExchangeTest, StartUpConnectsAndSendsTheExactRequestBytes)
{
    // The start-up check already ran in SetUp; run it once more to see its requests.
    CheckComLine();
    std::vector<Bytes> requests = sensor.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0], (Bytes{0x55, 0x07, 0x00, 0x00, 0x00, 0x00, 0xAA, 0x52}));
    EXPECT_EQ(requests[1], (Bytes{0x55, 0x0F, 0x00, 0x00, 0x00, 0x00, 0xAA, 0xF3}));
    EXPECT_EQ(requests[2], (Bytes{0x55, 0x02, 0x00, 0x00, 0x00, 0x00, 0xAA, 0xB9}));
    EXPECT_EQ(Status(), "CHROMIX1 V3.1R2\nSensor: RAW-SENSOR\nSerial number: 4711\n\n");
    EXPECT_EQ(SensorDisplay(), "CHROMIX1 V3.1R2");
    char tip[128] = "";
    GetCtrlAttribute(g_app.dataPanel, DATAP_SENSOR, ATTR_TOOLTIP_TEXT, tip, sizeof tip);
    EXPECT_STREQ(tip, kRawFirmware);
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_ACCEPT));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_CHANGEBAUD));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_HWINFO));

    sensor.ClearRequests();
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_OK);
    EXPECT_EQ(sensor.Requests().at(0), (Bytes{0x55, 0x08, 0x00, 0x00, 0x00, 0x00, 0xAA, 0x76}));
    EXPECT_EQ(g_link.replyLength, kLiveFrameBytes);

    // A request with data carries the data's CRC and goes out as 8 + n bytes.
    sensor.ClearRequests();
    SendPara();
    Bytes write = sensor.Requests().at(0);
    ASSERT_EQ(write.size(), 72u);
    unsigned char payload[kParameterSetBytes];
    ParameterSetToWire(payload);
    EXPECT_EQ(Bytes(write.begin() + 8, write.end()), Bytes(payload, payload + kParameterSetBytes));
    EXPECT_EQ(write[4], 64);
    EXPECT_EQ(write[5], 0);
    EXPECT_EQ(write[6], crc8Update(payload, 0, kParameterSetBytes, kCrc8Table));
    EXPECT_EQ(write[7], crc8Update(write.data(), 0, 7, kCrc8Table));
}

TEST_F(ExchangeTest, HeaderAndDataEachHaveTheirOwnThreeSeconds)
{
    // A header 2.9 s after the wait began is on time.
    Answer(Reply(ORDER_READ_DATA_FRAME, 0, Bytes(kLiveFrameBytes, 2), 2.9));
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_OK) << Status();

    // The header on time, the data block 2.9 s later: the data has a fresh 3.0 s.
    Bytes frame = Frame(ORDER_READ_DATA_FRAME, 0, Bytes(kLiveFrameBytes, 3));
    Answer(ReplyPlan{{0.0, Bytes(frame.begin(), frame.begin() + 8)},
                     {2.9, Bytes(frame.begin() + 8, frame.end())}});
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_OK) << Status();
    EXPECT_EQ(ReplyData()[0], 3);
    EXPECT_EQ(g_link.sensorConnected, 1);
    EXPECT_EQ(Status(), "");

    // Seven header bytes and no eighth: refused once more than 3.0 s have passed.
    Answer(ReplyPlan{{0.0, Bytes(frame.begin(), frame.begin() + 7)}});
    double start = WallSeconds();
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    EXPECT_GT(WallSeconds() - start, 3.0);
    ExpectLinkFailure(kTimeoutText);
}

TEST_F(ExchangeTest, DataBlockMissingItsLastByteTimesOut)
{
    Bytes frame = Frame(ORDER_READ_DATA_FRAME, 0, Bytes(kLiveFrameBytes, 3));
    Answer(ReplyPlan{{0.0, Bytes(frame.begin(), frame.end() - 1)}});
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    ExpectLinkFailure(kTimeoutText);
}

TEST_F(ExchangeTest, HeaderWithRightCrcButWrongSyncIsRefused)
{
    ASSERT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_OK);
    Answer(ReplyPlan{{0.0, HeaderWithSync(0xAA, 9, 0x1234, 0)}});
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    ExpectLinkFailure(kBadHeaderText);
    // The reply fields keep the values of the last good header.
    EXPECT_EQ(g_link.replyCommand, ORDER_READ_DATA_FRAME);
    EXPECT_EQ(g_link.replyLength, kLiveFrameBytes);

    ClearStatus();
    Bytes broken = Frame(ORDER_READ_DATA_FRAME, 0);
    broken[7] ^= 0x01;
    Answer(ReplyPlan{{0.0, broken}});
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    ExpectLinkFailure(kBadHeaderText);
}

TEST_F(ExchangeTest, ErrorRepliesOneAndTwoFailWithTheirTextsAndThreeSucceeds)
{
    Answer(Reply(kErrorReplyCommand, 1));
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    ExpectLinkFailure("Invalid order number! \nVerify PC and sensor software!");

    ClearStatus();
    Answer(Reply(kErrorReplyCommand, 2));
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    ExpectLinkFailure("Communication error! \nYou may have to reduce baudrate!");

    ClearStatus();
    g_link.sensorConnected = 1;
    Answer(Reply(kErrorReplyCommand, 3));
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_OK);
    EXPECT_EQ(g_link.replyParameter, 3);
    EXPECT_EQ(g_link.sensorConnected, 1);
    EXPECT_EQ(Status(), "");
}

TEST_F(ExchangeTest, ReplyWithoutDataIsAcceptedWhateverItsDataCrcByte)
{
    Bytes header = Frame(ORDER_SAVE_PARAMETERS_TO_EEPROM, 5);
    header[6] = 0x12;
    header[7] = crc8Update(header.data(), 0, 7, kCrc8Table);
    Answer(ReplyPlan{{0.0, header}});
    EXPECT_EQ(Exchange(ORDER_SAVE_PARAMETERS_TO_EEPROM), LINK_OK);
    EXPECT_EQ(g_link.replyDataCrc, 0x12);
    EXPECT_EQ(g_link.replyParameter, 5);
}

TEST_F(ExchangeTest, WrongDataCrcIsRefused)
{
    Bytes frame = Frame(ORDER_READ_DATA_FRAME, 0, Bytes(kLiveFrameBytes, 4));
    frame.back() ^= 0xFF;
    Answer(ReplyPlan{{0.0, frame}});
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    ExpectLinkFailure(kBadDataText);
}

TEST_F(ExchangeTest, ReplyAnnouncingMoreThanTheReceiveBufferHoldsIsRefused)
{
    // 2040 data bytes fill the receive buffer exactly and are accepted.
    Bytes full(kMaxReplyData);
    for (size_t i = 0; i < full.size(); ++i)
        full[i] = (unsigned char)i;
    Answer(Reply(ORDER_READ_HARDWARE_INFO, 0, full));
    ASSERT_EQ(Exchange(ORDER_READ_HARDWARE_INFO), LINK_OK) << Status();
    EXPECT_EQ(Bytes(ReplyData(), ReplyData() + kMaxReplyData), full);

    // One more is refused like a broken header, and nothing lands past the buffer.
    for (int length : {kMaxReplyData + 1, 3000}) {
        ClearStatus();
        g_link.sensorConnected = 1;
        Answer(Reply(ORDER_READ_HARDWARE_INFO, 0, Bytes((size_t)length, 0xEE)));
        EXPECT_EQ(Exchange(ORDER_READ_HARDWARE_INFO), LINK_FAILED);
        ExpectLinkFailure(kBadHeaderText);
        for (int i = 0; i < 50; ++i)
            WaitSystemEvents(0.002);
        EXPECT_GE(g_link.receiveCount, 0);
        EXPECT_LE(g_link.receiveCount, kLinkBufferSize);
        EXPECT_EQ(g_link.replyLength, kMaxReplyData);
        EXPECT_EQ(g_link.portStatus, 0);
    }
}

TEST_F(ExchangeTest, ServerClosingTheConnectionIsALinkFailure)
{
    sensor.CloseClient();
    double deadline = WallSeconds() + 5.0;
    while (g_link.tcpConnected == 1 && WallSeconds() < deadline)
        WaitSystemEvents(0.01);
    EXPECT_EQ(g_link.tcpConnected, 0);
    ExpectLinkFailure("Server has closed connection!");

    // The next request goes nowhere and times out.
    ClearStatus();
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    ExpectLinkFailure(kTimeoutText);
}

TEST_F(ExchangeTest, WaitingForAReplyThatNeverComesCostsLittleCpuTime)
{
    Answer(ReplyPlan{});
    double wallStart = WallSeconds();
    double cpuStart = ThreadCpuSeconds();
    EXPECT_EQ(Exchange(ORDER_READ_DATA_FRAME), LINK_FAILED);
    double wall = WallSeconds() - wallStart;
    double cpu = ThreadCpuSeconds() - cpuStart;
    std::printf("3 s reply wait: %.3f s wall, %.3f s CPU\n", wall, cpu);
    EXPECT_LT(cpu, wall / 4.0);
    ExpectLinkFailure(kTimeoutText);
}

// Frames that answer no request of ours (a late reply, frames the sensor pushed) are
// skipped with their data; the wait for the right reply keeps its one 3.0 s limit.
TEST_F(ExchangeTest, FramesForOtherRequestsAreSkippedWithinTheSameLimit)
{
    Bytes lateAck = Frame(ORDER_WRITE_PARAMETERS, 0);
    Bytes pushed = Frame(ORDER_READ_DATA_FRAME, 0, Bytes(kLiveFrameBytes, 7));
    Bytes stopAck = Frame(ORDER_AUTO_SEND, 0);
    Bytes glued = pushed;
    glued.insert(glued.end(), pushed.begin(), pushed.end());
    glued.insert(glued.end(), stopAck.begin(), stopAck.end());
    struct Case {
        const char *name;
        int command;
        ReplyPlan plan;
    };
    const Case cases[] = {
        {"late acknowledgement first", ORDER_SAVE_PARAMETERS_TO_EEPROM,
         ReplyPlan{{0.0, lateAck}, {0.2, Frame(ORDER_SAVE_PARAMETERS_TO_EEPROM, 3)}}},
        {"pushed frames glued to the acknowledgement", ORDER_AUTO_SEND, ReplyPlan{{0.0, glued}}},
        {"pushed frame split across reads", ORDER_AUTO_SEND,
         ReplyPlan{{0.0, Bytes(pushed.begin(), pushed.begin() + 5)},
                   {0.1, Bytes(pushed.begin() + 5, pushed.end())},
                   {1.5, stopAck}}},
    };
    for (const Case &c : cases) {
        Answer(c.plan);
        EXPECT_EQ(Exchange(c.command), LINK_OK) << c.name << "\n" << Status();
        EXPECT_EQ(g_link.replyCommand, c.command) << c.name;
        EXPECT_EQ(g_link.replyLength, 0) << c.name;
    }
    EXPECT_EQ(Status(), "");

    // Stray frames alone never make a reply: the limit still ends the wait.
    Answer(ReplyPlan{{0.0, lateAck}, {1.5, pushed}, {1.4, lateAck}});
    double start = WallSeconds();
    EXPECT_EQ(Exchange(ORDER_AUTO_SEND), LINK_FAILED);
    EXPECT_LT(WallSeconds() - start, 3.5);
    ExpectLinkFailure(kTimeoutText);
}
