#include "cli/cli_publish.h"

#include "app/app_state.h"
#include "cli/cli_session.h"
#include "cli/cli_texts.h"
#include "link/link_state.h"
#include "platform/mqtt_publisher.h"
#include "ui/userint.h"

#include <cstdio>

namespace
{

constexpr double kFirstConnectionWait = 3.0;
constexpr double kWaitStep = 0.01;
constexpr double kDrainSeconds = 3.0;

MqttTarget g_target;
bool g_wasConnected = false;

std::string JsonString(const char *text)
{
    std::string quoted = "\"";
    for (const char *p = text; p && *p; ++p) {
        unsigned char c = (unsigned char)*p;
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += (char)c;
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += (char)c;
        }
    }
    return quoted + "\"";
}

// Tells when the broker comes and goes.
void ReportConnectionChange()
{
    bool connected = MqttConnected();
    if (connected == g_wasConnected)
        return;
    g_wasConnected = connected;
    PrintFormatted(connected ? kTxtCliMqttConnected : kTxtCliMqttLost, g_target.host.c_str(), g_target.port);
}

} // namespace

std::string FrameJson(const LiveFrame &frame, long long unixMilliseconds, const char *date, const char *time)
{
    char values[160];
    std::snprintf(values, sizeof values,
                  ",\"unix_ms\":%lld,\"DATE\":\"%s\",\"TIME\":\"%s\",\"CH0\":%d,\"TEMP\":%d,"
                  "\"SIG\":%d}",
                  unixMilliseconds, date, time, (int)frame.Ch0, (int)frame.Temp, (int)frame.Sig);
    return "{\"id\":" + JsonString(g_app.sensorId) + ",\"sensor\":" + JsonString(g_link.sensorName) + values;
}

bool StartPublishing(const CliOptions &options)
{
    g_target = MqttTarget();
    ParseMqttUrl(options.publish.c_str(), &g_target);
    g_target.qos = options.qos;
    g_wasConnected = false;
    std::string error;
    if (!StartMqttPublisher(g_target, &error)) {
        PrintFormatted(kTxtCliMqttCannotStart, error.c_str());
        return false;
    }
    double start = Timer();
    while (!MqttConnected() && !EndRequested() && Timer() - start < kFirstConnectionWait) {
        ServiceMqtt();
        WaitSystemEvents(kWaitStep);
    }
    if (MqttConnected())
        ReportConnectionChange();
    else
        PrintFormatted(kTxtCliMqttWaiting, g_target.host.c_str(), g_target.port);
    return true;
}

void PublishFrame(const LiveFrame &frame, long long unixMilliseconds, const char *date, const char *time)
{
    ReportConnectionChange();
    std::string json = FrameJson(frame, unixMilliseconds, date, time);
    PublishMqtt(json.data(), (int)json.size());
}

void ServicePublishing(void)
{
    ServiceMqtt();
    ReportConnectionChange();
}

void FinishPublishing(void)
{
    MqttCounts counts = StopMqttPublisher(kDrainSeconds);
    unsigned long long lost = counts.handedOver - counts.delivered;
    PrintFormatted(kTxtCliMqttNotDelivered, lost, counts.handedOver);
}
