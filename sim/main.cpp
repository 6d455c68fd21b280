// chromix-sim: a simulated CHROMIX1 sensor on a TCP port and/or a pseudo-terminal.

#include "sim_clock.h"
#include "sim_loop.h"
#include "sim_options.h"
#include "sim_outage.h"
#include "sim_sensor.h"
#include "sim_signal.h"
#include "sim_transports.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace
{

int g_stopPipe[2] = {-1, -1};

void OnStopSignal(int)
{
    char byte = 1;
    ssize_t ignored = write(g_stopPipe[1], &byte, 1);
    (void)ignored;
}

bool InstallStopSignals()
{
    if (pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action {
    };
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return true;
}

bool LoadSensor()
{
    InitSensorMemory(g_options.baudIndex);
    std::string error;
    if (!g_options.eepromFile.empty() && !LoadEepromFile(g_options.eepromFile, error)) {
        std::fprintf(stderr, "chromix-sim: %s\n", error.c_str());
        return false;
    }
    LoadRamFromEeprom();
    InitSignalModel(g_options.seed, MonotonicSeconds());
    return true;
}

bool OpenTransportsAtStart()
{
    std::string error;
    if (!OpenTransports(g_options.ptyLink, error)) {
        std::fprintf(stderr, "chromix-sim: %s\n", error.c_str());
        return false;
    }
    std::printf("chromix-sim: ready\n");
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    std::string error;
    ParseOutcome outcome = ParseCommandLine(argc, argv, error);
    if (outcome == ParseOutcome::Help) {
        PrintUsage(stdout);
        return 0;
    }
    if (outcome == ParseOutcome::Error) {
        std::fprintf(stderr, "chromix-sim: %s (see --help)\n", error.c_str());
        return 2;
    }
    // Paced bytes are released on microsecond deadlines.
    prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    if (!InstallStopSignals() || !LoadSensor())
        return 1;
    if (!OpenTransportsAtStart())
        return 1;
    if (g_options.outageAfterSeconds >= 0.0)
        ScheduleOutage(MonotonicSeconds() + g_options.outageAfterSeconds, g_options.outageSeconds);
    RunEventLoop(LoopSources{g_stopPipe[0], STDIN_FILENO});
    CloseTransports();
    SaveEepromIfConfigured();
    return 0;
}
