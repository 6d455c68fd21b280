// USB identity of serial devices from the Linux device tree: /sys/class/tty/<name>/device
// leads into the USB device's folder (idVendor, idProduct, serial, manufacturer,
// product), whose name is its USB path; the interface folder between them numbers the
// ports of an adapter with several.
#include "platform/com_devices.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace
{

std::string g_sysfsRoot = "/sys";

std::string ResolvedPath(const std::string &path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

bool PathExists(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

std::string ReadAttribute(const std::string &folder, const char *name)
{
    std::ifstream file(folder + "/" + name);
    std::string line;
    std::getline(file, line);
    size_t end = line.find_last_not_of(" \t\r\n");
    return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

int HexAttribute(const std::string &folder, const char *name)
{
    return (int)std::strtol(ReadAttribute(folder, name).c_str(), nullptr, 16);
}

// The kernel names a tty after its device node below /dev, with '!' for '/'
// (/dev/ttyUSB0: ttyUSB0, /dev/pts/3: pts!3). Links such as ports/COMn are followed;
// a path that does not exist is taken as it is.
std::string TtyNameOfDevice(const std::string &device)
{
    std::string path = ResolvedPath(device);
    if (path.empty())
        path = device;
    const std::string dev = "/dev/";
    if (path.compare(0, dev.size(), dev) != 0)
        return std::string();
    std::string name = path.substr(dev.size());
    std::replace(name.begin(), name.end(), '/', '!');
    return name;
}

std::string DeviceOfTtyName(std::string name)
{
    std::replace(name.begin(), name.end(), '!', '/');
    return "/dev/" + name;
}

struct UsbFolders {
    std::string device;    // holds idVendor, idProduct, serial, manufacturer, product
    std::string interface; // holds bInterfaceNumber
};

// Walks up from the tty's device folder to the first folder with a USB vendor id,
// never above the tree's root.
bool FindUsbFolders(const std::string &ttyName, UsbFolders &folders)
{
    std::string root = ResolvedPath(g_sysfsRoot);
    std::string folder = ResolvedPath(g_sysfsRoot + "/class/tty/" + ttyName + "/device");
    if (ttyName.empty() || root.empty() || folder.empty())
        return false;
    while (folder.size() > root.size() && folder.compare(0, root.size(), root) == 0) {
        if (PathExists(folder + "/idVendor")) {
            folders.device = folder;
            return true;
        }
        if (folders.interface.empty() && PathExists(folder + "/bInterfaceNumber"))
            folders.interface = folder;
        folder = folder.substr(0, folder.find_last_of('/'));
    }
    return false;
}

bool ReadUsbTty(const std::string &ttyName, ComPortInfo *info)
{
    UsbFolders folders;
    if (!FindUsbFolders(ttyName, folders))
        return false;
    UsbIdentity &usb = info->usb;
    usb.vendorId = HexAttribute(folders.device, "idVendor");
    usb.productId = HexAttribute(folders.device, "idProduct");
    usb.serialNumber = ReadAttribute(folders.device, "serial");
    usb.usbPath = folders.device.substr(folders.device.find_last_of('/') + 1);
    usb.interfaceNumber = folders.interface.empty() ? 0 : HexAttribute(folders.interface, "bInterfaceNumber");
    info->manufacturer = ReadAttribute(folders.device, "manufacturer");
    info->product = ReadAttribute(folders.device, "product");
    return usb.vendorId != 0;
}

bool SameAdapter(const UsbIdentity &wanted, const UsbIdentity &found)
{
    if (wanted.vendorId != found.vendorId || wanted.productId != found.productId ||
        wanted.interfaceNumber != found.interfaceNumber || wanted.serialNumber != found.serialNumber)
        return false;
    return !wanted.serialNumber.empty() || wanted.usbPath == found.usbPath;
}

std::vector<std::string> TtyNames()
{
    std::vector<std::string> names;
    DIR *folder = opendir((g_sysfsRoot + "/class/tty").c_str());
    if (!folder)
        return names;
    while (const dirent *entry = readdir(folder))
        if (entry->d_name[0] != '.')
            names.push_back(entry->d_name);
    closedir(folder);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

void SetSysfsRootOverride(const char *root)
{
    g_sysfsRoot = root && *root ? root : "/sys";
}

bool GetComDeviceIdentity(const std::string &device, UsbIdentity *identity)
{
    ComPortInfo info;
    if (!ReadUsbTty(TtyNameOfDevice(device), &info))
        return false;
    if (identity)
        *identity = info.usb;
    return true;
}

bool GetComPortIdentity(int port, UsbIdentity *identity)
{
    std::string device = ComDevicePath(port);
    return !device.empty() && GetComDeviceIdentity(device, identity);
}

std::string FindComDeviceByIdentity(const UsbIdentity &identity)
{
    if (identity.vendorId == 0)
        return std::string();
    for (const std::string &name : TtyNames()) {
        ComPortInfo info;
        if (ReadUsbTty(name, &info) && SameAdapter(identity, info.usb))
            return DeviceOfTtyName(name);
    }
    return std::string();
}

bool GetComPortInfo(int port, ComPortInfo *info)
{
    std::string path = ComDevicePath(port);
    if (path.empty() || !info)
        return false;
    *info = ComPortInfo();
    info->port = port;
    info->device = path;
    std::string target = ResolvedPath(path);
    struct stat linkInfo;
    if (lstat(path.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        info->link = path;
        info->device = target.empty() ? path : target;
    }
    ReadUsbTty(TtyNameOfDevice(path), info);
    return true;
}
