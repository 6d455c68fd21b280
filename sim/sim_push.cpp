#include "sim_push.h"

#include "sim_log.h"
#include "sim_options.h"
#include "sim_scope.h"
#include "sim_session.h"
#include "sim_signal.h"

#include <algorithm>

namespace
{

// A slow or paced link cannot take frames faster than it sends them; the sensor then
// skips a push instead of piling frames up.
constexpr int kMaxPendingPushes = 4;
// While armed the scope is fed in real time at this interval.
constexpr double kScopeServiceInterval = 0.001;

unsigned long long g_autoSendPushes = 0;

void PushFrame(Session &session, int command, std::vector<unsigned char> frame, double now, bool autoSend)
{
    ShapedReply reply = ShapeReply(session.counters, command, std::move(frame));
    if (reply.send)
        LogBytes("push", reply.bytes.data(), reply.bytes.size());
    QueueReply(session, reply, now, autoSend);
}

void ServiceAutoSend(Session &session, double now, double &nextWake)
{
    if (!session.autoSend)
        return;
    double period = 1.0 / g_options.pushRate;
    if (now >= session.nextPush) {
        if (PendingPushes(session) < kMaxPendingPushes) {
            unsigned char live[kLiveFrameBytes];
            AdvanceSignalModel(now);
            BuildLiveFrame(live);
            PushFrame(session, ORDER_READ_DATA_FRAME, BuildFrame(ORDER_READ_DATA_FRAME, 0, live, sizeof live),
                      now, true);
            ++g_autoSendPushes;
        }
        session.nextPush += period;
        if (session.nextPush <= now)
            session.nextPush = now + period;
    }
    nextWake = std::min(nextWake, session.nextPush);
}

void ServiceScope(int sessionIndex, double now, double &nextWake)
{
    if (!ScopeIsArmed() || ScopeOwner() != sessionIndex)
        return;
    AdvanceSignalModel(now);
    unsigned char payloads[kScopeChannels][kScopePayloadBytes];
    unsigned ringPosition = 0;
    if (g_options.scopeRing >= 0) {
        TakeKnownScopeTrace(payloads);
        ringPosition = (unsigned)g_options.scopeRing;
    } else if (!TakeScopeCapture(payloads, ringPosition)) {
        nextWake = std::min(nextWake, now + kScopeServiceInterval);
        return;
    }
    Session &session = g_sessions[sessionIndex];
    for (int channel = 0; channel < kScopeChannels; ++channel)
        PushFrame(session, ORDER_SCOPE_SCAN,
                  BuildFrame(ORDER_SCOPE_SCAN, ringPosition, payloads[channel], kScopePayloadBytes), now,
                  false);
}

} // namespace

void ServicePushes(int sessionIndex, double now, double &nextWake)
{
    ServiceAutoSend(g_sessions[sessionIndex], now, nextWake);
    ServiceScope(sessionIndex, now, nextWake);
}

unsigned long long AutoSendPushCount(void)
{
    return g_autoSendPushes;
}
