#include "sim_transports.h"

#include "sim_options.h"
#include "sim_scope.h"
#include "sim_session.h"
#include "sim_tcp.h"

#include <cstdio>
#include <unistd.h>

Transports g_transports;

namespace
{

bool OpenTcp(std::string &error)
{
    // The first start may ask for any free port; after that the sensor stays on the port
    // it got, so that a client reconnects to the same address.
    int wanted = g_transports.tcpPort >= 0 ? g_transports.tcpPort : g_options.tcpPort;
    int bound = 0;
    g_transports.listenFd = OpenTcpServer(wanted, bound, error);
    if (g_transports.listenFd < 0)
        return false;
    g_transports.tcpPort = bound;
    std::printf("chromix-sim: tcp 127.0.0.1 %d\n", bound);
    return true;
}

bool OpenPty(const std::string &link, std::string &error)
{
    if (!OpenPtyPort(link, g_transports.pty, error))
        return false;
    ResetSession(g_sessions[SESSION_PTY], g_transports.pty.master, true);
    std::printf("chromix-sim: pty %s link %s\n", g_transports.pty.device.c_str(),
                g_transports.pty.link.c_str());
    return true;
}

void DropSession(int index)
{
    Session &session = g_sessions[index];
    if (ScopeOwner() == index)
        DisarmScope();
    if (SessionIsOpen(session) && !session.isPty)
        close(session.fd);
    ResetSession(session, -1, false);
}

} // namespace

bool OpenTransports(const std::string &ptyLink, std::string &error)
{
    bool opened = (!g_options.tcp || OpenTcp(error)) && (ptyLink.empty() || OpenPty(ptyLink, error));
    std::fflush(stdout);
    if (!opened)
        CloseTransports();
    return opened;
}

void CloseTransports()
{
    for (int index = 0; index < SESSION_COUNT; ++index)
        DropSession(index);
    if (g_transports.listenFd >= 0)
        close(g_transports.listenFd);
    g_transports.listenFd = -1;
    ClosePtyPort(g_transports.pty);
}
