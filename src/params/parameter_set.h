#pragma once
// The sensor's parameter set: 32 unsigned 16-bit fields, 64 bytes, field n at byte
// offset 2n, little-endian on the wire.

#include "link/parameter_fields.h"

#include <cstdint>

struct ParameterFields {
    uint16_t Power;     // 0..1000
    uint16_t PowerMode; // 0 STATIC, 1 DYNAMIC, 2 STATIC IN1
    uint16_t DynWinLo;
    uint16_t DynWinHi;
    uint16_t LedMode; // 0 DC, 1 AC, 2 OFF
    uint16_t Gain;    // 1..8 single stage, 9..12 IN0/IN1-switched combinations
    uint16_t Average;
    uint16_t Integral;
    uint16_t AnalogOutmode;    // 0 none, 1 voltage, 2 current
    uint16_t AnalogRange;      // 0 FULL, 1 MIN-MAX when IN0, 2 0-MAX when IN0, 3 CONV TABLE
    uint16_t AnalogOut;        // 0 CONT, 1 rising edge of IN1, 2 falling edge of IN1
    uint16_t DigitalOutmode;   // 0 OFF, 1 DIRECT, 2 INVERSE, 3..6 edge-triggered
    uint16_t Hold;             // tenths of a millisecond
    uint16_t ThresholdMode;    // 0 LOW, 1 HIGH, 2 WIN, 3 2 TRSH
    uint16_t ThresholdTracing; // 0 OFF, 1 ON TOL, 2 ON CONT
    uint16_t TtUp;
    uint16_t TtDown;
    uint16_t RefValueCh0;
    uint16_t ThresholdCalc1; // 0 ABSOLUTE, 1 RELATIVE
    uint16_t TeachValue1Sig;
    uint16_t Tolerance1;
    uint16_t Hysteresis1;
    uint16_t ThresholdCalc2;
    uint16_t TeachValue2Sig;
    uint16_t Tolerance2;
    uint16_t Hysteresis2;
    uint16_t ExternTeach; // 0 OFF, 1 DIRECT, 2 DYN, 3 MAX, 4 MIN, 5 (MAX+MIN)/2
    uint16_t DeadTime;
    uint16_t OperatingMode; // 0 NORMAL, 1 DIFFERENTIATOR, 2 DELTA CH0 INTEGRATOR
    uint16_t Sensitivity;
    uint16_t AdjChannelOffset; // 0 OFF, 1 ON
    uint16_t Ch0Offset;
};
static_assert(sizeof(ParameterFields) == kParameterSetBytes, "the parameter set is 64 bytes");

extern ParameterFields ParameterSet;

// Back to the state before start-up: every field zero.
void ResetParameterSet(void);

// Field n of the record (0..31), in wire order.
uint16_t GetParameterField(int n);
void SetParameterField(int n, uint16_t value);

// The record as the 64-byte wire payload and back.
void ParameterSetToWire(unsigned char payload[kParameterSetBytes]);
void ParameterSetFromWire(const unsigned char payload[kParameterSetBytes]);
