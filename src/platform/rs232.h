#pragma once
// Serial ports with the calls the link layer is written against. COM port numbers
// map to devices: a link <program dir>/ports/COMn wins (the simulator and the tests
// create one to a pseudo-terminal); otherwise COM1-16 are /dev/ttyS0-15, COM17-32
// /dev/ttyUSB0-15 and COM33-48 /dev/ttyACM0-15 (COMn itself on Windows).
// Results: 0 or more on success; negative codes from the runtime's table:
// -1 unknown system error, -2 invalid port number, -3 port not open, -4 unknown I/O
// error, -6 no serial port found, -7 cannot open port, -14 invalid baud rate,
// -99 time-out.

constexpr int kMaxComPort = 255;

// An empty device name opens the port's own device (above); any other opens that
// device under the port's number.
int OpenComConfig(int port, const char *deviceName, long baudRate, int parity, int dataBits, int stopBits,
                  int inputQueueSize, int outputQueueSize);
int CloseCom(int port); // harmless when the port is not open
int SetComTime(int port, double seconds);
int SetCTSMode(int port, int mode);
int FlushInQ(int port);
int FlushOutQ(int port);
int ComWrt(int port, const unsigned char *buffer, int count); // bytes written or negative
int ComRd(int port, unsigned char *buffer, int count);        // bytes read or negative
int GetInQLen(int port);
int GetOutQLen(int port);      // bytes not yet sent, in the port's buffer and the driver's
int GetComStat(int port);      // error bits since the last call; above 0 means an error
long GetComBaudRate(int port); // the speed the open port runs at, 0 when not open
// 1 when the driver passes received bytes on at once (low latency, asked for on every
// open), 0 when it refused (a pseudo-terminal does); negative when not open.
int GetComLowLatency(int port);

// After OpenComConfig failed: 1 when the system refused the current user access to
// the port's device, with the device path and the name of the group that owns it
// (empty when unknown); 0 otherwise.
int GetComAccessDenied(int port, char *device, int deviceSize, char *group, int groupSize);

// The numbers of the serial ports present; returns their count.
int LocateCom(int *reserved, int ports[], int maxPorts);
