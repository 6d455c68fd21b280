#include "params/param_controls.h"

#include "app/app_state.h"
#include "app/language.h"
#include "params/parameter_set.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

// One control per field, in wire order.
const ParaCtrl kFieldCtrls[kParameterCount] = {
    {PAGE_PARAMETERS_1, TABPARA1_POWER},       {PAGE_PARAMETERS_1, TABPARA1_POWERMODE},
    {PAGE_PARAMETERS_1, TABPARA1_DYNWINLO},    {PAGE_PARAMETERS_1, TABPARA1_DYNWINHI},
    {PAGE_PARAMETERS_1, TABPARA1_LEDMODE},     {PAGE_PARAMETERS_1, TABPARA1_GAIN},
    {PAGE_PARAMETERS_1, TABPARA1_AVERAGE},     {PAGE_PARAMETERS_1, TABPARA1_INTEGRAL},
    {PAGE_PARAMETERS_1, TABPARA1_ANAOUTMODE},  {PAGE_PARAMETERS_1, TABPARA1_ANARANGE},
    {PAGE_PARAMETERS_1, TABPARA1_ANAOUT},      {PAGE_PARAMETERS_1, TABPARA1_DIGOUTMODE},
    {PAGE_PARAMETERS_2, TABPARA2_HOLD},        {PAGE_PARAMETERS_2, TABPARA2_THRMODE},
    {PAGE_PARAMETERS_2, TABPARA2_THRTRACING},  {PAGE_PARAMETERS_2, TABPARA2_TTUP},
    {PAGE_PARAMETERS_2, TABPARA2_TTDOWN},      {PAGE_PARAMETERS_1, TABPARA1_REFVALCH0},
    {PAGE_PARAMETERS_2, TABPARA2_THRCALC1},    {PAGE_PARAMETERS_2, TABPARA2_TEACHVAL1},
    {PAGE_PARAMETERS_2, TABPARA2_TOL1},        {PAGE_PARAMETERS_2, TABPARA2_HYST1},
    {PAGE_PARAMETERS_2, TABPARA2_THRCALC2},    {PAGE_PARAMETERS_2, TABPARA2_TEACHVAL2},
    {PAGE_PARAMETERS_2, TABPARA2_TOL2},        {PAGE_PARAMETERS_2, TABPARA2_HYST2},
    {PAGE_PARAMETERS_2, TABPARA2_EXTTEACH},    {PAGE_PARAMETERS_2, TABPARA2_DEADTIME},
    {PAGE_PARAMETERS_1, TABPARA1_OPMODE},      {PAGE_PARAMETERS_1, TABPARA1_SENSITIVITY},
    {PAGE_PARAMETERS_1, TABPARA1_ADJCHOFFSET}, {PAGE_PARAMETERS_1, TABPARA1_CH0OFFSET},
};

} // namespace

ParaCtrl ParaCtrlOfField(int field)
{
    return kFieldCtrls[field];
}

int ParaPagePanel(int page)
{
    return g_app.mainPages[page];
}

uint16_t HoldTenthsFromMilliseconds(double milliseconds)
{
    double tenths = milliseconds * 10.0;
    return static_cast<uint16_t>(static_cast<long long>(tenths));
}

double HoldMillisecondsFromTenths(uint16_t tenths)
{
    return tenths / 10.0;
}

uint16_t ReadParaField(int field)
{
    ParaCtrl ctrl = ParaCtrlOfField(field);
    int panel = ParaPagePanel(ctrl.page);
    if (field == PF_HOLD) {
        double milliseconds = 0.0;
        GetCtrlVal(panel, ctrl.control, &milliseconds);
        SetParameterField(field, HoldTenthsFromMilliseconds(milliseconds));
    } else {
        unsigned short value = 0;
        GetCtrlVal(panel, ctrl.control, &value);
        SetParameterField(field, value);
    }
    return GetParameterField(field);
}

void ShowParaField(int field)
{
    ParaCtrl ctrl = ParaCtrlOfField(field);
    int panel = ParaPagePanel(ctrl.page);
    uint16_t value = GetParameterField(field);
    if (field == PF_HOLD)
        SetCtrlVal(panel, ctrl.control, HoldMillisecondsFromTenths(value));
    else
        SetCtrlVal(panel, ctrl.control, static_cast<int>(value));
}

void CorrectParaField(int field, uint16_t value)
{
    SetParameterField(field, value);
    ShowParaField(field);
}

void SetParaCtrlDimmed(int page, int control, bool dimmed)
{
    SetCtrlAttribute(ParaPagePanel(page), control, ATTR_DIMMED, dimmed ? 1 : 0);
}

void SetParaCtrlVisible(int page, int control, bool visible)
{
    SetCtrlAttribute(ParaPagePanel(page), control, ATTR_VISIBLE, visible ? 1 : 0);
}

void SetDataCtrlVisible(int control, bool visible)
{
    SetCtrlAttribute(g_app.dataPanel, control, ATTR_VISIBLE, visible ? 1 : 0);
}

void SetEvaluationCtrlVisible(int control, bool visible)
{
    SetCtrlAttribute(g_app.dataPages[DATA_PAGE_EVALUATION], control, ATTR_VISIBLE, visible ? 1 : 0);
}

void ShowParaMessage(const char *text)
{
    MessagePopup(Tr(kTxtInfoTitle), text);
}
