// RECONNECT AUTOMATICALLY with the real program's live polling (offscreen) against
// chromix-sim, over TCP loopback and over a pseudo-terminal. The sensor goes away for
// outages of 3.0 to 4.5 s (so that its return falls at different points between two
// attempts). Prints, measured in the same run:
//   1. the time from the simulator being back to the first new frame, against the
//      2 s between attempts (goal: under 2.5 s);
//   2. the CPU share of the program while it attempts, against one core (goal: under
//      1 %).
// Prints figures only.
#include "app/app_state.h"
#include "app/long_operation.h"
#include "bench_clock.h"
#include "connection/reconnect.h"
#include "link/link_state.h"
#include "live/live_loop.h"
#include "live/live_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "ui/ui_init.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace
{

constexpr int kBenchComPort = 5;
const double kOutages[] = {3.0, 3.5, 4.0, 4.5};

struct OutageFigures {
    double backToFrame = -1.0; // seconds from "back" to the first new frame
    double cpuShare = -1.0;    // CPU seconds per wall second while attempting
};

enum Phase { PHASE_POLLING, PHASE_GONE, PHASE_BACK, PHASE_DONE };

// One outage during live polling: started after some frames, watched every 5 ms (every
// 25 ms while the sensor is gone, so that the watcher's own wake-ups stay small).
OutageFigures MeasureOneOutage(SimProcess &sim, double seconds)
{
    OutageFigures figures;
    Phase phase = PHASE_POLLING;
    double backAt = 0.0, gone = 0.0, cpuGone = 0.0;
    unsigned long long framesAtBack = 0;
    const unsigned long long start = g_live.framesTaken;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&]() {
        std::string line;
        switch (phase) {
        case PHASE_POLLING:
            if (g_live.framesTaken < start + 50)
                return;
            if (!StartSimOutage(sim, seconds)) {
                phase = PHASE_DONE;
                return;
            }
            phase = PHASE_GONE;
            // The watcher itself wakes less often while the program attempts.
            timer.setInterval(25);
            return;
        case PHASE_GONE:
            // The CPU is counted from the first attempt on, until the sensor is back.
            if (gone == 0.0 && g_loops.reconnecting) {
                gone = WallSeconds();
                cpuGone = ProcessCpuSeconds();
            }
            if (!WaitForSimLine(sim, "chromix-sim: back", line, 0.0))
                return;
            backAt = WallSeconds();
            if (gone > 0.0)
                figures.cpuShare = (ProcessCpuSeconds() - cpuGone) / (backAt - gone);
            framesAtBack = g_live.framesTaken;
            phase = PHASE_BACK;
            timer.setInterval(5);
            return;
        case PHASE_BACK:
            if (g_live.framesTaken == framesAtBack)
                return;
            figures.backToFrame = WallSeconds() - backAt;
            phase = PHASE_DONE;
            StopLivePolling();
            return;
        case PHASE_DONE:
            return;
        }
    });
    timer.start(5);
    GetData();
    timer.stop();
    // The pty comes back under its link; the transport lines after "back" are taken.
    WaitForSimBack(sim, 0.5);
    return figures;
}

void RunOver(const std::string &dir, bool pty)
{
    SimProcess sim;
    std::vector<std::string> arguments = {"--live-sequence"};
    if (pty)
        arguments.insert(arguments.end(), {"--pty", dir + "/ports/COM" + std::to_string(kBenchComPort)});
    else
        arguments.insert(arguments.end(), {"--tcp", "0"});
    if (!StartSim(sim, arguments)) {
        std::fprintf(stderr, "bench_reconnect: the simulator did not start\n");
        return;
    }
    const std::string settings = pty ? SerialSettingsFile(kBenchComPort) : TcpSettingsFile(sim.tcpPort);
    if (StartProgramInDir(dir, settings) != 0 || g_link.sensorConnected != 1) {
        std::fprintf(stderr, "bench_reconnect: the program did not connect\n");
        StopSim(sim);
        return;
    }
    SetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_AUTORECONNECT, 1);
    DispatchCtrlEvent(g_app.mainPages[PAGE_CONNECTION], TABCONN_AUTORECONNECT, EVENT_COMMIT, 0, 0);

    std::vector<double> times;
    double worstCpu = 0.0, cpuSum = 0.0;
    int cpuCount = 0;
    for (double seconds : kOutages) {
        OutageFigures figures = MeasureOneOutage(sim, seconds);
        if (figures.backToFrame < 0.0) {
            std::fprintf(stderr, "bench_reconnect: no frame after an outage of %.1f s\n", seconds);
            continue;
        }
        times.push_back(figures.backToFrame);
        if (figures.cpuShare >= 0.0) {
            worstCpu = std::max(worstCpu, figures.cpuShare);
            cpuSum += figures.cpuShare;
            ++cpuCount;
        }
    }
    if (!times.empty()) {
        double worst = *std::max_element(times.begin(), times.end());
        double sum = 0.0;
        for (double t : times)
            sum += t;
        std::printf(
            "%s: back to the first new frame: mean %.2f s, worst %.2f s of %zu outages; worst against "
            "the 2 s between attempts: %.2f (goal: under 2.5 s)\n",
            pty ? "pty" : "tcp", sum / times.size(), worst, times.size(), worst / 2.0);
    }
    if (cpuCount > 0)
        std::printf("%s: CPU while attempting: mean %.2f %%, worst %.2f %% of a core (goal: under 1 %%)\n",
                    pty ? "pty" : "tcp", 100.0 * cpuSum / cpuCount, 100.0 * worstCpu);
    StopProgram();
    StopSim(sim);
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    InitUserInterface(&argc, argv);
    std::string dir = MakeTempProgramDir();
    RunOver(dir, false);
    RunOver(dir, true);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
