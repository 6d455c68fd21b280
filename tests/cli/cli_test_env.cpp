#include "cli/cli_test_env.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <regex>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace
{

void CopyInto(const std::string &from, const std::string &dir)
{
    std::error_code ignored;
    std::filesystem::copy_file(from, dir + "/" + std::filesystem::path(from).filename().string(),
                               std::filesystem::copy_options::overwrite_existing, ignored);
}

// The exit status, or -1 when the process did not end in time (it is killed then).
int WaitForExit(pid_t pid, double seconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

} // namespace

void CliTest::SetUp()
{
    ProgramTest::SetUp();
    programDir = MakeTempProgramDir();
    ASSERT_FALSE(programDir.empty());
    for (const char *name : {"chromix-scope", "logoORV.bmp"})
        CopyInto(std::string(CHROMIX_BIN_DIR) + "/" + name, programDir);
    CopyLanguageFiles(programDir);
}

void CliTest::TearDown()
{
    std::error_code ignored;
    std::filesystem::remove_all(programDir, ignored);
    ProgramTest::TearDown();
}

pid_t CliTest::StartCli(const std::vector<std::string> &arguments, const std::string &name)
{
    std::string program = programDir + "/chromix-scope";
    std::string out = Scratch(name + ".out"), err = Scratch(name + ".err");
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    // No display and no platform chosen: a command that tried to open a window would fail.
    std::vector<char *> envp;
    for (char **entry = environ; *entry; ++entry) {
        std::string variable = *entry;
        if (variable.rfind("DISPLAY=", 0) != 0 && variable.rfind("WAYLAND_DISPLAY=", 0) != 0 &&
            variable.rfind("QT_QPA_PLATFORM=", 0) != 0)
            envp.push_back(*entry);
    }
    envp.push_back(nullptr);
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(outFd, 1);
    dup2(errFd, 2);
    execve(program.c_str(), argv.data(), envp.data());
    _exit(127);
}

CliResult CliTest::FinishCli(pid_t pid, double timeoutSeconds, const std::string &name)
{
    CliResult result;
    result.exitCode = WaitForExit(pid, timeoutSeconds);
    result.out = ReadWholeFile(Scratch(name + ".out"));
    result.err = ReadWholeFile(Scratch(name + ".err"));
    return result;
}

CliResult CliTest::RunCli(const std::vector<std::string> &arguments, double timeoutSeconds)
{
    pid_t pid = StartCli(arguments);
    EXPECT_GT(pid, 0);
    return FinishCli(pid, timeoutSeconds);
}

bool CliTest::StartSimFor(SimProcess &sim, bool overPty, std::vector<std::string> simArguments)
{
    if (overPty) {
        simArguments.push_back("--pty");
        simArguments.push_back(programDir + "/ports/COM" + std::to_string(kCliComPort));
    } else {
        simArguments.push_back("--tcp");
        simArguments.push_back("0");
    }
    return StartSim(sim, simArguments);
}

std::vector<std::string> CliTest::ConnectionOf(const SimProcess &sim, bool overPty) const
{
    if (overPty)
        return {"--serial", "COM" + std::to_string(kCliComPort)};
    return {"--tcp", "127.0.0.1:" + std::to_string(sim.tcpPort)};
}

std::string CliTest::Scratch(const std::string &name) const
{
    return dir + "/" + name;
}

std::string WithoutDatesAndTimes(const std::string &text)
{
    static const std::regex dateAndTime("[0-9]{2}-[0-9]{2}-[0-9]{4}\t[0-9]{2}:[0-9]{2}:[0-9]{2}\t");
    return std::regex_replace(text, dateAndTime, "DATE\tTIME\t");
}

bool Has(const std::string &output, const std::string &text)
{
    return output.find(text) != std::string::npos;
}
