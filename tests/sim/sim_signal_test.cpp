// The living signal seen from outside: CH0, SIG, references, outputs, inputs and the
// analog output follow the parameters written into RAM.

#include "sim_test_support.h"

#include <algorithm>
#include <thread>

namespace
{

// A live frame shows the last finished sensor cycle (0.1 ms each): after a change the
// sensor runs a few cycles before the next frame is read.
void Settle()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(3));
}

void WriteOrFail(SimClient &client, const ParameterValues &set)
{
    ASSERT_EQ(WriteParameters(client, set), 0);
    Settle();
}

std::vector<LiveValues> SampleLive(SimClient &client, int count, int intervalMs)
{
    std::vector<LiveValues> frames;
    for (int i = 0; i < count; ++i) {
        frames.push_back(ReadLive(client));
        std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
    }
    return frames;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Threshold lines as the live display draws them.
struct Lines {
    int tolUpper, tolLower, hysUpper, hysLower;
};

Lines LinesFor(int ref, int calc, int tolerance, int hysteresis)
{
    int t = calc == 1 ? tolerance * ref / 100 : tolerance;
    int h = calc == 1 ? hysteresis * ref / 100 : hysteresis;
    return Lines{std::min(ref + t, 4095), ref < t ? 0 : ref - t, std::min(ref + h, 4095),
                 ref < h ? 0 : ref - h};
}

// Whether a signal lies beyond both lines of a threshold in its active direction (1),
// beyond both in the other direction (0), or between them (-1, hysteresis band).
int ExpectedActive(int mode, int sig, const Lines &l)
{
    if (mode == 1) {
        if (sig > std::max(l.tolUpper, l.hysUpper))
            return 1;
        return sig < std::min(l.tolUpper, l.hysUpper) ? 0 : -1;
    }
    if (mode == 2) {
        if (sig >= std::max(l.tolLower, l.hysLower) && sig <= std::min(l.tolUpper, l.hysUpper))
            return 1;
        bool outside = sig < std::min(l.tolLower, l.hysLower) || sig > std::max(l.tolUpper, l.hysUpper);
        return outside ? 0 : -1;
    }
    if (sig < std::min(l.tolLower, l.hysLower))
        return 1;
    return sig > std::max(l.tolLower, l.hysLower) ? 0 : -1;
}

// Checks every sampled frame whose signal is outside a hysteresis band; returns how
// often OUT0 was seen on and off.
void CheckOutputs(const std::vector<LiveValues> &frames, const ParameterValues &set, bool inverse,
                  int &seenOn, int &seenOff)
{
    int mode = set[F_THRESHOLD_MODE];
    for (const LiveValues &f : frames) {
        Lines lines1 = LinesFor(f.refSig1, set[F_THRESHOLD_CALC_1], set[F_TOLERANCE_1], set[F_HYSTERESIS_1]);
        int active = ExpectedActive(mode, f.sig, lines1);
        bool out0 = f.outState & 1;
        bool out1 = f.outState & 2;
        if (active >= 0) {
            EXPECT_EQ(out0, (active == 1) != inverse) << "SIG " << f.sig << " REF " << f.refSig1;
        }
        if (mode == 3) {
            Lines lines2 =
                LinesFor(f.refSig2, set[F_THRESHOLD_CALC_2], set[F_TOLERANCE_2], set[F_HYSTERESIS_2]);
            int active2 = ExpectedActive(3, f.sig, lines2);
            if (active2 >= 0) {
                EXPECT_EQ(out1, (active2 == 1) != inverse) << "SIG " << f.sig << " REF2 " << f.refSig2;
            }
        } else {
            EXPECT_NE(out0, out1) << "OUT1 is the complement of OUT0";
        }
        seenOn += out0 ? 1 : 0;
        seenOff += out0 ? 0 : 1;
    }
}

} // namespace

