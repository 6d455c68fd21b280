// Each fault option, from the command line and through the control channel.

#include "sim_test_support.h"

#include <algorithm>

namespace
{

SimReply Ack(SimClient &client)
{
    return Exchange(client, ORDER_SAVE_PARAMETERS_TO_EEPROM);
}

} // namespace

TEST(SimFaults, DelayedReplies)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--delay", "300"});
    double start = SecondsNow();
    SimReply reply = Exchange(client, ORDER_READ_FIRMWARE);
    EXPECT_TRUE(reply.complete);
    EXPECT_GE(SecondsNow() - start, 0.3);
}

TEST(SimFaults, DataDelayedAfterTheHeader)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--data-delay", "400"});
    double start = SecondsNow();
    ASSERT_TRUE(SendBytes(client, BuildRequestFrame(ORDER_READ_FIRMWARE, 0)));
    std::vector<unsigned char> header = ReadBytes(client, 8, 3.0);
    ASSERT_EQ(header.size(), 8u);
    EXPECT_TRUE(FrameHeaderIsValid(header.data()));
    std::vector<unsigned char> data = ReadBytes(client, ParseFrameHeader(header.data()).length, 3.0);
    EXPECT_EQ(data.size(), ParseFrameHeader(header.data()).length);
    EXPECT_GE(SecondsNow() - start, 0.4);
}

TEST(SimFaults, NoReplyOnlyForTheFaultCommand)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--no-reply", "--fault-command", "8"});
    EXPECT_TRUE(Exchange(client, ORDER_READ_FIRMWARE).complete);
    SimReply silent = Exchange(client, ORDER_READ_DATA_FRAME, 0, {}, 0.3);
    EXPECT_TRUE(silent.raw.empty());
    EXPECT_TRUE(Exchange(client, ORDER_READ_FIRMWARE).complete);
}

TEST(SimFaults, WrongHeaderCrcEverySecondReply)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--bad-header-crc", "2"});
    for (int i = 1; i <= 4; ++i) {
        SimReply reply = Ack(client);
        ASSERT_EQ(reply.raw.size(), 8u) << i;
        EXPECT_EQ(reply.headerCrcOk, i % 2 == 1) << i;
        EXPECT_TRUE(reply.syncOk);
    }
}

TEST(SimFaults, WrongDataCrcWithAValidHeader)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--bad-data-crc", "1"});
    SimReply reply = Exchange(client, ORDER_READ_FIRMWARE);
    ASSERT_TRUE(reply.complete);
    EXPECT_TRUE(reply.headerCrcOk && reply.syncOk);
    EXPECT_FALSE(reply.dataCrcOk);
    EXPECT_EQ(std::string(reply.data.begin(), reply.data.end()), "CHROMIX1 V3.1.0 R2");
}

TEST(SimFaults, WrongSyncWithAFittingHeaderCrc)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--bad-sync", "1"});
    SimReply reply = Ack(client);
    ASSERT_TRUE(reply.complete);
    EXPECT_TRUE(reply.headerCrcOk);
    EXPECT_FALSE(reply.syncOk);
    EXPECT_FALSE(FrameHeaderIsValid(reply.raw.data()));
}

TEST(SimFaults, ErrorReplyWithAnyCode)
{
    for (unsigned code : {1u, 2u, 3u}) {
        SimProcess sim;
        SimClient client;
        StartWithClient(sim, client, {"--error-reply", std::to_string(code)});
        EXPECT_TRUE(IsErrorReply(Exchange(client, ORDER_READ_FIRMWARE), code));
    }
}

TEST(SimFaults, TruncatedReply)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--truncate", "5"});
    ASSERT_TRUE(SendBytes(client, BuildRequestFrame(ORDER_READ_FIRMWARE, 0)));
    EXPECT_EQ(DrainInput(client, 0.3).size(), 5u);
}

// The conversion table reply cut to 100 bytes is an intact frame of 100 bytes; a
// reply without data is left alone.
TEST(SimFaults, ShortDataKeepsTheFrameIntact)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--short-data", "100"});
    SimReply table = Exchange(client, ORDER_CONV_TABLE, 1);
    ASSERT_TRUE(table.complete);
    EXPECT_TRUE(table.headerCrcOk && table.dataCrcOk);
    EXPECT_EQ(table.header.command, ORDER_CONV_TABLE);
    ASSERT_EQ(table.data.size(), 100u);
    EXPECT_EQ(GetLe16(table.data.data() + 4), 0xFFFF); // row 2 disabled
    SimReply ack = Ack(client);
    EXPECT_TRUE(ack.complete && ack.headerCrcOk);
    EXPECT_EQ(ack.header.length, 0);
}

TEST(SimFaults, CloseAfterRepliesOnTcp)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--close-after", "2"});
    EXPECT_TRUE(Ack(client).complete);
    EXPECT_TRUE(Ack(client).complete);
    EXPECT_TRUE(WaitForClose(client, 3.0));
    // The next client starts counting afresh.
    ASSERT_TRUE(ConnectSimTcp(client, sim.tcpPort));
    EXPECT_TRUE(Ack(client).complete);
    EXPECT_TRUE(Ack(client).complete);
    EXPECT_TRUE(WaitForClose(client, 3.0));
}

