#pragma once
// The simulator's transports: the TCP server and the pseudo-terminal with their
// client sessions, opened at start, closed when the sensor goes away and opened again
// when it comes back.

#include "sim_pty.h"

#include <string>

struct Transports {
    int listenFd = -1;
    int tcpPort = -1; // the port bound at start, bound again after an outage
    PtyPort pty;
};

extern Transports g_transports;

// Opens the TCP server and the pty the options ask for (the pty under ptyLink) and
// prints one line per transport; false with the reason in error, nothing left open.
bool OpenTransports(const std::string &ptyLink, std::string &error);
// Drops the clients and closes the server and the pty (its link is removed).
void CloseTransports();
