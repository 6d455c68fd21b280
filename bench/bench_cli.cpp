// The command line's live against the window's live loop on the same transport, and
// live --publish against live alone. Prints, each as a ratio measured side by side in
// one run:
//   1. frames per second of `chromix-scope live` (a process, rows read from its
//      standard output) against the window's live loop (in this process, every display
//      and chart in place), each against a simulator of its own: over TCP loopback and
//      over a pseudo-terminal paced at 115200 baud (goal: at least 100 %);
//   2. frames per second delivered to a subscriber by `live --publish` at QoS 0 through
//      a mosquitto broker on loopback, against `live` alone, over TCP loopback and over
//      a pseudo-terminal paced at 921600 baud (goal: at least 90 %).
// Prints figures only.
#include "app/app_state.h"
#include "bench_clock.h"
#include "bench_live_run.h"
#include "cli/mqtt_broker.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "ui/ui_init.h"
#include "ui/userint.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{

constexpr int kWindowComPort = 4;
constexpr int kCommandComPort = 5;
constexpr int kRounds = 3;
constexpr useconds_t kReadPauseMicroseconds = 5000;

struct CommandRun {
    unsigned long long rows = 0;
    double seconds = 0.0; // from the first row to the last
    double cpu = 0.0;     // the command's CPU seconds, start-up included
    bool ended = false;   // exit status 0
};

