// Drawing a scan's blocks: the analog graph and the four digital traces.
#include "app/app_state.h"
#include "scope/scope.h"
#include "ui/userint.h"

namespace
{

constexpr int kSignalBoth = 0;
constexpr int kSignalCh0 = 1;
constexpr int kSignalSig = 2;

// Bit of the state word and base level of each digital trace, in plotting order.
constexpr int kDigitalBits[kDigitalTraces] = {0, 1, 8, 9};
constexpr int kDigitalBase[kDigitalTraces] = {2, 0, 6, 4};

void PlotBlock(int graph, const unsigned short *block, int color)
{
    PlotY(g_app.scopePanel, graph, block, kScopeSamples, VAL_UNSIGNED_SHORT_INTEGER, VAL_THIN_LINE,
          VAL_NO_POINT, VAL_SOLID, 1, color);
}

void BuildDigitalTraces()
{
    for (int trace = 0; trace < kDigitalTraces; ++trace)
        for (int k = 0; k < kScopeSamples; ++k)
            g_scope.digital[trace][k] =
                (unsigned short)(((g_scope.samples[2][k] >> kDigitalBits[trace]) & 1u) + kDigitalBase[trace]);
}

} // namespace

void PlotScopeSignals(int selection)
{
    DeleteGraphPlot(g_app.scopePanel, SCOPEP_GRAPH, VAL_ALL_PLOTS, VAL_IMMEDIATE_DRAW);
    if (selection == kSignalBoth || selection == kSignalCh0)
        PlotBlock(SCOPEP_GRAPH, g_scope.samples[0], VAL_GREEN);
    if (selection == kSignalBoth || selection == kSignalSig)
        PlotBlock(SCOPEP_GRAPH, g_scope.samples[1], VAL_DK_YELLOW);
}

// Both analog blocks whatever the selector shows, then the four digital traces.
void PlotScopeScan()
{
    BuildDigitalTraces();
    PlotScopeSignals(kSignalBoth);
    DeleteGraphPlot(g_app.scopePanel, SCOPEP_DIGGRAPH, VAL_ALL_PLOTS, VAL_IMMEDIATE_DRAW);
    for (int trace = 0; trace < kDigitalTraces; ++trace)
        PlotBlock(SCOPEP_DIGGRAPH, g_scope.digital[trace], VAL_GRAY);
}
