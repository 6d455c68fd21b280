#pragma once
// The fields of the parameter payload: 32 unsigned 16-bit values, field n at byte
// offset 2n, little-endian. The program and the simulator both use these indices.

#include "link/frame.h"

constexpr int kParameterCount = kParameterSetBytes / 2;

// Field indices, in wire order.
enum ParameterField {
    PF_POWER = 0,
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
    PF_TEACH_VALUE_1_SIG,
    PF_TOLERANCE_1,
    PF_HYSTERESIS_1,
    PF_THRESHOLD_CALC_2,
    PF_TEACH_VALUE_2_SIG,
    PF_TOLERANCE_2,
    PF_HYSTERESIS_2,
    PF_EXTERN_TEACH,
    PF_DEAD_TIME,
    PF_OPERATING_MODE,
    PF_SENSITIVITY,
    PF_ADJ_CHANNEL_OFFSET,
    PF_CH0_OFFSET,
};
