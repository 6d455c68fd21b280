#pragma once
// --verbose: every request and reply in hex on stderr.

#include <cstddef>

void LogBytes(const char *what, const unsigned char *bytes, size_t count);
void LogText(const char *text);
