#include "raw_sensor.h"

#include "link/frame.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace
{

constexpr int kPollMs = 20;

void WriteAll(int fd, const Bytes &bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + sent, bytes.size() - sent);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            poll(&p, 1, kPollMs);
            continue;
        }
        if (n <= 0)
            return;
        sent += (size_t)n;
    }
}

} // namespace

Bytes Frame(int command, unsigned parameter, const Bytes &data)
{
    Bytes frame(kFrameHeaderSize + data.size());
    BuildFrameHeader(frame.data(), command, parameter, data.data(), (unsigned)data.size());
    std::copy(data.begin(), data.end(), frame.begin() + kFrameHeaderSize);
    return frame;
}

Bytes TextBytes(const std::string &text)
{
    return Bytes(text.begin(), text.end());
}

ReplyPlan Reply(int command, unsigned parameter, const Bytes &data, double delaySeconds)
{
    return ReplyPlan{ReplyStep{delaySeconds, Frame(command, parameter, data)}};
}

Bytes PlausibleParameters()
{
    const unsigned short values[kParameterSetBytes / 2] = {
        500, 0,    3200, 3300, 0,  5,  1, 1,    0,  0,  0, 1, 100, 0, 0, 100,
        100, 2000, 1,    2000, 20, 10, 1, 2000, 20, 10, 0, 0, 0,   0, 0, 0};
    Bytes payload(kParameterSetBytes);
    for (int i = 0; i < kParameterSetBytes / 2; ++i)
        PutLe16(payload.data() + 2 * i, values[i]);
    return payload;
}

ReplyPlan SensorLikeReply(const Bytes &request)
{
    int command = request[1];
    switch (command) {
    case ORDER_READ_FIRMWARE: {
        Bytes text = TextBytes(kRawFirmware);
        text.resize(72, 0);
        return Reply(command, 0, text);
    }
    case ORDER_READ_SENSOR_INFO:
        return Reply(command, kRawSerialNumber, TextBytes(kRawSensorName));
    case ORDER_READ_PARAMETERS:
        return Reply(command, 0, PlausibleParameters());
    case ORDER_READ_DATA_FRAME:
        return Reply(command, 0, Bytes(kLiveFrameBytes, 1));
    default:
        return Reply(command, 0);
    }
}

RawSensor::RawSensor() : responder_(SensorLikeReply) {}

RawSensor::~RawSensor()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    for (int fd : {listenFd_, ptyMaster_, ptySlave_})
        if (fd >= 0)
            close(fd);
}

bool RawSensor::ListenTcp()
{
    listenFd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0)
        return false;
    int yes = 1;
    setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(listenFd_, (sockaddr *)&address, sizeof address) != 0 || listen(listenFd_, 4) != 0 ||
        getsockname(listenFd_, (sockaddr *)&address, &length) != 0)
        return false;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Run(); });
    return true;
}

bool RawSensor::OpenPty(const std::string &dir, int comPort)
{
    char slaveName[256] = "";
    if (openpty(&ptyMaster_, &ptySlave_, slaveName, nullptr, nullptr) != 0)
        return false;
    // Raw from the start, so nothing the program writes is echoed back as a reply.
    termios settings;
    tcgetattr(ptySlave_, &settings);
    cfmakeraw(&settings);
    tcsetattr(ptySlave_, TCSANOW, &settings);
    fcntl(ptyMaster_, F_SETFL, fcntl(ptyMaster_, F_GETFL) | O_NONBLOCK);
    std::string ports = dir + "/ports";
    mkdir(ports.c_str(), 0755);
    std::string link = ports + "/COM" + std::to_string(comPort);
    unlink(link.c_str());
    if (symlink(slaveName, link.c_str()) != 0)
        return false;
    thread_ = std::thread([this] { Run(); });
    return true;
}

void RawSensor::SetResponder(Responder responder)
{
    std::lock_guard<std::mutex> lock(mutex_);
    responder_ = std::move(responder);
}

std::vector<Bytes> RawSensor::Requests() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

int RawSensor::CountRequests(int command) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    int count = 0;
    for (const Bytes &request : requests_)
        count += request[1] == command ? 1 : 0;
    return count;
}

void RawSensor::ClearRequests()
{
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.clear();
}

void RawSensor::CloseClient()
{
    closeClient_ = true;
}

void RawSensor::Run()
{
    if (ptyMaster_ >= 0) {
        Serve(ptyMaster_);
        return;
    }
    while (!stop_) {
        pollfd p{listenFd_, POLLIN, 0};
        if (poll(&p, 1, kPollMs) <= 0)
            continue;
        int client = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        int yes = 1;
        setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        closeClient_ = false;
        Serve(client);
        close(client);
    }
}

// Serves one conversation until the peer goes, the test closes it, or the sensor stops.
void RawSensor::Serve(int fd)
{
    Bytes pending;
    while (!stop_ && !closeClient_) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, kPollMs) <= 0)
            continue;
        unsigned char buffer[4096];
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR && errno != EIO))
            return;
        if (n < 0)
            continue;
        pending.insert(pending.end(), buffer, buffer + n);
        Bytes request;
        while (TakeRequest(pending, request))
            Answer(fd, request);
    }
}

bool RawSensor::TakeRequest(Bytes &pending, Bytes &request)
{
    if (pending.size() < (size_t)kFrameHeaderSize)
        return false;
    size_t total = kFrameHeaderSize + GetLe16(pending.data() + 4);
    if (pending.size() < total)
        return false;
    request.assign(pending.begin(), pending.begin() + (long)total);
    pending.erase(pending.begin(), pending.begin() + (long)total);
    return true;
}

void RawSensor::Answer(int fd, const Bytes &request)
{
    Responder responder;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
        responder = responder_;
    }
    for (const ReplyStep &step : responder(request)) {
        if (!SleepUnlessStopped(step.delaySeconds))
            return;
        WriteAll(fd, step.bytes);
    }
}

bool RawSensor::SleepUnlessStopped(double seconds)
{
    auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < until) {
        if (stop_ || closeClient_)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return !stop_;
}
