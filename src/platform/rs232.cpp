// Serial ports over QSerialPort. The link layer reads through GetInQLen and ComRd
// only; nothing here dispatches UI events, so a read inside an exchange never runs a
// callback.
#include "platform/rs232.h"

#include "platform/com_devices.h"

#include <QElapsedTimer>
#include <QSerialPort>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <grp.h>
#ifdef __linux__
#include <linux/serial.h>
#endif
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

constexpr int kErrUnknownSystem = -1;
constexpr int kErrInvalidPort = -2;
constexpr int kErrPortNotOpen = -3;
constexpr int kErrUnknownIo = -4;
// Not in the runtime's table, so the operator sees the general serial error text.
constexpr int kErrNotASerialDevice = -5;
constexpr int kErrNoSerialPort = -6;
constexpr int kErrCannotOpen = -7;
constexpr int kErrInvalidParity = -11;
constexpr int kErrInvalidDataBits = -12;
constexpr int kErrInvalidStopBits = -13;
constexpr int kErrInvalidBaudRate = -14;
constexpr int kErrTimeout = -99;

// GetComStat bit for a failed read or write, or a device that went away.
constexpr int kComStatIoError = 0x0002;

constexpr int kDefaultTimeoutMs = 10000;

struct ComPort {
    QSerialPort *serial = nullptr;
    int timeoutMs = kDefaultTimeoutMs;
    int errorBits = 0;
    bool lowLatency = false; // the driver passes received bytes on at once
};

ComPort g_ports[kMaxComPort + 1];

// Why the last open of a port failed, when the system refused access.
struct AccessDenial {
    bool denied = false;
    std::string device;
    std::string group;
};

AccessDenial g_denials[kMaxComPort + 1];

bool ValidPortNumber(int port)
{
    return port >= 1 && port <= kMaxComPort;
}

// The open port, or null; *code gets the runtime code for a missing one.
QSerialPort *OpenSerial(int port, int *code)
{
    if (!ValidPortNumber(port)) {
        *code = kErrInvalidPort;
        return nullptr;
    }
    *code = kErrPortNotOpen;
    return g_ports[port].serial;
}

int OpenErrorCode(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return kErrNoSerialPort;
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
        return kErrCannotOpen;
    case QSerialPort::ResourceError:
        return kErrUnknownIo;
    case QSerialPort::UnsupportedOperationError:
        return kErrInvalidBaudRate;
    case QSerialPort::TimeoutError:
        return kErrTimeout;
    default:
        return kErrUnknownSystem;
    }
}

bool ParityFromCode(int parity, QSerialPort::Parity *out)
{
    static const QSerialPort::Parity kParities[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                    QSerialPort::EvenParity, QSerialPort::MarkParity,
                                                    QSerialPort::SpaceParity};
    if (parity < 0 || parity > 4)
        return false;
    *out = kParities[parity];
    return true;
}

// Line settings first, so that a port is never left open with half of them applied.
int CheckLineSettings(long baudRate, int parity, int dataBits, int stopBits)
{
    QSerialPort::Parity unused;
    if (baudRate <= 0 || baudRate > 0x7FFFFFFF)
        return kErrInvalidBaudRate;
    if (!ParityFromCode(parity, &unused))
        return kErrInvalidParity;
    if (dataBits < 5 || dataBits > 8)
        return kErrInvalidDataBits;
    if (stopBits != 1 && stopBits != 2)
        return kErrInvalidStopBits;
    return 0;
}

int ApplyLineSettings(QSerialPort *serial, long baudRate, int parity, int dataBits, int stopBits)
{
    QSerialPort::Parity qparity = QSerialPort::NoParity;
    ParityFromCode(parity, &qparity);
    if (!serial->setBaudRate((qint32)baudRate))
        return kErrInvalidBaudRate;
    if (!serial->setParity(qparity) || !serial->setDataBits((QSerialPort::DataBits)dataBits) ||
        !serial->setStopBits(stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) ||
        !serial->setFlowControl(QSerialPort::NoFlowControl))
        return kErrUnknownIo;
    return 0;
}

// Read and write failures are kept for GetComStat; time-outs of our own waits are not
// port errors.
void WatchPortErrors(int port, QSerialPort *serial)
{
    QObject::connect(serial, &QSerialPort::errorOccurred, serial, [port](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError ||
            error == QSerialPort::NotOpenError)
            return;
        g_ports[port].errorBits |= kComStatIoError;
    });
}

