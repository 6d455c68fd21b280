#pragma once
// Right-click help of the parameter controls and of the transfer buttons: one
// German/English pair per callback.

#include "app/language.h"

extern const TextPair kHelpOperatingMode;        // OPERATING MODE
extern const TextPair kHelpSensitivity;          // SENSITIVITY
extern const TextPair kHelpRefValCh0;            // REF VALUE CH0
extern const TextPair kHelpPower;                // POWER
extern const TextPair kHelpPowerMode;            // POWER MODE
extern const TextPair kHelpLedMode;              // LED MODE
extern const TextPair kHelpGain;                 // GAIN
extern const TextPair kHelpDynWinLoHi;           // DYNWIN LO and DYNWIN HI
extern const TextPair kHelpAverage;              // AVERAGE
extern const TextPair kHelpIntegral;             // INTEGRAL
extern const TextPair kHelpChannelOffset;        // ADJ CHANNEL OFFSET
extern const TextPair kHelpAssignAdjOffset;      // ASSIGN OFFSET button
extern const TextPair kHelpAnaOutmode;           // ANALOG OUTMODE
extern const TextPair kHelpAnaRange;             // ANALOG RANGE
extern const TextPair kHelpAnaOut;               // ANALOG OUT
extern const TextPair kHelpDigOutmode;           // DIGITAL OUTMODE
extern const TextPair kHelpHold;                 // HOLD
extern const TextPair kHelpDeadTime;             // DEAD TIME
extern const TextPair kHelpTeachSig;             // TEACH buttons 1 and 2
extern const TextPair kHelpThresholdMode;        // THRESHOLD MODE
extern const TextPair kHelpThresholdTracing;     // THRESHOLD TRACING
extern const TextPair kHelpThresholdTracingUp;   // TT UP
extern const TextPair kHelpThresholdTracingDown; // TT DOWN
extern const TextPair kHelpTeachValSig;          // TEACH VALUE 1 SIG and TEACH VALUE 2 SIG
extern const TextPair kHelpTrshCalc;             // THRESHOLD CALC 1 and 2
extern const TextPair kHelpTolerance;            // TOLERANCE 1 and 2
extern const TextPair kHelpHysteresis;           // HYSTERESIS 1 and 2
extern const TextPair kHelpExtTeach;             // EXTERN TEACH
extern const TextPair kHelpSend;                 // SEND
extern const TextPair kHelpGet;                  // GET
extern const TextPair kHelpSelectMem;            // RAM, EEPROM and FILE selectors
