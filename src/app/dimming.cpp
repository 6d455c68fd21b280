#include "app/dimming.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "ui/userint.h"

namespace
{

struct DimTables {
    const DimTable *tables;
    int count;
};

DimTables g_dimTables;

int PanelOf(int place)
{
    if (place == DIM_MAIN_PANEL)
        return g_app.mainPanel;
    if (place == DIM_CONVERSION_PANEL)
        return g_app.convPanel;
    if (place >= 0 && place < MAIN_TAB_PAGE_COUNT)
        return g_app.mainPages[place];
    return 0;
}

// Sets ATTR_DIMMED of every control that has one of `roles`.
void DimControlsWith(unsigned roles, int dim)
{
    for (int t = 0; t < g_dimTables.count; ++t) {
        const DimTable &table = g_dimTables.tables[t];
        for (int e = 0; e < table.count; ++e)
            if (table.entries[e].roles & roles)
                SetCtrlAttribute(PanelOf(table.place), table.entries[e].control, ATTR_DIMMED, dim);
    }
}

} // namespace

void UseDimTables(const DimTable *tables, int count)
{
    g_dimTables = DimTables{tables, count};
}

void SetButtonsDimmed(int scope, int dim)
{
    if (!dim && AnyLoopActive())
        return;
    unsigned roles = DIM_NEEDS_LINK;
    if (scope == DIM_ALL_GROUPS)
        roles |= DIM_TRANSFER;
    if (dim)
        roles |= DIM_UNTIL_CHECKED;
    DimControlsWith(roles, dim);
    // Show the change at once, before a long operation starts.
    ProcessSystemEvents();
}

void RunDimmed(void (*operation)(void))
{
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    operation();
    SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}

void SetConnectionButtonsDimmed(int dim)
{
    DimControlsWith(DIM_CONNECTION_CHECK, dim);
}

void UndimOfflineControls(void)
{
    DimControlsWith(DIM_OFFLINE_USABLE, 0);
}
