#pragma once
// Which device a COM port number stands for, and which of them are present.

#include <string>

// The device path of COM port `port` (1..255): <program dir>/ports/COMn when that
// link exists (even dangling: it always wins), else the platform's serial device
// range. Empty for a number without a device name.
std::string ComDevicePath(int port);
// True when the port's device exists and is a terminal device that can be opened.
bool ComDevicePresent(int port);
// The COM port number whose device `path` is (the same path, or the same device once
// links are followed: /dev/serial/by-id/... names a /dev/ttyUSBn); 0 when no number
// stands for it.
int ComPortOfDevice(const char *path);
