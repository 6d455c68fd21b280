// The event loop, waits, the clock and the program directory.
#include "ui/ui_init.h"
#include "ui/ui_qt.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace
{

struct LoopState {
    std::vector<QEventLoop *> running; // innermost last
    bool quitPending = false;
    int quitCode = 0;
    bool waitCursor = false;
};

LoopState &State()
{
    static LoopState state;
    return state;
}

} // namespace

int RunUserInterface(void)
{
    LoopState &state = State();
    // A quit asked for before the loop started (the start-up connection attempt can
    // do that) ends the loop at once.
    if (!state.quitPending) {
        // Panels are hidden, not closed, so no window closing may end the program.
        QApplication::setQuitOnLastWindowClosed(false);
        QEventLoop loop;
        state.running.push_back(&loop);
        loop.exec();
        state.running.pop_back();
    }
    state.quitPending = false;
    return state.quitCode;
}

int QuitUserInterface(int code)
{
    LoopState &state = State();
    state.quitPending = true;
    state.quitCode = code;
    if (!state.running.empty())
        state.running.back()->exit(code);
    CloseRunningPopups();
    return UIE_OK;
}

bool QuitRequested(void)
{
    return State().quitPending;
}

void ResetQuitRequest(void)
{
    State().quitPending = false;
}

int ProcessSystemEvents(void)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return UIE_OK;
}

int WaitSystemEvents(double maxSeconds)
{
    if (!(maxSeconds > 0.0))
        return ProcessSystemEvents();
    // A precise one-shot timer bounds the sleep; any other event ends it earlier.
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    double milliseconds = std::min(maxSeconds * 1000.0, 24.0 * 3600.0 * 1000.0);
    limit.start(static_cast<int>(std::ceil(milliseconds)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return UIE_OK;
}

int SetWaitCursor(int on)
{
    LoopState &state = State();
    bool wanted = on != 0;
    if (wanted == state.waitCursor)
        return UIE_OK;
    state.waitCursor = wanted;
    if (wanted)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    return UIE_OK;
}

double Timer(void)
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

int GetProjectDir(char *directory)
{
    if (!directory)
        return UIE_INVALID_VALUE;
    // Tests run the program in a directory of their own.
    const char *overridden = ProjectDirOverride();
    QString path = overridden ? QString::fromLocal8Bit(overridden)
                              : QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    while (path.size() > 1 && (path.endsWith('/') || path.endsWith('\\')))
        path.chop(1);
    return CopyTextOut(path, directory, MAX_PATHNAME_LEN);
}
