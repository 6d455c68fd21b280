#pragma once
// The control channel on stdin: lines with option names without dashes change the
// faults while the simulator runs; each line is answered on stdout.

#include <string>

// Reads what stdin offers; false once stdin is closed.
bool ReadControlInput(int fd);
void HandleControlLine(const std::string &line);
