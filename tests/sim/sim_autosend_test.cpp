// Auto-send: frames pushed unasked after the start, none after the stop.

#include "sim_test_support.h"

namespace
{

// Counts pushed live frames arriving within the given time.
int CountPushedFrames(SimClient &client, double seconds)
{
    int frames = 0;
    double end = SecondsNow() + seconds;
    SimReply frame;
    while (SecondsNow() < end && ReadReply(client, frame, end - SecondsNow())) {
        EXPECT_EQ(frame.header.command, ORDER_READ_DATA_FRAME);
        EXPECT_EQ(frame.data.size(), (size_t)kLiveFrameBytes);
        EXPECT_TRUE(frame.dataCrcOk);
        ++frames;
    }
    return frames;
}

} // namespace

TEST(SimAutoSend, FramesArriveUntilStop)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    SimReply start = Exchange(client, ORDER_AUTO_SEND, 1);
    ASSERT_TRUE(start.complete);
    EXPECT_EQ(start.header.command, ORDER_AUTO_SEND);
    EXPECT_EQ(start.header.length, 0);
    EXPECT_GE(CountPushedFrames(client, 1.0), 5);

    ASSERT_TRUE(SendBytes(client, BuildRequestFrame(ORDER_AUTO_SEND, 0)));
    SimReply reply;
    int before = 0;
    while (ReadReply(client, reply) && reply.header.command == ORDER_READ_DATA_FRAME)
        ++before;
    EXPECT_EQ(reply.header.command, ORDER_AUTO_SEND);
    EXPECT_LE(before, 2);
    EXPECT_TRUE(DrainInput(client, 0.3).empty());
}

TEST(SimAutoSend, PushRateOption)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--push-rate", "100"});
    ASSERT_TRUE(Exchange(client, ORDER_AUTO_SEND, 1).complete);
    // Well above what the default 20 per second could deliver.
    EXPECT_GT(CountPushedFrames(client, 1.0), 30);
}

TEST(SimAutoSend, PushCountQueryCountsEveryPushedFrame)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--push-rate", "100"});
    ASSERT_TRUE(Exchange(client, ORDER_AUTO_SEND, 1).complete);
    int received = CountPushedFrames(client, 0.5);
    ASSERT_TRUE(SendBytes(client, BuildRequestFrame(ORDER_AUTO_SEND, 0)));
    SimReply reply;
    while (ReadReply(client, reply) && reply.header.command == ORDER_READ_DATA_FRAME)
        ++received;
    EXPECT_EQ(SimPushCount(sim), received);
}
