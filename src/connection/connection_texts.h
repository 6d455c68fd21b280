#pragma once
// German/English texts of the connection page: the progress texts of a connection
// attempt on the data panel and in the status box, the Close or Offline question,
// and the help texts of the page's controls.

#include "app/language.h"

// Data panel and status box
extern const char *const kTxtSensorTimeout; // the same in both languages
extern const TextPair kTxtTryToConnect;
extern const TextPair kTxtNoSensor;
extern const TextPair kTxtFirmwareMismatch;
extern const TextPair kTxtCouldNotConnect;
extern const char *const kTxtSensorLabel; // the same in both languages
extern const TextPair kTxtSerialNumberLabel;
extern const TextPair kTxtButtonClose;
extern const char *const kTxtButtonOffline; // the same in both languages
extern const TextPair kTxtPortsAvailable;
extern const TextPair kTxtChangingBaudrate;
extern const TextPair kTxtBaudrateChanged;
extern const TextPair kTxtConfirmBaudrate;

// Help texts of the connection page's controls
extern const TextPair kHelpConnect;
extern const TextPair kHelpDisconnect;
extern const TextPair kHelpFindPorts;
extern const TextPair kHelpProtocol;
extern const TextPair kHelpComPort;
extern const TextPair kHelpBaudrate;
extern const TextPair kHelpAddress;
extern const TextPair kHelpPortNumber;
extern const TextPair kHelpSensorId;
extern const TextPair kHelpChangeBaudrate;
