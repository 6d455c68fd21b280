#include "sim_log.h"

#include "sim_options.h"

#include <cstdio>

namespace
{

// Long blocks are shortened so that a log stays readable.
constexpr size_t kMaxLoggedBytes = 64;

} // namespace

void LogBytes(const char *what, const unsigned char *bytes, size_t count)
{
    if (!g_options.verbose)
        return;
    std::fprintf(stderr, "chromix-sim: %s", what);
    for (size_t i = 0; i < count && i < kMaxLoggedBytes; ++i)
        std::fprintf(stderr, " %02X", bytes[i]);
    if (count > kMaxLoggedBytes)
        std::fprintf(stderr, " ... (%zu bytes)", count);
    std::fputc('\n', stderr);
}

void LogText(const char *text)
{
    if (g_options.verbose)
        std::fprintf(stderr, "chromix-sim: %s\n", text);
}
