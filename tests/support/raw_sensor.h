#pragma once
// A scripted sensor for the link tests, on a TCP loopback port or on a pseudo-terminal
// reached through <program dir>/ports/COMn. It runs on a thread of its own, records
// every request frame exactly as it arrived, and answers each one with the steps its
// responder returns (bytes after a delay), so a test controls every byte and its time.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using Bytes = std::vector<unsigned char>;

struct ReplyStep {
    double delaySeconds = 0.0; // after the request, or after the previous step
    Bytes bytes;
};
using ReplyPlan = std::vector<ReplyStep>;
using Responder = std::function<ReplyPlan(const Bytes &request)>;

// A whole frame: header with both CRCs, then the data.
Bytes Frame(int command, unsigned parameter, const Bytes &data = Bytes());
Bytes TextBytes(const std::string &text);
// One step: the frame right away (or after delaySeconds).
ReplyPlan Reply(int command, unsigned parameter, const Bytes &data = Bytes(), double delaySeconds = 0.0);

// The sensor's firmware text as the simulator and the real sensor send it.
constexpr const char *kRawFirmware = "CHROMIX1 V3.1.0 R2";
constexpr const char *kRawSensorName = "RAW-SENSOR";
constexpr unsigned kRawSerialNumber = 4711;
// A plausible parameter set: the rule chain finds nothing to correct in it.
Bytes PlausibleParameters();
// Answers like a sensor: firmware, sensor info, parameters, and an ack for the rest.
ReplyPlan SensorLikeReply(const Bytes &request);

class RawSensor
{
  public:
    RawSensor();
    ~RawSensor();
    RawSensor(const RawSensor &) = delete;
    RawSensor &operator=(const RawSensor &) = delete;

    bool ListenTcp();
    int Port() const { return port_; }
    // A pseudo-terminal with its slave linked as <dir>/ports/COM<comPort>.
    bool OpenPty(const std::string &dir, int comPort);

    void SetResponder(Responder responder);
    std::vector<Bytes> Requests() const;
    int CountRequests(int command) const;
    void ClearRequests();
    // The server ends the TCP conversation.
    void CloseClient();

  private:
    void Run();
    void Serve(int fd);
    bool TakeRequest(Bytes &pending, Bytes &request);
    void Answer(int fd, const Bytes &request);
    bool SleepUnlessStopped(double seconds);

    mutable std::mutex mutex_;
    Responder responder_;
    std::vector<Bytes> requests_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> closeClient_{false};
    int listenFd_ = -1;
    int ptyMaster_ = -1;
    int ptySlave_ = -1;
    int port_ = -1;
    std::thread thread_;
};
