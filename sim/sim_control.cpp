#include "sim_control.h"

#include "sim_clock.h"
#include "sim_commands.h"
#include "sim_options.h"
#include "sim_outage.h"
#include "sim_push.h"
#include "sim_session.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace
{

std::string g_pendingControl;

std::string Trim(const std::string &text)
{
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// New fault settings start counting afresh, and a pty silenced by close-after answers again.
void RestartFaultCounting()
{
    for (Session &session : g_sessions) {
        session.counters = FaultCounters();
        session.silenced = false;
    }
}

std::string SettingName(const std::string &line)
{
    return line.substr(0, line.find_first_of(" \t"));
}

bool ApplyControlLine(const std::string &line, std::string &error)
{
    if (line == "clear") {
        ClearFaults();
        return true;
    }
    std::string name = SettingName(line);
    std::string value = Trim(line.substr(name.size()));
    if (name == "outage" && OutageUnderWay()) {
        error = "the sensor is gone already";
        return false;
    }
    return ApplySetting(name, value, true, error);
}

} // namespace

void HandleControlLine(const std::string &text)
{
    std::string line = Trim(text);
    if (line.empty())
        return;
    // A query: it changes nothing, so the fault counters go on.
    if (line == "push-count") {
        std::printf("chromix-sim: push-count %llu\n", AutoSendPushCount());
        std::printf("chromix-sim: ok %s\n", line.c_str());
        std::fflush(stdout);
        return;
    }
    if (line.rfind("request-count ", 0) == 0) {
        int command = std::atoi(line.c_str() + 14);
        std::printf("chromix-sim: request-count %d %llu\n", command, RequestCount(command));
        std::printf("chromix-sim: ok %s\n", line.c_str());
        std::fflush(stdout);
        return;
    }
    std::string error;
    if (!ApplyControlLine(line, error)) {
        std::printf("chromix-sim: error %s\n", error.c_str());
        std::fflush(stdout);
        return;
    }
    RestartFaultCounting();
    std::printf("chromix-sim: ok %s\n", line.c_str());
    std::fflush(stdout);
    // The answer comes first, so that a test that waited for it sees "gone" next.
    if (SettingName(line) == "outage")
        StartOutage(g_options.outageSeconds, MonotonicSeconds());
}

bool ReadControlInput(int fd)
{
    char buffer[1024];
    ssize_t count = read(fd, buffer, sizeof buffer);
    if (count < 0)
        return errno == EAGAIN || errno == EINTR;
    if (count == 0)
        return false;
    g_pendingControl.append(buffer, (size_t)count);
    size_t end;
    while ((end = g_pendingControl.find('\n')) != std::string::npos) {
        std::string line = g_pendingControl.substr(0, end);
        g_pendingControl.erase(0, end + 1);
        HandleControlLine(line);
    }
    return true;
}
