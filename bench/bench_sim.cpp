// Benchmark of chromix-sim: request/reply pairs per second on TCP loopback without
// pacing, and with --pace at 115200 baud the reply timing against the wire time.
// Prints figures only.

#include "support/sim_process.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sched.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void MeasureThroughput(const char *placement)
{
    SimProcess sim;
    SimClient client;
    if (!StartSim(sim, {"--tcp", "0"}) || !ConnectSimTcp(client, sim.tcpPort)) {
        std::printf("throughput: simulator did not start\n");
        return;
    }
    SimReply reply;
    const double duration = 3.0;
    long pairs = 0;
    double start = Now();
    while (Now() - start < duration) {
        if (!ExchangeFrame(client, ORDER_READ_DATA_FRAME, 0, {}, reply) || !reply.dataCrcOk) {
            std::printf("throughput: exchange failed after %ld pairs\n", pairs);
            return;
        }
        ++pairs;
    }
    double seconds = Now() - start;
    std::printf("live frame request/reply pairs on TCP loopback, no pacing, %s: %.0f per second "
                "(%ld in %.2f s, %.1f us each)\n",
                placement, pairs / seconds, pairs, seconds, 1e6 * seconds / pairs);
}

struct PacedCase {
    const char *name;
    int command;
    unsigned parameter;
};

void MeasurePacing(const char *transport, SimClient &client)
{
    const PacedCase cases[] = {{"live frame", ORDER_READ_DATA_FRAME, 0},
                               {"parameter set", ORDER_READ_PARAMETERS, 0},
                               {"conversion table", ORDER_CONV_TABLE, 1},
                               {"hardware block", ORDER_READ_HARDWARE_INFO, kHardwareInfoAccess}};
    const int rounds = 40;
    for (const PacedCase &c : cases) {
        std::vector<double> times;
        size_t replyBytes = 0;
        for (int i = 0; i < rounds; ++i) {
            SimReply reply;
            double start = Now();
            if (!ExchangeFrame(client, c.command, c.parameter, {}, reply)) {
                std::printf("%s %s: exchange failed\n", transport, c.name);
                return;
            }
            times.push_back(Now() - start);
            replyBytes = reply.raw.size();
        }
        std::sort(times.begin(), times.end());
        double wire = (double)(kFrameHeaderSize + replyBytes) * 10.0 / 115200.0;
        double median = times[times.size() / 2];
        std::printf("%s %-16s request 8 + reply %4zu bytes: wire %8.3f ms, measured median %8.3f ms "
                    "(min %8.3f, max %8.3f), deviation %+.2f %%\n",
                    transport, c.name, replyBytes, 1e3 * wire, 1e3 * median, 1e3 * times.front(),
                    1e3 * times.back(), 100.0 * (median - wire) / wire);
    }
}

void MeasurePacedTcp()
{
    SimProcess sim;
    SimClient client;
    if (!StartSim(sim, {"--tcp", "0", "--pace", "--baud", "4"}) || !ConnectSimTcp(client, sim.tcpPort)) {
        std::printf("pacing: simulator did not start\n");
        return;
    }
    MeasurePacing("tcp", client);
}

void MeasurePacedPty()
{
    char pattern[] = "/tmp/chromix-bench-XXXXXX";
    if (!mkdtemp(pattern))
        return;
    std::string link = std::string(pattern) + "/COM1";
    {
        SimProcess sim;
        SimClient client;
        if (StartSim(sim, {"--pty", link, "--pace", "--baud", "4"}) && OpenSimPty(client, sim.linkPath))
            MeasurePacing("pty", client);
    }
    rmdir(pattern);
}

} // namespace

// The client and the simulator on one core: a wake-up between two cores of a virtual
// machine can cost more than the whole exchange, and this shows the simulator's own speed.
void PinToFirstCore()
{
    cpu_set_t cores;
    CPU_ZERO(&cores);
    CPU_SET(0, &cores);
    sched_setaffinity(0, sizeof cores, &cores);
}

int main()
{
    MeasureThroughput("any cores");
    PinToFirstCore();
    MeasureThroughput("client and simulator on one core");
    std::printf("paced at 115200 baud, 10 bits a byte; wire time covers request and reply:\n");
    MeasurePacedTcp();
    MeasurePacedPty();
    return 0;
}
