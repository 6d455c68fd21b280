#pragma once
// Frame layout and CRC-8 of the sensor protocol. Plain C++ without Qt: the program,
// the sensor simulator and the tests all link this one unit.
//
// Frame: sync 0x55, command, parameter (LE16), data length (LE16), data CRC,
// header CRC over bytes 0..6, then the data. Requests and replies look alike.

constexpr int kFrameHeaderSize = 8;
constexpr unsigned char kFrameSync = 0x55;
constexpr unsigned char kCrcStart = 0xAA;
constexpr int kLinkBufferSize = 2048;
constexpr int kMaxReplyData = kLinkBufferSize - kFrameHeaderSize; // 2040

// Command codes: the complete set the program sends.
constexpr int ORDER_WRITE_PARAMETERS = 1;
constexpr int ORDER_READ_PARAMETERS = 2;
constexpr int ORDER_SAVE_PARAMETERS_TO_EEPROM = 3;
constexpr int ORDER_LOAD_PARAMETERS_FROM_EEPROM = 4;
constexpr int ORDER_READ_FIRMWARE = 7;
constexpr int ORDER_READ_DATA_FRAME = 8;
constexpr int ORDER_READ_SENSOR_INFO = 15;
constexpr int ORDER_AUTO_SEND = 30;
constexpr int ORDER_OFFSET = 100;
constexpr int ORDER_CONV_TABLE = 103;
constexpr int ORDER_READ_CYCLE_TIME = 105;
constexpr int ORDER_SCOPE_SCAN = 110;
constexpr int ORDER_CONV_DATA_PREPARE = 180;
constexpr int ORDER_CONV_DATA_WRITE = 182;
constexpr int ORDER_SET_BAUDRATE = 190;
constexpr int ORDER_READ_HARDWARE_INFO = 194;

// Error replies carry command 0 and the error code in the parameter field.
constexpr int kErrorReplyCommand = 0;
constexpr int kErrorUnknownCommand = 1;
constexpr int kErrorCommunication = 2;

constexpr unsigned kHardwareInfoAccess = 0x3A7C;
constexpr int kParameterSetBytes = 64;
constexpr int kLiveFrameBytes = 22;
constexpr int kScopeSamples = 128;

extern const unsigned char kCrc8Table[256];

// CRC-8 over count bytes from buffer + offset; register starts at 0xAA, no final XOR.
unsigned char crc8Update(const unsigned char *buffer, int offset, int count, const unsigned char *table);

struct FrameHeader {
    unsigned char command;
    unsigned short parameter;
    unsigned short length;
    unsigned char dataCrc;
};

// Writes the 8 header bytes; the data CRC is 0xAA when length is 0.
void BuildFrameHeader(unsigned char header[kFrameHeaderSize], int command, unsigned parameter,
                      const unsigned char *data, unsigned length);
// True when the CRC over all 8 bytes is 0 and the sync byte is 0x55.
bool FrameHeaderIsValid(const unsigned char header[kFrameHeaderSize]);
FrameHeader ParseFrameHeader(const unsigned char header[kFrameHeaderSize]);

unsigned short GetLe16(const unsigned char *p);
void PutLe16(unsigned char *p, unsigned value);
int GetLe32(const unsigned char *p);
void PutLe32(unsigned char *p, int value);
