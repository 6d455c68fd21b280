// Opening the serial port and the TCP conversation, the TCP event handler, and
// closing both.
#include "link/transport.h"

#include "app/long_operation.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "platform/rs232.h"
#include "platform/tcp_client.h"
#include "ui/userint.h"

namespace
{

const long kBaudRates[] = {9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
constexpr long kDefaultBaudRate = 115200;

// Fixed line settings of the sensor's serial interface
constexpr int kNoParity = 0;
constexpr int kDataBits = 8;
constexpr int kStopBits = 1;
constexpr int kQueueSize = 1024;
constexpr double kSerialTimeoutSeconds = 2.0;

constexpr unsigned kConnectTimeoutMs = 5000;
constexpr unsigned kTcpReadTimeoutMs = 5000;

void StoreDataReady(unsigned handle)
{
    int count = g_link.receiveCount;
    if (count < 0)
        count = 0;
    if (count > kLinkBufferSize)
        count = kLinkBufferSize;
    int read =
        ClientTCPRead(handle, g_link.receiveBuffer + count, kLinkBufferSize - count, kTcpReadTimeoutMs);
    // A failed read leaves the count where it was.
    if (read > 0)
        g_link.receiveCount = count + read;
}

void ServerClosed()
{
    ReportLinkFailure(kTxtServerClosed);
    g_link.tcpHandle = 0;
    g_link.tcpConnected = 0;
}

// A port the user may not open names the remedy after the system's own text.
void ReportSerialOpenFailure(int code)
{
    char device[MAX_PATHNAME_LEN] = "";
    char group[64] = "";
    bool denied = GetComAccessDenied(g_link.comPort, device, sizeof device, group, sizeof group) == 1;
    char message[kMessageLength];
    FormatSerialOpenFailure(message, sizeof message, code, denied, device, group);
    ReportLinkFailureText(message);
}

} // namespace

long BaudRateFromIndex(int index)
{
    if (index < 0 || index >= (int)(sizeof kBaudRates / sizeof kBaudRates[0]))
        return kDefaultBaudRate;
    return kBaudRates[index];
}

namespace
{

void OpenSerialPort()
{
    CloseCom(g_link.comPort);
    long baudRate = BaudRateFromIndex(g_link.baudIndex);
    g_link.lastOpenResult =
        OpenComConfig(g_link.comPort, "", baudRate, kNoParity, kDataBits, kStopBits, kQueueSize, kQueueSize);
    if (g_link.lastOpenResult < 0) {
        ReportSerialOpenFailure(g_link.lastOpenResult);
        return;
    }
    SetComTime(g_link.comPort, kSerialTimeoutSeconds);
    FlushInQ(g_link.comPort);
    FlushOutQ(g_link.comPort);
    SetCTSMode(g_link.comPort, 0);
}

void ConnectToServer()
{
    if (g_link.tcpConnected)
        DisconnectFromTCPServer(g_link.tcpHandle);
    SetWaitCursor(1);
    g_link.lastOpenResult = ConnectToTCPServerEx(&g_link.tcpHandle, (unsigned)g_link.portNumber, g_link.host,
                                                 ClientTCPCB, nullptr, kConnectTimeoutMs, 0);
    SetWaitCursor(0);
    if (g_link.lastOpenResult >= 0) {
        g_link.tcpConnected = 1;
        return;
    }
    ReportLinkFailure(TcpErrorText(g_link.lastOpenResult));
    g_link.tcpConnected = 0;
}

} // namespace

void InitRS232(void)
{
    UseTransportChannel();
    StopLoop(LOOP_LIVE);
    OpenSerialPort();
}

void InitTCP_IP(void)
{
    UseTransportChannel();
    ConnectToServer();
}

bool ReopenTransport(void)
{
    UseTransportChannel();
    if (g_link.protocol == PROTOCOL_TCP)
        ConnectToServer();
    else
        OpenSerialPort();
    return g_link.lastOpenResult >= 0;
}

int ClientTCPCB(unsigned handle, int event, int error, void *callbackData)
{
    (void)error;
    (void)callbackData;
    // Events of a conversation that has been replaced are stale.
    if (handle != g_link.tcpHandle)
        return 0;
    if (event == TCP_DISCONNECT)
        ServerClosed();
    else if (event == TCP_DATAREADY)
        StoreDataReady(handle);
    return 0;
}

void CloseTransport(void)
{
    CloseCom(g_link.comPort);
    if (g_link.tcpConnected) {
        DisconnectFromTCPServer(g_link.tcpHandle);
        g_link.tcpConnected = 0;
    }
    g_link.sensorConnected = 0;
}
