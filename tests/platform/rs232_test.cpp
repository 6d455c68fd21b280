// Serial ports over a pseudo-terminal reached through <program dir>/ports/COMn, the
// COM number mapping and the port finder.
#include "platform/com_devices.h"
#include "platform/rs232.h"
#include "pty_port_fixture.h"
#include "ui/userint.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{

using Bytes = std::vector<unsigned char>;

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

class Rs232Test : public PtyPortTest
{
  protected:
    static int Open(int port, long baud = 115200)
    {
        return OpenComConfig(port, "", baud, 0, 8, 1, 1024, 1024);
    }

    static Bytes ReadMaster(int master, size_t count)
    {
        Bytes bytes;
        double deadline = Now() + 2.0;
        while (bytes.size() < count && Now() < deadline) {
            pollfd p{master, POLLIN, 0};
            if (poll(&p, 1, 50) <= 0)
                continue;
            unsigned char buffer[4096];
            ssize_t n = read(master, buffer, sizeof buffer);
            if (n > 0)
                bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

    static int WaitForQueued(int port, int count)
    {
        double deadline = Now() + 2.0;
        int queued = GetInQLen(port);
        while (queued < count && Now() < deadline) {
            usleep(2000);
            queued = GetInQLen(port);
        }
        return queued;
    }
};

} // namespace

TEST_F(Rs232Test, ComNumbersMapToLinksFirstThenToDeviceRanges)
{
    EXPECT_EQ(ComDevicePath(1), "/dev/ttyS0");
    EXPECT_EQ(ComDevicePath(16), "/dev/ttyS15");
    EXPECT_EQ(ComDevicePath(17), "/dev/ttyUSB0");
    EXPECT_EQ(ComDevicePath(32), "/dev/ttyUSB15");
    EXPECT_EQ(ComDevicePath(33), "/dev/ttyACM0");
    EXPECT_EQ(ComDevicePath(48), "/dev/ttyACM15");
    EXPECT_EQ(ComDevicePath(49), "");
    EXPECT_EQ(ComDevicePath(0), "");
    EXPECT_EQ(ComDevicePath(256), "");

    // A link wins, even one that points nowhere.
    ASSERT_EQ(symlink("/nonexistent/tty", LinkPath(1).c_str()), 0);
    EXPECT_EQ(ComDevicePath(1), LinkPath(1));
    EXPECT_FALSE(ComDevicePresent(1));
    LinkPty(200);
    EXPECT_EQ(ComDevicePath(200), LinkPath(200));
    EXPECT_TRUE(ComDevicePresent(200));
}

TEST_F(Rs232Test, OpenErrorsUseTheRuntimeCodes)
{
    EXPECT_EQ(Open(0), -2);
    EXPECT_EQ(Open(256), -2);
    EXPECT_EQ(Open(49), -6);
    ASSERT_EQ(symlink("/nonexistent/tty", LinkPath(3).c_str()), 0);
    EXPECT_EQ(Open(3), -6);
    LinkPty(4);
    EXPECT_EQ(Open(4, 0), -14);
    EXPECT_EQ(OpenComConfig(4, "", 9600, 7, 8, 1, 1024, 1024), -11);
    EXPECT_EQ(OpenComConfig(4, "", 9600, 0, 9, 1, 1024, 1024), -12);
    EXPECT_EQ(OpenComConfig(4, "", 9600, 0, 8, 3, 1024, 1024), -13);

    // Calls on a port that is not open fail harmlessly.
    EXPECT_EQ(GetInQLen(4), -3);
    EXPECT_EQ(GetOutQLen(4), -3);
    EXPECT_EQ(ComRd(4, nullptr, 0), -3);
    EXPECT_EQ(GetComStat(4), -3);
    EXPECT_EQ(GetComBaudRate(4), 0);
    EXPECT_EQ(CloseCom(4), -3);
    EXPECT_EQ(CloseCom(0), -2);
}

// The device refuses the user (root is made an ordinary user in a child process);
// the open fails with the runtime code and names the device and its group.
TEST_F(Rs232Test, RefusedAccessNamesTheDeviceAndItsGroup)
{
    std::string device = dir + "/locked-tty";
    close(open(device.c_str(), O_CREAT | O_WRONLY, 0600));
    ASSERT_EQ(chmod(device.c_str(), 0), 0);
    ASSERT_EQ(chmod(dir.c_str(), 0755), 0);
    ASSERT_EQ(symlink(device.c_str(), LinkPath(5).c_str()), 0);
    struct stat info;
    ASSERT_EQ(stat(device.c_str(), &info), 0);
    const group *owner = getgrgid(info.st_gid);
    ASSERT_NE(owner, nullptr);
    std::string expectedGroup = owner->gr_name;

    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
                std::_Exit(3);
            char path[MAX_PATHNAME_LEN] = "";
            char name[64] = "";
            bool refused = Open(5) == -7 && GetComAccessDenied(5, path, sizeof path, name, sizeof name) == 1;
            std::_Exit(refused && path == LinkPath(5) && name == expectedGroup ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");

    // Other failures carry no remedy.
    EXPECT_EQ(Open(49), -6);
    EXPECT_EQ(GetComAccessDenied(49, nullptr, 0, nullptr, 0), 0);
}

TEST_F(Rs232Test, WritesReadsQueueLengthAndFlushOverAPseudoTerminal)
{
    int master = LinkPty(5);
    ASSERT_EQ(Open(5, 921600), 0);
    EXPECT_EQ(GetComBaudRate(5), 921600);
    EXPECT_EQ(SetCTSMode(5, 0), 0);
    EXPECT_EQ(SetComTime(5, 2.0), 0);

    const unsigned char request[8] = {0x55, 0x07, 0x00, 0x00, 0x00, 0x00, 0xAA, 0x52};
    EXPECT_EQ(ComWrt(5, request, 8), 8);
    EXPECT_EQ(ReadMaster(master, 8), Bytes(request, request + 8));

    Bytes reply = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    ASSERT_EQ(write(master, reply.data(), reply.size()), (ssize_t)reply.size());
    EXPECT_EQ(WaitForQueued(5, 10), 10);
    unsigned char got[16] = {0};
    EXPECT_EQ(ComRd(5, got, 4), 4);
    EXPECT_EQ(Bytes(got, got + 4), Bytes(reply.begin(), reply.begin() + 4));
    EXPECT_EQ(GetInQLen(5), 6);
    EXPECT_EQ(FlushInQ(5), 0);
    EXPECT_EQ(GetInQLen(5), 0);
    EXPECT_EQ(FlushOutQ(5), 0);
    EXPECT_EQ(GetComStat(5), 0);

    // More than the input queue holds arrives intact, in order.
    Bytes block(2000);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = (unsigned char)(i * 7);
    ASSERT_EQ(write(master, block.data(), block.size()), (ssize_t)block.size());
    Bytes received(block.size());
    EXPECT_EQ(ComRd(5, received.data(), (int)received.size()), (int)block.size());
    EXPECT_EQ(received, block);

    // More than the device takes at once goes out whole, in order, and leaves nothing
    // queued.
    Bytes large(300000);
    for (size_t i = 0; i < large.size(); ++i)
        large[i] = (unsigned char)(i * 7 + i / 251);
    Bytes sent;
    std::thread reader([&] { sent = ReadMaster(master, large.size()); });
    EXPECT_EQ(ComWrt(5, large.data(), (int)large.size()), (int)large.size());
    reader.join();
    EXPECT_TRUE(sent == large);
    EXPECT_EQ(GetOutQLen(5), 0);
}

// An adapter that came back as another device is opened by its device name under the
// port number it had. Low latency is asked for on every open; a pseudo-terminal
// refuses it and the port is open all the same.
TEST_F(Rs232Test, DeviceNameOpensThatDeviceUnderThePortNumber)
{
    std::string device;
    int master = OpenPty(&device);
    ASSERT_EQ(OpenComConfig(17, device.c_str(), 115200, 0, 8, 1, 1024, 1024), 0);
    const unsigned char request[3] = {0x55, 0x07, 0x00};
    EXPECT_EQ(ComWrt(17, request, 3), 3);
    EXPECT_EQ(ReadMaster(master, 3), Bytes(request, request + 3));
    EXPECT_EQ(GetComLowLatency(17), 0);
    EXPECT_EQ(CloseCom(17), 0);
    EXPECT_EQ(GetComLowLatency(17), -3);
    EXPECT_EQ(OpenComConfig(17, "/nonexistent/tty", 115200, 0, 8, 1, 1024, 1024), -6);
}

TEST_F(Rs232Test, ReadWaitsForTheTimeOutWithoutDispatchingEvents)
{
    int master = LinkPty(6);
    ASSERT_EQ(Open(6), 0);
    ASSERT_EQ(SetComTime(6, 0.3), 0);
    bool dispatched = false;
    QTimer::singleShot(0, [&] { dispatched = true; });

    const unsigned char partial[3] = {0x55, 0x08, 0x00};
    ASSERT_EQ(write(master, partial, 3), 3);
    unsigned char got[8] = {0};
    double start = Now();
    EXPECT_EQ(ComRd(6, got, 8), 3);
    EXPECT_GE(Now() - start, 0.29);
    EXPECT_EQ(Bytes(got, got + 3), Bytes(partial, partial + 3));
    EXPECT_FALSE(dispatched);
    ProcessSystemEvents();
    EXPECT_TRUE(dispatched);
}

TEST_F(Rs232Test, PortStatusReportsALostDeviceOnce)
{
    int master = LinkPty(8);
    ASSERT_EQ(Open(8), 0);
    EXPECT_EQ(GetComStat(8), 0);
    // The far end hangs up; the next attempt to read finds the device gone.
    close(master);
    fds.erase(std::find(fds.begin(), fds.end(), master));
    for (int i = 0; i < 20; ++i)
        WaitSystemEvents(0.01);
    unsigned char byte = 0;
    SetComTime(8, 0.05);
    ComRd(8, &byte, 1);
    EXPECT_GT(GetComStat(8), 0);
    EXPECT_EQ(GetComStat(8), 0);
}

TEST_F(Rs232Test, PortFinderReportsLinkedDevicesThatArePresent)
{
    LinkPty(3);
    LinkPty(7);
    ASSERT_EQ(symlink("/nonexistent/tty", LinkPath(9).c_str()), 0);
    int reserved = 0;
    int ports[kMaxComPort];
    int count = LocateCom(&reserved, ports, kMaxComPort);
    std::vector<int> found(ports, ports + count);
    EXPECT_NE(std::find(found.begin(), found.end(), 3), found.end());
    EXPECT_NE(std::find(found.begin(), found.end(), 7), found.end());
    EXPECT_EQ(std::find(found.begin(), found.end(), 9), found.end());
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
    // The list is cut at the caller's array size.
    int one[1] = {0};
    EXPECT_EQ(LocateCom(&reserved, one, 1), 1);
    EXPECT_EQ(one[0], found.front());
}
