#include "sim_process.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace
{

double NowSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec + (double)ts.tv_nsec * 1e-9;
}

// Milliseconds left until deadline for poll(2), rounded up so that it never spins.
int RemainingMs(double deadline)
{
    double left = deadline - NowSeconds();
    if (left <= 0.0)
        return 0;
    return (int)(left * 1000.0) + 1;
}

bool WaitReadable(int fd, double deadline)
{
    pollfd p{fd, POLLIN, 0};
    for (;;) {
        int result = poll(&p, 1, RemainingMs(deadline));
        if (result > 0)
            return true;
        if (result == 0 || errno != EINTR)
            return false;
    }
}

void CloseFd(int &fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

void ParseReadyLine(SimProcess &sim, const std::string &line)
{
    std::istringstream words(line);
    std::string tag, kind;
    words >> tag >> kind;
    if (kind == "tcp") {
        std::string host;
        words >> host >> sim.tcpPort;
    } else if (kind == "pty") {
        std::string linkWord;
        words >> sim.ptyDevice >> linkWord >> sim.linkPath;
    }
}

// Reads what stdout offers into complete lines; false at end of file.
bool ReadSimOutput(SimProcess &sim)
{
    char buffer[4096];
    ssize_t count = read(sim.stdoutFd, buffer, sizeof buffer);
    if (count <= 0)
        return count < 0 && (errno == EAGAIN || errno == EINTR);
    sim.partialLine.append(buffer, (size_t)count);
    size_t end;
    while ((end = sim.partialLine.find('\n')) != std::string::npos) {
        sim.lines.push_back(sim.partialLine.substr(0, end));
        sim.partialLine.erase(0, end + 1);
    }
    return true;
}

pid_t SpawnSim(const std::vector<std::string> &arguments, int stdinPipe[2], int stdoutPipe[2])
{
    std::string path = SimExecutablePath();
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(path.c_str()));
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t parent = getpid();
    pid_t pid = fork();
    if (pid == 0) {
        // The simulator ends with the test process, even when that one crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        dup2(stdinPipe[0], STDIN_FILENO);
        dup2(stdoutPipe[1], STDOUT_FILENO);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

void ClearSimRecord(SimProcess &sim)
{
    sim.tcpPort = -1;
    sim.ptyDevice.clear();
    sim.linkPath.clear();
    sim.lines.clear();
    sim.linesSeen = 0;
    sim.partialLine.clear();
    sim.exitStatus = -1;
}

int StatusCode(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool ReadyLineSeen(SimProcess &sim)
{
    for (const std::string &line : sim.lines)
        if (line == "chromix-sim: ready")
            return true;
    return false;
}

} // namespace

SimProcess::~SimProcess()
{
    StopSim(*this);
}

std::string SimExecutablePath()
{
#if defined(CHROMIX_SIM_PATH)
    return CHROMIX_SIM_PATH;
#elif defined(CHROMIX_BIN_DIR)
    return std::string(CHROMIX_BIN_DIR) + "/chromix-sim";
#else
    return "chromix-sim";
#endif
}

bool StartSim(SimProcess &sim, const std::vector<std::string> &arguments, double timeoutSeconds)
{
    StopSim(sim);
    ClearSimRecord(sim);
    // A simulator that died must not take the test process down with a write to its stdin.
    signal(SIGPIPE, SIG_IGN);
    int stdinPipe[2], stdoutPipe[2];
    if (pipe2(stdinPipe, O_CLOEXEC) != 0)
        return false;
    if (pipe2(stdoutPipe, O_CLOEXEC) != 0) {
        close(stdinPipe[0]);
        close(stdinPipe[1]);
        return false;
    }
    sim.pid = SpawnSim(arguments, stdinPipe, stdoutPipe);
    close(stdinPipe[0]);
    close(stdoutPipe[1]);
    sim.stdinFd = stdinPipe[1];
    sim.stdoutFd = stdoutPipe[0];
    fcntl(sim.stdoutFd, F_SETFL, O_NONBLOCK);
    double deadline = NowSeconds() + timeoutSeconds;
    while (sim.pid > 0 && !ReadyLineSeen(sim)) {
        if (!WaitReadable(sim.stdoutFd, deadline) || !ReadSimOutput(sim)) {
            StopSim(sim);
            return false;
        }
    }
    for (const std::string &line : sim.lines)
        ParseReadyLine(sim, line);
    sim.linesSeen = sim.lines.size();
    return sim.pid > 0;
}

bool WaitForSimLine(SimProcess &sim, const std::string &prefix, std::string &line, double timeoutSeconds)
{
    double deadline = NowSeconds() + timeoutSeconds;
    for (;;) {
        while (sim.linesSeen < sim.lines.size()) {
            const std::string &candidate = sim.lines[sim.linesSeen++];
            if (candidate.compare(0, prefix.size(), prefix) == 0) {
                line = candidate;
                return true;
            }
        }
        if (sim.stdoutFd < 0 || !WaitReadable(sim.stdoutFd, deadline) || !ReadSimOutput(sim))
            return false;
    }
}

bool SendSimControl(SimProcess &sim, const std::string &line, double timeoutSeconds)
{
    if (sim.stdinFd < 0)
        return false;
    std::string text = line + "\n";
    if (write(sim.stdinFd, text.data(), text.size()) != (ssize_t)text.size())
        return false;
    std::string answer;
    if (!WaitForSimLine(sim, "chromix-sim: ok ", answer, timeoutSeconds))
        return false;
    return answer == "chromix-sim: ok " + line;
}

bool StartSimOutage(SimProcess &sim, double seconds, double timeoutSeconds)
{
    std::ostringstream line;
    line << "outage " << seconds;
    std::string gone;
    return SendSimControl(sim, line.str(), timeoutSeconds) &&
           WaitForSimLine(sim, "chromix-sim: gone", gone, timeoutSeconds);
}

bool WaitForSimBack(SimProcess &sim, double timeoutSeconds)
{
    size_t first = sim.linesSeen;
    std::string back;
    if (!WaitForSimLine(sim, "chromix-sim: back", back, timeoutSeconds))
        return false;
    for (size_t i = first; i < sim.linesSeen; ++i)
        ParseReadyLine(sim, sim.lines[i]);
    return true;
}

namespace
{

// The number a query line answers just before the "ok" line that SendSimControl took.
long long SimQuery(SimProcess &sim, const std::string &query, const std::string &prefix)
{
    if (!SendSimControl(sim, query))
        return -1;
    // The count comes just before the "ok" line that SendSimControl has taken.
    for (size_t i = sim.linesSeen; i-- > 0;)
        if (sim.lines[i].compare(0, prefix.size(), prefix) == 0)
            return std::stoll(sim.lines[i].substr(prefix.size()));
    return -1;
}

} // namespace

long long SimPushCount(SimProcess &sim)
{
    return SimQuery(sim, "push-count", "chromix-sim: push-count ");
}

long long SimRequestCount(SimProcess &sim, int command)
{
    const std::string code = std::to_string(command);
    return SimQuery(sim, "request-count " + code, "chromix-sim: request-count " + code + " ");
}

bool SimIsRunning(SimProcess &sim)
{
    if (sim.pid <= 0)
        return false;
    int status = 0;
    pid_t done = waitpid(sim.pid, &status, WNOHANG);
    if (done == 0)
        return true;
    if (done == sim.pid)
        sim.exitStatus = StatusCode(status);
    sim.pid = -1;
    return false;
}

int StopSim(SimProcess &sim, double graceSeconds)
{
    if (sim.pid > 0) {
        int status = 0;
        kill(sim.pid, SIGTERM);
        double deadline = NowSeconds() + graceSeconds;
        pid_t done = 0;
        while ((done = waitpid(sim.pid, &status, WNOHANG)) == 0 && NowSeconds() < deadline) {
            timespec pause{0, 5 * 1000 * 1000};
            nanosleep(&pause, nullptr);
        }
        if (done == 0) {
            kill(sim.pid, SIGKILL);
            done = waitpid(sim.pid, &status, 0);
        }
        if (done == sim.pid)
            sim.exitStatus = StatusCode(status);
        sim.pid = -1;
    }
    CloseFd(sim.stdinFd);
    CloseFd(sim.stdoutFd);
    return sim.exitStatus;
}

SimClient::~SimClient()
{
    CloseSimClient(*this);
}

bool ConnectSimTcp(SimClient &client, int port, double timeoutSeconds)
{
    CloseSimClient(client);
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    int yes = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons((unsigned short)port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, (sockaddr *)&address, sizeof address) != 0 && errno != EINPROGRESS) {
        close(fd);
        return false;
    }
    pollfd p{fd, POLLOUT, 0};
    int error = 0;
    socklen_t length = sizeof error;
    if (poll(&p, 1, (int)(timeoutSeconds * 1000)) != 1 ||
        getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
        close(fd);
        return false;
    }
    client.fd = fd;
    client.isSocket = true;
    return true;
}

bool OpenSimPty(SimClient &client, const std::string &path)
{
    CloseSimClient(client);
    int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    termios settings;
    if (tcgetattr(fd, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(fd, TCSANOW, &settings);
    }
    tcflush(fd, TCIOFLUSH);
    client.fd = fd;
    client.isSocket = false;
    return true;
}

void CloseSimClient(SimClient &client)
{
    CloseFd(client.fd);
}

std::vector<unsigned char> BuildRequestFrame(int command, unsigned parameter,
                                             const std::vector<unsigned char> &data)
{
    std::vector<unsigned char> frame(kFrameHeaderSize + data.size());
    BuildFrameHeader(frame.data(), command, parameter, data.data(), (unsigned)data.size());
    std::copy(data.begin(), data.end(), frame.begin() + kFrameHeaderSize);
    return frame;
}

bool SendBytes(SimClient &client, const std::vector<unsigned char> &bytes)
{
    size_t sent = 0;
    double deadline = NowSeconds() + 5.0;
    while (sent < bytes.size() && client.fd >= 0) {
        ssize_t count = client.isSocket
                            ? send(client.fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL)
                            : write(client.fd, bytes.data() + sent, bytes.size() - sent);
        if (count > 0) {
            sent += (size_t)count;
            continue;
        }
        if (count < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p{client.fd, POLLOUT, 0};
        if (poll(&p, 1, RemainingMs(deadline)) <= 0)
            return false;
    }
    return sent == bytes.size();
}

std::vector<unsigned char> ReadBytes(SimClient &client, size_t count, double timeoutSeconds)
{
    std::vector<unsigned char> bytes;
    double deadline = NowSeconds() + timeoutSeconds;
    while (bytes.size() < count && client.fd >= 0) {
        unsigned char buffer[4096];
        size_t wanted = std::min(sizeof buffer, count - bytes.size());
        ssize_t got = read(client.fd, buffer, wanted);
        if (got > 0) {
            bytes.insert(bytes.end(), buffer, buffer + got);
            continue;
        }
        if (got == 0 || (errno != EAGAIN && errno != EINTR) || !WaitReadable(client.fd, deadline))
            break;
    }
    return bytes;
}

bool WaitForClose(SimClient &client, double timeoutSeconds)
{
    double deadline = NowSeconds() + timeoutSeconds;
    while (client.fd >= 0) {
        unsigned char buffer[256];
        ssize_t got = read(client.fd, buffer, sizeof buffer);
        if (got == 0 || (got < 0 && errno == ECONNRESET))
            return true;
        if (got < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (got < 0 && !WaitReadable(client.fd, deadline))
            return false;
    }
    return false;
}

bool ReadReply(SimClient &client, SimReply &reply, double timeoutSeconds)
{
    reply = SimReply();
    reply.raw = ReadBytes(client, kFrameHeaderSize, timeoutSeconds);
    if (reply.raw.size() < (size_t)kFrameHeaderSize)
        return false;
    reply.headerCrcOk = crc8Update(reply.raw.data(), 0, kFrameHeaderSize, kCrc8Table) == 0;
    reply.syncOk = reply.raw[0] == kFrameSync;
    reply.header = ParseFrameHeader(reply.raw.data());
    if (!reply.headerCrcOk)
        return false;
    reply.data = ReadBytes(client, reply.header.length, timeoutSeconds);
    reply.raw.insert(reply.raw.end(), reply.data.begin(), reply.data.end());
    reply.complete = reply.data.size() == reply.header.length;
    reply.dataCrcOk = reply.header.length == 0 || crc8Update(reply.data.data(), 0, (int)reply.data.size(),
                                                             kCrc8Table) == reply.header.dataCrc;
    return reply.complete;
}

bool ExchangeFrame(SimClient &client, int command, unsigned parameter, const std::vector<unsigned char> &data,
                   SimReply &reply, double timeoutSeconds)
{
    if (!SendBytes(client, BuildRequestFrame(command, parameter, data)))
        return false;
    return ReadReply(client, reply, timeoutSeconds);
}

std::vector<unsigned char> DrainInput(SimClient &client, double quietSeconds)
{
    std::vector<unsigned char> drained;
    for (;;) {
        std::vector<unsigned char> bytes = ReadBytes(client, 4096, quietSeconds);
        if (bytes.empty())
            return drained;
        drained.insert(drained.end(), bytes.begin(), bytes.end());
    }
}
