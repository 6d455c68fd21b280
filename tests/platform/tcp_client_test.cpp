// TCP client conversations: connect results, events delivered only from the event
// loop and never re-entrantly, reads and writes, and the server closing.
#include "platform/tcp_client.h"
#include "ui/userint.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

sockaddr_in Loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons((uint16_t)port);
    return address;
}

int Listen(int backlog, int *port)
{
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    bind(fd, (sockaddr *)&address, sizeof address);
    listen(fd, backlog);
    getsockname(fd, (sockaddr *)&address, &length);
    *port = ntohs(address.sin_port);
    return fd;
}

// What the handler saw, for the test to look at.
struct HandlerLog {
    std::vector<int> events;
    std::string data;
    int depth = 0;
    int maxDepth = 0;
    int bytesPerCall = 4096;
    bool waitInside = false; // the handler dispatches events itself
    bool disconnectInside = false;
    int serverFd = -1;
    std::string sendWhileInside; // the server sends this while the handler runs
};

HandlerLog g_log;

int RecordingHandler(unsigned handle, int event, int, void *)
{
    ++g_log.depth;
    g_log.maxDepth = std::max(g_log.maxDepth, g_log.depth);
    g_log.events.push_back(event);
    if (event == TCP_DATAREADY) {
        char buffer[4096];
        int n = ClientTCPRead(handle, buffer, g_log.bytesPerCall, 1000);
        if (n > 0)
            g_log.data.append(buffer, (size_t)n);
        if (!g_log.sendWhileInside.empty()) {
            ssize_t sent = write(g_log.serverFd, g_log.sendWhileInside.data(), g_log.sendWhileInside.size());
            EXPECT_EQ(sent, (ssize_t)g_log.sendWhileInside.size());
            g_log.sendWhileInside.clear();
        }
        if (g_log.waitInside)
            for (int i = 0; i < 10; ++i)
                WaitSystemEvents(0.005);
        if (g_log.disconnectInside)
            DisconnectFromTCPServer(handle);
    }
    --g_log.depth;
    return 0;
}

void Dispatch(double seconds)
{
    double until = Now() + seconds;
    while (Now() < until)
        WaitSystemEvents(0.005);
}

class TcpClientTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        g_log = HandlerLog();
        listenFd = Listen(4, &port);
    }

    void TearDown() override
    {
        if (handle)
            DisconnectFromTCPServer(handle);
        Dispatch(0.02);
        if (serverFd >= 0)
            close(serverFd);
        close(listenFd);
    }

    void ConnectAndAccept()
    {
        ASSERT_EQ(
            ConnectToTCPServerEx(&handle, (unsigned)port, "127.0.0.1", RecordingHandler, nullptr, 5000, 0),
            0);
        ASSERT_NE(handle, 0u);
        serverFd = accept(listenFd, nullptr, nullptr);
        ASSERT_GE(serverFd, 0);
    }

    void ServerSends(const std::string &text)
    {
        ASSERT_EQ(write(serverFd, text.data(), text.size()), (ssize_t)text.size());
    }

    int listenFd = -1;
    int serverFd = -1;
    int port = 0;
    unsigned handle = 0;
};

} // namespace

TEST_F(TcpClientTest, ConnectResults)
{
    unsigned other = 0;
    int closedPort = 0;
    close(Listen(1, &closedPort));
    EXPECT_EQ(
        ConnectToTCPServerEx(&other, (unsigned)closedPort, "127.0.0.1", RecordingHandler, nullptr, 5000, 0),
        -2);
    EXPECT_EQ(ConnectToTCPServerEx(&other, (unsigned)port, "", RecordingHandler, nullptr, 5000, 0), -4);
    EXPECT_EQ(ConnectToTCPServerEx(&other, 70000, "127.0.0.1", RecordingHandler, nullptr, 5000, 0), -9);
    EXPECT_EQ(ConnectToTCPServerEx(nullptr, (unsigned)port, "127.0.0.1", RecordingHandler, nullptr, 5000, 0),
              -9);
    EXPECT_EQ(other, 0u);
    EXPECT_EQ(ClientTCPWrite(12345, "x", 1, 100), -12);
    char byte;
    EXPECT_EQ(ClientTCPRead(12345, &byte, 1, 100), -12);
    EXPECT_EQ(DisconnectFromTCPServer(12345), -12);

    // A server that never answers the connection request: the time-out's code, on time.
    int fullPort = 0;
    int full = Listen(0, &fullPort);
    std::vector<int> queued;
    sockaddr_in address = Loopback(fullPort);
    for (int i = 0; i < 4; ++i) {
        int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        connect(fd, (sockaddr *)&address, sizeof address);
        queued.push_back(fd);
    }
    usleep(100000);
    double start = Now();
    EXPECT_EQ(
        ConnectToTCPServerEx(&other, (unsigned)fullPort, "127.0.0.1", RecordingHandler, nullptr, 1000, 0),
        -11);
    double elapsed = Now() - start;
    EXPECT_GE(elapsed, 0.99);
    EXPECT_LT(elapsed, 1.5);

    // Cancelled from a callback that runs in its wait, the connect ends at once.
    QTimer::singleShot(100, [] { CancelTCPConnect(); });
    start = Now();
    EXPECT_EQ(
        ConnectToTCPServerEx(&other, (unsigned)fullPort, "127.0.0.1", RecordingHandler, nullptr, 5000, 0),
        -11);
    EXPECT_LT(Now() - start, 0.5);
    for (int fd : queued)
        close(fd);
    close(full);
}

