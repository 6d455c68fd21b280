#pragma once
// The TCP server on the loopback address.

#include <string>

// Listening socket on 127.0.0.1:port (0 picks a free port); -1 on failure with error set.
int OpenTcpServer(int port, int &boundPort, std::string &error);
// Accepts one waiting client as a non-blocking socket without send delay; -1 if none.
int AcceptTcpClient(int listenFd);
