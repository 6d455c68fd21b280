#include "platform/alarm.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <cmath>

namespace
{

// Owned by the application object, so it goes with it at exit.
QPointer<QTimer> g_alarm;
void (*g_alarmHandler)(void) = nullptr;

void RingAlarm()
{
    void (*handler)(void) = g_alarmHandler;
    g_alarmHandler = nullptr;
    if (handler)
        handler();
}

} // namespace

void SetAlarm(double seconds, void (*handler)(void))
{
    if (!g_alarm) {
        g_alarm = new QTimer(QCoreApplication::instance());
        g_alarm->setSingleShot(true);
        g_alarm->setTimerType(Qt::PreciseTimer);
        QObject::connect(g_alarm, &QTimer::timeout, [] { RingAlarm(); });
    }
    g_alarmHandler = handler;
    // A QTimer counts in int milliseconds; longer alarms ring at its limit.
    double milliseconds = std::ceil(seconds > 0.0 ? seconds * 1000.0 : 0.0);
    g_alarm->start(milliseconds < 2147483647.0 ? (int)milliseconds : 2147483647);
}

void CancelAlarm(void)
{
    g_alarmHandler = nullptr;
    if (g_alarm)
        g_alarm->stop();
}
