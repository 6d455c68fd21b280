#include "platform/termination.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{

int g_signalPipe[2] = {-1, -1};
void (*g_handler)(void) = nullptr;
int g_lastSignal = 0;
// Owned by the application object, so it goes with it at exit.
QPointer<QSocketNotifier> g_notifier;

void WriteSignalByte(int signalNumber)
{
    unsigned char byte = (unsigned char)signalNumber;
    // Only async-signal-safe work here: one byte into the pipe.
    ssize_t written = write(g_signalPipe[1], &byte, 1);
    (void)written;
}

void DrainSignalPipe()
{
    unsigned char bytes[16];
    ssize_t count = 0;
    while ((count = read(g_signalPipe[0], bytes, sizeof bytes)) > 0)
        g_lastSignal = bytes[count - 1];
    if (g_handler)
        g_handler();
}

} // namespace

void InstallTerminationHandler(void (*handler)(void))
{
    g_handler = handler;
    if (g_signalPipe[0] < 0) {
        if (pipe(g_signalPipe) != 0)
            return;
        for (int fd : g_signalPipe) {
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
            fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    if (!g_notifier) {
        g_notifier =
            new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(g_notifier, &QSocketNotifier::activated, [] { DrainSignalPipe(); });
    }

    struct sigaction action = {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

int TerminationSignal(void)
{
    return g_lastSignal;
}
