// The sensor going away and coming back: over TCP the client is dropped and the port
// refuses connections until the server listens on it again; over a pty the link and
// the terminal disappear and a new terminal gets the link (or another one); a new
// simulator process takes over the port and the link of one that ended.

#include "sim_test_support.h"

#include <algorithm>
#include <csignal>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

bool PathExists(const std::string &path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// The open terminal reports a hang-up, an I/O error or the end of its input, as a
// serial device that was unplugged does.
bool TerminalHungUp(SimClient &client, double timeoutSeconds)
{
    pollfd p{client.fd, POLLIN, 0};
    if (poll(&p, 1, (int)(timeoutSeconds * 1000)) <= 0)
        return false;
    unsigned char byte = 0;
    ssize_t got = read(client.fd, &byte, 1);
    return (p.revents & (POLLHUP | POLLERR)) || got == 0 || (got < 0 && errno == EIO);
}

unsigned SerialNumber(SimClient &client)
{
    return Exchange(client, ORDER_READ_SENSOR_INFO).header.parameter;
}

} // namespace

TEST(SimOutage, TcpRefusesDuringTheOutageAndListensOnTheSamePortAfterIt)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ParameterValues set = kDefaultParameters;
    set[F_POWER] = 640;
    ASSERT_EQ(WriteParameters(client, set), 0);
    ASSERT_TRUE(Exchange(client, ORDER_AUTO_SEND, 1).complete);
    int port = sim.tcpPort;

    double gone = SecondsNow();
    ASSERT_TRUE(StartSimOutage(sim, 1.0));
    EXPECT_TRUE(WaitForClose(client, 2.0));
    SimClient refused;
    EXPECT_FALSE(ConnectSimTcp(refused, port, 0.5));

    ASSERT_TRUE(WaitForSimBack(sim, 5.0));
    EXPECT_GE(SecondsNow() - gone, 0.95);
    EXPECT_EQ(sim.tcpPort, port);
    ASSERT_TRUE(ConnectSimTcp(client, port));
    // The sensor itself ran on; the auto-send of the dropped client did not.
    EXPECT_EQ(ReadParameters(client), set);
    EXPECT_TRUE(DrainInput(client, 0.3).empty());
}

TEST(SimOutage, PtyLinkAndTerminalVanishAndANewTerminalGetsTheLink)
{
    ScratchDir dir;
    std::string link = dir.path + "/ports/COM1";
    SimProcess sim;
    ASSERT_TRUE(StartSim(sim, {"--pty", link, "--serial", "77"}));
    SimClient client;
    ASSERT_TRUE(OpenSimPty(client, link));
    ASSERT_TRUE(Exchange(client, ORDER_READ_FIRMWARE).complete);
    std::string oldDevice = sim.ptyDevice;

    ASSERT_TRUE(StartSimOutage(sim, 0.5));
    EXPECT_TRUE(TerminalHungUp(client, 2.0));
    EXPECT_FALSE(PathExists(link));

    ASSERT_TRUE(WaitForSimBack(sim, 5.0));
    EXPECT_EQ(sim.linkPath, link);
    EXPECT_NE(sim.ptyDevice, oldDevice) << "the old terminal is still held open by the client";
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), sim.ptyDevice);
    SimClient reopened;
    ASSERT_TRUE(OpenSimPty(reopened, link));
    EXPECT_EQ(SerialNumber(reopened), 77u);
}

// The command line's outage, with the pty returning as another link: an adapter that
// comes back as another /dev/ttyUSBn, still the same sensor.
TEST(SimOutage, ScheduledOutageBringsThePtyBackUnderTheOutageLink)
{
    ScratchDir dir;
    std::string link = dir.path + "/ports/COM17";
    std::string other = dir.path + "/ports/COM18";
    SimProcess sim;
    double start = SecondsNow();
    ASSERT_TRUE(StartSim(sim, {"--pty", link, "--serial", "77", "--outage-after", "0.3", "--outage", "0.4",
                               "--outage-link", other}));
    std::string line;
    ASSERT_TRUE(WaitForSimLine(sim, "chromix-sim: gone", line, 3.0));
    EXPECT_GE(SecondsNow() - start, 0.3);
    ASSERT_TRUE(WaitForSimBack(sim, 3.0));
    EXPECT_EQ(sim.linkPath, other);
    EXPECT_FALSE(PathExists(link));
    SimClient client;
    ASSERT_TRUE(OpenSimPty(client, other));
    EXPECT_EQ(SerialNumber(client), 77u);

    // Only one outage at a time; the start time belongs to the command line.
    ASSERT_TRUE(StartSimOutage(sim, 30));
    for (const char *refused : {"outage 1", "outage-after 1", "outage soon"})
        EXPECT_FALSE(SendSimControl(sim, refused, 0.3)) << refused;
    auto isError = [](const std::string &text) { return text.rfind("chromix-sim: error ", 0) == 0; };
    EXPECT_EQ(std::count_if(sim.lines.begin(), sim.lines.end(), isError), 3);
    EXPECT_EQ(StopSim(sim), 0);
    EXPECT_FALSE(PathExists(other));
}

TEST(SimOutage, OutageOptionsComeInPairs)
{
    SimProcess sim;
    for (const std::vector<std::string> &arguments :
         {std::vector<std::string>{"--tcp", "0", "--outage", "3"},
          {"--tcp", "0", "--outage-after", "3"},
          {"--tcp", "0", "--outage-after", "-1", "--outage", "3"}}) {
        EXPECT_FALSE(StartSim(sim, arguments));
        EXPECT_EQ(sim.exitStatus, 2);
    }
}

// A simulator killed without clean-up leaves its link behind and its port in use by
// the connection it dropped; the next one started with the same port and link takes
// both over.
TEST(SimOutage, RestartTakesOverThePortAndTheLink)
{
    ScratchDir dir;
    std::string link = dir.path + "/ports/COM1";
    SimProcess first;
    ASSERT_TRUE(StartSim(first, {"--tcp", "0", "--pty", link}));
    int port = first.tcpPort;
    SimClient client;
    ASSERT_TRUE(ConnectSimTcp(client, port));
    ASSERT_TRUE(Exchange(client, ORDER_READ_FIRMWARE).complete);
    kill(first.pid, SIGKILL);
    StopSim(first);
    ASSERT_TRUE(PathExists(link));

    SimProcess second;
    ASSERT_TRUE(StartSim(second, {"--tcp", std::to_string(port), "--pty", link}));
    EXPECT_EQ(second.tcpPort, port);
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), second.ptyDevice);
    SimClient tcp, pty;
    ASSERT_TRUE(ConnectSimTcp(tcp, port));
    EXPECT_TRUE(Exchange(tcp, ORDER_READ_FIRMWARE).complete);
    ASSERT_TRUE(OpenSimPty(pty, link));
    EXPECT_TRUE(Exchange(pty, ORDER_READ_FIRMWARE).complete);
}
