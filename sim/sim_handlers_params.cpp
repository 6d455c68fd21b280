#include "sim_command_handlers.h"
#include "sim_commands.h"
#include "sim_sensor.h"
#include "sim_signal.h"

// Every set that reaches RAM, written or loaded, is checked for plausibility; the
// reply's parameter says how many fields were replaced by their defaults.

void HandleWriteParameters(int sessionIndex, const Request &request, double now)
{
    Session &session = g_sessions[sessionIndex];
    if (request.data.size() != (size_t)kParameterSetBytes) {
        SendErrorReply(session, request.command, kErrorCommunication, now);
        return;
    }
    ParametersFromBytes(request.data.data(), g_sensor.ram);
    int replaced = ReplaceImplausibleParameters(g_sensor.ram);
    RestartSignalReferences();
    SendAck(session, request.command, (unsigned)replaced, now);
}

void HandleReadParameters(int sessionIndex, const Request &request, double now)
{
    unsigned char payload[kParameterSetBytes];
    ParametersToBytes(g_sensor.ram, payload);
    SendReply(g_sessions[sessionIndex], request.command,
              BuildFrame(request.command, 0, payload, sizeof payload), now);
}

void HandleSaveParameters(int sessionIndex, const Request &request, double now)
{
    for (int i = 0; i < kParameterCount; ++i)
        g_sensor.eeprom[i] = g_sensor.ram[i];
    SaveEepromIfConfigured();
    SendAck(g_sessions[sessionIndex], request.command, 0, now);
}

void HandleLoadParameters(int sessionIndex, const Request &request, double now)
{
    for (int i = 0; i < kParameterCount; ++i)
        g_sensor.ram[i] = g_sensor.eeprom[i];
    int replaced = ReplaceImplausibleParameters(g_sensor.ram);
    RestartSignalReferences();
    SendAck(g_sessions[sessionIndex], request.command, (unsigned)replaced, now);
}
