// One line per serial port for the status box, so that an operator with several
// adapters tells them apart: the COM number, the device, and for a USB adapter the
// maker's texts and its serial number (or, without one, the USB port it sits in).
#include "platform/com_devices.h"

#include <cstdio>
#include <string>

namespace
{

constexpr const char *kColumnGap = "  ";

// Manufacturer and product, the product alone when it names its maker already.
std::string MakerDescription(const ComPortInfo &info)
{
    if (info.product.empty())
        return info.manufacturer;
    if (info.manufacturer.empty() ||
        info.product.compare(0, info.manufacturer.size(), info.manufacturer) == 0)
        return info.product;
    return info.manufacturer + " " + info.product;
}

std::string UsbIds(const UsbIdentity &usb)
{
    char ids[16];
    std::snprintf(ids, sizeof ids, "USB %04x:%04x", (unsigned)usb.vendorId & 0xFFFF,
                  (unsigned)usb.productId & 0xFFFF);
    return ids;
}

} // namespace

std::string FormatComPortLine(const ComPortInfo &info)
{
    std::string line = "COM" + std::to_string(info.port) + kColumnGap + info.device;
    if (info.usb.vendorId == 0)
        return line;
    std::string maker = MakerDescription(info);
    line += kColumnGap + (maker.empty() ? UsbIds(info.usb) : maker);
    if (!info.usb.serialNumber.empty())
        line += kColumnGap + std::string("S/N ") + info.usb.serialNumber;
    else if (!info.usb.usbPath.empty())
        line += kColumnGap + std::string("USB ") + info.usb.usbPath;
    return line;
}
