// Scope scans: the ring position of each trigger mode puts the trigger sample at the
// pre-trigger index once unrolled the way the program unrolls it.

#include "sim_test_support.h"

namespace
{

constexpr int kSamples = 128;
constexpr double kTriggerWait = 8.0; // longer than every period of the simulated surface

struct ScopeCapture {
    bool complete = false;
    unsigned position[3] = {0, 0, 0};
    std::vector<unsigned short> block[3]; // unrolled: CH0, SIG, digital states
};

bool StartScan(SimClient &client, unsigned level, unsigned mode, unsigned pretrigger, unsigned rate)
{
    SimReply ack = Exchange(client, ORDER_SCOPE_SCAN, 1,
                            Words({(unsigned short)level, (unsigned short)mode, (unsigned short)pretrigger,
                                   (unsigned short)rate}));
    return ack.complete && ack.header.command == ORDER_SCOPE_SCAN && ack.header.length == 0;
}

// Reads the three pushed frames and unrolls them: start index 0 for a single shot,
// otherwise (P + 128 - pretrigger) % 128.
ScopeCapture ReadCapture(SimClient &client, unsigned mode, unsigned pretrigger)
{
    ScopeCapture capture;
    for (int channel = 0; channel < 3; ++channel) {
        SimReply frame;
        if (!ReadReply(client, frame, kTriggerWait) || !frame.dataCrcOk ||
            frame.data.size() != 2u * kSamples || frame.header.command != ORDER_SCOPE_SCAN)
            return capture;
        unsigned p = frame.header.parameter;
        capture.position[channel] = p;
        unsigned start = mode == 0 ? 0 : (p + kSamples - pretrigger) % kSamples;
        for (int k = 0; k < kSamples; ++k)
            capture.block[channel].push_back(WordAt(frame.data, (start + k) % kSamples));
    }
    capture.complete = true;
    return capture;
}

ScopeCapture Scan(SimClient &client, unsigned level, unsigned mode, unsigned pretrigger, unsigned rate)
{
    if (!StartScan(client, level, mode, pretrigger, rate))
        return ScopeCapture();
    return ReadCapture(client, mode, pretrigger);
}

void ExpectSamePosition(const ScopeCapture &capture)
{
    EXPECT_EQ(capture.position[0], capture.position[1]);
    EXPECT_EQ(capture.position[0], capture.position[2]);
}

} // namespace

TEST(SimScope, SingleShotIsSentInOrder)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ParameterValues set = kDefaultParameters;
    set[F_ADJ_CHANNEL_OFFSET] = 1;
    set[F_CH0_OFFSET] = 300;
    ASSERT_EQ(WriteParameters(client, set), 0);
    ScopeCapture capture = Scan(client, 0, 0, 20, 1);
    ASSERT_TRUE(capture.complete);
    EXPECT_EQ(capture.position[0], 0u);
    ExpectSamePosition(capture);
    // Order CH0, SIG, digital: SIG is CH0 less the channel offset.
    for (int k = 0; k < kSamples; ++k) {
        EXPECT_EQ(capture.block[1][k], std::max(capture.block[0][k] - 300, 0)) << k;
        EXPECT_EQ(capture.block[2][k] & ~0x0303u, 0u) << k;
    }
}

TEST(SimScope, EdgeTriggersCrossTheLevelAtThePretriggerIndex)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    const unsigned level = 2000;
    const unsigned pretriggers[] = {20, 0, 127};
    for (unsigned pre : pretriggers) {
        ScopeCapture rising = Scan(client, level, 1, pre, 2);
        ASSERT_TRUE(rising.complete) << "pretrigger " << pre;
        ExpectSamePosition(rising);
        EXPECT_GE(rising.block[1][pre], level);
        if (pre > 0) {
            EXPECT_LT(rising.block[1][pre - 1], level);
        }
    }
    ScopeCapture falling = Scan(client, level, 2, 40, 3);
    ASSERT_TRUE(falling.complete);
    EXPECT_LE(falling.block[1][40], level);
    EXPECT_GT(falling.block[1][39], level);
}

