#include "cli/mqtt_broker.h"

#include "support/program_fixture.h"
#include "support/unanswered_listener.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{

bool TakesConnections(int port)
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons((uint16_t)port);
    bool connected = connect(fd, (sockaddr *)&address, sizeof address) == 0;
    close(fd);
    return connected;
}

template <typename Condition> bool WaitUntil(Condition condition, double seconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace

std::string MosquittoPath()
{
    for (const char *path : {"/usr/sbin/mosquitto", "/usr/bin/mosquitto", "/usr/local/sbin/mosquitto"})
        if (access(path, X_OK) == 0)
            return path;
    return std::string();
}

MqttBroker::~MqttBroker()
{
    StopBroker(*this);
    if (!dir.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
}

bool StartBroker(MqttBroker &broker)
{
    std::string program = MosquittoPath();
    if (program.empty())
        return false;
    if (broker.dir.empty())
        broker.dir = MakeTempProgramDir();
    if (broker.port == 0)
        broker.port = ClosedLoopbackPort();
    std::string config = broker.dir + "/mosquitto.conf";
    WriteWholeFile(config, "listener " + std::to_string(broker.port) + " 127.0.0.1\nallow_anonymous true\n" +
                               "persistence true\npersistence_location " + broker.dir +
                               "/\nqueue_qos0_messages true\nmax_queued_messages 0\n");
    std::string log = broker.dir + "/mosquitto.log";
    broker.pid = fork();
    if (broker.pid == 0) {
        int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(fd, 1);
        dup2(fd, 2);
        execl(program.c_str(), program.c_str(), "-c", config.c_str(), (char *)nullptr);
        _exit(127);
    }
    if (broker.pid < 0)
        return false;
    int port = broker.port;
    if (WaitUntil([port] { return TakesConnections(port); }, 10.0))
        return true;
    StopBroker(broker);
    return false;
}

void StopBroker(MqttBroker &broker)
{
    if (broker.pid <= 0)
        return;
    kill(broker.pid, SIGTERM);
    pid_t pid = broker.pid;
    if (!WaitUntil([pid] { return waitpid(pid, nullptr, WNOHANG) == pid; }, 10.0)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    broker.pid = -1;
}

MqttSubscriber::~MqttSubscriber()
{
    Stop();
}

void MqttSubscriber::OnConnect(mosquitto *client, void *self, int result)
{
    auto *subscriber = static_cast<MqttSubscriber *>(self);
    if (result == 0)
        mosquitto_subscribe(client, nullptr, subscriber->topic_.c_str(), 1);
}

void MqttSubscriber::OnSubscribe(mosquitto *, void *self, int, int, const int *)
{
    auto *subscriber = static_cast<MqttSubscriber *>(self);
    std::lock_guard<std::mutex> lock(subscriber->mutex_);
    subscriber->subscribed_ = true;
}

void MqttSubscriber::OnMessage(mosquitto *, void *self, const mosquitto_message *message)
{
    auto *subscriber = static_cast<MqttSubscriber *>(self);
    std::lock_guard<std::mutex> lock(subscriber->mutex_);
    subscriber->messages_.emplace_back(static_cast<const char *>(message->payload),
                                       (size_t)message->payloadlen);
}

bool MqttSubscriber::Start(int port, const std::string &topic, bool keepSession)
{
    mosquitto_lib_init();
    topic_ = topic;
    std::string id = "chromix-test-subscriber-" + std::to_string(getpid());
    client_ = mosquitto_new(id.c_str(), !keepSession, this);
    if (!client_)
        return false;
    mosquitto_connect_callback_set(client_, OnConnect);
    mosquitto_subscribe_callback_set(client_, OnSubscribe);
    mosquitto_message_callback_set(client_, OnMessage);
    mosquitto_reconnect_delay_set(client_, 1, 1, false);
    if (mosquitto_connect(client_, "127.0.0.1", port, 10) != MOSQ_ERR_SUCCESS ||
        mosquitto_loop_start(client_) != MOSQ_ERR_SUCCESS)
        return false;
    return WaitUntil(
        [this] {
            std::lock_guard<std::mutex> lock(mutex_);
            return subscribed_;
        },
        5.0);
}

void MqttSubscriber::Stop()
{
    if (!client_)
        return;
    mosquitto_disconnect(client_);
    mosquitto_loop_stop(client_, false);
    mosquitto_destroy(client_);
    client_ = nullptr;
    mosquitto_lib_cleanup();
}

std::vector<std::string> MqttSubscriber::Messages()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
}

size_t MqttSubscriber::Count()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_.size();
}

bool MqttSubscriber::WaitForCount(size_t count, double seconds)
{
    return WaitUntil([this, count] { return Count() >= count; }, seconds);
}
