// Rule steps 1 and 2: the signal processing mode and the IN0/IN1-switched gain.
#include "params/param_controls.h"
#include "params/param_form.h"
#include "params/param_texts.h"
#include "resource/panel_ids.h"

#include <string>

void InitOperatingMode(void)
{
    uint16_t operatingMode = ReadParaField(PF_OPERATING_MODE);
    uint16_t powerMode = ReadParaField(PF_POWER_MODE);
    uint16_t digitalOutmode = ReadParaField(PF_DIGITAL_OUTMODE);
    uint16_t externTeach = ReadParaField(PF_EXTERN_TEACH);

    if (operatingMode != OPERATING_MODE_NORMAL && powerMode == POWER_MODE_DYNAMIC) {
        CorrectParaField(PF_OPERATING_MODE, OPERATING_MODE_NORMAL);
        ShowParaMessage(Tr(kTxtOpModeNotWithDynamic));
    }
    operatingMode = ReadParaField(PF_OPERATING_MODE);

    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_SENSITIVITY, operatingMode == OPERATING_MODE_NORMAL);
    // With DIRECT or DYN teach the sensor takes its reference from IN0, unless the
    // digital output (which the teach serves) is off.
    bool teachSetsReference = externTeach == EXTERN_TEACH_DIRECT || externTeach == EXTERN_TEACH_DYN;
    bool refValueUsed = operatingMode == OPERATING_MODE_DELTA_CH0 &&
                        (digitalOutmode == DIGITAL_OUTMODE_OFF || !teachSetsReference);
    SetParaCtrlDimmed(PAGE_PARAMETERS_1, TABPARA1_REFVALCH0, !refValueUsed);
    SetDataCtrlVisible(DATAP_REFCH0, operatingMode == OPERATING_MODE_DELTA_CH0);
}

namespace
{

// A correction of GAIN's step; the line is told only when the output it concerns is on.
void NoteGainCorrection(std::string &message, bool &changed, bool outputOn, const TextPair &line)
{
    if (!outputOn)
        return;
    message += Tr(line);
    changed = true;
}

} // namespace

// GAIN 9 and above lets IN0 and IN1 pick the amplification stage, so every setting
// that uses those inputs for something else is turned back.
void InitGain(void)
{
    if (ReadParaField(PF_GAIN) < GAIN_FIRST_COMBINATION)
        return;
    uint16_t analogOutmode = ReadParaField(PF_ANALOG_OUTMODE);
    uint16_t analogRange = ReadParaField(PF_ANALOG_RANGE);
    uint16_t analogOut = ReadParaField(PF_ANALOG_OUT);
    uint16_t digitalOutmode = ReadParaField(PF_DIGITAL_OUTMODE);
    uint16_t externTeach = ReadParaField(PF_EXTERN_TEACH);
    uint16_t powerMode = ReadParaField(PF_POWER_MODE);

    std::string message = Tr(kTxtGainCombinationHead);
    bool changed = false;
    bool analogOn = analogOutmode != ANALOG_OUTMODE_NONE;
    bool digitalOn = digitalOutmode != DIGITAL_OUTMODE_OFF;

    if (analogRange == ANALOG_RANGE_MIN_MAX_IN0 || analogRange == ANALOG_RANGE_0_MAX_IN0) {
        CorrectParaField(PF_ANALOG_RANGE, ANALOG_RANGE_FULL);
        NoteGainCorrection(message, changed, analogOn, kTxtGainAnaRangeFull);
    }
    if (analogOut != ANALOG_OUT_CONT) {
        CorrectParaField(PF_ANALOG_OUT, ANALOG_OUT_CONT);
        NoteGainCorrection(message, changed, analogOn, kTxtGainAnaOutCont);
    }
    if (externTeach != EXTERN_TEACH_OFF) {
        CorrectParaField(PF_EXTERN_TEACH, EXTERN_TEACH_OFF);
        NoteGainCorrection(message, changed, digitalOn, kTxtGainExtTeachOff);
    }
    if (digitalOutmode == DIGITAL_OUTMODE_DIR_RIS_EDG || digitalOutmode == DIGITAL_OUTMODE_DIR_FAL_EDG) {
        CorrectParaField(PF_DIGITAL_OUTMODE, DIGITAL_OUTMODE_DIRECT);
        NoteGainCorrection(message, changed, true, kTxtGainDigOutDirect);
    } else if (digitalOutmode == DIGITAL_OUTMODE_INV_RIS_EDG ||
               digitalOutmode == DIGITAL_OUTMODE_INV_FAL_EDG) {
        CorrectParaField(PF_DIGITAL_OUTMODE, DIGITAL_OUTMODE_INVERSE);
        NoteGainCorrection(message, changed, true, kTxtGainDigOutInverse);
    }
    if (powerMode == POWER_MODE_STATIC_IN1) {
        CorrectParaField(PF_POWER_MODE, POWER_MODE_STATIC);
        NoteGainCorrection(message, changed, true, kTxtGainPowerModeStatic);
    }
    if (changed)
        ShowParaMessage(message.c_str());
}
