#include "params/param_file_keys.h"

#include "params/param_controls.h"
#include "params/param_file.h"
#include "params/param_texts.h"
#include "params/parameter_set.h"

#include <string>

const ParaFileKey kParaFileKeys[kParaFileKeyCount] = {
    {"POWER", PF_POWER, 500, "POWER"},
    {"POWER MODE", PF_POWER_MODE, 0, "POWER MODE"},
    {"DYNWIN LO", PF_DYNWIN_LO, 3200, "DYNWIN LO"},
    {"DYNWIN HI", PF_DYNWIN_HI, 3300, "DYNWIN HI"},
    {"LED MODE", PF_LED_MODE, 0, "LED MODE"},
    {"GAIN", PF_GAIN, 5, "GAIN"},
    {"AVERAGE", PF_AVERAGE, 1, "AVERAGE"},
    {"INTEGRAL", PF_INTEGRAL, 1, "INTEGRAL"},
    {"ANALOG OUTMODE", PF_ANALOG_OUTMODE, 0, "ANALOG OUTMODE"},
    {"ANALOG RANGE", PF_ANALOG_RANGE, 0, "ANALOG RANGE"},
    {"ANALOG OUT", PF_ANALOG_OUT, 0, "ANALOG OUT"},
    {"DIGITAL OUTMODE", PF_DIGITAL_OUTMODE, 1, "DIGITAL OUTMODE"},
    {"HOLD", PF_HOLD, 100, "HOLD"},
    {"THRESHOLD MODE", PF_THRESHOLD_MODE, 0, "THRESHOLD MODE"},
    {"THRESHOLD TRACING", PF_THRESHOLD_TRACING, 0, "THRESHOLD TRACING"},
    {"TT UP", PF_TT_UP, 100, "TT UP"},
    {"TT DOWN", PF_TT_DOWN, 100, "TT DOWN"},
    {"THRESHOLD CALC 1", PF_THRESHOLD_CALC_1, 1, "THRESHOLD CALC 1"},
    {"TEACH VALUE 1 SIG", PF_TEACH_VALUE_1_SIG, 2000, "TEACH VALUE 1 SIG"},
    {"TOLERANCE 1", PF_TOLERANCE_1, 20, "TOLERANCE 1"},
    {"HYSTERESIS 1", PF_HYSTERESIS_1, 10, "HYSTERESIS 1"},
    {"THRESHOLD CALC 2", PF_THRESHOLD_CALC_2, 1, "THRESHOLD CALC 2"},
    {"TEACH VALUE 2 SIG", PF_TEACH_VALUE_2_SIG, 2000, "TEACH VALUE 2 SIG"},
    {"TOLERANCE 2", PF_TOLERANCE_2, 20, "TOLERANCE 2"},
    {"HYSTERESIS 2", PF_HYSTERESIS_2, 10, "HYSTERESIS 2"},
    {"EXTERN TEACH", PF_EXTERN_TEACH, 0, "EXTERN TEACH"},
    {"DEAD TIME", PF_DEAD_TIME, 0, "DEAD TIME"},
    {"OPERATING MODE", PF_OPERATING_MODE, 0, "OPERATING MODE"},
    {"SENSITIVITY", PF_SENSITIVITY, 0, "SENSITIVITY"},
    {"REF VALUE CH0", PF_REF_VALUE_CH0, 2000, "REFERENCE VALUE CH0"},
    {"ADJ CHANNEL OFFSET", PF_ADJ_CHANNEL_OFFSET, 0, "ADJ CHANNEL OFFSET"},
    {"CH0 OFFSET", PF_CH0_OFFSET, 0, "CH0 OFFSET"},
};

int AppendParaToIniHandle(IniText store)
{
    for (const ParaFileKey &entry : kParaFileKeys) {
        int result = Ini_PutInt(store, kParaSection, entry.key, GetParameterField(entry.field));
        if (result < 0)
            return result;
    }
    return 0;
}

// Every key that is missing or not a number takes its default and is listed in one
// message; a value outside 16 bits keeps its low 16 bits. Returns the number of keys
// that took their default.
int AcquireParaFromIniHandle(IniText store)
{
    std::string missing = Tr(kTxtMissingKeysHead);
    int missingCount = 0;
    for (const ParaFileKey &entry : kParaFileKeys) {
        int value = 0;
        if (Ini_GetInt(store, kParaSection, entry.key, &value) == 1) {
            SetParameterField(entry.field, static_cast<uint16_t>(value));
            continue;
        }
        SetParameterField(entry.field, entry.defaultValue);
        missing += entry.listedAs;
        missing += "\n";
        ++missingCount;
    }
    if (missingCount > 0)
        ShowParaMessage(missing.c_str());
    return missingCount;
}