// A link to /dev/null or to a regular file opens, but no line settings apply to it;
// that is no baud-rate problem. A path that cannot be opened here is left to the
// serial port's own open, which reports why.
bool NotASerialDevice(const std::string &path)
{
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool terminal = isatty(fd) == 1;
    ::close(fd);
    return !terminal;
}

std::string OwningGroupName(const std::string &path)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return std::string();
    const struct group *owner = getgrgid(info.st_gid);
    return owner && owner->gr_name ? std::string(owner->gr_name) : std::string();
}

// The serial library also calls a device locked by another program a permission
// error; only the system's own access check tells the two apart.
AccessDenial DenialAfterFailedOpen(QSerialPort::SerialPortError error, const std::string &path)
{
    AccessDenial denial;
    if (error != QSerialPort::PermissionError)
        return denial;
    if (access(path.c_str(), R_OK | W_OK) == 0 || errno != EACCES)
        return denial;
    denial.denied = true;
    denial.device = path;
    denial.group = OwningGroupName(path);
    return denial;
}

// Many USB serial adapters hold received bytes for up to 16 ms before passing them on,
// which caps a request-reply loop at about 60 exchanges a second; in low latency
// mode they pass every byte on at once. Drivers without the setting (a
// pseudo-terminal) refuse it and the port works as before. True when the driver took
// it.
bool RequestLowLatency(int fd)
{
#ifdef __linux__
    serial_struct settings{};
    if (ioctl(fd, TIOCGSERIAL, &settings) != 0)
        return false;
    settings.flags |= ASYNC_LOW_LATENCY;
    if (ioctl(fd, TIOCSSERIAL, &settings) != 0 || ioctl(fd, TIOCGSERIAL, &settings) != 0)
        return false;
    return (settings.flags & ASYNC_LOW_LATENCY) != 0;
#else
    (void)fd;
    return false;
#endif
}

int PendingInKernel(QSerialPort *serial)
{
    int pending = 0;
#ifdef FIONREAD
    if (ioctl((int)serial->handle(), FIONREAD, &pending) < 0)
        pending = 0;
#endif
    return pending;
}

// While none of our bytes wait in the port's buffer, a write goes to the device at
// once: the port's own path arms its write notifier and polls before every write.
// Returns how many bytes the device took; a failure takes none and is left to the
// port's own path to find and report.
int WriteAtOnce(QSerialPort *serial, const unsigned char *buffer, int count)
{
    if (serial->bytesToWrite() > 0)
        return 0;
    ssize_t written = ::write((int)serial->handle(), buffer, (size_t)count);
    return written > 0 ? (int)written : 0;
}

} // namespace

int OpenComConfig(int port, const char *deviceName, long baudRate, int parity, int dataBits, int stopBits,
                  int inputQueueSize, int outputQueueSize)
{
    (void)outputQueueSize;
    if (!ValidPortNumber(port))
        return kErrInvalidPort;
    CloseCom(port);
    g_denials[port] = AccessDenial();
    int settings = CheckLineSettings(baudRate, parity, dataBits, stopBits);
    if (settings < 0)
        return settings;
    // A device name opens that device under the port's number: an adapter that came
    // back as another device keeps the number the operator chose.
    std::string path = deviceName && *deviceName ? std::string(deviceName) : ComDevicePath(port);
    if (path.empty())
        return kErrNoSerialPort;

    if (NotASerialDevice(path))
        return kErrNotASerialDevice;
    auto *serial = new QSerialPort();
    serial->setPortName(QString::fromStdString(path));
    if (!serial->open(QIODevice::ReadWrite)) {
        int code = OpenErrorCode(serial->error());
        g_denials[port] = DenialAfterFailedOpen(serial->error(), path);
        delete serial;
        return code;
    }
    int applied = ApplyLineSettings(serial, baudRate, parity, dataBits, stopBits);
    if (applied < 0) {
        serial->close();
        delete serial;
        return applied;
    }
    serial->setReadBufferSize(inputQueueSize > 0 ? inputQueueSize : 0);
    WatchPortErrors(port, serial);
    g_ports[port] = ComPort();
    g_ports[port].serial = serial;
    g_ports[port].lowLatency = RequestLowLatency((int)serial->handle());
    return 0;
}

