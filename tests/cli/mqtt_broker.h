#pragma once
// A real MQTT broker (mosquitto) for the publishing tests, started on a free loopback
// port and stopped and started again on the same port; and a subscriber that collects
// what arrives on one topic. The broker keeps the subscriber's session across a
// restart, so every message it took reaches the subscriber.

#include <mosquitto.h>

#include <mutex>
#include <string>
#include <sys/types.h>
#include <vector>

// The broker program, or empty when it is not installed.
std::string MosquittoPath();

struct MqttBroker {
    pid_t pid = -1;
    int port = 0;
    std::string dir; // configuration, log and the saved sessions

    MqttBroker() = default;
    MqttBroker(const MqttBroker &) = delete;
    MqttBroker &operator=(const MqttBroker &) = delete;
    ~MqttBroker();
};

// Starts the broker (on broker.port when it is set, else on a free port) and waits
// until it takes connections; false when it did not.
bool StartBroker(MqttBroker &broker);
// SIGTERM (the broker saves its sessions), then waits for its end.
void StopBroker(MqttBroker &broker);

class MqttSubscriber
{
  public:
    MqttSubscriber() = default;
    MqttSubscriber(const MqttSubscriber &) = delete;
    MqttSubscriber &operator=(const MqttSubscriber &) = delete;
    ~MqttSubscriber();

    // Connects and subscribes with QoS 1, with a session that outlives a broker
    // restart unless `keepSession` is false (the benchmark's lighter subscriber); false
    // when it is not subscribed within a few seconds.
    bool Start(int port, const std::string &topic, bool keepSession = true);
    void Stop();
    std::vector<std::string> Messages();
    size_t Count();
    // Waits until at least `count` messages are in, or the time has passed.
    bool WaitForCount(size_t count, double seconds);

  private:
    static void OnConnect(mosquitto *client, void *self, int result);
    static void OnSubscribe(mosquitto *client, void *self, int mid, int count, const int *granted);
    static void OnMessage(mosquitto *client, void *self, const mosquitto_message *message);

    mosquitto *client_ = nullptr;
    std::string topic_;
    std::mutex mutex_;
    std::vector<std::string> messages_;
    bool subscribed_ = false;
};
