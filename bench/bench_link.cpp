// Live-data round trips through DataExchange against chromix-sim, on TCP loopback and
// on a pseudo-terminal (no pacing): exchanges per second and CPU time per exchange.
// Prints figures only.

#include "link/exchange.h"
#include "link/link_state.h"
#include "link/transport.h"
#include "platform/rs232.h"
#include "platform/tcp_client.h"
#include "ui/ui_init.h"
#include "ui/userint.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace
{

constexpr int kExchanges = 3000;
constexpr int kBenchComPort = 1;

struct Sim {
    pid_t pid = -1;
    FILE *out = nullptr;
    int tcpPort = -1;
};

double WallSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double ThreadCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// Starts the simulator and reads its start-up lines up to "ready".
bool StartSim(Sim &sim, const std::vector<std::string> &arguments)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<std::string> words = {CHROMIX_SIM_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int spawned = posix_spawn(&sim.pid, CHROMIX_SIM_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    sim.out = fdopen(pipeFds[0], "r");
    char line[512];
    while (std::fgets(line, sizeof line, sim.out)) {
        std::sscanf(line, "chromix-sim: tcp 127.0.0.1 %d", &sim.tcpPort);
        if (std::strncmp(line, "chromix-sim: ready", 18) == 0)
            return true;
    }
    return false;
}

void StopSim(Sim &sim)
{
    if (sim.pid > 0) {
        kill(sim.pid, SIGTERM);
        waitpid(sim.pid, nullptr, 0);
    }
    if (sim.out)
        std::fclose(sim.out);
    sim = Sim();
}

// One live-data request and its reply; 1 when it failed.
int LiveDataExchange()
{
    g_link.currentCommand = ORDER_READ_DATA_FRAME;
    FillTxBuf(ORDER_READ_DATA_FRAME, 0, 0);
    if (DataExchange(kFrameHeaderSize) != LINK_OK)
        return 1;
    // A reply that is not a live-data frame counts as a failure too.
    return g_link.replyCommand == ORDER_READ_DATA_FRAME && g_link.replyLength == kLiveFrameBytes ? 0 : 1;
}

void MeasureLiveDataExchanges(const char *transport)
{
    int failures = 0;
    for (int i = 0; i < 20; ++i)
        failures += LiveDataExchange();
    failures = 0;
    double wallStart = WallSeconds();
    double cpuStart = ThreadCpuSeconds();
    for (int i = 0; i < kExchanges; ++i)
        failures += LiveDataExchange();
    double wall = WallSeconds() - wallStart;
    double cpu = ThreadCpuSeconds() - cpuStart;
    std::printf("%-28s %8.0f round trips/s  %7.1f us CPU/exchange  (%d exchanges, %d failed)\n", transport,
                kExchanges / wall, cpu / kExchanges * 1e6, kExchanges, failures);
}

void BenchTcp()
{
    Sim sim;
    if (!StartSim(sim, {"--tcp", "0"}) || sim.tcpPort <= 0) {
        std::printf("TCP loopback: chromix-sim did not start\n");
        StopSim(sim);
        return;
    }
    g_link.protocol = PROTOCOL_TCP;
    if (ConnectToTCPServerEx(&g_link.tcpHandle, (unsigned)sim.tcpPort, "127.0.0.1", ClientTCPCB, nullptr,
                             5000, 0) < 0) {
        std::printf("TCP loopback: no connection\n");
    } else {
        g_link.tcpConnected = 1;
        MeasureLiveDataExchanges("TCP loopback");
        DisconnectFromTCPServer(g_link.tcpHandle);
        g_link.tcpConnected = 0;
    }
    StopSim(sim);
}

void BenchPty(const std::string &dir)
{
    Sim sim;
    std::string link = dir + "/ports/COM" + std::to_string(kBenchComPort);
    if (!StartSim(sim, {"--pty", link})) {
        std::printf("pty: chromix-sim did not start\n");
        StopSim(sim);
        return;
    }
    g_link.protocol = PROTOCOL_RS232;
    g_link.comPort = kBenchComPort;
    if (OpenComConfig(kBenchComPort, "", 921600, 0, 8, 1, 1024, 1024) < 0) {
        std::printf("pty: cannot open COM%d\n", kBenchComPort);
    } else {
        SetComTime(kBenchComPort, 2.0);
        MeasureLiveDataExchanges("pty at 921600 (unpaced)");
        CloseCom(kBenchComPort);
    }
    StopSim(sim);
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
    std::printf("Live-data request/reply through DataExchange against chromix-sim:\n");
    BenchTcp();
    BenchPty(dir);
    SetProjectDirOverride(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
