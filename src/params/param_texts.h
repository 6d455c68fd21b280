#pragma once
// Messages and questions of the parameter form, the rule chain and the parameter
// file, as German/English pairs.

#include "app/language.h"

// Rule chain
extern const TextPair kTxtOpModeNotWithDynamic;
extern const TextPair kTxtGainCombinationHead; // the AMP warning that heads every GAIN message
extern const TextPair kTxtGainAnaRangeFull;
extern const TextPair kTxtGainAnaOutCont;
extern const TextPair kTxtGainExtTeachOff;
extern const TextPair kTxtGainDigOutDirect;
extern const TextPair kTxtGainDigOutInverse;
extern const TextPair kTxtGainPowerModeStatic;
extern const TextPair kTxtExtTeachDynNotWithLedOff;

// ASSIGN OFFSET
extern const TextPair kTxtAssignOffsetConfirm;

// Parameter file
extern const TextPair kTxtNoFileSelected;
extern const TextPair kTxtNotAParameterFile;
extern const TextPair kTxtScopeVersionMismatch;
extern const TextPair kTxtNoParameterRead;
extern const TextPair kTxtMissingKeysHead;
extern const TextPair kTxtParameterFileNotSaved; // format with the path (%s)
