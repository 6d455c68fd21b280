#include "sim_params.h"

// Defaults are those a parameter file falls back to; the ranges are the simulated
// firmware's own, no narrower than what the program's form lets an operator enter.
const ParameterRule kParameterRules[kParameterCount] = {
    {"POWER", 500, 0, 1000},         {"POWER MODE", 0, 0, 2},
    {"DYNWIN LO", 3200, 0, 4095},    {"DYNWIN HI", 3300, 0, 4095},
    {"LED MODE", 0, 0, 2},           {"GAIN", 5, 1, 12},
    {"AVERAGE", 1, 1, 1000},         {"INTEGRAL", 1, 0, 250},
    {"ANALOG OUTMODE", 0, 0, 2},     {"ANALOG RANGE", 0, 0, 3},
    {"ANALOG OUT", 0, 0, 2},         {"DIGITAL OUTMODE", 1, 0, 6},
    {"HOLD", 100, 0, 65535},         {"THRESHOLD MODE", 0, 0, 3},
    {"THRESHOLD TRACING", 0, 0, 2},  {"TT UP", 100, 0, 60000},
    {"TT DOWN", 100, 0, 60000},      {"REF VALUE CH0", 2000, 0, 4095},
    {"THRESHOLD CALC 1", 1, 0, 1},   {"TEACH VALUE 1 SIG", 2000, 0, 4095},
    {"TOLERANCE 1", 20, 0, 4095},    {"HYSTERESIS 1", 10, 0, 4095},
    {"THRESHOLD CALC 2", 1, 0, 1},   {"TEACH VALUE 2 SIG", 2000, 0, 4095},
    {"TOLERANCE 2", 20, 0, 4095},    {"HYSTERESIS 2", 10, 0, 4095},
    {"EXTERN TEACH", 0, 0, 5},       {"DEAD TIME", 0, 0, 100},
    {"OPERATING MODE", 0, 0, 2},     {"SENSITIVITY", 0, 0, 65535},
    {"ADJ CHANNEL OFFSET", 0, 0, 1}, {"CH0 OFFSET", 0, 0, 4095},
};

void SetDefaultParameters(unsigned short set[kParameterCount])
{
    for (int i = 0; i < kParameterCount; ++i)
        set[i] = kParameterRules[i].defaultValue;
}

int ReplaceImplausibleParameters(unsigned short set[kParameterCount])
{
    int replaced = 0;
    for (int i = 0; i < kParameterCount; ++i) {
        const ParameterRule &rule = kParameterRules[i];
        if (set[i] < rule.minimum || set[i] > rule.maximum) {
            set[i] = rule.defaultValue;
            ++replaced;
        }
    }
    return replaced;
}

void ParametersFromBytes(const unsigned char *bytes, unsigned short set[kParameterCount])
{
    for (int i = 0; i < kParameterCount; ++i)
        set[i] = GetLe16(bytes + 2 * i);
}

void ParametersToBytes(const unsigned short set[kParameterCount], unsigned char *bytes)
{
    for (int i = 0; i < kParameterCount; ++i)
        PutLe16(bytes + 2 * i, set[i]);
}
