// The program as a process: build/bin copied elsewhere runs as a complete program
// directory, and SIGTERM or SIGINT end it like the close box, settings included.
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "support/unanswered_listener.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <netinet/in.h>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

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

// Whether the process has its own handler for the signal installed (/proc status).
bool Catches(pid_t pid, int signalNumber)
{
    std::string status = ReadWholeFile("/proc/" + std::to_string(pid) + "/status");
    size_t at = status.find("SigCgt:");
    if (at == std::string::npos)
        return false;
    unsigned long long mask = std::strtoull(status.c_str() + at + 7, nullptr, 16);
    return (mask >> (signalNumber - 1)) & 1ULL;
}

bool WaitUntilCatching(pid_t pid, int signalNumber, double seconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Catches(pid, signalNumber))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// SIGTERM while the start-up connection attempt waits (for the TCP connect or for a
// reply): the wait returns, the "Could not establish connection!" question that would
// follow never opens, and the program ends at once with its settings stored. On the
// offscreen platform an opened dialog would keep the process alive for good.
void EndsPromptlyDuringTheWait(int tcpPort)
{
    std::string dir = CopyProgramDirectory();
    ASSERT_FALSE(dir.empty());
    WriteWholeFile(dir + "/PanelSettings.cfg", TcpSettingsFile(tcpPort));
    pid_t pid = StartProgramProcess(dir);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(WaitUntilCatching(pid, SIGTERM, 20.0));
    // The connect (5 s) or the first reply wait (3 s) is under way by now.
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    auto signalled = std::chrono::steady_clock::now();
    ASSERT_EQ(kill(pid, SIGTERM), 0);
    EXPECT_EQ(WaitForExit(pid, 8.0), 0);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - signalled).count();
    std::printf("ended %.2f s after SIGTERM\n", seconds);
    EXPECT_NE(
        ReadWholeFile(dir + "/PanelSettings.cfg").find("PORT NUMBER = \"" + std::to_string(tcpPort) + "\""),
        std::string::npos);
    std::system(("rm -rf '" + dir + "'").c_str());
}

// Starts the program as an ordinary user with its own home and configuration
// directory: root gives up its rights in the child, anyone else gets a program
// directory without write permission.
pid_t StartProgramAsUser(const std::string &dir, const std::string &home, const std::string &configHome)
{
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
        _exit(126);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string program = dir + "/chromix-scope";
    execl(program.c_str(), program.c_str(), (char *)nullptr);
    _exit(127);
}

struct CommandLineCase {
    const char *arguments;
    int exitCode;
    const char *stdoutHas;
    const char *stderrHas;
};

} // namespace

TEST(ProgramProcess, SigtermDuringTheConnectWaitEndsTheProgramAtOnce)
{
    UnansweredListener unanswered;
    EndsPromptlyDuringTheWait(unanswered.port);
}

TEST(ProgramProcess, SigtermDuringTheReplyWaitEndsTheProgramAtOnce)
{
    SimProcess sim;
    ASSERT_TRUE(StartSim(sim, {"--tcp", "0", "--no-reply"}));
    EndsPromptlyDuringTheWait(sim.tcpPort);
}

// Answers on the command line come without a window: with no display and no platform
// chosen, opening one would abort the program.
TEST(ProgramProcess, HelpVersionAndUnknownOptionsAnswerWithoutAWindow)
{
    const CommandLineCase cases[] = {
        {"--help", 0, "Usage: chromix-scope [--help | --version]", ""},
        {"--help", 0,
         "\n  record FILE (--values N | --duration S) [--interval S] [--triggered] [--replace] "
         "[--split-hours H] [--reconnect]\n",
         ""},
        {"--version", 0, "CHROMIX1 Scope V3.1.0\n", ""},
        {"-platform offscreen --version", 0, "CHROMIX1 Scope V3.1.0", ""},
        {"--verbose", 2, "", "chromix-scope: unknown option '--verbose'\nUsage: chromix-scope"},
        {"Parameter.ini", 2, "", "unknown option 'Parameter.ini'"},
        {"-platform", 2, "", "missing value of option '-platform'\nUsage:"},
    };
    std::string dir = MakeTempProgramDir();
    for (const CommandLineCase &c : cases) {
        std::string command = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY '" +
                              std::string(CHROMIX_BIN_DIR) + "/chromix-scope' " + c.arguments + " >'" + dir +
                              "/out' 2>'" + dir + "/err'";
        int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << c.arguments;
        EXPECT_EQ(WEXITSTATUS(status), c.exitCode) << c.arguments;
        std::string out = ReadWholeFile(dir + "/out");
        std::string err = ReadWholeFile(dir + "/err");
        EXPECT_NE(out.find(c.stdoutHas), std::string::npos) << c.arguments << ": " << out;
        EXPECT_NE(err.find(c.stderrHas), std::string::npos) << c.arguments << ": " << err;
        if (c.exitCode == 0)
            EXPECT_EQ(err, "") << c.arguments;
        else
            EXPECT_EQ(out, "") << c.arguments;
    }
    std::system(("rm -rf '" + dir + "'").c_str());
}

// An installed program directory is read-only for the operator: the settings start
// from its file and then live in the user's configuration directory, the default
// files in the documents directory, and the program directory stays untouched.
TEST(ProgramProcess, ReadOnlyProgramDirectoryKeepsSettingsWithTheUser)
{
    SimProcess sim;
    ASSERT_TRUE(StartSim(sim, {"--tcp", "0"}));
    std::string dir = CopyProgramDirectory();
    ASSERT_FALSE(dir.empty());
    std::string seed = TcpSettingsFile(sim.tcpPort);
    WriteWholeFile(dir + "/PanelSettings.cfg", seed);
    std::string home = MakeTempProgramDir();
    std::string configHome = home + "/config";
    ASSERT_EQ(
        std::system(("chown -R 65534:65534 '" + home + "' 2>/dev/null; chmod 755 '" + dir + "'").c_str()), 0);
    if (geteuid() != 0) {
        ASSERT_EQ(chmod(dir.c_str(), 0555), 0);
    }

    pid_t pid = StartProgramAsUser(dir, home, configHome);
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    ASSERT_EQ(kill(pid, SIGTERM), 0);
    EXPECT_EQ(WaitForExit(pid, 15.0), 0);

    std::string settings = ReadWholeFile(configHome + "/chromix-scope/PanelSettings.cfg");
    EXPECT_NE(settings.find("PORT NUMBER = \"" + std::to_string(sim.tcpPort) + "\""), std::string::npos)
        << settings;
    // The seed names no files: the parameter path is the directory alone, the recorder
    // path keeps its file name.
    EXPECT_NE(settings.find("[DIRECTORIES]\r\nPARAMETER FILE = \"" + home + "/Documents\""),
              std::string::npos)
        << settings;
    EXPECT_NE(settings.find("RECORDER FILE = \"" + home + "/Documents/RecordFile.dat\""), std::string::npos)
        << settings;
    EXPECT_EQ(ReadWholeFile(dir + "/PanelSettings.cfg"), seed);
    chmod(dir.c_str(), 0755);
    std::system(("rm -rf '" + dir + "' '" + home + "'").c_str());
}

TEST(ProgramProcess, SigtermEndsTheProgramWithZeroAndStoresTheSettings)
{
    EndsLikeTheCloseBox(SIGTERM);
}

TEST(ProgramProcess, SigintEndsTheProgramWithZeroAndStoresTheSettings)
{
    EndsLikeTheCloseBox(SIGINT);
}
