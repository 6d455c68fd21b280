#include "sim_loop.h"

#include "sim_clock.h"
#include "sim_commands.h"
#include "sim_control.h"
#include "sim_log.h"
#include "sim_outage.h"
#include "sim_push.h"
#include "sim_scope.h"
#include "sim_session.h"
#include "sim_tcp.h"
#include "sim_transports.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <poll.h>
#include <unistd.h>

namespace
{

// A partial request that gets no further bytes for this long is dropped, so that a
// fragment never glues itself to the next request.
constexpr double kStaleInputSeconds = 1.0;
constexpr double kIdleWakeSeconds = 1.0;

enum PollSlot { SLOT_STOP, SLOT_CONTROL, SLOT_TCP_SESSION, SLOT_PTY_SESSION, SLOT_LISTEN, SLOT_COUNT };

bool g_blocked[SESSION_COUNT];

void CloseSession(int index)
{
    Session &session = g_sessions[index];
    if (session.isPty) {
        // A pty stays; after close-after it only falls silent.
        session.silenced = true;
        session.output.clear();
        session.input.clear();
        return;
    }
    LogText("tcp client gone");
    if (ScopeOwner() == index)
        DisarmScope();
    close(session.fd);
    ResetSession(session, -1, false);
}

void ProcessInput(int index, double now)
{
    Session &session = g_sessions[index];
    Request request;
    for (;;) {
        RequestOutcome outcome = TakeRequest(session.input, request);
        if (outcome == RO_NONE || !SessionIsOpen(session))
            return;
        if (session.silenced)
            continue;
        if (outcome == RO_REQUEST)
            HandleRequest(index, request, now);
        else
            HandleDamagedRequest(index, request.command, now);
    }
}

void ReadSession(int index, double now)
{
    Session &session = g_sessions[index];
    unsigned char buffer[4096];
    ssize_t count = read(session.fd, buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR || errno == EIO))
        return;
    if (count <= 0) {
        CloseSession(index);
        return;
    }
    NoteInput(session, buffer, (size_t)count, now);
    ProcessInput(index, now);
}

void AcceptClient(int listenFd)
{
    int fd = AcceptTcpClient(listenFd);
    if (fd < 0)
        return;
    if (SessionIsOpen(g_sessions[SESSION_TCP])) {
        // One client at a time: a second one is turned away at once.
        close(fd);
        return;
    }
    LogText("tcp client connected");
    ResetSession(g_sessions[SESSION_TCP], fd, false);
}

void DropStaleInput(Session &session, double now, double &nextWake)
{
    if (session.input.empty())
        return;
    if (now - session.lastInputTime >= kStaleInputSeconds)
        session.input.clear();
    else
        nextWake = std::min(nextWake, session.lastInputTime + kStaleInputSeconds);
}

// Pushes, stale input and due output of every open session.
double ServiceSessions(double now)
{
    double nextWake = now + kIdleWakeSeconds;
    for (int index = 0; index < SESSION_COUNT; ++index) {
        Session &session = g_sessions[index];
        if (!SessionIsOpen(session))
            continue;
        if (session.silenced)
            session.output.clear();
        else
            ServicePushes(index, now, nextWake);
        DropStaleInput(session, now, nextWake);
        FlushResult result = FlushOutput(session, now, nextWake);
        g_blocked[index] = result == FLUSH_BLOCKED;
        if (result == FLUSH_CLOSE)
            CloseSession(index);
    }
    return nextWake;
}

void AddPollFd(pollfd *fds, int slot, int fd, short events)
{
    fds[slot].fd = fd;
    fds[slot].events = fd >= 0 ? events : 0;
    fds[slot].revents = 0;
}

void WaitForEvents(pollfd *fds, const LoopSources &sources, double timeout)
{
    AddPollFd(fds, SLOT_STOP, sources.stopFd, POLLIN);
    AddPollFd(fds, SLOT_CONTROL, sources.controlFd, POLLIN);
    for (int index = 0; index < SESSION_COUNT; ++index) {
        short events = POLLIN | (g_blocked[index] ? POLLOUT : 0);
        AddPollFd(fds, SLOT_TCP_SESSION + index, g_sessions[index].fd, events);
    }
    AddPollFd(fds, SLOT_LISTEN, g_transports.listenFd, POLLIN);
    timespec wait;
    double seconds = std::max(timeout, 0.0);
    wait.tv_sec = (time_t)seconds;
    wait.tv_nsec = (long)((seconds - std::floor(seconds)) * 1e9);
    if (ppoll(fds, SLOT_COUNT, &wait, nullptr) < 0)
        for (int slot = 0; slot < SLOT_COUNT; ++slot)
            fds[slot].revents = 0;
}

} // namespace

void RunEventLoop(LoopSources sources)
{
    pollfd fds[SLOT_COUNT];
    for (;;) {
        double now = MonotonicSeconds();
        double nextWake = ServiceSessions(now);
        ServiceOutage(now, nextWake);
        WaitForEvents(fds, sources, nextWake - MonotonicSeconds());
        if (fds[SLOT_STOP].revents)
            return;
        now = MonotonicSeconds();
        if (fds[SLOT_CONTROL].revents && !ReadControlInput(sources.controlFd))
            sources.controlFd = -1;
        for (int index = 0; index < SESSION_COUNT; ++index) {
            short revents = fds[SLOT_TCP_SESSION + index].revents;
            if (SessionIsOpen(g_sessions[index]) && (revents & (POLLIN | POLLHUP | POLLERR)))
                ReadSession(index, now);
        }
        if (fds[SLOT_LISTEN].revents && g_transports.listenFd >= 0)
            AcceptClient(g_transports.listenFd);
    }
}
