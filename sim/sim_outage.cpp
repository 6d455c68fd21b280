#include "sim_outage.h"

#include "sim_options.h"
#include "sim_transports.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{

// A transport that cannot be opened again (its port taken meanwhile) is tried again
// this often.
constexpr double kReopenRetrySeconds = 0.5;

struct Outage {
    bool underWay = false;
    double endsAt = 0.0;
    bool scheduled = false;
    double scheduledAt = 0.0;
    double scheduledSeconds = 0.0;
    bool reopenFailed = false; // reported once per outage
};

Outage g_outage;

// The pty comes back under the outage link when one is set, else under its own.
std::string ReturnLink()
{
    if (g_options.ptyLink.empty())
        return std::string();
    return g_options.outageLink.empty() ? g_options.ptyLink : g_options.outageLink;
}

void ComeBack(double now)
{
    std::string error;
    if (!OpenTransports(ReturnLink(), error)) {
        if (!g_outage.reopenFailed)
            std::fprintf(stderr, "chromix-sim: cannot come back yet: %s\n", error.c_str());
        g_outage.reopenFailed = true;
        g_outage.endsAt = now + kReopenRetrySeconds;
        return;
    }
    g_outage.underWay = false;
    g_outage.reopenFailed = false;
    std::printf("chromix-sim: back\n");
    std::fflush(stdout);
}

} // namespace

bool StartOutage(double seconds, double now)
{
    if (g_outage.underWay)
        return false;
    CloseTransports();
    g_outage.underWay = true;
    g_outage.endsAt = now + seconds;
    g_outage.reopenFailed = false;
    std::printf("chromix-sim: gone\n");
    std::fflush(stdout);
    return true;
}

bool OutageUnderWay()
{
    return g_outage.underWay;
}

void ScheduleOutage(double startAt, double seconds)
{
    g_outage.scheduled = true;
    g_outage.scheduledAt = startAt;
    g_outage.scheduledSeconds = seconds;
}

void ServiceOutage(double now, double &nextWake)
{
    if (g_outage.scheduled && now >= g_outage.scheduledAt && !g_outage.underWay) {
        g_outage.scheduled = false;
        StartOutage(g_outage.scheduledSeconds, now);
    }
    if (g_outage.underWay && now >= g_outage.endsAt)
        ComeBack(now);
    if (g_outage.underWay)
        nextWake = std::min(nextWake, g_outage.endsAt);
    if (g_outage.scheduled)
        nextWake = std::min(nextWake, g_outage.scheduledAt);
}
