// Callbacks of the conversion table page and the conversion panel.
#include "app/app_state.h"
#include "app/child_panels.h"
#include "app/dimming.h"
#include "convtable/conv_eeprom.h"
#include "convtable/conv_file.h"
#include "convtable/conv_table.h"
#include "convtable/conv_texts.h"
#include "link/exchange.h"
#include "link/link_busy.h"
#include "link/link_state.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

constexpr double kZoomXMax = 4100.0;
constexpr double kZoomYMax = 10000.0;

void ShowInfo(const TextPair &text)
{
    MessagePopup(Tr(kTxtInfoTitle), Tr(text));
}

void ShowSavedOrNot(bool saved)
{
    ShowInfo(saved ? kTxtSavedToEeprom : kTxtNotSavedToEeprom);
}

// The data panel takes the conversion panel's place in the child panel area.
void ShowDataPanelInPlace()
{
    ShowChildPanelDisp(g_app.dataPanel);
}

void CalculateAndTell()
{
    CalcConvData();
    if (g_conv.dataValid == 1)
        ShowInfo(kTxtCalculationSuccessful);
}

// Saved or not is this write's own outcome, whatever an earlier failure left in the
// sensor-connected flag.
void SaveConvTableAndTell()
{
    ShowSavedOrNot(SaveConvTableToEE() == LINK_OK);
}

void ReadConvTableFromEE()
{
    GetConvTableFromEE();
}

// Each EEPROM operation is refused while the link is busy.
void GetConvTableFromEEDimmed()
{
    if (!LinkBusy())
        RunDimmed(ReadConvTableFromEE);
}

void SaveConvTableToEEDimmed()
{
    if (!LinkBusy())
        RunDimmed(SaveConvTableAndTell);
}

void CalculateAndSaveConvDataAndTell()
{
    CalculateAndSaveConvData();
}

void CalculateAndSaveConvDataDimmed()
{
    if (!LinkBusy())
        RunDimmed(CalculateAndSaveConvDataAndTell);
}

void LoadConvTableFile()
{
    GetConvTableFromFile();
}

void ZoomConvOneToOne()
{
    SetAxisScalingMode(g_app.convPanel, CONVP_GRAPH, VAL_XAXIS, VAL_MANUAL, 0.0, kZoomXMax);
    SetAxisScalingMode(g_app.convPanel, CONVP_GRAPH, VAL_LEFT_YAXIS, VAL_MANUAL, 0.0, kZoomYMax);
}

} // namespace

// The curve is recalculated first, so the data sent are those of the table in view.
int CalculateAndSaveConvData(void)
{
    CalcConvData();
    short data[kConvDataValues];
    if (g_conv.dataValid != 1 || !ScaleConvData(data)) {
        ShowInfo(kTxtDataCanNotBeSaved);
        return 0;
    }
    g_link.sensorConnected = 1;
    int result = SaveConvDataToEE();
    ShowSavedOrNot(result == LINK_OK);
    return result;
}

int CBF_ButtonResetConvTable(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonResetConvTable, ResetConvTable);
    return 0;
}

int CBF_ButtonAssign(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonAssign, AssignLiveSignal);
    return 0;
}

int CBF_ButtonCalcConvData(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonCalcConvData, CalculateAndTell);
    return 0;
}

// A typed cell: eventData1 is its row, eventData2 its column.
int CBF_TableConv(int, int, int event, void *, int row, int column)
{
    if (event == EVENT_COMMIT)
        CheckTypedConvCell(row, column);
    return 0;
}

int CBF_ButtonGetConvTableFromFile(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonGetConvTableFromFile, LoadConvTableFile);
    return 0;
}

int CBF_ButtonSaveConvTableToFile(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonSaveConvTableToFile, SaveConvTableToFile);
    return 0;
}

int CBF_ButtonGetConvTableFromEE(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonGetConvTableFromEE, GetConvTableFromEEDimmed);
    return 0;
}

int CBF_ButtonSaveConvTableToEE(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonSaveConvTableToEE, SaveConvTableToEEDimmed);
    return 0;
}

int CBF_GraphConv(int, int, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpPopup(kHelpGraphConv);
    return 0;
}

int CBF_ButtonZoomConv11(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonZoomConv11, ZoomConvOneToOne);
    return 0;
}

int CBF_ButtonSaveConvDataToEE(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonSaveConvDataToEE, CalculateAndSaveConvDataDimmed);
    return 0;
}

int CBF_ButtonCloseCP(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonCloseCP, ShowDataPanelInPlace);
    return 0;
}

// The conversion panel has no reaction of its own.
int CBF_CONVP(int, int, void *, int, int)
{
    return 0;
}
