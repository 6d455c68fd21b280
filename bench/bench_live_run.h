#pragma once
// One run of the real program's live polling loop for a benchmark: GO pressed, STOP
// pressed after a time or a number of frames, and what the run achieved.

#include "app/app_state.h"
#include "bench_clock.h"
#include "live/live_state.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <QObject>
#include <QTimer>

struct LiveRun {
    double seconds = 0.0;
    unsigned long long frames = 0;
    double stopToReturn = 0.0; // seconds from STOP's commit to GO's callback returning
};

// Presses GO and presses STOP after `seconds`, or, with `frames` above 0, once that
// many frames were taken (checked every 20 ms). No fast timer runs beside the loop: a
// timer event every millisecond would wake the link's waits and flatter the figures.
inline LiveRun RunLive(double seconds, unsigned long long frames = 0)
{
    LiveRun run;
    const unsigned long long framesBefore = g_live.framesTaken;
    const double start = WallSeconds();
    double stopAt = 0.0;
    auto stop = [&]() {
        if (stopAt != 0.0)
            return;
        stopAt = WallSeconds();
        CBF_ButtonStop(g_app.mainPanel, MAINP_STOP, EVENT_COMMIT, nullptr, 0, 0);
    };
    QTimer timer;
    if (frames > 0) {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [&]() {
            if (g_live.framesTaken - framesBefore >= frames)
                stop();
        });
    } else {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval((int)(seconds * 1000));
        QObject::connect(&timer, &QTimer::timeout, stop);
    }
    timer.start();
    CBF_ButtonGo(g_app.mainPanel, MAINP_GO, EVENT_COMMIT, nullptr, 0, 0);
    const double end = WallSeconds();
    timer.stop();
    run.frames = g_live.framesTaken - framesBefore;
    run.seconds = (stopAt > 0.0 ? stopAt : end) - start;
    run.stopToReturn = stopAt > 0.0 ? end - stopAt : -1.0;
    return run;
}
