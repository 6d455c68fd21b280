#pragma once
// The command line for production lines and support: `chromix-scope COMMAND [OPTIONS]
// [FILE]` runs one of the window's operations against one sensor, without a window,
// with the program's own exchanges, rules, files and texts.

// Runs the command that argv[1] names and returns the process's exit status.
int RunCommand(int argc, char **argv);
