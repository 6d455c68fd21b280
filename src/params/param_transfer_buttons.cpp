// SEND, GET and the RAM / EEPROM / FILE selectors of the main panel.
#include "app/app_state.h"
#include "app/dimming.h"
#include "app/long_operation.h"
#include "link/link_busy.h"
#include "params/param_file.h"
#include "params/param_help_texts.h"
#include "params/param_transfer.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

// While live polling runs, or has been stopped but not yet returned, a transfer waits
// for the loop's next turn or its end, so that two exchanges never overlap on the
// link; while anything else uses the link it is refused.
void TransferWithSensor(int (*transfer)(void), short *requested)
{
    if (LoopRunning(LOOP_LIVE) || LoopActive(LOOP_LIVE)) {
        *requested = 1;
        return;
    }
    if (LinkBusy())
        return;
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    transfer();
    SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}

struct MemorySelector {
    int control;
    short memory;
};

const MemorySelector kMemorySelectors[] = {
    {MAINP_RAM, PARA_MEMORY_RAM},
    {MAINP_EEPROM, PARA_MEMORY_EEPROM},
    {MAINP_FILE, PARA_MEMORY_FILE},
};

void SendToSelectedMemory()
{
    if (g_app.paraMemory == PARA_MEMORY_FILE)
        SendParaToFile();
    else
        TransferWithSensor(SendPara, &g_loops.sendRequested);
}

void GetFromSelectedMemory()
{
    if (g_app.paraMemory == PARA_MEMORY_FILE)
        ReadParaFromFile();
    else
        TransferWithSensor(GetPara, &g_loops.getRequested);
}

} // namespace

int CBF_ButtonSend(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpSend, SendToSelectedMemory);
    return 0;
}

int CBF_ButtonGet(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpGet, GetFromSelectedMemory);
    return 0;
}

// Exactly one selector is on: the one changed last, even when it was clicked while on.
int CBF_ButtonSelectMem(int, int control, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_CLICK) {
        ShowHelpPopup(kHelpSelectMem);
        return 0;
    }
    if (event != EVENT_VAL_CHANGED)
        return 0;
    for (const MemorySelector &selector : kMemorySelectors) {
        bool chosen = selector.control == control;
        SetCtrlVal(g_app.mainPanel, selector.control, chosen ? 1 : 0);
        if (chosen)
            g_app.paraMemory = selector.memory;
    }
    return 0;
}
