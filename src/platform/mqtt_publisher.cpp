#include "platform/mqtt_publisher.h"

#include <mosquitto.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace
{

constexpr int kKeepAliveSeconds = 10;
// A broker that went away is tried again after 1 s, then every 2 s.
constexpr unsigned kReconnectDelay = 1;
constexpr unsigned kReconnectDelayMax = 2;
// Messages the broker has not taken yet stay in the library's memory; beyond this many
// a new message is counted as lost instead, so a broker that stalls cannot fill the
// memory.
constexpr unsigned long long kMaxMessagesUnderWay = 100000;
constexpr int kDrainStepMs = 5;

// The counters are written by the library's network thread and read by the caller.
struct PublisherState {
    mosquitto *client = nullptr;
    MqttTarget target;
    std::atomic<unsigned long long> handedOver{0};
    std::atomic<unsigned long long> accepted{0}; // taken by the library to send
    std::atomic<unsigned long long> delivered{0};
    std::atomic<unsigned long long> connectionsLost{0};
    std::atomic<bool> connected{false};
};

PublisherState g_publisher;

void OnConnect(mosquitto *, void *, int result)
{
    g_publisher.connected = result == 0;
}

void OnDisconnect(mosquitto *, void *, int)
{
    if (g_publisher.connected.exchange(false))
        ++g_publisher.connectionsLost;
}

void OnPublish(mosquitto *, void *, int)
{
    ++g_publisher.delivered;
}

bool ParsePort(const std::string &text, int *port)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    int value = std::atoi(text.c_str());
    if (value < 1 || value > 65535)
        return false;
    *port = value;
    return true;
}

bool Fail(std::string *error, const char *reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool ParseMqttUrl(const char *url, MqttTarget *target)
{
    static const char kScheme[] = "mqtt://";
    if (!url || std::strncmp(url, kScheme, sizeof kScheme - 1) != 0)
        return false;
    std::string rest = url + sizeof kScheme - 1;
    size_t slash = rest.find('/');
    if (slash == std::string::npos || slash + 1 >= rest.size())
        return false;
    std::string authority = rest.substr(0, slash);
    MqttTarget parsed = *target;
    parsed.topic = rest.substr(slash + 1);
    // A topic to publish on names one topic: no wildcards.
    if (parsed.topic.find_first_of("+#") != std::string::npos)
        return false;
    size_t colon = authority.rfind(':');
    parsed.host = authority.substr(0, colon);
    parsed.port = 1883;
    if (colon != std::string::npos && !ParsePort(authority.substr(colon + 1), &parsed.port))
        return false;
    if (parsed.host.empty())
        return false;
    *target = parsed;
    return true;
}

bool StartMqttPublisher(const MqttTarget &target, std::string *error)
{
    StopMqttPublisher(0.0);
    mosquitto_lib_init();
    g_publisher.target = target;
    g_publisher.handedOver = 0;
    g_publisher.accepted = 0;
    g_publisher.delivered = 0;
    g_publisher.connectionsLost = 0;
    g_publisher.connected = false;
    // A client name of its own for every run, with a clean session: two programs
    // publishing to one broker never push each other off.
    g_publisher.client = mosquitto_new(nullptr, true, nullptr);
    if (!g_publisher.client) {
        mosquitto_lib_cleanup();
        return Fail(error, "the MQTT client could not be created");
    }
    mosquitto_connect_callback_set(g_publisher.client, OnConnect);
    mosquitto_disconnect_callback_set(g_publisher.client, OnDisconnect);
    mosquitto_publish_callback_set(g_publisher.client, OnPublish);
    mosquitto_reconnect_delay_set(g_publisher.client, kReconnectDelay, kReconnectDelayMax, false);
    int result = mosquitto_loop_start(g_publisher.client);
    if (result == MOSQ_ERR_SUCCESS) {
        // A refused or unanswered first attempt is retried by the network thread.
        int connect =
            mosquitto_connect_async(g_publisher.client, target.host.c_str(), target.port, kKeepAliveSeconds);
        if (connect == MOSQ_ERR_INVAL)
            result = connect;
    }
    if (result != MOSQ_ERR_SUCCESS) {
        std::string reason = mosquitto_strerror(result);
        StopMqttPublisher(0.0);
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

void PublishMqtt(const char *payload, int length)
{
    if (!g_publisher.client)
        return;
    ++g_publisher.handedOver;
    // Without a connection a message is lost at once, whatever its QoS: QoS 1 messages
    // queued in the library while the broker is away are not all sent after it comes
    // back (libmosquitto 2.0.11), and a long outage would fill the memory.
    if (!g_publisher.connected || g_publisher.accepted - g_publisher.delivered >= kMaxMessagesUnderWay)
        return;
    if (mosquitto_publish(g_publisher.client, nullptr, g_publisher.target.topic.c_str(), length, payload,
                          g_publisher.target.qos, false) == MOSQ_ERR_SUCCESS)
        ++g_publisher.accepted;
}

bool MqttConnected(void)
{
    return g_publisher.connected;
}

MqttCounts MqttPublisherCounts(void)
{
    MqttCounts counts;
    counts.handedOver = g_publisher.handedOver;
    counts.delivered = g_publisher.delivered;
    counts.connectionsLost = g_publisher.connectionsLost;
    return counts;
}

MqttCounts StopMqttPublisher(double seconds)
{
    if (!g_publisher.client)
        return MqttPublisherCounts();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    // QoS 0 messages are never resent, so without a connection nothing more arrives.
    while (g_publisher.delivered < g_publisher.accepted &&
           (g_publisher.connected || g_publisher.target.qos > 0) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(kDrainStepMs));
    // Our own disconnect is no lost connection.
    g_publisher.connected = false;
    mosquitto_disconnect(g_publisher.client);
    mosquitto_loop_stop(g_publisher.client, true);
    mosquitto_destroy(g_publisher.client);
    g_publisher.client = nullptr;
    g_publisher.connected = false;
    mosquitto_lib_cleanup();
    return MqttPublisherCounts();
}
