#pragma once
// Which device a COM port number stands for, which of them are present, and which
// adapter is which: the maker's description and USB identity of a port, read from the
// system's device tree (Linux sysfs), and the device under which an adapter with a
// known identity is found now.

#include <string>

// The device path of COM port `port` (1..255): <program dir>/ports/COMn when that
// link exists (even dangling: it always wins), else the platform's serial device
// range. Empty for a number without a device name.
std::string ComDevicePath(int port);
// True when the port's device exists and is a terminal device that can be opened.
bool ComDevicePresent(int port);
// The COM port number whose device is `device` (a ports/COMn link leading to it
// first, then the device ranges); 0 when none is.
int ComPortOfDevice(const std::string &device);

// What tells a USB serial adapter from another whatever /dev/ttyUSBn it gets: its
// serial number, or, for an adapter without one, the USB port it is plugged into.
struct UsbIdentity {
    int vendorId = 0; // 0: not a USB adapter
    int productId = 0;
    std::string serialNumber; // empty when the adapter has none
    std::string usbPath;      // the chain of USB ports, e.g. "1-1.2"
    int interfaceNumber = 0;  // which port of an adapter with several
};

// One serial port: its number and device, and for a USB adapter the maker's texts and
// its identity.
struct ComPortInfo {
    int port = 0;
    std::string device; // the device the port opens (the target of a ports/COMn link)
    std::string link;   // the ports/COMn link, empty for a device of the ranges
    std::string manufacturer;
    std::string product;
    UsbIdentity usb;
};

// Tests point the device tree at a folder of their own (null: the system's /sys).
void SetSysfsRootOverride(const char *root);

// The USB identity of the adapter behind a device path (links are followed); false
// for a device that is no USB adapter.
bool GetComDeviceIdentity(const std::string &device, UsbIdentity *identity);
bool GetComPortIdentity(int port, UsbIdentity *identity);
// The device under which the adapter with this identity is present now (it may have
// come back as another /dev/ttyUSBn): the same vendor, product and port of the
// adapter, and the same serial number, or, without one, the same USB path. Empty when
// no such adapter is present.
std::string FindComDeviceByIdentity(const UsbIdentity &identity);

// The port's device and, for a USB adapter, its texts and identity.
bool GetComPortInfo(int port, ComPortInfo *info);
// The ports that LocateCom finds, with what GetComPortInfo tells; returns their count.
int ListComPorts(ComPortInfo ports[], int maxPorts);
// One port's line for the status box, without a line break:
// "COM17  /dev/ttyUSB0  FTDI FT232R USB UART  S/N A12345".
std::string FormatComPortLine(const ComPortInfo &info);
