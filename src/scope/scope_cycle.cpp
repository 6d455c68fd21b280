// The sensor's cycle time, the time base of delta X, and delta X and delta Y between
// the two cursors of the analog graph.
#include "app/app_state.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "scope/cycle_time_reply.h"
#include "scope/scope.h"
#include "ui/userint.h"

#include <cmath>
#include <cstdlib>

namespace
{

int ScopePage()
{
    return g_app.mainPages[PAGE_SCOPE];
}

// Scan frequency in Hz; 0 after a failed request and for a reply that carries none.
double MeasureScanFrequency()
{
    g_link.currentCommand = ORDER_READ_CYCLE_TIME;
    FillTxBuf(ORDER_READ_CYCLE_TIME, 0, 0);
    if (DataExchange(kFrameHeaderSize) != LINK_OK)
        return 0.0;
    return ScanFrequencyFromReply(g_scope.elapsedSeconds);
}

} // namespace

int ScanFrequencyPrecision(double frequency)
{
    if (frequency > 1000.0)
        return 0;
    return frequency > 1.0 ? 1 : 2;
}

int CycleTimePrecision(double frequency)
{
    if (frequency > 10000.0)
        return 6;
    return frequency > 1.0 ? 3 : 0;
}

int DeltaXPrecision(double deltaX)
{
    if (deltaX > 1000.0)
        return 0;
    return deltaX > 1.0 ? 3 : 6;
}

void GetCycleTime(void)
{
    double frequency = MeasureScanFrequency();
    SetCtrlAttribute(ScopePage(), TABSCOPE_SCANFREQ, ATTR_PRECISION, ScanFrequencyPrecision(frequency));
    SetCtrlAttribute(ScopePage(), TABSCOPE_CYCLETIME, ATTR_PRECISION, CycleTimePrecision(frequency));
    SetCtrlVal(ScopePage(), TABSCOPE_SCANFREQ, frequency);
    g_scope.cycleTime = frequency > 0.0 ? 1000.0 / frequency : 0.0;
    SetCtrlVal(ScopePage(), TABSCOPE_CYCLETIME, g_scope.cycleTime);
}

void calcScopDeltaXY(void)
{
    GetCtrlVal(ScopePage(), TABSCOPE_SCANRATE, &g_scope.scanRate);
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    GetGraphCursor(g_app.scopePanel, SCOPEP_GRAPH, 1, &x1, &y1);
    GetGraphCursor(g_app.scopePanel, SCOPEP_GRAPH, 2, &x2, &y2);
    SetGraphCursor(g_app.scopePanel, SCOPEP_DIGGRAPH, 1, x1, 0.0);
    SetGraphCursor(g_app.scopePanel, SCOPEP_DIGGRAPH, 2, x2, 0.0);
    double samples = std::fabs(std::trunc(x1 - x2));
    long deltaY = std::labs((long)std::trunc(y1) - (long)std::trunc(y2));
    double deltaX = samples * g_scope.cycleTime * g_scope.scanRate;
    SetCtrlAttribute(g_app.scopePanel, SCOPEP_DELTAX, ATTR_PRECISION, DeltaXPrecision(deltaX));
    SetCtrlVal(g_app.scopePanel, SCOPEP_DELTAX, deltaX);
    SetCtrlVal(g_app.scopePanel, SCOPEP_DELTAY, (int)deltaY);
}
