#include "sim_command_handlers.h"
#include "sim_commands.h"
#include "sim_sensor.h"
#include "sim_signal.h"

#include <cstring>

namespace
{

enum OffsetOperation { OFFSET_READ = 0, OFFSET_CALCULATE = 1, OFFSET_WRITE = 2, OFFSET_WRITE_FACTOR = 3 };
constexpr unsigned kConvTableWrite = 0;
constexpr unsigned kConvTableRead = 1;
constexpr int kConvBlocks = kConvDataValues / kConvDataBlockValues;

int ConvDataBlock(unsigned address)
{
    for (int block = 0; block < kConvBlocks; ++block)
        if (address == kConvDataFirstBlock + 0x100u * (unsigned)block)
            return block;
    return -1;
}

void StoreAndAck(Session &session, const Request &request, double now)
{
    SaveEepromIfConfigured();
    SendAck(session, request.command, request.parameter, now);
}

} // namespace

void HandleOffset(int sessionIndex, const Request &request, double now)
{
    Session &session = g_sessions[sessionIndex];
    unsigned char payload[4];
    switch (request.parameter) {
    case OFFSET_READ:
        PutLe16(payload, g_sensor.receiverOffset);
        PutLe16(payload + 2, g_sensor.factorTimes10);
        SendReply(session, request.command, BuildFrame(request.command, 0, payload, 4), now);
        return;
    case OFFSET_CALCULATE: {
        AdvanceSignalModel(now);
        unsigned short offset = MeasureDarkSignal();
        PutLe16(payload, offset);
        SendReply(session, request.command, BuildFrame(request.command, offset, payload, 2), now);
        return;
    }
    case OFFSET_WRITE:
    case OFFSET_WRITE_FACTOR:
        if (request.data.size() != 2) {
            SendErrorReply(session, request.command, kErrorCommunication, now);
            return;
        }
        if (request.parameter == OFFSET_WRITE)
            g_sensor.receiverOffset = GetLe16(request.data.data());
        else
            g_sensor.factorTimes10 = GetLe16(request.data.data());
        StoreAndAck(session, request, now);
        return;
    default:
        SendErrorReply(session, request.command, kErrorUnknownCommand, now);
    }
}

void HandleConvTable(int sessionIndex, const Request &request, double now)
{
    Session &session = g_sessions[sessionIndex];
    if (request.parameter == kConvTableRead) {
        SendReply(session, request.command,
                  BuildFrame(request.command, request.parameter, g_sensor.convTable, kConvTableBytes), now);
    } else if (request.parameter != kConvTableWrite) {
        SendErrorReply(session, request.command, kErrorUnknownCommand, now);
    } else if (request.data.size() != (size_t)kConvTableBytes) {
        SendErrorReply(session, request.command, kErrorCommunication, now);
    } else {
        std::memcpy(g_sensor.convTable, request.data.data(), kConvTableBytes);
        StoreAndAck(session, request, now);
    }
}

void HandleConvDataPrepare(int sessionIndex, const Request &request, double now)
{
    Session &session = g_sessions[sessionIndex];
    if (ConvDataBlock(request.parameter) < 0) {
        g_sensor.preparedBlock = -1;
        SendErrorReply(session, request.command, kErrorUnknownCommand, now);
        return;
    }
    g_sensor.preparedBlock = (int)request.parameter;
    SendAck(session, request.command, request.parameter, now);
}

// A block is written only right after the prepare of the same address.
void HandleConvDataWrite(int sessionIndex, const Request &request, double now)
{
    Session &session = g_sessions[sessionIndex];
    int block = ConvDataBlock(request.parameter);
    bool prepared = block >= 0 && g_sensor.preparedBlock == (int)request.parameter;
    g_sensor.preparedBlock = -1;
    if (!prepared) {
        SendErrorReply(session, request.command, kErrorUnknownCommand, now);
        return;
    }
    if (request.data.size() != 2u * kConvDataBlockValues) {
        SendErrorReply(session, request.command, kErrorCommunication, now);
        return;
    }
    for (int i = 0; i < kConvDataBlockValues; ++i)
        g_sensor.convData[block * kConvDataBlockValues + i] = (short)GetLe16(request.data.data() + 2 * i);
    StoreAndAck(session, request, now);
}
