// Resident memory over a long run of the program against chromix-sim on TCP loopback:
// 100,000 live frames polled by the live loop (GO, with its displays and strip charts,
// STOP once the frames are in), then 1,000 GET/SEND cycles with the parameter form,
// printing the resident set size before, midway and after each.
// Prints figures only.
#include "app/app_state.h"
#include "app/long_operation.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "live/live_state.h"
#include "params/param_transfer.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "ui/ui_init.h"

#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace
{

constexpr int kLiveFrames = 100000;
constexpr int kTransferCycles = 1000;

// VmRSS or VmHWM of this process in KiB, from /proc/self/status.
long StatusKiB(const std::string &key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, key.size() + 1, key + ":") == 0)
            return std::atol(line.c_str() + key.size() + 1);
    }
    return -1;
}

long g_firstRssKiB = -1;
std::chrono::steady_clock::time_point g_start;

void PrintMemory(const char *when)
{
    long rss = StatusKiB("VmRSS");
    if (g_firstRssKiB < 0) {
        g_firstRssKiB = rss;
        g_start = std::chrono::steady_clock::now();
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - g_start).count();
    std::printf("%-36s %6.1f s  RSS %7ld KiB  (%+6ld KiB since start)  peak %7ld KiB\n", when, seconds, rss,
                rss - g_firstRssKiB, StatusKiB("VmHWM"));
    std::fflush(stdout);
}

// Presses GO and presses STOP once `count` more frames were taken (checked every
// 20 ms); returns the frames missing when the loop ended earlier (a failed exchange).
int PollLiveFrames(int count)
{
    const unsigned long long target = g_live.framesTaken + (unsigned long long)count;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&]() {
        if (g_live.framesTaken >= target && LoopRunning(LOOP_LIVE))
            CBF_ButtonStop(g_app.mainPanel, MAINP_STOP, EVENT_COMMIT, nullptr, 0, 0);
    });
    timer.start();
    CBF_ButtonGo(g_app.mainPanel, MAINP_GO, EVENT_COMMIT, nullptr, 0, 0);
    return g_live.framesTaken >= target ? 0 : (int)(target - g_live.framesTaken);
}

int RunTransferCycles(int count)
{
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        failures += GetPara() == LINK_OK ? 0 : 1;
        failures += SendPara() == LINK_OK ? 0 : 1;
    }
    return failures;
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    SimProcess sim;
    if (!StartSim(sim, {"--tcp", "0"})) {
        std::fprintf(stderr, "bench_memory: the simulator did not start\n");
        return 1;
    }
    if (InitUserInterface(&argc, argv) < 0)
        return 1;
    std::string dir = MakeTempProgramDir();
    if (StartProgramInDir(dir, TcpSettingsFile(sim.tcpPort)) < 0 || !g_link.tcpConnected) {
        std::fprintf(stderr, "bench_memory: the program did not connect to the simulator\n");
        return 1;
    }
    std::printf("Resident memory of the program connected to chromix-sim over TCP loopback:\n");
    PrintMemory("start (connected)");
    int liveFailures = PollLiveFrames(kLiveFrames / 2);
    PrintMemory("after 50,000 live frames");
    liveFailures += PollLiveFrames(kLiveFrames / 2);
    PrintMemory("after 100,000 live frames");
    int transferFailures = RunTransferCycles(kTransferCycles / 2);
    PrintMemory("after 500 GET/SEND cycles");
    transferFailures += RunTransferCycles(kTransferCycles / 2);
    PrintMemory("after 1,000 GET/SEND cycles (end)");
    std::printf("missing: %d of %d live frames, %d of %d transfers\n", liveFailures, kLiveFrames,
                transferFailures, 2 * kTransferCycles);
    std::fflush(stdout);
    StopProgram();
    StopSim(sim);
    std::system(("rm -rf '" + dir + "'").c_str());
    return 0;
}
