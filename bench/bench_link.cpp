// Live-data round trips against chromix-sim, on TCP loopback and on a pseudo-terminal
// (no pacing): request/reply pairs per second through DataExchange beside a bare C++
// loop that writes the same 8-byte request and reads the same 30-byte reply over the
// same transport, as a ratio (goal: at least 90 %); and the CPU time a 3 s reply wait
// that times out costs (goal: under 2 % of a core). Prints figures only.

#include "bench_clock.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "link/transport.h"
#include "platform/rs232.h"
#include "platform/tcp_client.h"
#include "support/sim_process.h"
#include "ui/ui_init.h"
#include "ui/userint.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace
{

constexpr int kPairs = 3000;
constexpr int kRounds = 4;
constexpr int kBenchComPort = 1;
constexpr int kLiveReplyBytes = kFrameHeaderSize + kLiveFrameBytes; // 30

double ThreadCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

struct Rate {
    double pairsPerSecond = 0.0;
    double cpuMicroseconds = 0.0; // per pair
    int failures = 0;
};

template <typename OnePair> Rate Measure(OnePair onePair)
{
    Rate rate;
    for (int i = 0; i < 20; ++i)
        onePair();
    double wallStart = WallSeconds();
    double cpuStart = ThreadCpuSeconds();
    for (int i = 0; i < kPairs; ++i)
        rate.failures += onePair() ? 0 : 1;
    double wall = WallSeconds() - wallStart;
    rate.pairsPerSecond = kPairs / wall;
    rate.cpuMicroseconds = (ThreadCpuSeconds() - cpuStart) / kPairs * 1e6;
    return rate;
}

// One live-data request and its reply through the program's exchange.
bool ExchangeLiveData()
{
    g_link.currentCommand = ORDER_READ_DATA_FRAME;
    FillTxBuf(ORDER_READ_DATA_FRAME, 0, 0);
    return DataExchange(kFrameHeaderSize) == LINK_OK && g_link.replyCommand == ORDER_READ_DATA_FRAME &&
           g_link.replyLength == kLiveFrameBytes;
}

// The same pair as plain writes and reads on the descriptor, nothing else.
bool BarePair(int fd)
{
    static const unsigned char kRequest[kFrameHeaderSize] = {0x55, 0x08, 0x00, 0x00, 0x00, 0x00, 0xAA, 0x76};
    if (write(fd, kRequest, sizeof kRequest) != (ssize_t)sizeof kRequest)
        return false;
    unsigned char reply[kLiveReplyBytes];
    int got = 0;
    while (got < kLiveReplyBytes) {
        ssize_t n = read(fd, reply + got, (size_t)(kLiveReplyBytes - got));
        if (n > 0) {
            got += (int)n;
            continue;
        }
        if (n == 0 || (errno != EAGAIN && errno != EINTR))
            return false;
        pollfd waitFor = {fd, POLLIN, 0};
        if (poll(&waitFor, 1, 3000) <= 0)
            return false;
    }
    return reply[1] == ORDER_READ_DATA_FRAME;
}

void PrintComparison(const char *transport, const Rate &exchange, const Rate &bare)
{
    std::printf("%-24s DataExchange %7.0f pairs/s (%5.1f us CPU, %d failed)   bare loop %7.0f pairs/s "
                "(%5.1f us CPU, %d failed)   ratio %5.1f %%\n",
                transport, exchange.pairsPerSecond, exchange.cpuMicroseconds, exchange.failures,
                bare.pairsPerSecond, bare.cpuMicroseconds, bare.failures,
                100.0 * exchange.pairsPerSecond / bare.pairsPerSecond);
}

bool ConnectProgram(int port)
{
    g_link.protocol = PROTOCOL_TCP;
    UseTransportChannel();
    if (ConnectToTCPServerEx(&g_link.tcpHandle, (unsigned)port, "127.0.0.1", ClientTCPCB, nullptr, 5000, 0) <
        0)
        return false;
    g_link.tcpConnected = 1;
    return true;
}

void DisconnectProgram()
{
    DisconnectFromTCPServer(g_link.tcpHandle);
    g_link.tcpConnected = 0;
    // The simulator serves one client at a time; let it notice the close.
    WaitSystemEvents(0.1);
}

// The simulator serves one TCP client at a time: the program and the bare loop take
// turns, kRounds times each, and the best run of each counts, so that a busy machine
// disturbs both alike.
void BenchTcp()
{
    SimProcess sim;
    if (!StartSim(sim, {"--tcp", "0"})) {
        std::printf("TCP loopback: chromix-sim did not start\n");
        return;
    }
    Rate exchange, bare;
    for (int round = 0; round < kRounds; ++round) {
        if (!ConnectProgram(sim.tcpPort)) {
            std::printf("TCP loopback: no connection\n");
            return;
        }
        Rate r = Measure(ExchangeLiveData);
        if (r.pairsPerSecond > exchange.pairsPerSecond)
            exchange = r;
        DisconnectProgram();
        SimClient client;
        if (!ConnectSimTcp(client, sim.tcpPort)) {
            std::printf("TCP loopback: the bare loop has no connection\n");
            return;
        }
        r = Measure([&client] { return BarePair(client.fd); });
        if (r.pairsPerSecond > bare.pairsPerSecond)
            bare = r;
        CloseSimClient(client);
        usleep(100000);
    }
    PrintComparison("TCP loopback", exchange, bare);
}

void BenchPty(const std::string &dir)
{
    SimProcess sim;
    std::string link = dir + "/ports/COM" + std::to_string(kBenchComPort);
    if (!StartSim(sim, {"--pty", link})) {
        std::printf("pty: chromix-sim did not start\n");
        return;
    }
    Rate exchange, bare;
    for (int round = 0; round < kRounds; ++round) {
        g_link.protocol = PROTOCOL_RS232;
        g_link.comPort = kBenchComPort;
        UseTransportChannel();
        if (OpenComConfig(kBenchComPort, "", 921600, 0, 8, 1, 1024, 1024) < 0) {
            std::printf("pty: cannot open COM%d\n", kBenchComPort);
            return;
        }
        SetComTime(kBenchComPort, 2.0);
        Rate r = Measure(ExchangeLiveData);
        if (r.pairsPerSecond > exchange.pairsPerSecond)
            exchange = r;
        CloseCom(kBenchComPort);
        SimClient client;
        if (!OpenSimPty(client, link)) {
            std::printf("pty: the bare loop cannot open %s\n", link.c_str());
            return;
        }
        r = Measure([&client] { return BarePair(client.fd); });
        if (r.pairsPerSecond > bare.pairsPerSecond)
            bare = r;
        CloseSimClient(client);
    }
    PrintComparison("pty at 921600 (unpaced)", exchange, bare);
}

// A sensor that never answers: the exchange waits its full 3.0 s and fails.
void BenchTimedOutWait()
{
    SimProcess sim;
    if (!StartSim(sim, {"--tcp", "0", "--no-reply"}) || !ConnectProgram(sim.tcpPort)) {
        std::printf("3 s reply wait: chromix-sim did not start\n");
        return;
    }
    double wallStart = WallSeconds();
    double cpuStart = ThreadCpuSeconds();
    bool failed = !ExchangeLiveData();
    double wall = WallSeconds() - wallStart;
    double cpu = ThreadCpuSeconds() - cpuStart;
    std::printf("3 s reply wait (TCP, no reply): %.3f s wall, %.4f s CPU = %.2f %% of a core%s\n", wall, cpu,
                100.0 * cpu / wall, failed ? "" : "  (unexpected reply)");
    DisconnectProgram();
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (InitUserInterface(&argc, argv) < 0)
        return 1;
    char pattern[] = "/tmp/chromix-bench-link-XXXXXX";
    const char *dir = mkdtemp(pattern);
    if (!dir)
        return 1;
    SetProjectDirOverride(dir);
    std::printf("Live-data request (8 bytes) and reply (30 bytes) against chromix-sim, %d pairs a run:\n",
                kPairs);
    BenchTcp();
    BenchPty(dir);
    BenchTimedOutWait();
    SetProjectDirOverride(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
