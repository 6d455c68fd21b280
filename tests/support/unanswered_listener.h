#pragma once
// A test's stand-in for a host that cannot be reached, and a loopback port that nobody
// listens on.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

// A loopback listener whose accept queue is full: further connection requests are
// dropped without an answer, as by a host that cannot be reached.
struct UnansweredListener {
    int listenFd = -1;
    std::vector<int> queued;
    int port = 0;

    UnansweredListener()
    {
        listenFd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(listenFd, (sockaddr *)&address, sizeof address);
        listen(listenFd, 0);
        getsockname(listenFd, (sockaddr *)&address, &length);
        port = ntohs(address.sin_port);
        for (int i = 0; i < 4; ++i) {
            int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            connect(fd, (sockaddr *)&address, sizeof address);
            queued.push_back(fd);
        }
        usleep(100000);
    }
    ~UnansweredListener()
    {
        for (int fd : queued)
            close(fd);
        close(listenFd);
    }
};

// A loopback port that nobody listens on (free for a server a test starts there).
inline int ClosedLoopbackPort()
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, (sockaddr *)&address, sizeof address);
    getsockname(fd, (sockaddr *)&address, &length);
    close(fd);
    return ntohs(address.sin_port);
}
