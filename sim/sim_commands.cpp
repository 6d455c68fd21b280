#include "sim_commands.h"

#include "sim_command_handlers.h"
#include "sim_log.h"
#include "sim_options.h"

#include <algorithm>

namespace
{

struct CommandEntry {
    int command;
    void (*handler)(int sessionIndex, const Request &request, double now);
};

const CommandEntry kCommands[] = {
    {ORDER_WRITE_PARAMETERS, HandleWriteParameters},
    {ORDER_READ_PARAMETERS, HandleReadParameters},
    {ORDER_SAVE_PARAMETERS_TO_EEPROM, HandleSaveParameters},
    {ORDER_LOAD_PARAMETERS_FROM_EEPROM, HandleLoadParameters},
    {ORDER_READ_FIRMWARE, HandleReadFirmware},
    {ORDER_READ_DATA_FRAME, HandleReadDataFrame},
    {ORDER_READ_SENSOR_INFO, HandleReadSensorInfo},
    {ORDER_AUTO_SEND, HandleAutoSend},
    {ORDER_OFFSET, HandleOffset},
    {ORDER_CONV_TABLE, HandleConvTable},
    {ORDER_READ_CYCLE_TIME, HandleReadCycleTime},
    {ORDER_SCOPE_SCAN, HandleScopeScan},
    {ORDER_CONV_DATA_PREPARE, HandleConvDataPrepare},
    {ORDER_CONV_DATA_WRITE, HandleConvDataWrite},
    {ORDER_SET_BAUDRATE, HandleSetBaudrate},
    {ORDER_READ_HARDWARE_INFO, HandleReadHardwareInfo},
};

void LogRequest(const Request &request)
{
    if (!g_options.verbose)
        return;
    std::vector<unsigned char> frame =
        BuildFrame(request.command, request.parameter, request.data.data(), request.data.size());
    LogBytes("rx", frame.data(), frame.size());
}

// Intact requests received since the start, by command code.
unsigned long long g_requestCounts[256];

} // namespace

unsigned long long RequestCount(int command)
{
    return g_requestCounts[command & 0xFF];
}

void SendReply(Session &session, int command, std::vector<unsigned char> frame, double now)
{
    ShapedReply reply = ShapeReply(session.counters, command, std::move(frame));
    if (reply.send)
        LogBytes("tx", reply.bytes.data(), reply.bytes.size());
    else
        LogText("tx nothing (fault)");
    double readyAt = g_options.faults.pace ? std::max(now, session.inputWireEnd) : now;
    QueueReply(session, reply, readyAt, false);
}

void SendErrorReply(Session &session, int command, unsigned code, double now)
{
    SendReply(session, command, BuildErrorFrame(code), now);
}

void SendAck(Session &session, int command, unsigned parameter, double now)
{
    SendReply(session, command, BuildFrame(command, parameter, nullptr, 0), now);
}

void HandleRequest(int sessionIndex, const Request &request, double now)
{
    LogRequest(request);
    ++g_requestCounts[request.command & 0xFF];
    for (const CommandEntry &entry : kCommands) {
        if (entry.command == request.command) {
            entry.handler(sessionIndex, request, now);
            return;
        }
    }
    SendErrorReply(g_sessions[sessionIndex], request.command, kErrorUnknownCommand, now);
}

void HandleDamagedRequest(int sessionIndex, int command, double now)
{
    LogText("rx damaged request");
    SendErrorReply(g_sessions[sessionIndex], command, kErrorCommunication, now);
}
