#pragma once
// German/English texts of the automatic reconnection: the status box and sensor
// display during the attempts, the end of an outage, and the help of the check box.

#include "app/language.h"

extern const TextPair kTxtReconnectAttempt;  // %d: the attempt
extern const TextPair kTxtReconnectDisplay;  // the sensor display, %d: the attempt
extern const TextPair kTxtReconnected;       // %.1f: seconds without the link
extern const TextPair kTxtReconnectEnded;    // the attempts ended without a link
extern const TextPair kTxtOtherSensor;       // %s, %d: name and serial number
extern const TextPair kTxtAdapterFoundAgain; // %d, %s: COM number and device
extern const TextPair kTxtOutageSummary;     // %d, %.1f: outages and their seconds
extern const TextPair kHelpAutoReconnect;
