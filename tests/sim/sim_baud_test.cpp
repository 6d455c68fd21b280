// Baud-rate change with paced output: the acknowledgement still takes the old speed's
// wire time, later replies the new one. Only lower bounds are checked.

#include "sim_test_support.h"

namespace
{

// Wire time of a number of bytes at a baud rate, 10 bits a byte.
double WireTime(int bytes, int baud)
{
    return bytes * 10.0 / baud;
}

double TimedExchange(SimClient &client, int command, unsigned parameter, SimReply &reply)
{
    double start = SecondsNow();
    ExchangeFrame(client, command, parameter, {}, reply);
    return SecondsNow() - start;
}

} // namespace

TEST(SimBaud, AcknowledgedAtTheOldSpeed)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--pace", "--baud", "0"});
    SimReply reply;
    double seconds = TimedExchange(client, ORDER_SET_BAUDRATE, 7, reply);
    ASSERT_TRUE(reply.complete);
    EXPECT_EQ(reply.header.command, ORDER_SET_BAUDRATE);
    // Request and acknowledgement, 16 bytes, at 9600 baud.
    EXPECT_GE(seconds, WireTime(16, 9600));
}

TEST(SimBaud, NewSpeedAppliesAfterTheAcknowledgement)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--pace", "--baud", "7"});
    SimReply reply;
    TimedExchange(client, ORDER_SET_BAUDRATE, 0, reply);
    ASSERT_TRUE(reply.complete);
    double seconds = TimedExchange(client, ORDER_READ_DATA_FRAME, 0, reply);
    ASSERT_TRUE(reply.complete);
    EXPECT_GE(seconds, WireTime(8 + 8 + kLiveFrameBytes, 9600));
}

TEST(SimBaud, PacedReplyTakesItsWireTime)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--pace", "--baud", "2"});
    SimReply reply;
    double seconds = TimedExchange(client, ORDER_READ_HARDWARE_INFO, kHardwareInfoAccess, reply);
    ASSERT_TRUE(reply.complete);
    EXPECT_GE(seconds, WireTime(8 + 8 + (int)reply.data.size(), 38400));
}
