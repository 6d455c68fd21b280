// live --publish against a real mosquitto broker started on a free loopback port: every
// frame arrives in order as JSON; with the broker stopped and started again in the
// middle, polling goes on, the frames the broker took all arrive in order, and the
// frames it did not take are counted at the end.
#include "cli/cli_test_env.h"
#include "cli/mqtt_broker.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <thread>

namespace
{

constexpr const char *kTopic = "plant/line1/sensor7";

// The CH0 of a published frame; -1 when the message is no frame.
int Ch0Of(const std::string &json)
{
    static const std::regex ch0("\"CH0\":([0-9]+),");
    std::smatch match;
    return std::regex_search(json, match, ch0) ? std::stoi(match[1]) : -1;
}

// The frames in the order they first arrived; a frame the broker sent twice (QoS 1
// after a lost acknowledgement) counts once.
std::vector<int> FirstArrivals(const std::vector<std::string> &messages)
{
    std::vector<int> frames;
    std::set<int> seen;
    for (const std::string &message : messages)
        if (seen.insert(Ch0Of(message)).second)
            frames.push_back(Ch0Of(message));
    return frames;
}

unsigned long long NotDelivered(const std::string &err, unsigned long long total)
{
    std::regex report("Frames not delivered to the MQTT broker: ([0-9]+) of " + std::to_string(total) + "\n");
    std::smatch match;
    return std::regex_search(err, match, report) ? std::stoull(match[1]) : total + 1;
}

class CliPublishTest : public CliTest
{
  protected:
    void SetUp() override
    {
        CliTest::SetUp();
        if (MosquittoPath().empty())
            GTEST_SKIP() << "mosquitto is not installed (scripts/install-deps installs it)";
        ASSERT_TRUE(StartBroker(broker));
        ASSERT_TRUE(subscriber.Start(broker.port, kTopic));
        ASSERT_TRUE(StartSimFor(sim, false, {"--live-sequence", "--sensor-name", "LINE1-S7"}));
    }

    std::vector<std::string> LiveArguments(const std::string &count, const std::string &qos)
    {
        std::vector<std::string> arguments = {
            "live",       "--count",   count,
            "--interval", "0.01",      "--id",
            "S7",         "--publish", "mqtt://127.0.0.1:" + std::to_string(broker.port) + "/" + kTopic,
            "--qos",      qos};
        std::vector<std::string> connection = ConnectionOf(sim, false);
        arguments.insert(arguments.end(), connection.begin(), connection.end());
        return arguments;
    }

    MqttBroker broker;
    MqttSubscriber subscriber;
    SimProcess sim;
};

} // namespace

TEST_F(CliPublishTest, EveryFrameArrivesInOrderAsJson)
{
    CliResult result = RunCli(LiveArguments("200", "0"));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    ASSERT_TRUE(subscriber.WaitForCount(200, 10.0)) << subscriber.Count();
    std::vector<std::string> messages = subscriber.Messages();
    ASSERT_EQ(messages.size(), 200u);
    for (size_t n = 0; n < messages.size(); ++n)
        ASSERT_EQ(Ch0Of(messages[n]), 1000 + (int)n) << messages[n];
    EXPECT_TRUE(
        std::regex_match(messages[1], std::regex("\\{\"id\":\"S7\",\"sensor\":\"LINE1-S7\",\"unix_ms\":"
                                                 "[0-9]{13},\"DATE\":\"[0-9]{2}-[0-9]{2}-[0-9]{4}\","
                                                 "\"TIME\":\"[0-9]{2}:[0-9]{2}:[0-9]{2}\",\"CH0\":1001,"
                                                 "\"TEMP\":1781,\"SIG\":2999\\}")))
        << messages[1];
    EXPECT_TRUE(Has(result.err, "Frames not delivered to the MQTT broker: 0 of 200\n")) << result.err;
    // Standard output carries the rows as without --publish.
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 201);
}

TEST_F(CliPublishTest, BrokerStoppedAndStartedAgainInTheMiddle)
{
    const unsigned long long total = 400;
    pid_t pid = StartCli(LiveArguments(std::to_string(total), "1"));
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(subscriber.WaitForCount(50, 20.0));
    StopBroker(broker);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ASSERT_TRUE(StartBroker(broker));
    CliResult result = FinishCli(pid, 60.0);
    EXPECT_EQ(result.exitCode, 0) << result.err;

    unsigned long long lost = NotDelivered(result.err, total);
    ASSERT_LE(lost, total) << result.err;
    EXPECT_GT(lost, 0u) << "frames polled while the broker was away are not delivered";
    subscriber.WaitForCount(total - lost, 10.0);
    std::vector<int> frames = FirstArrivals(subscriber.Messages());
    EXPECT_EQ(frames.size(), total - lost);
    EXPECT_TRUE(std::is_sorted(frames.begin(), frames.end()));
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front(), 1000);
    EXPECT_EQ(frames.back(), 1000 + (int)total - 1) << "polling went on through the outage";
    EXPECT_TRUE(Has(result.err, "Connection to MQTT broker 127.0.0.1:" + std::to_string(broker.port) +
                                    " lost; reconnecting.\n"))
        << result.err;
    // Every poll produced a row, with or without the broker.
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), (long)total + 1);
}
