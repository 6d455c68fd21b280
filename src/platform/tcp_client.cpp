// TCP client conversations over QTcpSocket. The event handler is called on the GUI
// thread from the event loop (ProcessSystemEvents, WaitSystemEvents), never from
// inside one of the calls below and never again for a conversation while a handler
// call for it is still running.
#include "platform/tcp_client.h"

#include "ui/userint.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTcpSocket>

#include <map>
#include <sys/socket.h>

namespace
{

constexpr int kTcpUnableToEstablish = -2;
constexpr int kTcpFailedToConnect = -4;
constexpr int kTcpReadFailed = -7;
constexpr int kTcpWriteFailed = -8;
constexpr int kTcpInvalidParameter = -9;
constexpr int kTcpTimeout = -11;
constexpr int kTcpNotConnected = -12;
constexpr int kTcpConnectionClosed = -14;

// The longest single sleep while a connect is pending: short enough that the window
// keeps repainting, long enough that the wait costs no CPU time.
constexpr double kConnectWaitStep = 0.05;

struct Conversation {
    QPointer<QTcpSocket> socket;
    tcpFuncPtr callback = nullptr;
    void *callbackData = nullptr;
    bool inHandler = false; // a handler call for this conversation is running
    bool inOwnWait = false; // ClientTCPRead/Write is waiting on the socket itself
    bool closing = false;   // the server has closed; the last event is on its way
    qint64 bytesRead = 0;   // by ClientTCPRead, so a handler call's progress shows
};

std::map<unsigned, Conversation> g_conversations;
unsigned g_nextHandle = 1;
bool g_connectCancelled = false; // CancelTCPConnect during the current connect's wait

Conversation *FindConversation(unsigned handle)
{
    auto it = g_conversations.find(handle);
    return it == g_conversations.end() || !it->second.socket ? nullptr : &it->second;
}

int ConnectErrorCode(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return kTcpUnableToEstablish;
    case QAbstractSocket::SocketTimeoutError:
        return kTcpTimeout;
    default:
        return kTcpFailedToConnect;
    }
}

// insideSocketEvent: called while one of the socket's own events is being delivered.
void ReleaseConversation(unsigned handle, bool insideSocketEvent)
{
    auto it = g_conversations.find(handle);
    if (it == g_conversations.end())
        return;
    QTcpSocket *socket = it->second.socket;
    bool busy = it->second.inHandler || insideSocketEvent;
    g_conversations.erase(it);
    if (!socket)
        return;
    socket->disconnect();
    socket->abort();
    // A socket whose own signal is being handled right now goes when control is back
    // in the event loop.
    if (busy)
        socket->deleteLater();
    else
        delete socket;
}

void DeliverEvent(unsigned handle, int event);

// Data left unread after a handler call is announced again from the event loop, so
// the handler sees it without waiting for more data to arrive.
void ScheduleDataReady(unsigned handle)
{
    Conversation *conversation = FindConversation(handle);
    if (!conversation)
        return;
    QMetaObject::invokeMethod(
        conversation->socket.data(), [handle]() { DeliverEvent(handle, TCP_DATAREADY); },
        Qt::QueuedConnection);
}

void DeliverEvent(unsigned handle, int event)
{
    Conversation *conversation = FindConversation(handle);
    if (!conversation || !conversation->callback)
        return;
    if (conversation->inHandler || conversation->inOwnWait) {
        if (event == TCP_DATAREADY)
            ScheduleDataReady(handle);
        return;
    }
    if (event == TCP_DATAREADY && conversation->socket->bytesAvailable() <= 0)
        return;
    qint64 before = conversation->socket->bytesAvailable();
    qint64 readBefore = conversation->bytesRead;
    conversation->inHandler = true;
    conversation->callback(handle, event, 0, conversation->callbackData);
    conversation = FindConversation(handle);
    if (!conversation)
        return;
    conversation->inHandler = false;
    if (event == TCP_DISCONNECT) {
        ReleaseConversation(handle, true);
        return;
    }
    // Announce again what is left, as long as each call takes something or more has
    // come meanwhile; a handler that takes nothing from unchanged data is not pressed.
    qint64 after = conversation->socket->bytesAvailable();
    if (after > 0 && (conversation->bytesRead > readBefore || after > before))
        ScheduleDataReady(handle);
}

void WireEvents(unsigned handle, QTcpSocket *socket)
{
    QObject::connect(socket, &QTcpSocket::readyRead, socket,
                     [handle]() { DeliverEvent(handle, TCP_DATAREADY); });
    // Queued, so that a close noticed inside a read or write call is reported from the
    // event loop like every other event.
    QObject::connect(
        socket, &QTcpSocket::disconnected, socket,
        [handle]() {
            Conversation *conversation = FindConversation(handle);
            if (!conversation || conversation->closing)
                return;
            conversation->closing = true;
            DeliverEvent(handle, TCP_DISCONNECT);
        },
        Qt::QueuedConnection);
}

