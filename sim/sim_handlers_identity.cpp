#include "sim_command_handlers.h"
#include "sim_commands.h"
#include "sim_options.h"
#include "sim_sensor.h"
#include "sim_signal.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr int kHardwareBlockBytes = 512;
constexpr int kHardwareNameBytes = 32;

// A recognisable hardware block: the marker words 1234 ABCD, serial number, hardware
// and firmware revision, speed index, the sensor name, then a counting pattern.
std::vector<unsigned char> HardwareBlock()
{
    std::vector<unsigned char> block(kHardwareBlockBytes);
    for (int word = 0; word < kHardwareBlockBytes / 2; ++word)
        PutLe16(block.data() + 2 * word, 0xC000u + (unsigned)word);
    PutLe16(block.data() + 0, 0x1234);
    PutLe16(block.data() + 2, 0xABCD);
    PutLe16(block.data() + 4, g_options.serial);
    PutLe16(block.data() + 6, 0x0301);
    PutLe16(block.data() + 8, 0x0310);
    PutLe16(block.data() + 10, (unsigned)g_sensor.baudIndex);
    size_t nameLength = std::min(g_options.sensorName.size(), (size_t)kHardwareNameBytes);
    std::memset(block.data() + 16, 0, kHardwareNameBytes);
    std::memcpy(block.data() + 16, g_options.sensorName.data(), nameLength);
    return block;
}

std::vector<unsigned char> TextFrame(int command, unsigned parameter, const std::string &text)
{
    return BuildFrame(command, parameter, (const unsigned char *)text.data(), text.size());
}

} // namespace

void HandleReadFirmware(int sessionIndex, const Request &request, double now)
{
    SendReply(g_sessions[sessionIndex], request.command, TextFrame(request.command, 0, g_options.firmware),
              now);
}

void HandleReadSensorInfo(int sessionIndex, const Request &request, double now)
{
    SendReply(g_sessions[sessionIndex], request.command,
              TextFrame(request.command, g_options.serial, g_options.sensorName), now);
}

void HandleReadHardwareInfo(int sessionIndex, const Request &request, double now)
{
    Session &session = g_sessions[sessionIndex];
    if (request.parameter != kHardwareInfoAccess) {
        SendErrorReply(session, request.command, kErrorUnknownCommand, now);
        return;
    }
    std::vector<unsigned char> block = HardwareBlock();
    SendReply(session, request.command,
              BuildFrame(request.command, request.parameter, block.data(), block.size()), now);
}

// The acknowledgement still goes out at the old speed; the new one applies after it.
void HandleSetBaudrate(int sessionIndex, const Request &request, double now)
{
    SendAck(g_sessions[sessionIndex], request.command, request.parameter, now);
    g_sensor.baudIndex = (int)request.parameter;
}

void HandleReadCycleTime(int sessionIndex, const Request &request, double now)
{
    int scans = 0;
    int elapsed = 0;
    AdvanceSignalModel(now);
    TakeCycleCounts(now, scans, elapsed);
    if (g_options.cycleReplySet) {
        scans = g_options.cycleScans;
        elapsed = g_options.cycleElapsed;
    }
    unsigned char payload[8];
    PutLe32(payload, scans);
    PutLe32(payload + 4, elapsed);
    SendReply(g_sessions[sessionIndex], request.command,
              BuildFrame(request.command, 0, payload, sizeof payload), now);
}