TEST(SimFaults, CloseAfterSilencesAPtyUntilCleared)
{
    ScratchDir dir;
    SimProcess sim;
    ASSERT_TRUE(StartSim(sim, {"--pty", dir.path + "/ports/COM1", "--close-after", "1"}));
    SimClient client;
    ASSERT_TRUE(OpenSimPty(client, sim.linkPath));
    EXPECT_TRUE(Ack(client).complete);
    EXPECT_TRUE(Exchange(client, ORDER_READ_FIRMWARE, 0, {}, 0.3).raw.empty());
    ASSERT_TRUE(SendSimControl(sim, "clear"));
    EXPECT_TRUE(Exchange(client, ORDER_READ_FIRMWARE).complete);
}

TEST(SimFaults, OversizeReply)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--oversize-reply"});
    SimReply reply = Exchange(client, ORDER_READ_FIRMWARE);
    ASSERT_TRUE(reply.complete);
    EXPECT_EQ(reply.header.length, 3000);
    EXPECT_EQ(reply.data.size(), 3000u);
    EXPECT_TRUE(reply.dataCrcOk);
}

TEST(SimFaults, ZeroLengthCrcByte)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--zero-length-crc", "0x00"});
    SimReply ack = Ack(client);
    ASSERT_TRUE(ack.complete);
    EXPECT_EQ(ack.raw[6], 0x00);
    EXPECT_TRUE(ack.headerCrcOk && ack.syncOk);
    SimReply firmware = Exchange(client, ORDER_READ_FIRMWARE);
    EXPECT_TRUE(firmware.complete && firmware.dataCrcOk);
}

TEST(SimFaults, FaultAfterKeepsTheFirstRepliesNormal)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--fault-command", "8", "--fault-after", "2", "--bad-data-crc", "1"});
    EXPECT_TRUE(Exchange(client, ORDER_READ_FIRMWARE).dataCrcOk);
    EXPECT_TRUE(Exchange(client, ORDER_READ_DATA_FRAME).dataCrcOk);
    EXPECT_TRUE(Exchange(client, ORDER_READ_DATA_FRAME).dataCrcOk);
    EXPECT_FALSE(Exchange(client, ORDER_READ_DATA_FRAME).dataCrcOk);
    EXPECT_FALSE(Exchange(client, ORDER_READ_DATA_FRAME).dataCrcOk);
    EXPECT_TRUE(Exchange(client, ORDER_READ_FIRMWARE).dataCrcOk);
}

TEST(SimFaults, ControlChannelChangesFaultsWhileRunning)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    EXPECT_TRUE(Exchange(client, ORDER_READ_FIRMWARE).complete);

    ASSERT_TRUE(SendSimControl(sim, "delay 400"));
    double start = SecondsNow();
    EXPECT_TRUE(Exchange(client, ORDER_READ_FIRMWARE).complete);
    EXPECT_GE(SecondsNow() - start, 0.4);

    ASSERT_TRUE(SendSimControl(sim, "clear"));
    ASSERT_TRUE(SendSimControl(sim, "fault-command 8"));
    ASSERT_TRUE(SendSimControl(sim, "error-reply 2"));
    EXPECT_TRUE(IsErrorReply(Exchange(client, ORDER_READ_DATA_FRAME), kErrorCommunication));
    EXPECT_EQ(Exchange(client, ORDER_READ_FIRMWARE).header.command, ORDER_READ_FIRMWARE);
    ASSERT_TRUE(SendSimControl(sim, "error-reply off"));
    EXPECT_EQ(Exchange(client, ORDER_READ_DATA_FRAME).header.command, ORDER_READ_DATA_FRAME);

    ASSERT_TRUE(SendSimControl(sim, "firmware CHROMIX1 V3.10"));
    SimReply firmware = Exchange(client, ORDER_READ_FIRMWARE);
    EXPECT_EQ(std::string(firmware.data.begin(), firmware.data.end()), "CHROMIX1 V3.10");

    EXPECT_FALSE(SendSimControl(sim, "tcp 5000", 1.0));
    EXPECT_FALSE(SendSimControl(sim, "no-such-fault 1", 1.0));
    EXPECT_FALSE(SendSimControl(sim, "delay soon", 1.0));
    auto isError = [](const std::string &line) { return line.rfind("chromix-sim: error ", 0) == 0; };
    EXPECT_EQ(std::count_if(sim.lines.begin(), sim.lines.end(), isError), 3);
}

TEST(SimFaults, PushedFramesCountAsRepliesOfTheirCommand)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--fault-command", "8", "--fault-after", "2", "--bad-data-crc", "1"});
    SimReply start = Exchange(client, ORDER_AUTO_SEND, 1);
    ASSERT_TRUE(start.complete);
    EXPECT_EQ(start.header.command, ORDER_AUTO_SEND);
    bool expectedGood[] = {true, true, false, false};
    for (bool good : expectedGood) {
        SimReply pushed;
        ASSERT_TRUE(ReadReply(client, pushed));
        EXPECT_EQ(pushed.header.command, ORDER_READ_DATA_FRAME);
        EXPECT_EQ(pushed.dataCrcOk, good);
    }

    ASSERT_TRUE(SendSimControl(sim, "fault-command 110"));
    Exchange(client, ORDER_AUTO_SEND, 0);
    DrainInput(client, 0.2);
    SimReply ack = Exchange(client, ORDER_SCOPE_SCAN, 1, Words({0, 0, 0, 1}));
    EXPECT_TRUE(ack.complete && ack.header.command == ORDER_SCOPE_SCAN);
    for (int channel = 0; channel < 3; ++channel) {
        SimReply frame;
        ASSERT_TRUE(ReadReply(client, frame));
        EXPECT_EQ(frame.header.length, 256);
        EXPECT_EQ(frame.dataCrcOk, channel == 0) << "fault-after 2 counts the ack and the first frame";
    }
}
