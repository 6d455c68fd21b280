// Automatic reconnection of a loop whose link failed: the outage is shown once, the
// old handle closed at once, and the attempts repeated every 2 s until the same
// sensor answers or the operator ends them.
#include "connection/reconnect.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "app/status_box.h"
#include "connection/connection.h"
#include "connection/connection_texts.h"
#include "connection/reconnect_texts.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "link/transport.h"
#include "platform/paths.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstdio>
#include <string>

ReconnectState g_reconnect;

namespace
{

constexpr double kAttemptPeriod = 2.0;
// The wait between attempts sleeps until an event (STOP, the close box and a quit wake
// it at once) or at most this long, so that no core spins.
constexpr double kAttemptWaitStep = 0.5;

// Unchecking RECONNECT AUTOMATICALLY also ends the attempts.
bool AttemptsGoOn()
{
    return LoopRunning(LOOP_LIVE) && !QuitRequested() && g_reconnect.enabled;
}

// The controls keep the dims of the running loop; attempts that end without the link
// leave the window as any failure of the link does.
void ShowLinkLost()
{
    SetCtrlVal(g_app.dataPanel, DATAP_SENSOR, kTxtSensorTimeout);
    AppendStatusText(g_link.message);
    AppendStatusText("\n\n");
}

void ShowAttempt(int attempt)
{
    char line[160];
    std::snprintf(line, sizeof line, Tr(kTxtReconnectDisplay), attempt);
    SetCtrlVal(g_app.dataPanel, DATAP_SENSOR, line);
    std::snprintf(line, sizeof line, Tr(kTxtReconnectAttempt), attempt);
    AppendStatusText(line);
}

// A USB adapter that was unplugged and plugged in again may come back under another
// device name: the port that leads to it now is used, else the same name is tried.
void FindAdapterAgain()
{
    if (g_link.protocol != PROTOCOL_RS232 || !g_reconnect.adapterKnown)
        return;
    std::string device = FindComDeviceByIdentity(g_reconnect.adapter);
    if (device.empty())
        return;
    int port = ComPortOfDevice(device);
    if (port <= 0 || port == g_link.comPort)
        return;
    g_link.comPort = (short)port;
    SetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_COMPORT, port);
    SetCtrlVal(g_app.dataPanel, DATAP_COMPORT, port);
    char line[MAX_PATHNAME_LEN + 96];
    std::snprintf(line, sizeof line, Tr(kTxtAdapterFoundAgain), port, device.c_str());
    AppendStatusText(line);
}

// One attempt: the old handle closed, the port or conversation opened again, and the
// check. Another sensor answering ends the attempts: its data do not belong to the work.
bool AttemptOnce()
{
    CloseTransport();
    FindAdapterAgain();
    if (!ReopenTransport() || !AttemptsGoOn())
        return false;
    int check = CheckSensorAgain();
    if (check == SENSOR_BACK)
        return true;
    if (check == SENSOR_OTHER) {
        char line[kSensorNameLength + 160];
        std::snprintf(line, sizeof line, Tr(kTxtOtherSensor), g_link.sensorName, (int)g_link.replyParameter);
        AppendStatusText(line);
        StopLoop(LOOP_LIVE);
    }
    return false;
}

// False when the attempts were ended during the wait.
bool WaitForNextAttempt(double attemptStart)
{
    for (;;) {
        if (!AttemptsGoOn())
            return false;
        double left = kAttemptPeriod - (Timer() - attemptStart);
        if (left <= 0.0)
            return true;
        WaitSystemEvents(left < kAttemptWaitStep ? left : kAttemptWaitStep);
    }
}

bool RunAttempts()
{
    bool back = false;
    g_loops.reconnecting = 1;
    for (int attempt = 1; AttemptsGoOn(); ++attempt) {
        g_reconnect.attempt = attempt;
        double start = Timer();
        ShowAttempt(attempt);
        if (AttemptOnce()) {
            back = true;
            break;
        }
        if (!WaitForNextAttempt(start))
            break;
    }
    g_loops.reconnecting = 0;
    return back;
}

void CountOutage()
{
    double seconds = Timer() - g_reconnect.lostAt;
    ++g_reconnect.outages;
    g_reconnect.outageSeconds += seconds;
    char line[160];
    std::snprintf(line, sizeof line, Tr(kTxtReconnected), seconds);
    AppendStatusText(line);
}

} // namespace

bool TakeOverLinkFailure(void)
{
    if (g_loops.reconnecting)
        return true;
    if (!g_reconnect.enabled || !LoopActive(LOOP_LIVE) || !LoopRunning(LOOP_LIVE))
        return false;
    if (!g_reconnect.linkLost) {
        g_reconnect.linkLost = 1;
        g_reconnect.lostAt = Timer();
        ShowLinkLost();
    }
    return true;
}

bool LinkLostDuringLoop(void)
{
    return g_reconnect.linkLost == 1;
}

bool ResumeAfterLinkLoss(void)
{
    if (!g_reconnect.linkLost)
        return false;
    // The old handle goes at once: an adapter's device can then come back under its name.
    CloseTransport();
    bool back = RunAttempts();
    g_reconnect.linkLost = 0;
    if (back) {
        CountOutage();
        return true;
    }
    // Ended without the link: shown as a failure of the link always is.
    StopLoop(LOOP_LIVE);
    ReportLinkFailure(kTxtReconnectEnded);
    return false;
}

void SettleLinkLoss(void)
{
    if (!g_reconnect.linkLost)
        return;
    g_reconnect.linkLost = 0;
    StopLoop(LOOP_LIVE);
    ReportLinkFailure(kTxtReconnectEnded);
}

void StartOutageCount(void)
{
    g_reconnect.linkLost = 0;
    g_reconnect.outages = 0;
    g_reconnect.outageSeconds = 0.0;
}

const char *OutageSummary(void)
{
    static char summary[256];
    summary[0] = '\0';
    if (g_reconnect.outages > 0)
        std::snprintf(summary, sizeof summary, Tr(kTxtOutageSummary), g_reconnect.outages,
                      g_reconnect.outageSeconds);
    return summary;
}

void RememberConnectedSensor(int serialNumber)
{
    StringCopyBounded(g_reconnect.sensorName, g_link.sensorName, sizeof g_reconnect.sensorName);
    g_reconnect.serialNumber = serialNumber;
    g_reconnect.adapter = UsbIdentity();
    g_reconnect.adapterKnown =
        g_link.protocol == PROTOCOL_RS232 && GetComPortIdentity(g_link.comPort, &g_reconnect.adapter);
}

void ResetReconnectState(void)
{
    g_reconnect = ReconnectState{};
}
