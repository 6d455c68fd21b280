// The program as a process: build/bin copied elsewhere runs as a complete program
// directory, and SIGTERM or SIGINT end it like the close box, settings included.
#include "support/program_fixture.h"
#include "support/sim_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace
{

std::string CopyProgramDirectory()
{
    std::string dir = MakeTempProgramDir();
    std::string command = std::string("cp '") + CHROMIX_BIN_DIR + "/chromix-scope' '" + CHROMIX_BIN_DIR +
                          "/logoORV.bmp' '" + dir + "/'";
    return std::system(command.c_str()) == 0 ? dir : std::string();
}

pid_t StartProgramProcess(const std::string &dir)
{
    std::string program = dir + "/chromix-scope";
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        return -1;
    return pid;
}

// The exit code, or -1 when the process did not end within the time-out (it is killed).
int WaitForExit(pid_t pid, double seconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

void EndsLikeTheCloseBox(int signalNumber)
{
    SimProcess sim;
    ASSERT_TRUE(StartSim(sim, {"--tcp", "0"}));
    std::string dir = CopyProgramDirectory();
    ASSERT_FALSE(dir.empty());
    WriteWholeFile(dir + "/PanelSettings.cfg", TcpSettingsFile(sim.tcpPort));

    pid_t pid = StartProgramProcess(dir);
    ASSERT_GT(pid, 0);
    // Give the program time to start and connect to the simulated sensor.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    ASSERT_EQ(kill(pid, signalNumber), 0);
    EXPECT_EQ(WaitForExit(pid, 15.0), 0);

    std::string settings = ReadWholeFile(dir + "/PanelSettings.cfg");
    EXPECT_NE(settings.find("SCOPE VERSION: = \"CHROMIX1 Scope V3.1\""), std::string::npos) << settings;
    EXPECT_NE(settings.find("PORT NUMBER = \"" + std::to_string(sim.tcpPort) + "\""), std::string::npos)
        << settings;
    EXPECT_NE(settings.find("[DIRECTORIES]\r\nPARAMETER FILE = \"" + dir), std::string::npos) << settings;
    std::system(("rm -rf '" + dir + "'").c_str());
}

} // namespace

TEST(ProgramProcess, SigtermEndsTheProgramWithZeroAndStoresTheSettings)
{
    EndsLikeTheCloseBox(SIGTERM);
}

TEST(ProgramProcess, SigintEndsTheProgramWithZeroAndStoresTheSettings)
{
    EndsLikeTheCloseBox(SIGINT);
}
