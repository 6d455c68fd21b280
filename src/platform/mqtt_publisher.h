#pragma once
// Publishing messages on one topic of an MQTT broker, on the caller's thread and
// without ever waiting for the broker: connections are made without blocking, a lost
// one is tried again every second, and the caller hands messages over, services the
// connection while it waits for other things, and reads the counts.

#include <string>

struct MqttTarget {
    std::string host;
    int port = 1883;
    std::string topic;
    int qos = 0; // 0: sent once, never confirmed; 1: confirmed by the broker
};

struct MqttCounts {
    unsigned long long handedOver = 0;      // messages given to PublishMqtt
    unsigned long long delivered = 0;       // QoS 0: written to the broker; QoS 1: confirmed by it
    unsigned long long connectionsLost = 0; // times the broker went away
};

// "mqtt://HOST[:PORT]/TOPIC" (port 1883 when none is given; the topic is everything
// after the first slash and may hold further slashes). False for anything else.
bool ParseMqttUrl(const char *url, MqttTarget *target);

// Starts connecting in the background. False (with a reason in `error`) only when the
// client cannot be set up at all; a broker that does not answer is retried.
bool StartMqttPublisher(const MqttTarget &target, std::string *error);
// Hands one message over. A message that finds no connection is not delivered; with
// QoS 1 a message under way when the connection drops is sent again once the broker
// is back (so a subscriber may see it twice).
void PublishMqtt(const char *payload, int length);
// Whether the broker has accepted the connection and not lost it since.
bool MqttConnected(void);
// Reads what the broker sent, sends what waits, keeps the connection alive and tries
// a lost one again; never waits. PublishMqtt does it too, at most every 5 ms.
void ServiceMqtt(void);
MqttCounts MqttPublisherCounts(void);
// Waits at most `seconds` for messages still under way, then disconnects. Returns the
// counts of the whole run. Harmless when no publisher runs.
MqttCounts StopMqttPublisher(double seconds);
