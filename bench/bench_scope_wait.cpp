// CPU cost of an armed scope scan: the program, connected to chromix-sim over TCP
// loopback and over a pseudo-terminal, waits 10 s for a trigger that never comes, then
// BREAK ends the wait. Prints the process's CPU time as a share of one core; the wait
// is meant to sleep on events, not to spin.

#include "app/app_state.h"
#include "bench_clock.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "ui/ui_init.h"
#include "ui/userint.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <time.h>

namespace
{

constexpr int kArmedMs = 10000;
constexpr int kBenchComPort = 4;

void PressBreak()
{
    CBF_ButtonBreakScan(g_app.mainPages[PAGE_SCOPE], TABSCOPE_BREAK, EVENT_COMMIT, nullptr, 0, 0);
}

void MeasureArmed(const char *name, const std::string &dir, const std::string &settings)
{
    if (StartProgramInDir(dir, settings) != 0) {
        std::printf("  %-4s the program did not start\n", name);
        return;
    }
    int page = g_app.mainPages[PAGE_SCOPE];
    SetCtrlVal(page, TABSCOPE_TRIGLEVEL, 5000); // a level the signal never reaches
    SetCtrlVal(page, TABSCOPE_TRIGMODE, 1);
    QTimer::singleShot(kArmedMs, PressBreak);
    double wall = WallSeconds();
    double cpu = ProcessCpuSeconds();
    CBF_ButtonScan(page, TABSCOPE_SCAN, EVENT_COMMIT, nullptr, 0, 0);
    wall = WallSeconds() - wall;
    cpu = ProcessCpuSeconds() - cpu;
    std::printf("  %-4s armed %.1f s, CPU %.3f s = %.2f %% of one core\n", name, wall, cpu,
                100.0 * cpu / wall);
    StopProgram();
}

// SCAN with the scope page as the program starts (rising edge through 2000, 20
// pre-trigger samples, every cycle) on the simulator's living signal, with marks
// passing at the simulator's default pace and at the demo's.
void MeasureDefaultScans(const char *name, const std::string &dir, const std::string &settings)
{
    constexpr int kScans = 10;
    if (StartProgramInDir(dir, settings) != 0)
        return;
    int page = g_app.mainPages[PAGE_SCOPE];
    double longest = 0.0, total = 0.0;
    for (int i = 0; i < kScans; ++i) {
        double wall = WallSeconds();
        CBF_ButtonScan(page, TABSCOPE_SCAN, EVENT_COMMIT, nullptr, 0, 0);
        wall = WallSeconds() - wall;
        total += wall;
        longest = wall > longest ? wall : longest;
    }
    std::printf("  %-24s %d scans: trace after %.3f s on average, %.3f s at most\n", name, kScans,
                total / kScans, longest);
    StopProgram();
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (InitUserInterface(&argc, argv) < 0)
        return 1;
    std::string dir = MakeTempProgramDir();
    std::printf("Armed scope scan waiting for a trigger (goal: under 2 %% of one core):\n");
    {
        SimProcess sim;
        if (StartSim(sim, {"--tcp", "0"}))
            MeasureArmed("tcp", dir, TcpSettingsFile(sim.tcpPort));
    }
    {
        SimProcess sim;
        std::string link = dir + "/ports/COM" + std::to_string(kBenchComPort);
        if (StartSim(sim, {"--pty", link}))
            MeasureArmed("pty", dir, SerialSettingsFile(kBenchComPort));
    }
    std::printf("SCAN with the page's initial settings (rising edge through 2000) over TCP:\n");
    for (const char *period : {"1700", "400"}) {
        SimProcess sim;
        if (StartSim(sim, {"--tcp", "0", "--mark-period", period}))
            MeasureDefaultScans(period[0] == '1' ? "marks every 1.7 s" : "marks every 0.4 s (demo)", dir,
                                TcpSettingsFile(sim.tcpPort));
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
