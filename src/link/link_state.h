#pragma once
// The link state: one process-wide record with fixed buffers. An exchange allocates
// nothing.

#include "link/frame.h"

constexpr short PROTOCOL_RS232 = 0;
constexpr short PROTOCOL_TCP = 1;
constexpr int kHostLength = 256;
constexpr int kPortTextLength = 32;
constexpr int kMessageLength = 512;
constexpr int kFirmwareLength = 72;
constexpr int kSensorNameLength = 256;

struct LinkState {
    short protocol;                 // PROTOCOL_RS232 or PROTOCOL_TCP
    short comPort;                  // default 1
    short baudIndex;                // default 4 (115200)
    char host[kHostLength];         // server name or IP address
    char portText[kPortTextLength]; // default "5000"
    int portNumber;
    unsigned tcpHandle;
    short tcpConnected;
    int lastOpenResult;    // negative: the last open or connect failed
    short sensorConnected; // 1 after a good connection check; cleared by every link failure
    unsigned char currentCommand;

    // Request frame: header area, then the payload area that callers fill before
    // FillTxBuf. Some callers use it as scratch space for reply data.
    unsigned char request[kLinkBufferSize];
    unsigned char sendBuffer[kLinkBufferSize];
    unsigned char receiveBuffer[kLinkBufferSize]; // reply header at 0, data from 8
    int receiveCount;
    int portStatus;
    double startTime;
    double elapsed;

    // Fields of the last reply header that passed its check
    unsigned char replyCommand;
    unsigned short replyParameter;
    unsigned short replyLength;
    unsigned char replyDataCrc;

    // Exchanges and waits for pushed frames under way (their waits dispatch events, so
    // callbacks run nested in them), and the exchanges refused because they would have
    // started inside one of them.
    int linkUseDepth;
    int nestedExchanges;

    char message[kMessageLength]; // text of the last failure
    char firmware[kFirmwareLength + 1];
    char sensorName[kSensorNameLength];
};

extern LinkState g_link;

// Back to the state before start-up: nothing open, buffers and reply fields zero.
void ResetLinkState(void);

// The payload area of the request frame.
inline unsigned char *RequestPayload()
{
    return g_link.request + kFrameHeaderSize;
}
// Reply data in the receive buffer.
inline const unsigned char *ReplyData()
{
    return g_link.receiveBuffer + kFrameHeaderSize;
}
