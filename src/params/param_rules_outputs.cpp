// Rule steps 3 to 5: the digital and analog outputs and the transmitter.
#include "app/app_state.h"
#include "params/param_controls.h"
#include "params/param_form.h"
#include "params/param_texts.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

// Without a digital output there is nothing to switch: the parameters II page and
// the threshold displays go, and the DYN teach (which serves the output) ends.
void InitDigOutmode(void)
{
    uint16_t digitalOutmode = ReadParaField(PF_DIGITAL_OUTMODE);
    uint16_t externTeach = ReadParaField(PF_EXTERN_TEACH);
    bool digitalOn = digitalOutmode != DIGITAL_OUTMODE_OFF;

    SetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_2, ATTR_VISIBLE, digitalOn ? 1 : 0);
    SetDataCtrlVisible(DATAP_REFSIG1, digitalOn);
    SetEvaluationCtrlVisible(DATATAB1_EVAL1CHART, digitalOn);
    SetEvaluationCtrlVisible(DATATAB1_SIGCHART, !digitalOn);
    if (digitalOn)
        return;
    SetDataCtrlVisible(DATAP_REFSIG2, false);
    SetEvaluationCtrlVisible(DATATAB1_EVAL2CHART, false);
    if (externTeach == EXTERN_TEACH_DYN)
        CorrectParaField(PF_EXTERN_TEACH, EXTERN_TEACH_OFF);
}

void InitAnaOutmode(void)
{
    uint16_t analogOutmode = ReadParaField(PF_ANALOG_OUTMODE);
    uint16_t analogRange = ReadParaField(PF_ANALOG_RANGE);
    uint16_t digitalOutmode = ReadParaField(PF_DIGITAL_OUTMODE);
    uint16_t externTeach = ReadParaField(PF_EXTERN_TEACH);

    bool analogOn = analogOutmode == ANALOG_OUTMODE_VOLTAGE || analogOutmode == ANALOG_OUTMODE_CURRENT;
    SetParaCtrlVisible(PAGE_PARAMETERS_1, TABPARA1_ANARANGE, analogOn);
    SetParaCtrlVisible(PAGE_PARAMETERS_1, TABPARA1_ANAOUT, analogOn);
    SetEvaluationCtrlVisible(DATATAB1_VOLT, analogOutmode == ANALOG_OUTMODE_VOLTAGE);
    SetEvaluationCtrlVisible(DATATAB1_MILLIAMP, analogOutmode == ANALOG_OUTMODE_CURRENT);

    // MAX and MIN are collected by the MAX, MIN and (MAX+MIN)/2 teach and by the
    // IN0-driven analog ranges.
    bool teachUsesMaxMin = digitalOutmode != DIGITAL_OUTMODE_OFF && externTeach > EXTERN_TEACH_DYN;
    bool rangeUsesMaxMin = analogOutmode != ANALOG_OUTMODE_NONE &&
                           (analogRange == ANALOG_RANGE_MIN_MAX_IN0 || analogRange == ANALOG_RANGE_0_MAX_IN0);
    bool maxMinShown = teachUsesMaxMin || rangeUsesMaxMin;
    SetDataCtrlVisible(DATAP_MAXMIN1, maxMinShown);
    SetDataCtrlVisible(DATAP_MAXMIN2, maxMinShown);
}

namespace
{

struct PowerDims {
    bool powerMode;
    bool power;
    bool dynWin;
};

PowerDims ApplyPowerRules(uint16_t powerMode, uint16_t ledMode, uint16_t externTeach)
{
    if (ledMode == LED_MODE_OFF) {
        CorrectParaField(PF_POWER_MODE, POWER_MODE_STATIC);
        CorrectParaField(PF_POWER, 0);
        if (externTeach == EXTERN_TEACH_DYN) {
            CorrectParaField(PF_EXTERN_TEACH, EXTERN_TEACH_OFF);
            ShowParaMessage(Tr(kTxtExtTeachDynNotWithLedOff));
        }
        return PowerDims{true, true, true};
    }
    if (externTeach == EXTERN_TEACH_DYN) {
        // The DYN teach regulates the power itself, inside the dynamic window.
        CorrectParaField(PF_POWER_MODE, POWER_MODE_STATIC);
        return PowerDims{true, true, false};
    }
    return PowerDims{false, powerMode == POWER_MODE_DYNAMIC,
                     powerMode == POWER_MODE_STATIC || powerMode == POWER_MODE_STATIC_IN1};
}

} // namespace

void InitPowerMode(void)
{
    uint16_t powerMode = ReadParaField(PF_POWER_MODE);
    uint16_t ledMode = ReadParaField(PF_LED_MODE);
    uint16_t adjChannelOffset = ReadParaField(PF_ADJ_CHANNEL_OFFSET);
    uint16_t externTeach = ReadParaField(PF_EXTERN_TEACH);

    PowerDims dims = ApplyPowerRules(powerMode, ledMode, externTeach);
    // While the channel offset is adjusted the light path must stay as it was measured.
    bool offsetOn = adjChannelOffset == CHANNEL_OFFSET_ON;
    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_POWERMODE, dims.powerMode || offsetOn);
    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_POWER, dims.power || offsetOn);
    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_DYNWINLO, dims.dynWin || offsetOn);
    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_DYNWINHI, dims.dynWin || offsetOn);
    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_INTEGRAL, offsetOn);
    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_LEDMODE, offsetOn);
    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_GAIN, offsetOn);
    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_CH0OFFSET, !offsetOn);
    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_ASSIGNOFFSET, !offsetOn);
}
