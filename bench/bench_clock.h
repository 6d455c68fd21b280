#pragma once
// The two clocks every benchmark reads: wall time and the CPU time of the whole
// process (all threads, user and system), both in seconds from an arbitrary start; and
// the resident memory of the process.

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>

inline double WallSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

inline double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// The resident memory of the process in KiB, -1 when /proc does not tell.
inline long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}
