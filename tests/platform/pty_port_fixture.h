#pragma once
// A program directory of its own for each test, where pseudo-terminals are linked as
// ports/COMn; every port and terminal is closed and the directory removed afterwards.

#include "platform/rs232.h"
#include "ui/ui_init.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <pty.h>
#include <string>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

class PtyPortTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/chromix-rs232-XXXXXX";
        dir = mkdtemp(pattern);
        SetProjectDirOverride(dir.c_str());
        mkdir((dir + "/ports").c_str(), 0755);
    }

    void TearDown() override
    {
        for (int port = 1; port <= kMaxComPort; ++port)
            CloseCom(port);
        for (int fd : fds)
            close(fd);
        SetProjectDirOverride(nullptr);
        std::filesystem::remove_all(dir);
    }

    // A raw pseudo-terminal; returns its master side, its device in *device.
    int OpenPty(std::string *device)
    {
        int master = -1, slave = -1;
        char name[256] = "";
        EXPECT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
        termios settings;
        tcgetattr(slave, &settings);
        cfmakeraw(&settings);
        tcsetattr(slave, TCSANOW, &settings);
        fds.push_back(master);
        fds.push_back(slave);
        *device = name;
        return master;
    }

    // A pseudo-terminal linked as COM<port>; returns its master side.
    int LinkPty(int port, std::string *device = nullptr)
    {
        std::string name;
        int master = OpenPty(&name);
        EXPECT_EQ(symlink(name.c_str(), LinkPath(port).c_str()), 0);
        if (device)
            *device = name;
        return master;
    }

    std::string LinkPath(int port) const { return dir + "/ports/COM" + std::to_string(port); }

    std::string dir;
    std::vector<int> fds;
};
