// The real program's live polling loop (offscreen, every display and chart in place)
// against chromix-sim. Prints, each as a ratio measured in the same run:
//   1. frames per second over a paced pseudo-terminal against the wire limit B/380
//      (a live request and its reply are 38 bytes of 10 bits);
//   2. frames per second of the whole loop over TCP loopback against a bare
//      DataExchange loop of the same requests;
//   3. chart repaints per second at full rate, STOP to GO's return, the CPU share
//      while polling at 9600 baud;
//   4. resident memory after 100,000 frames against after 1,000.
// Prints figures only.
#include "app/app_state.h"
#include "app/long_operation.h"
#include "bench_clock.h"
#include "bench_live_run.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "live/live_state.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "ui/strip_chart_widget.h"
#include "ui/ui_init.h"
#include "ui/userint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>

namespace
{

constexpr int kBenchComPort = 4;
constexpr double kBitsPerFrame = 380.0;

// Counts the paint events of every strip chart.
class PaintCounter : public QObject
{
  public:
    long paints = 0;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<StripChartWidget *>(watched))
            ++paints;
        return false;
    }
};

double BareExchangesPerSecond(double seconds)
{
    const double start = WallSeconds();
    long exchanges = 0;
    while (WallSeconds() - start < seconds) {
        g_link.currentCommand = ORDER_READ_DATA_FRAME;
        FillTxBuf(ORDER_READ_DATA_FRAME, 0, 0);
        if (DataExchange(kFrameHeaderSize) != LINK_OK)
            return -1.0;
        ++exchanges;
    }
    return exchanges / (WallSeconds() - start);
}

// The settings file is made once the simulator runs: a TCP port is known only then.
bool StartAgainst(SimProcess &sim, const std::string &dir, const std::vector<std::string> &arguments,
                  const std::function<std::string(const SimProcess &)> &settings)
{
    if (!StartSim(sim, arguments)) {
        std::fprintf(stderr, "bench_live: the simulator did not start\n");
        return false;
    }
    if (StartProgramInDir(dir, settings(sim)) != 0 || g_link.sensorConnected != 1) {
        std::fprintf(stderr, "bench_live: the program did not connect\n");
        return false;
    }
    DisplayPanel(g_app.mainPanel);
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
    SetActiveTabPage(g_app.dataPanel, DATAP_TAB, DATA_PAGE_EVALUATION);
    return true;
}

void Finish(SimProcess &sim)
{
    StopProgram();
    StopSim(sim);
}

void PacedSerial(const std::string &dir, int baudIndex, long baud, double seconds, double goal)
{
    SimProcess sim;
    std::string link = dir + "/ports/COM" + std::to_string(kBenchComPort);
    if (!StartAgainst(
            sim, dir, {"--pty", link, "--pace", "--baud", std::to_string(baudIndex)},
            [baudIndex](const SimProcess &) { return SerialSettingsFile(kBenchComPort, baudIndex); }))
        return;
    RunLive(0.3); // warm-up
    // The bare loop runs between two halves of the live run, so that a change of the
    // machine's load during the run hits both alike.
    const double cpuBefore = ProcessCpuSeconds();
    LiveRun run = RunLive(seconds / 2);
    double cpu = ProcessCpuSeconds() - cpuBefore;
    const double bare = BareExchangesPerSecond(seconds / 2);
    const double cpuBetween = ProcessCpuSeconds();
    LiveRun second = RunLive(seconds / 2);
    cpu += ProcessCpuSeconds() - cpuBetween;
    run.frames += second.frames;
    run.seconds += second.seconds;
    run.stopToReturn += second.stopToReturn;
    const double fps = run.frames / run.seconds;
    const double limit = baud / kBitsPerFrame;
    std::printf(
        "pty %6ld baud, paced:  %7.1f frames/s, wire limit %7.1f: %5.1f %% (goal >= %.0f %%); CPU %.1f %% "
        "of a core\n"
        "                        bare DataExchange %7.1f /s: %5.1f %% of the wire limit; loop/bare %5.1f "
        "%%\n",
        baud, fps, limit, 100.0 * fps / limit, goal, 100.0 * cpu / (run.seconds + run.stopToReturn), bare,
        100.0 * bare / limit, 100.0 * fps / bare);
    Finish(sim);
}

void TcpUnpaced(const std::string &dir)
{
    SimProcess sim;
    if (!StartAgainst(sim, dir, {"--tcp", "0"},
                      [](const SimProcess &s) { return TcpSettingsFile(s.tcpPort); }))
        return;

    PaintCounter counter;
    qApp->installEventFilter(&counter);
    RunLive(0.3); // warm-up
    const long paintsBefore = counter.paints;
    const unsigned long long refreshesBefore = g_live.chartRefreshes;
    double cpuMark = ProcessCpuSeconds();
    LiveRun run = RunLive(1.0);
    double loopCpu = ProcessCpuSeconds() - cpuMark;
    cpuMark = ProcessCpuSeconds();
    const double bare = BareExchangesPerSecond(2.0);
    const double bareCpu = ProcessCpuSeconds() - cpuMark;
    cpuMark = ProcessCpuSeconds();
    LiveRun second = RunLive(1.0);
    loopCpu += ProcessCpuSeconds() - cpuMark;
    run.frames += second.frames;
    run.seconds += second.seconds;
    const double loop = run.frames / run.seconds;
    std::printf(
        "tcp loopback, unpaced: loop %7.1f frames/s, bare DataExchange %7.1f /s: %5.1f %% (goal >= 90 %%)\n"
        "                       CPU per frame: loop %6.1f us, bare exchange %6.1f us\n",
        loop, bare, 100.0 * loop / bare, 1e6 * loopCpu / run.frames, 1e6 * bareCpu / (bare * 2.0));
    // Each refresh repaints the visible strip charts (two on the evaluation page).
    std::printf(
        "chart refreshes at full rate: %5.1f /s, strip chart repaints %5.1f /s (goal 30..60 per chart)\n",
        (g_live.chartRefreshes - refreshesBefore) / run.seconds,
        (counter.paints - paintsBefore) / run.seconds);
    double worstStop = 0.0;
    for (int i = 0; i < 5; ++i) {
        LiveRun shortRun = RunLive(0.2);
        worstStop = std::max(worstStop, shortRun.stopToReturn);
    }
    std::printf("STOP commit to GO's callback returned: %5.2f ms worst of 6 (goal < 50 ms)\n",
                std::max(worstStop, run.stopToReturn) * 1e3);
    qApp->removeEventFilter(&counter);

    RunLive(0.0, 1000);
    const long after1000 = ResidentKiB();
    const double start = WallSeconds();
    RunLive(0.0, 99000);
    std::printf(
        "resident memory after 1,000 frames %ld KiB, after 100,000 frames %ld KiB: %+ld KiB (%.1f s for "
        "99,000 frames)\n",
        after1000, ResidentKiB(), ResidentKiB() - after1000, WallSeconds() - start);
    Finish(sim);
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    InitUserInterface(&argc, argv);
    std::string dir = MakeTempProgramDir();
    PacedSerial(dir, 4, 115200, 3.0, 97);
    PacedSerial(dir, 7, 921600, 3.0, 90);
    if (!getenv("BENCH_LIVE_PACED_ONLY")) {
        PacedSerial(dir, 0, 9600, 4.0, 97);
        TcpUnpaced(dir);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
