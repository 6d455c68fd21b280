#pragma once
// The program's command line: --help and --version answer without a window; anything
// else that is not an option of the window system or a command (cli/) is refused with
// the usage.

#include <cstdio>
#include <string>

constexpr int kCommandLineContinue = -1;
constexpr int kCommandLineUsageExit = 2;

// kCommandLineContinue when the program should start its window, else the exit code
// after a command, the help, the version, or the usage on err for an unknown option.
int HandleCommandLine(int argc, char **argv, std::FILE *out, std::FILE *err);
// The whole usage text: the window's options, the commands and their options.
std::string ProgramUsage(void);
