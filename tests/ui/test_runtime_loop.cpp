#include "support/event_recorder.h"
#include "support/ui_actions.h"
#include "ui/panel_loader.h"
#include "ui/userint.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QSocketNotifier>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace
{

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A wait loop as the link layer runs one: until the flag drops or the time is up.
bool g_waiting = false;
void WaitLoop(double seconds)
{
    g_waiting = true;
    double end = Timer() + seconds;
    while (g_waiting && Timer() < end)
        WaitSystemEvents(end - Timer());
}

int QuitFromNestedLoop(int, int, int event, void *, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    QTimer::singleShot(10, [] {
        QuitUserInterface(7);
        g_waiting = false;
    });
    WaitLoop(5.0);
    return 0;
}

TEST(RuntimeLoop, QuitBeforeTheLoopStartsEndsItAtOnce)
{
    QuitUserInterface(-1);
    double start = Timer();
    EXPECT_EQ(RunUserInterface(), -1);
    EXPECT_LT(Timer() - start, 1.0);
    // The request is used up: a later loop runs until it is asked to stop again.
    QTimer::singleShot(20, [] { QuitUserInterface(3); });
    EXPECT_EQ(RunUserInterface(), 3);
}

TEST(RuntimeLoop, QuitFromACallbackInsideAWaitLoop)
{
    CtrlDef button = MakeCtrl(1, CTRL_COMMAND_BUTTON, "Close", 10, 10, 80, 26);
    button.callback = QuitFromNestedLoop;
    int panel = LoadPanelFromDef(0, MakePanelDef("Loop", {button}));
    ASSERT_GT(panel, 0);
    ASSERT_TRUE(ShowAndActivate(panel));
    QTimer::singleShot(0, [panel] { ClickButton(panel, 1); });
    EXPECT_EQ(RunUserInterface(), 7);
    DiscardPanel(panel);
}

TEST(RuntimeLoop, ProcessSystemEventsRunsPendingWork)
{
    bool ran = false;
    QMetaObject::invokeMethod(
        qApp, [&ran] { ran = true; }, Qt::QueuedConnection);
    EXPECT_EQ(ProcessSystemEvents(), 0);
    EXPECT_TRUE(ran);
}

TEST(RuntimeLoop, WaitingWakesForAPostedEvent)
{
    ProcessSystemEvents();
    bool ran = false;
    std::thread poster([&ran] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        QMetaObject::invokeMethod(
            qApp, [&ran] { ran = true; }, Qt::QueuedConnection);
    });
    double start = Timer();
    while (!ran && Timer() - start < 3.0)
        WaitSystemEvents(3.0);
    double waited = Timer() - start;
    poster.join();
    EXPECT_TRUE(ran);
    EXPECT_LT(waited, 2.0); // woke for the event, not for the limit
}

TEST(RuntimeLoop, WaitingWakesForASocket)
{
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    bool readable = false;
    QSocketNotifier notifier(pair[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&readable, &notifier] {
        readable = true;
        notifier.setEnabled(false);
    });
    std::thread writer([fd = pair[1]] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        EXPECT_EQ(write(fd, "x", 1), 1);
    });
    double start = Timer();
    while (!readable && Timer() - start < 3.0)
        WaitSystemEvents(3.0);
    double waited = Timer() - start;
    writer.join();
    close(pair[0]);
    close(pair[1]);
    EXPECT_TRUE(readable);
    EXPECT_LT(waited, 2.0);
}

TEST(RuntimeLoop, WaitingSleepsInsteadOfSpinning)
{
    ProcessSystemEvents();
    double cpuBefore = CpuSeconds();
    double start = Timer();
    WaitLoop(0.2);
    double wall = Timer() - start;
    double cpu = CpuSeconds() - cpuBefore;
    EXPECT_GE(wall, 0.19);
    EXPECT_LT(cpu, wall / 4);
    // The limit holds also when nothing arrives at all.
    start = Timer();
    WaitSystemEvents(0.05);
    EXPECT_LT(Timer() - start, 1.0);
}

TEST(RuntimeLoop, ClockProjectDirectoryAndWaitCursor)
{
    double first = Timer();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    double second = Timer();
    EXPECT_GT(second, first);
    EXPECT_GE(second - first, 0.004);

    char dir[MAX_PATHNAME_LEN] = "";
    EXPECT_EQ(GetProjectDir(dir), 0);
    EXPECT_EQ(QString::fromUtf8(dir), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    EXPECT_NE(dir[strlen(dir) - 1], '/');
    EXPECT_LT(GetProjectDir(nullptr), 0);

    SetWaitCursor(1);
    SetWaitCursor(1);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    SetWaitCursor(0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