TEST_F(TcpClientTest, DataReadyComesOnlyFromTheEventLoop)
{
    ConnectAndAccept();
    ServerSends("hello");
    usleep(50000);
    EXPECT_TRUE(g_log.events.empty());
    Dispatch(0.1);
    EXPECT_EQ(g_log.data, "hello");
    ASSERT_FALSE(g_log.events.empty());
    EXPECT_EQ(g_log.events.front(), TCP_DATAREADY);

    // Data left unread by a handler is announced again.
    g_log = HandlerLog();
    g_log.bytesPerCall = 1;
    ServerSends("0123456789");
    Dispatch(0.2);
    EXPECT_EQ(g_log.data, "0123456789");
    EXPECT_GE(g_log.events.size(), 10u);
}

TEST_F(TcpClientTest, HandlerIsNeverEnteredAgainWhileItRuns)
{
    ConnectAndAccept();
    g_log.waitInside = true;
    g_log.bytesPerCall = 2;
    g_log.serverFd = serverFd;
    g_log.sendWhileInside = "cdef";
    ServerSends("ab");
    Dispatch(0.3);
    EXPECT_EQ(g_log.maxDepth, 1);
    EXPECT_EQ(g_log.data, "abcdef");
}

TEST_F(TcpClientTest, WriteAndReadWithTimeOuts)
{
    ConnectAndAccept();
    EXPECT_EQ(ClientTCPWrite(handle, "request", 7, 2000), 7);
    char received[16] = "";
    ASSERT_EQ(read(serverFd, received, sizeof received), 7);
    EXPECT_EQ(std::string(received, 7), "request");

    char buffer[16];
    double start = Now();
    EXPECT_EQ(ClientTCPRead(handle, buffer, sizeof buffer, 200), -11);
    EXPECT_GE(Now() - start, 0.19);
    EXPECT_EQ(ClientTCPRead(handle, buffer, 0, 200), 0);
    EXPECT_EQ(ClientTCPRead(handle, nullptr, 4, 200), -9);

    // Data that a read took itself is not announced to the handler afterwards.
    ServerSends("xyz");
    EXPECT_EQ(ClientTCPRead(handle, buffer, sizeof buffer, 1000), 3);
    Dispatch(0.05);
    EXPECT_TRUE(g_log.events.empty());

    // More than the kernel takes at once goes out whole, in order.
    std::vector<unsigned char> block(8 << 20);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = (unsigned char)(i * 7 + i / 251);
    std::vector<unsigned char> arrived(block.size());
    std::thread reader([&] {
        for (size_t got = 0; got < arrived.size();) {
            ssize_t n = read(serverFd, arrived.data() + got, arrived.size() - got);
            if (n <= 0)
                break;
            got += (size_t)n;
        }
    });
    EXPECT_EQ(ClientTCPWrite(handle, block.data(), (int)block.size(), 5000), (int)block.size());
    reader.join();
    EXPECT_TRUE(arrived == block);
}

TEST_F(TcpClientTest, ServerClosingIsReportedOnceAndEndsTheConversation)
{
    ConnectAndAccept();
    ServerSends("last");
    close(serverFd);
    serverFd = -1;
    Dispatch(0.2);
    EXPECT_EQ(g_log.data, "last");
    ASSERT_FALSE(g_log.events.empty());
    EXPECT_EQ(g_log.events.back(), TCP_DISCONNECT);
    EXPECT_EQ(std::count(g_log.events.begin(), g_log.events.end(), TCP_DISCONNECT), 1);
    char buffer[4];
    EXPECT_EQ(ClientTCPRead(handle, buffer, sizeof buffer, 100), -12);
    EXPECT_EQ(ClientTCPWrite(handle, "x", 1, 100), -12);
    handle = 0;
}

TEST_F(TcpClientTest, HandlerMayEndItsOwnConversation)
{
    ConnectAndAccept();
    g_log.disconnectInside = true;
    ServerSends("bye");
    Dispatch(0.1);
    EXPECT_EQ(g_log.data, "bye");
    EXPECT_EQ(ClientTCPWrite(handle, "x", 1, 100), -12);
    char byte;
    EXPECT_EQ(read(serverFd, &byte, 1), 0);
    handle = 0;
}
