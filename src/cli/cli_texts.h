#pragma once
// German/English texts of the command line's own messages; everything else it prints
// is the program's own text, as the window shows it.

#include "app/language.h"

// printf formats, with their arguments in the comments
extern const TextPair kTxtCliCannotRead;         // path, reason
extern const TextPair kTxtCliParaFileIncomplete; // -
extern const TextPair kTxtCliTableIncomplete;    // -
extern const TextPair kTxtCliRulesChanged;       // - (then one line per field)
extern const TextPair kTxtCliRuleChangeLine;     // key, value in the file, value sent
extern const TextPair kTxtCliReadBackDiffers;    // - (then one line per field)
extern const TextPair kTxtCliReadBackLine;       // key, value sent, value read back
extern const TextPair kTxtCliRecordSummary;      // rows written, rows not written
extern const TextPair kTxtCliMqttWaiting;        // host, port
extern const TextPair kTxtCliMqttConnected;      // host, port
extern const TextPair kTxtCliMqttLost;           // host, port
extern const TextPair kTxtCliMqttNotDelivered;   // frames not delivered, frames in all
extern const TextPair kTxtCliMqttCannotStart;    // reason
extern const TextPair kTxtCliOutputClosed;       // -
