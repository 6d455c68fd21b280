#pragma once
// The command line as a process against chromix-sim: a program directory of its own
// (a copy of the program with the files it reads), commands run to their end or
// signalled, their exit status and both output streams. The window runs in the test
// process (ProgramTest) when a test compares the command's files with the window's.

#include "support/program_test.h"
#include "support/sim_process.h"

#include <string>
#include <sys/types.h>
#include <vector>

struct CliResult {
    int exitCode = -1; // the exit status, 128 + signal, or -1 when it did not end in time
    std::string out;
    std::string err;
};

class CliTest : public ProgramTest
{
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `chromix-scope ARGUMENTS` in the command's program directory to its end.
    CliResult RunCli(const std::vector<std::string> &arguments, double timeoutSeconds = 60.0);
    // Starts it without waiting; FinishCli waits for its end.
    pid_t StartCli(const std::vector<std::string> &arguments, const std::string &name = "cli");
    CliResult FinishCli(pid_t pid, double timeoutSeconds = 60.0, const std::string &name = "cli");

    // A simulator serving the command over TCP (--tcp 127.0.0.1:PORT follows) or over a
    // pseudo-terminal behind ports/COM<kCliComPort> of the command's program directory.
    bool StartSimFor(SimProcess &sim, bool overPty, std::vector<std::string> simArguments = {});
    std::vector<std::string> ConnectionOf(const SimProcess &sim, bool overPty) const;

    // A path in the test's scratch directory.
    std::string Scratch(const std::string &name) const;

    std::string programDir;
};

constexpr int kCliComPort = 5;

// The file with every date (MM-DD-YYYY) and time (HH:MM:SS) of its rows replaced by
// placeholders, so that two recordings of the same frames compare equal.
std::string WithoutDatesAndTimes(const std::string &text);
// Whether the process's output holds this text.
bool Has(const std::string &output, const std::string &text);
