// Transports: a pseudo-terminal reached through its link, TCP loopback with one client
// at a time, both at once, ready lines and a clean exit.

#include "sim_test_support.h"

#include <algorithm>
#include <cctype>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Whether line is `before`, a number of one or more digits, then `after`.
bool IsNumberedLine(const std::string &line, const std::string &before, const std::string &after)
{
    if (line.size() <= before.size() + after.size() || line.compare(0, before.size(), before) != 0 ||
        line.compare(line.size() - after.size(), after.size(), after) != 0)
        return false;
    auto first = line.begin() + static_cast<long>(before.size());
    auto last = line.end() - static_cast<long>(after.size());
    return std::all_of(first, last, [](unsigned char c) { return std::isdigit(c) != 0; });
}

} // namespace

TEST(SimTransport, PtyServedThroughItsLink)
{
    ScratchDir dir;
    std::string link = dir.path + "/bin/ports/COM1";
    SimProcess sim;
    ASSERT_TRUE(StartSim(sim, {"--pty", link}));
    EXPECT_EQ(sim.linkPath, link);
    EXPECT_EQ(sim.tcpPort, -1);
    ASSERT_EQ(std::filesystem::read_symlink(link).string(), sim.ptyDevice);

    SimClient client;
    ASSERT_TRUE(OpenSimPty(client, link));
    SimReply reply = Exchange(client, ORDER_READ_FIRMWARE);
    EXPECT_TRUE(reply.complete && reply.dataCrcOk);
    // Raw line: bytes that would be special on a terminal pass unchanged, nothing echoes.
    std::vector<unsigned short> table(128, 0x0D03);
    EXPECT_EQ(Exchange(client, ORDER_CONV_TABLE, 0, Words(table)).header.command, ORDER_CONV_TABLE);
    EXPECT_EQ(Exchange(client, ORDER_CONV_TABLE, 1).data, Words(table));
    CloseSimClient(client);

    // Closing and reopening the port, as every connection attempt does.
    ASSERT_TRUE(OpenSimPty(client, link));
    EXPECT_TRUE(Exchange(client, ORDER_READ_DATA_FRAME).complete);
    CloseSimClient(client);

    EXPECT_EQ(StopSim(sim), 0);
    struct stat info;
    EXPECT_NE(lstat(link.c_str(), &info), 0) << "link removed on exit";
}

TEST(SimTransport, TcpServesOneClientAtATime)
{
    SimProcess sim;
    SimClient first;
    StartWithClient(sim, first);
    EXPECT_TRUE(Exchange(first, ORDER_READ_FIRMWARE).complete);

    SimClient intruder;
    ASSERT_TRUE(ConnectSimTcp(intruder, sim.tcpPort));
    EXPECT_TRUE(WaitForClose(intruder, 3.0));
    EXPECT_TRUE(Exchange(first, ORDER_READ_FIRMWARE).complete);

    CloseSimClient(first);
    SimClient second;
    ASSERT_TRUE(ConnectSimTcp(second, sim.tcpPort));
    EXPECT_TRUE(Exchange(second, ORDER_READ_FIRMWARE).complete);
}

TEST(SimTransport, DisconnectEndsTheClientsAutoSend)
{
    SimProcess sim;
    SimClient first;
    StartWithClient(sim, first);
    ASSERT_TRUE(Exchange(first, ORDER_AUTO_SEND, 1).complete);
    CloseSimClient(first);
    SimClient second;
    ASSERT_TRUE(ConnectSimTcp(second, sim.tcpPort));
    EXPECT_TRUE(DrainInput(second, 0.3).empty());
}

TEST(SimTransport, BothTransportsReachOneSensor)
{
    ScratchDir dir;
    SimProcess sim;
    ASSERT_TRUE(StartSim(sim, {"--tcp", "0", "--pty", dir.path + "/COM3"}));
    SimClient tcp, pty;
    ASSERT_TRUE(ConnectSimTcp(tcp, sim.tcpPort));
    ASSERT_TRUE(OpenSimPty(pty, sim.linkPath));
    ParameterValues set = kDefaultParameters;
    set[F_POWER] = 640;
    ASSERT_EQ(WriteParameters(tcp, set), 0);
    EXPECT_EQ(ReadParameters(pty), set);
}

TEST(SimTransport, ReadyLines)
{
    ScratchDir dir;
    SimProcess sim;
    ASSERT_TRUE(StartSim(sim, {"--tcp", "0", "--pty", dir.path + "/ports/COM2"}));
    ASSERT_EQ(sim.lines.size(), 3u);
    EXPECT_TRUE(IsNumberedLine(sim.lines[0], "chromix-sim: tcp 127.0.0.1 ", "")) << sim.lines[0];
    EXPECT_TRUE(
        IsNumberedLine(sim.lines[1], "chromix-sim: pty /dev/pts/", " link " + dir.path + "/ports/COM2"))
        << sim.lines[1];
    EXPECT_EQ(sim.lines[2], "chromix-sim: ready");
}

TEST(SimTransport, RefusesToReplaceAnythingButALink)
{
    ScratchDir dir;
    std::string file = dir.path + "/COM1";
    std::filesystem::create_directories(file);
    SimProcess sim;
    EXPECT_FALSE(StartSim(sim, {"--pty", file}));
    EXPECT_EQ(sim.exitStatus, 1);
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST(SimTransport, HelpAndBadOptions)
{
    SimProcess sim;
    EXPECT_FALSE(StartSim(sim, {"--delay"}));
    EXPECT_EQ(sim.exitStatus, 2);
    EXPECT_FALSE(StartSim(sim, {"--tcp", "0", "--bogus"}));
    EXPECT_EQ(sim.exitStatus, 2);
    EXPECT_FALSE(StartSim(sim, {"--help"}));
    EXPECT_EQ(sim.exitStatus, 0);
    auto mentions = [&sim](const std::string &word) {
        for (const std::string &line : sim.lines)
            if (line.find(word) != std::string::npos)
                return true;
        return false;
    };
    for (const char *option :
         {"--tcp", "--pty", "--pace", "--fault-command", "--zero-length-crc", "--eeprom"})
        EXPECT_TRUE(mentions(option)) << option;
}