// Runs `chromix-scope ARGUMENTS` and times the rows on its standard output as they come.
CommandRun RunLiveCommand(const std::string &program, const std::vector<std::string> &arguments)
{
    CommandRun run;
    int out[2];
    if (pipe(out) != 0)
        return run;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        close(out[0]);
        std::vector<char *> argv = {const_cast<char *>(program.c_str())};
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    // Read in large pieces every 5 ms, so that the reader wakes seldom and leaves the
    // cores to the command and the simulator (a row at a time would wake it for every
    // frame); a piece's rows count from when it arrived.
    static char piece[1 << 16];
    double first = 0.0, last = 0.0;
    bool header = true;
    ssize_t count = 0;
    while ((count = read(out[0], piece, sizeof piece)) > 0) {
        double now = WallSeconds();
        unsigned long long lines = (unsigned long long)std::count(piece, piece + count, '\n');
        if (header && lines > 0) {
            header = false;
            --lines;
            first = now;
        }
        run.rows += lines;
        if (lines > 0)
            last = now;
        usleep(kReadPauseMicroseconds);
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    run.ended = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.seconds = last - first;
    return run;
}

void Add(CommandRun &sum, const CommandRun &run)
{
    sum.rows += run.rows;
    sum.seconds += run.seconds;
    sum.cpu += run.cpu;
    sum.ended = run.ended;
}

double PerSecond(const CommandRun &run)
{
    return run.seconds > 0.0 ? run.rows / run.seconds : 0.0;
}

std::string CopyProgram()
{
    std::string dir = MakeTempProgramDir();
    std::error_code ignored;
    std::filesystem::copy_file(std::string(CHROMIX_BIN_DIR) + "/chromix-scope", dir + "/chromix-scope",
                               ignored);
    CopyLanguageFiles(dir);
    return dir;
}

// The window against one simulator and the command against another, over the same
// transport; the command runs between two halves of the window's run.
void LiveAgainstWindow(const std::string &windowDir, const std::string &commandDir, bool overPty,
                       const std::string &count, double seconds)
{
    SimProcess windowSim, commandSim;
    std::vector<std::string> paced = {"--pace", "--baud", "4"};
    std::vector<std::string> windowArguments = overPty ? paced : std::vector<std::string>{"--tcp", "0"};
    std::vector<std::string> commandArguments = windowArguments;
    if (overPty) {
        windowArguments.insert(windowArguments.end(),
                               {"--pty", windowDir + "/ports/COM" + std::to_string(kWindowComPort)});
        commandArguments.insert(commandArguments.end(),
                                {"--pty", commandDir + "/ports/COM" + std::to_string(kCommandComPort)});
    }
    if (!StartSim(windowSim, windowArguments) || !StartSim(commandSim, commandArguments)) {
        std::fprintf(stderr, "bench_cli: the simulators did not start\n");
        return;
    }
    std::string settings = overPty ? SerialSettingsFile(kWindowComPort) : TcpSettingsFile(windowSim.tcpPort);
    if (StartProgramInDir(windowDir, settings) != 0 || g_link.sensorConnected != 1) {
        std::fprintf(stderr, "bench_cli: the window did not connect\n");
        return;
    }
    DisplayPanel(g_app.mainPanel);
    std::vector<std::string> connection =
        overPty ? std::vector<std::string>{"--serial", "COM" + std::to_string(kCommandComPort)}
                : std::vector<std::string>{"--tcp", "127.0.0.1:" + std::to_string(commandSim.tcpPort)};
    std::vector<std::string> live = {"live", "--count", count};
    live.insert(live.end(), connection.begin(), connection.end());

    RunLive(0.3); // warm-up
    LiveRun window;
    CommandRun command;
    for (int round = 0; round < kRounds; ++round) {
        LiveRun part = RunLive(seconds / kRounds);
        window.frames += part.frames;
        window.seconds += part.seconds;
        Add(command, RunLiveCommand(commandDir + "/chromix-scope", live));
    }
    const double windowRate = window.frames / window.seconds;
    std::printf("%-28s live command %8.1f frames/s, window's live loop %8.1f frames/s: %6.1f %% (goal >= "
                "100 %%)%s\n",
                overPty ? "pty, paced at 115200 baud:" : "tcp loopback, unpaced:", PerSecond(command),
                windowRate, 100.0 * PerSecond(command) / windowRate,
                command.ended ? "" : "  [command failed]");
    StopProgram();
}

// Over TCP loopback without pacing the machine's cores are shared by the simulator,
// the command, the broker and the subscriber; over a pseudo-terminal paced at 921600
// baud, the fastest serial line, the frame rate is the sensor's.
void PublishAgainstLiveAlone(const std::string &commandDir, bool overPty)
{
    MqttBroker broker;
    MqttSubscriber subscriber;
    SimProcess sim;
    std::vector<std::string> simArguments = {"--tcp", "0"};
    if (overPty)
        simArguments = {"--pace", "--baud", "7", "--pty",
                        commandDir + "/ports/COM" + std::to_string(kCommandComPort)};
    if (!StartBroker(broker) || !subscriber.Start(broker.port, "bench/live", false) ||
        !StartSim(sim, simArguments)) {
        std::printf(
            "live --publish: skipped (mosquitto missing or not started; scripts/install-deps installs it)\n");
        return;
    }
    const std::string count = overPty ? "4000" : "20000";
    std::vector<std::string> live = {"live", "--count", count};
    if (overPty)
        live.insert(live.end(), {"--serial", "COM" + std::to_string(kCommandComPort), "--baud", "921600"});
    else
        live.insert(live.end(), {"--tcp", "127.0.0.1:" + std::to_string(sim.tcpPort)});
    std::vector<std::string> publish = live;
    publish.insert(publish.end(),
                   {"--publish", "mqtt://127.0.0.1:" + std::to_string(broker.port) + "/bench/live"});
    const std::string program = commandDir + "/chromix-scope";

    // Three rounds, the two kinds taking turns, so that a change of the machine's load
    // hits both alike.
    CommandRun alone, published;
    size_t delivered = 0;
    for (int round = 0; round < kRounds; ++round) {
        Add(alone, RunLiveCommand(program, live));
        size_t before = subscriber.Count();
        Add(published, RunLiveCommand(program, publish));
        subscriber.WaitForCount(before + std::stoul(count), 5.0);
        delivered += subscriber.Count() - before;
    }
    const double deliveredRate = published.seconds > 0.0 ? delivered / published.seconds : 0.0;
    std::printf(
        "%-28s live --publish delivered %8.1f frames/s (%zu of %d x %s), live alone %8.1f frames/s: "
        "%6.1f %% (goal >= 90 %%)\n"
        "                             the command's CPU per frame: %5.1f us publishing, %5.1f us alone\n",
        overPty ? "pty 921600 baud, QoS 0:" : "tcp loopback, QoS 0:", deliveredRate, delivered, kRounds,
        count.c_str(), PerSecond(alone), 100.0 * deliveredRate / PerSecond(alone),
        1e6 * published.cpu / published.rows, 1e6 * alone.cpu / alone.rows);
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    InitUserInterface(&argc, argv);
    std::string windowDir = MakeTempProgramDir();
    std::string commandDir = CopyProgram();
    LiveAgainstWindow(windowDir, commandDir, false, "20000", 4.0);
    LiveAgainstWindow(windowDir, commandDir, true, "500", 6.0);
    PublishAgainstLiveAlone(commandDir, false);
    PublishAgainstLiveAlone(commandDir, true);
    std::error_code ignored;
    std::filesystem::remove_all(windowDir, ignored);
    std::filesystem::remove_all(commandDir, ignored);
    return 0;
}
