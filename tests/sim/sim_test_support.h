#pragma once
// Helpers shared by the simulator tests: a simulator with a connected TCP client,
// parameter sets and live frames decoded from the bytes on the wire.

#include "../support/sim_process.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

constexpr int kFields = 32;
using ParameterValues = std::vector<unsigned short>;

// The Default column of the parameter table, in wire order.
const ParameterValues kDefaultParameters = {500, 0,    3200, 3300, 0,   5,   1,    1, 0,    0,  0,
                                            1,   100,  0,    0,    100, 100, 2000, 1, 2000, 20, 10,
                                            1,   2000, 20,   10,   0,   0,   0,    0, 0,    0};

enum Field {
    F_POWER = 0,
    F_POWER_MODE = 1,
    F_LED_MODE = 4,
    F_GAIN = 5,
    F_AVERAGE = 6,
    F_ANALOG_OUTMODE = 8,
    F_ANALOG_RANGE = 9,
    F_DIGITAL_OUTMODE = 11,
    F_HOLD = 12,
    F_THRESHOLD_MODE = 13,
    F_THRESHOLD_TRACING = 14,
    F_REF_VALUE_CH0 = 17,
    F_THRESHOLD_CALC_1 = 18,
    F_TEACH_VALUE_1 = 19,
    F_TOLERANCE_1 = 20,
    F_HYSTERESIS_1 = 21,
    F_THRESHOLD_CALC_2 = 22,
    F_TEACH_VALUE_2 = 23,
    F_TOLERANCE_2 = 24,
    F_HYSTERESIS_2 = 25,
    F_OPERATING_MODE = 28,
    F_SENSITIVITY = 29,
    F_ADJ_CHANNEL_OFFSET = 30,
    F_CH0_OFFSET = 31,
};

struct LiveValues {
    int ch0, sig, refSig1, refSig2, temp, refCh0;
    unsigned outState, inBits;
    int maxMinA, maxMinB, anaOut;
};

inline unsigned short WordAt(const std::vector<unsigned char> &bytes, size_t index)
{
    return GetLe16(bytes.data() + 2 * index);
}

inline std::vector<unsigned char> Words(const std::vector<unsigned short> &words)
{
    std::vector<unsigned char> bytes(2 * words.size());
    for (size_t i = 0; i < words.size(); ++i)
        PutLe16(bytes.data() + 2 * i, words[i]);
    return bytes;
}

inline LiveValues DecodeLive(const std::vector<unsigned char> &d)
{
    return LiveValues{(short)WordAt(d, 0), (short)WordAt(d, 1), (short)WordAt(d, 2), (short)WordAt(d, 3),
                      (short)WordAt(d, 4), (short)WordAt(d, 5), WordAt(d, 6),        d[14],
                      (short)WordAt(d, 8), (short)WordAt(d, 9), (short)WordAt(d, 10)};
}

// A simulator on a free TCP port (plus extra arguments) with a connected client.
inline void StartWithClient(SimProcess &sim, SimClient &client, const std::vector<std::string> &extra = {})
{
    std::vector<std::string> arguments = {"--tcp", "0"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    ASSERT_TRUE(StartSim(sim, arguments));
    ASSERT_GT(sim.tcpPort, 0);
    ASSERT_TRUE(ConnectSimTcp(client, sim.tcpPort));
}

inline SimReply Exchange(SimClient &client, int command, unsigned parameter = 0,
                         const std::vector<unsigned char> &data = {}, double timeout = 3.0)
{
    SimReply reply;
    ExchangeFrame(client, command, parameter, data, reply, timeout);
    return reply;
}

inline ParameterValues ReadParameters(SimClient &client)
{
    SimReply reply = Exchange(client, ORDER_READ_PARAMETERS);
    ParameterValues values;
    for (size_t i = 0; reply.complete && i < reply.data.size() / 2; ++i)
        values.push_back(WordAt(reply.data, i));
    return values;
}

// Writes a set into RAM; returns the plausibility count (-1 when the exchange failed).
inline int WriteParameters(SimClient &client, const ParameterValues &values)
{
    SimReply reply = Exchange(client, ORDER_WRITE_PARAMETERS, 0, Words(values));
    return reply.complete && reply.header.command == ORDER_WRITE_PARAMETERS ? reply.header.parameter : -1;
}

inline LiveValues ReadLive(SimClient &client)
{
    SimReply reply = Exchange(client, ORDER_READ_DATA_FRAME);
    EXPECT_TRUE(reply.complete);
    EXPECT_EQ(reply.data.size(), (size_t)kLiveFrameBytes);
    if (reply.data.size() != (size_t)kLiveFrameBytes)
        return LiveValues{};
    return DecodeLive(reply.data);
}

inline bool IsErrorReply(const SimReply &reply, unsigned code)
{
    return reply.complete && reply.headerCrcOk && reply.syncOk &&
           reply.header.command == kErrorReplyCommand && reply.header.parameter == code &&
           reply.header.length == 0;
}

// A scratch directory removed with everything in it at the end of the test.
struct ScratchDir {
    std::string path;
    ScratchDir()
    {
        char pattern[] = "/tmp/chromix-sim-test-XXXXXX";
        path = mkdtemp(pattern) ? pattern : "";
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// Seconds since an arbitrary start, for measuring reply times.
inline double SecondsNow()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