TEST(SimScope, DigitalTriggersRiseAtThePretriggerIndex)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ParameterValues set = kDefaultParameters;
    set[F_HOLD] = 0;
    ASSERT_EQ(WriteParameters(client, set), 0);
    ScopeCapture out0 = Scan(client, 0, 3, 30, 5);
    ASSERT_TRUE(out0.complete);
    EXPECT_EQ(out0.block[2][30] & 0x0001, 0x0001);
    EXPECT_EQ(out0.block[2][29] & 0x0001, 0);

    ScopeCapture in0 = Scan(client, 0, 4, 10, 20);
    ASSERT_TRUE(in0.complete);
    EXPECT_EQ(in0.block[2][10] & 0x0100, 0x0100);
    EXPECT_EQ(in0.block[2][9] & 0x0100, 0);
}

TEST(SimScope, StopWhileArmedSendsNothingMore)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ASSERT_TRUE(StartScan(client, 5000, 1, 10, 1)); // a level SIG never reaches
    SimReply stop = Exchange(client, ORDER_SCOPE_SCAN, 0);
    EXPECT_TRUE(stop.complete && stop.header.command == ORDER_SCOPE_SCAN);
    EXPECT_TRUE(DrainInput(client, 0.3).empty());
}

TEST(SimScope, TcpScanDeliversExactlyEightHundredBytes)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ASSERT_TRUE(SendBytes(client, BuildRequestFrame(ORDER_SCOPE_SCAN, 1, Words({0, 0, 0, 1}))));
    std::vector<unsigned char> bytes = ReadBytes(client, 800, kTriggerWait);
    ASSERT_EQ(bytes.size(), 800u);
    for (int frame = 0; frame < 3; ++frame) {
        const unsigned char *header = bytes.data() + 8 + frame * 264;
        EXPECT_TRUE(FrameHeaderIsValid(header));
        EXPECT_EQ(ParseFrameHeader(header).length, 256);
    }
    EXPECT_TRUE(DrainInput(client, 0.2).empty());
}

TEST(SimScope, KnownTraceComesAtOnceWithItsRingPosition)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ASSERT_TRUE(SendSimControl(sim, "scope-ring 10"));
    // A level the living signal never reaches: only the known trace can answer.
    ScopeCapture capture = Scan(client, 5000, 1, 20, 1);
    ASSERT_TRUE(capture.complete);
    EXPECT_EQ(capture.position[0], 10u);
    ExpectSamePosition(capture);
    // Unrolled from (10 + 128 - 20) % 128 = 118.
    EXPECT_EQ(capture.block[0][0], 100 + 10 * 118);
    EXPECT_EQ(capture.block[1][20], 4000 - 10 * 10);
    EXPECT_EQ(capture.block[2][20], (10 & 3) | ((10 & 0xC) << 6));
    ASSERT_TRUE(SendSimControl(sim, "scope-ring off"));
    ASSERT_TRUE(StartScan(client, 5000, 1, 20, 1));
    EXPECT_TRUE(DrainInput(client, 0.3).empty());
}

TEST(SimScope, CycleReplyCarriesTheFixedCounts)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ASSERT_TRUE(SendSimControl(sim, "cycle-reply 80000/-3"));
    SimReply reply = Exchange(client, ORDER_READ_CYCLE_TIME, 0);
    ASSERT_TRUE(reply.complete && reply.data.size() == 8u);
    EXPECT_EQ(GetLe32(reply.data.data()), 80000);
    EXPECT_EQ(GetLe32(reply.data.data() + 4), -3);
    ASSERT_TRUE(SendSimControl(sim, "cycle-reply off"));
    // Measured again: the time since the last request, which may round to 0 units
    // right after it, but is never the fixed negative count.
    reply = Exchange(client, ORDER_READ_CYCLE_TIME, 0);
    ASSERT_TRUE(reply.complete && reply.data.size() == 8u);
    EXPECT_GE(GetLe32(reply.data.data() + 4), 0);
}

TEST(SimScope, ShorterMarkPeriodTriggersRisingEdgesSooner)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--mark-period", "400"});
    // Four scans on rising edges wait for four marks: about 1.6 s at this period,
    // about 6.8 s at the default one.
    auto start = std::chrono::steady_clock::now();
    for (int scan = 0; scan < 4; ++scan)
        ASSERT_TRUE(Scan(client, 2000, 1, 20, 1).complete) << "scan " << scan;
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 4.0);
}
