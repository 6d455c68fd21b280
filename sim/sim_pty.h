#pragma once
// The pseudo-terminal: a raw pty pair whose slave device is reached through a
// symbolic link (for the program: <program dir>/ports/COMn).

#include <string>

struct PtyPort {
    int master = -1;
    int slaveHold = -1; // kept open so that a client closing the device is no hang-up
    std::string device;
    std::string link; // absolute path of the link
};

bool OpenPtyPort(const std::string &link, PtyPort &port, std::string &error);
// Removes the link if it still points to this pty, and closes both ends.
void ClosePtyPort(PtyPort &port);
