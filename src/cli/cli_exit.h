#pragma once
// The exit status of a command.

constexpr int kExitDone = 0;
constexpr int kExitLinkFailed = 1; // no sensor, a time-out, an error reply
constexpr int kExitUsage = 2;
constexpr int kExitFileProblem = 3;  // a file that cannot be read or written, or of the wrong type
constexpr int kExitRefused = 4;      // rules, plausibility, read-back
constexpr int kExitSignalBase = 128; // SIGINT 130, SIGTERM 143
