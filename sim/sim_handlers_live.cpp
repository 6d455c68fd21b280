#include "sim_command_handlers.h"
#include "sim_commands.h"
#include "sim_options.h"
#include "sim_scope.h"
#include "sim_signal.h"

void HandleReadDataFrame(int sessionIndex, const Request &request, double now)
{
    unsigned char frame[kLiveFrameBytes];
    AdvanceSignalModel(now);
    BuildLiveFrame(frame);
    SendReply(g_sessions[sessionIndex], request.command, BuildFrame(request.command, 0, frame, sizeof frame),
              now);
}

// Auto-send: after the start the session pushes live frames at the push rate until
// the stop; frames not yet sent when the stop arrives are dropped.
void HandleAutoSend(int sessionIndex, const Request &request, double now)
{
    Session &session = g_sessions[sessionIndex];
    if (request.parameter > 1) {
        SendErrorReply(session, request.command, kErrorUnknownCommand, now);
        return;
    }
    session.autoSend = request.parameter == 1;
    if (!session.autoSend)
        DropPendingPushes(session);
    SendAck(session, request.command, request.parameter, now);
    session.nextPush = now + 1.0 / g_options.pushRate;
}

// Scan start arms the scope and is acknowledged at once; the three data frames follow
// when the capture is complete. A stop while armed disarms it and nothing follows.
void HandleScopeScan(int sessionIndex, const Request &request, double now)
{
    Session &session = g_sessions[sessionIndex];
    if (request.parameter == 0) {
        if (ScopeOwner() == sessionIndex)
            DisarmScope();
        SendAck(session, request.command, 0, now);
        return;
    }
    ScopeSettings settings;
    if (request.parameter != 1 || request.data.size() != 8) {
        unsigned code = request.parameter != 1 ? kErrorUnknownCommand : kErrorCommunication;
        SendErrorReply(session, request.command, code, now);
        return;
    }
    if (!ScopeSettingsFromPayload(request.data.data(), settings)) {
        SendErrorReply(session, request.command, kErrorUnknownCommand, now);
        return;
    }
    AdvanceSignalModel(now);
    ArmScope(settings, sessionIndex);
    SendAck(session, request.command, 1, now);
}
