#pragma once
// Where each field of the parameter set lives on the form, and the few operations the
// form code needs on those controls and on the data panel's displays and charts.

#include "link/parameter_fields.h"

#include <cstdint>

// Coded values that the rules test or set
constexpr uint16_t POWER_MODE_STATIC = 0;
constexpr uint16_t POWER_MODE_DYNAMIC = 1;
constexpr uint16_t POWER_MODE_STATIC_IN1 = 2;
constexpr uint16_t LED_MODE_OFF = 2;
constexpr uint16_t GAIN_FIRST_COMBINATION = 9;
constexpr uint16_t ANALOG_OUTMODE_NONE = 0;
constexpr uint16_t ANALOG_OUTMODE_VOLTAGE = 1;
constexpr uint16_t ANALOG_OUTMODE_CURRENT = 2;
constexpr uint16_t ANALOG_RANGE_FULL = 0;
constexpr uint16_t ANALOG_RANGE_MIN_MAX_IN0 = 1;
constexpr uint16_t ANALOG_RANGE_0_MAX_IN0 = 2;
constexpr uint16_t ANALOG_OUT_CONT = 0;
constexpr uint16_t DIGITAL_OUTMODE_OFF = 0;
constexpr uint16_t DIGITAL_OUTMODE_DIRECT = 1;
constexpr uint16_t DIGITAL_OUTMODE_INVERSE = 2;
constexpr uint16_t DIGITAL_OUTMODE_DIR_RIS_EDG = 3;
constexpr uint16_t DIGITAL_OUTMODE_INV_RIS_EDG = 4;
constexpr uint16_t DIGITAL_OUTMODE_DIR_FAL_EDG = 5;
constexpr uint16_t DIGITAL_OUTMODE_INV_FAL_EDG = 6;
constexpr uint16_t THRESHOLD_MODE_2_TRSH = 3;
constexpr uint16_t THRESHOLD_TRACING_OFF = 0;
constexpr uint16_t THRESHOLD_TRACING_ON_TOL = 1;
constexpr uint16_t THRESHOLD_TRACING_ON_CONT = 2;
constexpr uint16_t EXTERN_TEACH_OFF = 0;
constexpr uint16_t EXTERN_TEACH_DIRECT = 1;
constexpr uint16_t EXTERN_TEACH_DYN = 2;
constexpr uint16_t OPERATING_MODE_NORMAL = 0;
constexpr uint16_t OPERATING_MODE_DELTA_CH0 = 2;
constexpr uint16_t CHANNEL_OFFSET_ON = 1;

// A control on one of the two parameter pages (page index of the main tab control).
struct ParaCtrl {
    int page;
    int control;
};

ParaCtrl ParaCtrlOfField(int field);
int ParaPagePanel(int page);

// Reads a field's control into the record and returns the new field value.
uint16_t ReadParaField(int field);
// Writes the record's field into its control.
void ShowParaField(int field);
// A rule's correction: the field takes the value in the record and on the form.
void CorrectParaField(int field, uint16_t value);

// HOLD: the form shows milliseconds, the record keeps tenths. The product is taken in
// double precision and truncated, so 0.3 ms gives 3 and 12.5 ms gives 125.
uint16_t HoldTenthsFromMilliseconds(double milliseconds);
double HoldMillisecondsFromTenths(uint16_t tenths);

void SetParaCtrlDimmed(int page, int control, bool dimmed);
void SetParaCtrlVisible(int page, int control, bool visible);
// Controls of the data panel itself and of its evaluation page.
void SetDataCtrlVisible(int control, bool visible);
void SetEvaluationCtrlVisible(int control, bool visible);

// Message pop-up of the form, titled "Info!" / "Message!".
void ShowParaMessage(const char *text);
