#pragma once
// Runs chromix-sim as a child process for tests and benchmarks, from outside its code:
// start it, read its ready lines, change its faults through its control channel on
// stdin, stop it without leaving a zombie; plus a small blocking client that sends a
// request frame over TCP or a pseudo-terminal and reads the reply frame with a time-out.
// Plain POSIX C++, no Qt.

#include "link/frame.h"

#include <string>
#include <sys/types.h>
#include <vector>

struct SimProcess {
    pid_t pid = -1;
    int stdinFd = -1;
    int stdoutFd = -1;
    int tcpPort = -1;      // "chromix-sim: tcp 127.0.0.1 PORT"
    std::string ptyDevice; // "chromix-sim: pty DEVICE link LINK"
    std::string linkPath;
    std::vector<std::string> lines; // every stdout line read so far
    size_t linesSeen = 0;           // lines already matched by WaitForSimLine
    std::string partialLine;
    int exitStatus = -1; // after StopSim: exit code, or 128 + signal

    SimProcess() = default;
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;
    ~SimProcess(); // stops a simulator still running
};

// The simulator program (CHROMIX_SIM_PATH of the build).
std::string SimExecutablePath();
// Starts the simulator with the given arguments and waits for its "ready" line; false
// (and nothing left running) when it fails to start within the time-out.
bool StartSim(SimProcess &sim, const std::vector<std::string> &arguments, double timeoutSeconds = 10.0);
// Sends one control line and waits for the simulator's "ok" answer.
bool SendSimControl(SimProcess &sim, const std::string &line, double timeoutSeconds = 5.0);
// Waits for the next stdout line starting with prefix (lines matched before are skipped).
bool WaitForSimLine(SimProcess &sim, const std::string &prefix, std::string &line, double timeoutSeconds);
// Makes the simulator go away for the given seconds ("outage" control line) and waits
// until it is gone.
bool StartSimOutage(SimProcess &sim, double seconds, double timeoutSeconds = 5.0);
// Waits for "chromix-sim: back" after an outage and takes the transport lines printed
// with it (tcpPort, ptyDevice, linkPath).
bool WaitForSimBack(SimProcess &sim, double timeoutSeconds);
// The simulator's count of auto-send frames pushed since its start ("push-count"
// control line); -1 when it does not answer.
long long SimPushCount(SimProcess &sim);
// The simulator's count of intact requests with this command code since its start
// ("request-count CODE"); -1 when it does not answer.
long long SimRequestCount(SimProcess &sim, int command);
bool SimIsRunning(SimProcess &sim);
// SIGTERM, then SIGKILL after the grace period; reaps the child. Returns exitStatus.
int StopSim(SimProcess &sim, double graceSeconds = 3.0);

struct SimClient {
    int fd = -1;
    bool isSocket = false;

    SimClient() = default;
    SimClient(const SimClient &) = delete;
    SimClient &operator=(const SimClient &) = delete;
    ~SimClient();
};

struct SimReply {
    bool complete = false;    // the header and every announced data byte arrived
    bool headerCrcOk = false; // CRC over the 8 header bytes is 0
    bool syncOk = false;      // first byte 0x55
    bool dataCrcOk = false;   // data CRC matches (true for a reply without data)
    FrameHeader header{};
    std::vector<unsigned char> raw; // every byte read for this reply
    std::vector<unsigned char> data;
};

bool ConnectSimTcp(SimClient &client, int port, double timeoutSeconds = 5.0);
// Opens a pty path (device or link) raw and discards anything queued on it.
bool OpenSimPty(SimClient &client, const std::string &path);
void CloseSimClient(SimClient &client);

std::vector<unsigned char> BuildRequestFrame(int command, unsigned parameter,
                                             const std::vector<unsigned char> &data = {});
bool SendBytes(SimClient &client, const std::vector<unsigned char> &bytes);
// Reads until count bytes arrived or the time-out passed.
std::vector<unsigned char> ReadBytes(SimClient &client, size_t count, double timeoutSeconds);
// True when the peer closed the connection within the time-out (TCP).
bool WaitForClose(SimClient &client, double timeoutSeconds);
// Reads one reply: the header within the time-out, then, if its CRC is right, its data
// with a fresh time-out. Returns reply.complete.
bool ReadReply(SimClient &client, SimReply &reply, double timeoutSeconds = 3.0);
// Sends a request and reads its reply.
bool ExchangeFrame(SimClient &client, int command, unsigned parameter, const std::vector<unsigned char> &data,
                   SimReply &reply, double timeoutSeconds = 3.0);
// Reads and discards input until nothing arrives for quietSeconds; returns the bytes read.
std::vector<unsigned char> DrainInput(SimClient &client, double quietSeconds);
