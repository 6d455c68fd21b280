#include "platform/mqtt_publisher.h"

#include <mosquitto.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace
{

constexpr int kKeepAliveSeconds = 10;
// A broker that went away is tried again every second, one that does not answer an
// attempt after 10 s; a try never waits for the broker (the connection is made
// without blocking), so polling goes on meanwhile.
constexpr double kReconnectSeconds = 1.0;
constexpr double kConnectSeconds = 10.0;
// Acknowledgements and pings are read at most this often while messages are handed
// over, so that a fast loop pays for them once per batch, not once per message.
constexpr double kServiceSeconds = 0.005;
// Messages the broker has not taken yet stay in the library's memory; beyond this many
// a new message is counted as lost instead, so a broker that stalls cannot fill the
// memory.
constexpr unsigned long long kMaxMessagesUnderWay = 100000;
constexpr int kDrainStepMs = 5;

// Everything runs on the caller's thread: the library sends a message at once and
// reads acknowledgements when it is serviced.
struct PublisherState {
    mosquitto *client = nullptr;
    MqttTarget target;
    unsigned long long handedOver = 0;
    unsigned long long accepted = 0; // taken by the library to send
    unsigned long long delivered = 0;
    unsigned long long connectionsLost = 0;
    bool connected = false;
    double nextAttempt = 0.0;
    double lastService = 0.0;
};

PublisherState g_publisher;

double Now()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void OnConnect(mosquitto *, void *, int result)
{
    g_publisher.connected = result == 0;
}

void OnDisconnect(mosquitto *, void *, int)
{
    if (g_publisher.connected)
        ++g_publisher.connectionsLost;
    g_publisher.connected = false;
    g_publisher.nextAttempt = Now() + kReconnectSeconds;
}

void OnPublish(mosquitto *, void *, int)
{
    ++g_publisher.delivered;
}

// Starts a connection attempt without waiting for it; the loop completes it. An
// attempt that fails at once is tried again after the usual pause, one that the
// broker leaves unanswered after a longer one.
void TryToConnect(double now)
{
    mosquitto_reconnect_async(g_publisher.client);
    bool underWay = mosquitto_socket(g_publisher.client) >= 0;
    g_publisher.nextAttempt = now + (underWay ? kConnectSeconds : kReconnectSeconds);
}

// Network work without blocking: what the broker sent is read, what waits is sent, a
// ping is sent when due; without a connection, the next attempt when its time has come.
void Service(int timeoutMs)
{
    double now = Now();
    g_publisher.lastService = now;
    if (mosquitto_socket(g_publisher.client) >= 0)
        mosquitto_loop(g_publisher.client, timeoutMs, 1);
    if (!g_publisher.connected && now >= g_publisher.nextAttempt)
        TryToConnect(now);
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
    g_publisher = PublisherState();
    g_publisher.target = target;
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
    // A refused or unanswered first attempt is tried again like a lost connection.
    int result =
        mosquitto_connect_async(g_publisher.client, target.host.c_str(), target.port, kKeepAliveSeconds);
    if (result == MOSQ_ERR_INVAL || result == MOSQ_ERR_NOMEM) {
        std::string reason = mosquitto_strerror(result);
        StopMqttPublisher(0.0);
        if (error)
            *error = reason;
        return false;
    }
    g_publisher.nextAttempt =
        Now() + (mosquitto_socket(g_publisher.client) >= 0 ? kConnectSeconds : kReconnectSeconds);
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
    if (g_publisher.connected && g_publisher.accepted - g_publisher.delivered < kMaxMessagesUnderWay &&
        mosquitto_publish(g_publisher.client, nullptr, g_publisher.target.topic.c_str(), length, payload,
                          g_publisher.target.qos, false) == MOSQ_ERR_SUCCESS)
        ++g_publisher.accepted;
    if (Now() - g_publisher.lastService >= kServiceSeconds)
        Service(0);
}

void ServiceMqtt(void)
{
    if (g_publisher.client)
        Service(0);
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
    double deadline = Now() + seconds;
    // QoS 0 messages are never resent, so without a connection nothing more arrives.
    while (g_publisher.delivered < g_publisher.accepted &&
           (g_publisher.connected || g_publisher.target.qos > 0) && Now() < deadline)
        Service(kDrainStepMs);
    // Our own disconnect is no lost connection.
    g_publisher.connected = false;
    mosquitto_disconnect(g_publisher.client);
    mosquitto_loop(g_publisher.client, 0, 1);
    mosquitto_destroy(g_publisher.client);
    g_publisher.client = nullptr;
    mosquitto_lib_cleanup();
    return MqttPublisherCounts();
}
