#pragma once
// German/English texts of the sensor link: failure texts of the exchange and the
// error tables of the two transports.

#include "app/language.h"

// Exchange failures
extern const TextPair kTxtTimeout;
extern const TextPair kTxtBadHeader;
extern const TextPair kTxtInvalidOrder;
extern const TextPair kTxtSensorCommError;
extern const TextPair kTxtBadData;
extern const TextPair kTxtServerClosed;

// The open error text for a serial runtime code ("RS-232 error!" for codes outside
// the table) and the connect error text for a TCP code.
const TextPair &SerialErrorText(int code);
const TextPair &TcpErrorText(int code);
// The serial open error text of the current language, followed, when the system
// refused access to the device, by the remedy: membership of the group that owns it
// ("dialout" when the owner is unknown).
void FormatSerialOpenFailure(char *out, int size, int code, bool accessDenied, const char *device,
                             const char *group);
