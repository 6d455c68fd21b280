#pragma once
// German/English texts of the sensor link: failure texts of the exchange, the error
// tables of the two transports, the progress texts of the connection page and the
// help texts of its controls.

#include "app/language.h"

// Exchange failures
extern const TextPair kTxtTimeout;
extern const TextPair kTxtBadHeader;
extern const TextPair kTxtInvalidOrder;
extern const TextPair kTxtSensorCommError;
extern const TextPair kTxtBadData;
extern const TextPair kTxtServerClosed;

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
extern const TextPair kHelpAccept;
extern const TextPair kHelpFindPorts;
extern const TextPair kHelpProtocol;
extern const TextPair kHelpComPort;
extern const TextPair kHelpBaudrate;
extern const TextPair kHelpAddress;
extern const TextPair kHelpPortNumber;
extern const TextPair kHelpSensorId;
extern const TextPair kHelpChangeBaudrate;

// The open error text for a serial runtime code ("RS-232 error!" for codes outside
// the table) and the connect error text for a TCP code.
const TextPair &SerialErrorText(int code);
const TextPair &TcpErrorText(int code);
// The serial open error text of the current language, followed, when the system
// refused access to the device, by the remedy: membership of the group that owns it
// ("dialout" when the owner is unknown).
void FormatSerialOpenFailure(char *out, int size, int code, bool accessDenied, const char *device,
                             const char *group);
