#include "platform/com_devices.h"

#include "platform/rs232.h"
#include "ui/userint.h"

#include <QSerialPortInfo>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace
{

// COM1-16, COM17-32 and COM33-48 are the first 16 devices of each family.
struct DeviceRange {
    int firstPort;
    const char *prefix;
};
const DeviceRange kDeviceRanges[] = {{1, "/dev/ttyS"}, {17, "/dev/ttyUSB"}, {33, "/dev/ttyACM"}};
constexpr int kDevicesPerRange = 16;

std::string LinkPath(int port)
{
    char directory[MAX_PATHNAME_LEN] = "";
    GetProjectDir(directory);
    return std::string(directory) + "/ports/COM" + std::to_string(port);
}

bool LinkExists(const std::string &path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

bool IsCharacterDevice(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

std::string RangeDevicePath(int port)
{
    for (const DeviceRange &range : kDeviceRanges)
        if (port >= range.firstPort && port < range.firstPort + kDevicesPerRange)
            return range.prefix + std::to_string(port - range.firstPort);
    return std::string();
}

// The system's own serial devices that have hardware behind them: a /dev/ttyS node
// exists for every possible UART, but only some of them are real.
std::vector<std::string> SystemSerialDevices()
{
    std::vector<std::string> devices;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        devices.push_back(info.systemLocation().toStdString());
    return devices;
}

bool SameDevice(const std::string &first, const std::string &second)
{
    char resolvedFirst[PATH_MAX], resolvedSecond[PATH_MAX];
    if (realpath(first.c_str(), resolvedFirst) && realpath(second.c_str(), resolvedSecond))
        return std::strcmp(resolvedFirst, resolvedSecond) == 0;
    return first == second;
}

bool DevicePresent(int port, const std::vector<std::string> &systemDevices)
{
    std::string path = ComDevicePath(port);
    if (path.empty() || !IsCharacterDevice(path))
        return false;
    if (path == LinkPath(port))
        return true;
    return std::find(systemDevices.begin(), systemDevices.end(), path) != systemDevices.end();
}

} // namespace

std::string ComDevicePath(int port)
{
    if (port < 1 || port > kMaxComPort)
        return std::string();
#ifdef _WIN32
    return "\\\\.\\COM" + std::to_string(port);
#else
    std::string link = LinkPath(port);
    if (LinkExists(link))
        return link;
    return RangeDevicePath(port);
#endif
}

bool ComDevicePresent(int port)
{
    return DevicePresent(port, SystemSerialDevices());
}

int ComPortOfDevice(const std::string &device)
{
    for (int port = 1; port <= kMaxComPort; ++port) {
        std::string path = ComDevicePath(port);
        if (!path.empty() && SameDevice(path, device))
            return port;
    }
    return 0;
}

int ListComPorts(ComPortInfo ports[], int maxPorts)
{
    if (!ports || maxPorts <= 0)
        return 0;
    std::vector<int> numbers((size_t)maxPorts);
    int reserved = 0;
    int count = LocateCom(&reserved, numbers.data(), maxPorts);
    for (int i = 0; i < count; ++i)
        GetComPortInfo(numbers[(size_t)i], &ports[i]);
    return count;
}

int LocateCom(int *reserved, int ports[], int maxPorts)
{
    (void)reserved;
    if (!ports || maxPorts <= 0)
        return 0;
    const std::vector<std::string> systemDevices = SystemSerialDevices();
    int count = 0;
    for (int port = 1; port <= kMaxComPort && count < maxPorts; ++port)
        if (DevicePresent(port, systemDevices))
            ports[count++] = port;
    return count;
}
