// Moving the parameter set between the form and the sensor's RAM or EEPROM. The
// sensor checks every set it takes and reports how many values it replaced by its
// defaults; that count is shown on the connection page.
#include "params/param_transfer.h"

#include "app/app_state.h"
#include "app/language.h"
#include "app/long_operation.h"
#include "app/status_box.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "link/reply_data.h"
#include "params/param_form.h"
#include "params/parameter_set.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstdio>

namespace
{

const TextPair kTxtRamNotPlausible = {
    " Parameter im RAM sind nicht plausibel und wurden auf ihre Grundeinstellung gesetzt!",
    " Parameter in RAM did not pass plausibility check and were set to default value!"};
const TextPair kTxtEepromNotPlausible = {
    " Parameter im EEPROM sind nicht plausibel und wurden auf ihre Grundeinstellung gesetzt!",
    " Parameter from EEPROM did not pass plausibility check and were set to default value!"};

int Exchange(int command, int dataLength)
{
    g_link.currentCommand = (unsigned char)command;
    FillTxBuf(command, 0, (unsigned)dataLength);
    return DataExchange(kFrameHeaderSize + dataLength);
}

// A count of replaced values is no failure: it is shown and the transfer goes on.
void ReportPlausibility(const TextPair &text, int *count)
{
    int replaced = g_link.replyParameter;
    if (count)
        *count = replaced;
    if (replaced == 0)
        return;
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION);
    char report[256];
    std::snprintf(report, sizeof report, "%s\n%d%s\n\n", Tr(kTxtInfoTitle), replaced, Tr(text));
    AppendStatusText(report);
}

} // namespace

int SendPara(void)
{
    return SendPara(nullptr);
}

int GetPara(void)
{
    return GetPara(nullptr);
}

int SendPara(int *replaced)
{
    if (replaced)
        *replaced = 0;
    g_loops.sendRequested = 0;
    GetPanelValues();
    ParameterSetToWire(RequestPayload());
    if (Exchange(ORDER_WRITE_PARAMETERS, kParameterSetBytes) != LINK_OK)
        return LINK_FAILED;
    ReportPlausibility(kTxtRamNotPlausible, replaced);
    // The sensor's substituted defaults are stored too, as the operator sees them reported.
    if (g_app.paraMemory == PARA_MEMORY_EEPROM && Exchange(ORDER_SAVE_PARAMETERS_TO_EEPROM, 0) != LINK_OK)
        return LINK_FAILED;
    return LINK_OK;
}

int GetPara(int *replaced)
{
    if (replaced)
        *replaced = 0;
    g_loops.getRequested = 0;
    if (g_app.paraMemory == PARA_MEMORY_EEPROM) {
        if (Exchange(ORDER_LOAD_PARAMETERS_FROM_EEPROM, 0) != LINK_OK)
            return LINK_FAILED;
        ReportPlausibility(kTxtEepromNotPlausible, replaced);
    }
    unsigned char payload[kParameterSetBytes];
    if (Exchange(ORDER_READ_PARAMETERS, 0) != LINK_OK || TakeParameterSetReply(payload) != LINK_OK)
        return LINK_FAILED;
    ParameterSetFromWire(payload);
    SetPanelValues();
    InitPanelCtrlAttr();
    return LINK_OK;
}