int GetComAccessDenied(int port, char *device, int deviceSize, char *group, int groupSize)
{
    if (!ValidPortNumber(port) || !g_denials[port].denied)
        return 0;
    if (device && deviceSize > 0)
        std::snprintf(device, (size_t)deviceSize, "%s", g_denials[port].device.c_str());
    if (group && groupSize > 0)
        std::snprintf(group, (size_t)groupSize, "%s", g_denials[port].group.c_str());
    return 1;
}

int CloseCom(int port)
{
    int code = 0;
    QSerialPort *serial = OpenSerial(port, &code);
    if (!serial)
        return code;
    serial->close();
    delete serial;
    g_ports[port] = ComPort();
    return 0;
}

int SetComTime(int port, double seconds)
{
    int code = 0;
    if (!OpenSerial(port, &code))
        return code;
    if (seconds < 0.0)
        return kErrUnknownSystem;
    g_ports[port].timeoutMs = (int)(seconds * 1000.0 + 0.5);
    return 0;
}

int SetCTSMode(int port, int mode)
{
    int code = 0;
    QSerialPort *serial = OpenSerial(port, &code);
    if (!serial)
        return code;
    return serial->setFlowControl(mode ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl)
               ? 0
               : kErrUnknownIo;
}

int FlushInQ(int port)
{
    int code = 0;
    QSerialPort *serial = OpenSerial(port, &code);
    if (!serial)
        return code;
    serial->clear(QSerialPort::Input);
    return 0;
}

int FlushOutQ(int port)
{
    int code = 0;
    QSerialPort *serial = OpenSerial(port, &code);
    if (!serial)
        return code;
    serial->clear(QSerialPort::Output);
    return 0;
}

int ComWrt(int port, const unsigned char *buffer, int count)
{
    int code = 0;
    QSerialPort *serial = OpenSerial(port, &code);
    if (!serial)
        return code;
    if (!buffer || count < 0)
        return kErrUnknownSystem;
    int written = WriteAtOnce(serial, buffer, count);
    if (written < count &&
        serial->write(reinterpret_cast<const char *>(buffer) + written, count - written) < 0)
        return kErrUnknownIo;
    QElapsedTimer clock;
    clock.start();
    while (serial->bytesToWrite() > 0) {
        qint64 remaining = g_ports[port].timeoutMs - clock.elapsed();
        if (remaining <= 0 || !serial->waitForBytesWritten((int)remaining))
            break;
    }
    return count - (int)serial->bytesToWrite();
}

int ComRd(int port, unsigned char *buffer, int count)
{
    int code = 0;
    QSerialPort *serial = OpenSerial(port, &code);
    if (!serial)
        return code;
    if (!buffer || count < 0)
        return kErrUnknownSystem;
    int got = 0;
    QElapsedTimer clock;
    clock.start();
    while (got < count) {
        qint64 n = serial->read(reinterpret_cast<char *>(buffer) + got, count - got);
        if (n < 0)
            break;
        got += (int)n;
        if (got >= count)
            break;
        qint64 remaining = g_ports[port].timeoutMs - clock.elapsed();
        if (remaining <= 0 || !serial->waitForReadyRead((int)remaining))
            break;
    }
    return got;
}

int GetInQLen(int port)
{
    int code = 0;
    QSerialPort *serial = OpenSerial(port, &code);
    if (!serial)
        return code;
    return (int)serial->bytesAvailable() + PendingInKernel(serial);
}

int GetOutQLen(int port)
{
    int code = 0;
    QSerialPort *serial = OpenSerial(port, &code);
    if (!serial)
        return code;
    int pending = 0;
#ifdef TIOCOUTQ
    if (ioctl((int)serial->handle(), TIOCOUTQ, &pending) < 0)
        pending = 0;
#endif
    return (int)serial->bytesToWrite() + pending;
}

int GetComStat(int port)
{
    int code = 0;
    if (!OpenSerial(port, &code))
        return code;
    int bits = g_ports[port].errorBits;
    g_ports[port].errorBits = 0;
    return bits;
}

int GetComLowLatency(int port)
{
    int code = 0;
    if (!OpenSerial(port, &code))
        return code;
    return g_ports[port].lowLatency ? 1 : 0;
}

long GetComBaudRate(int port)
{
    int code = 0;
    QSerialPort *serial = OpenSerial(port, &code);
    return serial ? (long)serial->baudRate() : 0;
}