TEST(SimSignal, DarkSignalAndOffsetCalculation)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ParameterValues set = kDefaultParameters;
    set[F_LED_MODE] = 2; // OFF
    WriteOrFail(client, set);
    LiveValues dark = ReadLive(client);
    EXPECT_LT(dark.ch0, 100);
    EXPECT_GT(dark.ch0, 0);
    SimReply calc = Exchange(client, ORDER_OFFSET, 1);
    int offset = calc.header.parameter;
    EXPECT_NEAR(offset, dark.ch0, 8);
    Exchange(client, ORDER_OFFSET, 2, Words({(unsigned short)offset}));
    Settle();
    EXPECT_LT(ReadLive(client).ch0, 10);
    // The calculation measures the raw dark signal, whatever offset is stored.
    EXPECT_NEAR(Exchange(client, ORDER_OFFSET, 1).header.parameter, offset, 3);

    // A long moving average of the dark signal stays at it, frame after frame.
    Exchange(client, ORDER_OFFSET, 2, Words({0}));
    set[F_AVERAGE] = 1000;
    WriteOrFail(client, set);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    for (const LiveValues &f : SampleLive(client, 20, 25))
        EXPECT_NEAR(f.ch0, offset, 3);
}

TEST(SimSignal, PowerAndGainScaleCh0)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ParameterValues full = kDefaultParameters, quarter = kDefaultParameters;
    full[F_POWER] = 800;
    quarter[F_POWER] = 200;
    std::vector<double> powerRatios;
    for (int i = 0; i < 7; ++i) {
        WriteOrFail(client, full);
        double high = ReadLive(client).ch0;
        WriteOrFail(client, quarter);
        double low = ReadLive(client).ch0;
        powerRatios.push_back(high / low);
    }
    EXPECT_GT(Median(powerRatios), 3.0);
    EXPECT_LT(Median(powerRatios), 4.5);

    ParameterValues lowGain = kDefaultParameters, highGain = kDefaultParameters;
    lowGain[F_POWER] = highGain[F_POWER] = 100;
    lowGain[F_GAIN] = 1;
    highGain[F_GAIN] = 7;
    std::vector<double> gainRatios;
    for (int i = 0; i < 7; ++i) {
        WriteOrFail(client, highGain);
        double high = ReadLive(client).ch0;
        WriteOrFail(client, lowGain);
        double low = ReadLive(client).ch0;
        gainRatios.push_back(high / low);
    }
    EXPECT_GT(Median(gainRatios), 4.0);
}

TEST(SimSignal, SigFollowsOperatingMode)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    for (const LiveValues &f : SampleLive(client, 5, 5))
        EXPECT_EQ(f.sig, f.ch0);

    ParameterValues set = kDefaultParameters;
    set[F_ADJ_CHANNEL_OFFSET] = 1;
    set[F_CH0_OFFSET] = 900;
    WriteOrFail(client, set);
    for (const LiveValues &f : SampleLive(client, 5, 5))
        EXPECT_EQ(f.sig, std::max(f.ch0 - 900, 0));

    set = kDefaultParameters;
    set[F_OPERATING_MODE] = 2; // DELTA CH0 INTEGRATOR
    set[F_REF_VALUE_CH0] = 1000;
    WriteOrFail(client, set);
    for (const LiveValues &f : SampleLive(client, 5, 5)) {
        EXPECT_EQ(f.sig, std::clamp(f.ch0 - 1000 + 2048, 0, 4095));
        EXPECT_EQ(f.refCh0, 1000);
    }

    set[F_OPERATING_MODE] = 1; // DIFFERENTIATOR: steady surfaces sit at the middle
    WriteOrFail(client, set);
    std::vector<double> deviations;
    for (const LiveValues &f : SampleLive(client, 15, 20))
        deviations.push_back(std::abs(f.sig - 2048));
    EXPECT_LT(Median(deviations), 200);
}

TEST(SimSignal, OutputsSwitchAtTheDrawnLines)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    struct Case {
        int thresholdMode, outMode, teach1, teach2, calc;
    };
    // LOW DIRECT, LOW INVERSE, HIGH DIRECT, WIN DIRECT (absolute), 2 TRSH DIRECT.
    const Case cases[] = {{0, 1, 2000, 2000, 1},
                          {0, 2, 2000, 2000, 1},
                          {1, 1, 1800, 2000, 1},
                          {2, 1, 2550, 2000, 0},
                          {3, 1, 2000, 2700, 1}};
    for (const Case &c : cases) {
        ParameterValues set = kDefaultParameters;
        set[F_THRESHOLD_MODE] = (unsigned short)c.thresholdMode;
        set[F_DIGITAL_OUTMODE] = (unsigned short)c.outMode;
        set[F_TEACH_VALUE_1] = (unsigned short)c.teach1;
        set[F_TEACH_VALUE_2] = (unsigned short)c.teach2;
        set[F_THRESHOLD_CALC_1] = (unsigned short)c.calc;
        if (c.calc == 0) {
            set[F_TOLERANCE_1] = 300;
            set[F_HYSTERESIS_1] = 200;
        }
        set[F_HOLD] = 0;
        WriteOrFail(client, set);
        int on = 0, off = 0;
        CheckOutputs(SampleLive(client, 45, 50), set, c.outMode == 2, on, off);
        EXPECT_GT(on, 0) << "threshold mode " << c.thresholdMode;
        EXPECT_GT(off, 0) << "threshold mode " << c.thresholdMode;
    }

    ParameterValues set = kDefaultParameters;
    set[F_DIGITAL_OUTMODE] = 0;
    WriteOrFail(client, set);
    for (const LiveValues &f : SampleLive(client, 20, 50))
        EXPECT_EQ(f.outState, 0u);
}

