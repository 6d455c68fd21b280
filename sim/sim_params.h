#pragma once
// The sensor's parameter set: 32 unsigned 16-bit fields, their defaults and the
// plausibility ranges the simulated firmware checks every received or loaded set with.

#include "link/frame.h"

constexpr int kParameterCount = kParameterSetBytes / 2;

enum ParameterField {
    PF_POWER,
    PF_POWER_MODE,
    PF_DYNWIN_LO,
    PF_DYNWIN_HI,
    PF_LED_MODE,
    PF_GAIN,
    PF_AVERAGE,
    PF_INTEGRAL,
    PF_ANALOG_OUTMODE,
    PF_ANALOG_RANGE,
    PF_ANALOG_OUT,
    PF_DIGITAL_OUTMODE,
    PF_HOLD,
    PF_THRESHOLD_MODE,
    PF_THRESHOLD_TRACING,
    PF_TT_UP,
    PF_TT_DOWN,
    PF_REF_VALUE_CH0,
    PF_THRESHOLD_CALC_1,
    PF_TEACH_VALUE_1,
    PF_TOLERANCE_1,
    PF_HYSTERESIS_1,
    PF_THRESHOLD_CALC_2,
    PF_TEACH_VALUE_2,
    PF_TOLERANCE_2,
    PF_HYSTERESIS_2,
    PF_EXTERN_TEACH,
    PF_DEAD_TIME,
    PF_OPERATING_MODE,
    PF_SENSITIVITY,
    PF_ADJ_CHANNEL_OFFSET,
    PF_CH0_OFFSET,
};

struct ParameterRule {
    const char *name;
    unsigned short defaultValue;
    unsigned short minimum;
    unsigned short maximum;
};

extern const ParameterRule kParameterRules[kParameterCount];

void SetDefaultParameters(unsigned short set[kParameterCount]);
// Replaces every field outside its range by its default; returns how many were replaced.
int ReplaceImplausibleParameters(unsigned short set[kParameterCount]);

void ParametersFromBytes(const unsigned char *bytes, unsigned short set[kParameterCount]);
void ParametersToBytes(const unsigned short set[kParameterCount], unsigned char *bytes);
