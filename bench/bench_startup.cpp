// Prints the time from process start to the main panel shown (connected to a
// simulated sensor over TCP), and the CPU time the program uses while idle for 5 s.
#include "app/app_state.h"
#include "bench_clock.h"
#include "platform/termination.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "shell/startup.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "ui/ui_init.h"
#include "ui/userint.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace
{

double BootClockSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// Seconds since the kernel started this process (resolution: one clock tick).
double ProcessAgeSeconds()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    double started = std::stod(field) / (double)sysconf(_SC_CLK_TCK);
    return BootClockSeconds() - started;
}

void CloseMainPanel()
{
    CBF_MAINP(g_app.mainPanel, EVENT_CLOSE, nullptr, 0, 0);
}

} // namespace

int main(int argc, char **argv)
{
    double ageAtMain = ProcessAgeSeconds();
    auto mainEntered = std::chrono::steady_clock::now();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    SimProcess sim;
    if (!StartSim(sim, {"--tcp", "0"})) {
        std::fprintf(stderr, "bench_startup: the simulator did not start\n");
        return 1;
    }
    auto simReady = std::chrono::steady_clock::now();

    std::string dir = MakeTempProgramDir();
    WriteWholeFile(dir + "/PanelSettings.cfg", TcpSettingsFile(sim.tcpPort));
    InitUserInterface(&argc, argv);
    SetProjectDirOverride(dir.c_str());
    if (LoadProgramPanels(kPanelResourceFile) < 0)
        return 1;
    InstallTerminationHandler(CloseMainPanel);
    InitAll();
    for (int i = 0; i < 3; ++i)
        ProcessSystemEvents();
    auto shown = std::chrono::steady_clock::now();

    double simStart = std::chrono::duration<double>(simReady - mainEntered).count();
    double mainToShown = std::chrono::duration<double>(shown - mainEntered).count() - simStart;
    std::printf("process start to main():            %8.1f ms (clock tick resolution)\n", ageAtMain * 1e3);
    std::printf("main() to main panel shown:         %8.1f ms (panels, settings, connection check)\n",
                mainToShown * 1e3);
    std::printf("process start to main panel shown:  %8.1f ms (simulator start-up of %.1f ms excluded)\n",
                (ageAtMain + mainToShown) * 1e3, simStart * 1e3);

    double cpuBefore = ProcessCpuSeconds();
    std::thread closer([] {
        std::this_thread::sleep_for(std::chrono::seconds(5));
        kill(getpid(), SIGTERM);
    });
    RunUserInterface();
    closer.join();
    double idleCpu = ProcessCpuSeconds() - cpuBefore;
    std::printf("CPU time while idle for 5 s:        %8.1f ms (%.2f %% of one core)\n", idleCpu * 1e3,
                idleCpu / 5.0 * 100.0);
    ShutdownProgram();
    StopSim(sim);
    std::system(("rm -rf '" + dir + "'").c_str());
    return 0;
}