// Waits for the connect in short event-loop steps, so the window stays responsive
// and no core spins; the host name lookup counts against the same time-out.
int WaitForConnected(QTcpSocket *socket, unsigned timeoutMs)
{
    bool finished = false;
    int result = 0;
    QMetaObject::Connection onConnected =
        QObject::connect(socket, &QTcpSocket::connected, socket, [&]() { finished = true; });
    QMetaObject::Connection onError =
        QObject::connect(socket, &QTcpSocket::errorOccurred, socket, [&](QAbstractSocket::SocketError error) {
            finished = true;
            result = ConnectErrorCode(error);
        });
    QElapsedTimer clock;
    clock.start();
    while (!finished && socket->state() != QAbstractSocket::ConnectedState) {
        double remaining = (double)timeoutMs / 1000.0 - (double)clock.elapsed() / 1000.0;
        // A program being closed does not wait for the connection either.
        if (remaining <= 0.0 || QuitRequested() || g_connectCancelled) {
            result = kTcpTimeout;
            break;
        }
        WaitSystemEvents(remaining < kConnectWaitStep ? remaining : kConnectWaitStep);
    }
    // The handlers above refer to this frame; nothing may call them after it is gone.
    QObject::disconnect(onConnected);
    QObject::disconnect(onError);
    if (result < 0)
        return result;
    return socket->state() == QAbstractSocket::ConnectedState ? 0 : kTcpFailedToConnect;
}

// While none of our bytes wait in the socket's buffer, a write goes to the kernel at
// once: the socket's own path arms and disarms its write notifier around every write,
// and each of those wakes the event loop. Returns how many bytes the kernel took; a
// failure takes none and is left to the socket's own path to find and report.
int SendAtOnce(QTcpSocket *socket, const void *data, int size)
{
    if (socket->bytesToWrite() > 0)
        return 0;
    ssize_t sent = ::send((int)socket->socketDescriptor(), data, (size_t)size, MSG_DONTWAIT | MSG_NOSIGNAL);
    return sent > 0 ? (int)sent : 0;
}

} // namespace

int ConnectToTCPServerEx(unsigned *handle, unsigned portNumber, const char *serverHostName,
                         tcpFuncPtr callback, void *callbackData, unsigned timeoutMs, int localPortOption)
{
    (void)localPortOption;
    if (!handle || !serverHostName || portNumber > 65535)
        return kTcpInvalidParameter;
    if (serverHostName[0] == '\0')
        return kTcpFailedToConnect;
    g_connectCancelled = false;
    auto *socket = new QTcpSocket();
    socket->connectToHost(QString::fromUtf8(serverHostName), (quint16)portNumber);
    int result = WaitForConnected(socket, timeoutMs);
    if (result < 0) {
        socket->abort();
        delete socket;
        return result;
    }
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    unsigned newHandle = g_nextHandle++;
    if (g_nextHandle == 0)
        g_nextHandle = 1;
    Conversation &conversation = g_conversations[newHandle];
    conversation.socket = socket;
    conversation.callback = callback;
    conversation.callbackData = callbackData;
    WireEvents(newHandle, socket);
    *handle = newHandle;
    // Data that came with the connect would otherwise wait for the next arrival.
    if (socket->bytesAvailable() > 0)
        ScheduleDataReady(newHandle);
    return 0;
}

void CancelTCPConnect(void)
{
    g_connectCancelled = true;
}

int DisconnectFromTCPServer(unsigned handle)
{
    if (!FindConversation(handle))
        return kTcpNotConnected;
    ReleaseConversation(handle, false);
    return 0;
}

int ClientTCPWrite(unsigned handle, const void *data, int size, unsigned timeoutMs)
{
    Conversation *conversation = FindConversation(handle);
    if (!conversation)
        return kTcpNotConnected;
    if (!data || size < 0)
        return kTcpInvalidParameter;
    QTcpSocket *socket = conversation->socket;
    if (socket->state() != QAbstractSocket::ConnectedState)
        return kTcpConnectionClosed;
    int sent = SendAtOnce(socket, data, size);
    if (sent == size)
        return size;
    if (socket->write(static_cast<const char *>(data) + sent, size - sent) != size - sent)
        return kTcpWriteFailed;
    socket->flush();
    QElapsedTimer clock;
    clock.start();
    conversation->inOwnWait = true;
    while (socket->bytesToWrite() > 0) {
        qint64 remaining = (qint64)timeoutMs - clock.elapsed();
        if (remaining <= 0 || !socket->waitForBytesWritten((int)remaining))
            break;
    }
    conversation->inOwnWait = false;
    if (socket->bytesToWrite() > 0)
        return socket->state() == QAbstractSocket::ConnectedState ? kTcpTimeout : kTcpWriteFailed;
    return size;
}

int ClientTCPRead(unsigned handle, void *buffer, int size, unsigned timeoutMs)
{
    Conversation *conversation = FindConversation(handle);
    if (!conversation)
        return kTcpNotConnected;
    if (!buffer || size < 0)
        return kTcpInvalidParameter;
    if (size == 0)
        return 0;
    QTcpSocket *socket = conversation->socket;
    if (socket->bytesAvailable() <= 0) {
        if (socket->state() != QAbstractSocket::ConnectedState)
            return kTcpConnectionClosed;
        conversation->inOwnWait = true;
        bool ready = socket->waitForReadyRead((int)timeoutMs);
        conversation->inOwnWait = false;
        if (!ready)
            return socket->state() == QAbstractSocket::ConnectedState ? kTcpTimeout : kTcpConnectionClosed;
    }
    qint64 n = socket->read(static_cast<char *>(buffer), size);
    if (n < 0)
        return kTcpReadFailed;
    conversation->bytesRead += n;
    return (int)n;
}