TEST(SimSignal, ReferencesFollowThresholdTracing)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ParameterValues set = kDefaultParameters;
    set[F_TEACH_VALUE_1] = 1234;
    set[F_TEACH_VALUE_2] = 2345;
    WriteOrFail(client, set);
    for (const LiveValues &f : SampleLive(client, 5, 20)) {
        EXPECT_EQ(f.refSig1, 1234);
        EXPECT_EQ(f.refSig2, 2345);
    }

    set[F_THRESHOLD_TRACING] = 2; // ON CONT
    set[15] = 1;                  // TT UP: one digit per 100 us
    set[16] = 1;                  // TT DOWN
    WriteOrFail(client, set);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::vector<double> gaps;
    for (const LiveValues &f : SampleLive(client, 21, 30))
        gaps.push_back(std::abs(f.refSig1 - f.sig));
    EXPECT_LT(Median(gaps), 60);

    set[15] = set[16] = 60000; // one digit per 6 s: REF hardly moves
    WriteOrFail(client, set);
    for (const LiveValues &f : SampleLive(client, 10, 50))
        EXPECT_NEAR(f.refSig1, 1234, 1);
}

TEST(SimSignal, InputsToggleAndExtremesFollowIn0)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    int in0High = 0, in1High = 0;
    std::vector<LiveValues> frames = SampleLive(client, 110, 50);
    for (const LiveValues &f : frames) {
        in0High += f.inBits & 1;
        in1High += (f.inBits >> 1) & 1;
        if (f.inBits & 1) {
            EXPECT_GE(f.maxMinA, f.sig);
            EXPECT_LE(f.maxMinB, f.sig);
        }
        EXPECT_GT(f.temp, 1700);
        EXPECT_LT(f.temp, 2000);
    }
    EXPECT_GT(in0High, 0);
    EXPECT_LT(in0High, (int)frames.size());
    EXPECT_GT(in1High, 0);
    EXPECT_LT(in1High, (int)frames.size());
}

TEST(SimSignal, AnalogOutputFollowsOutmodeAndRange)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    for (const LiveValues &f : SampleLive(client, 3, 5))
        EXPECT_EQ(f.anaOut, 0);

    ParameterValues set = kDefaultParameters;
    set[F_ANALOG_OUTMODE] = 1;
    WriteOrFail(client, set);
    for (const LiveValues &f : SampleLive(client, 5, 5))
        EXPECT_EQ(f.anaOut, f.sig);

    std::vector<unsigned char> block(512);
    for (int i = 0; i < 256; ++i)
        PutLe16(block.data() + 2 * i, 1000);
    for (unsigned address : {0x1A00u, 0x1B00u, 0x1C00u, 0x1D00u}) {
        Exchange(client, ORDER_CONV_DATA_PREPARE, address);
        Exchange(client, ORDER_CONV_DATA_WRITE, address, block);
    }
    set[F_ANALOG_RANGE] = 3; // CONV TABLE
    WriteOrFail(client, set);
    for (const LiveValues &f : SampleLive(client, 5, 5))
        EXPECT_EQ(f.anaOut, 1000);
}

TEST(SimSignal, SeedFixesTheSimulatedSensor)
{
    auto darkOffset = [](const std::string &seed) {
        SimProcess sim;
        SimClient client;
        StartWithClient(sim, client, {"--seed", seed});
        return (int)Exchange(client, ORDER_OFFSET, 1).header.parameter;
    };
    int first = darkOffset("7");
    EXPECT_NEAR(darkOffset("7"), first, 1);
    EXPECT_GT(std::abs(darkOffset("8") - first), 2);
}
