#pragma once
// Reporting a failed exchange or connection attempt.

#include "app/language.h"

// Copies the failure text of the current language into the message buffer and runs
// the link failure (SetTimeout).
void ReportLinkFailure(const TextPair &text);
// The same with a text already composed in the current language.
void ReportLinkFailureText(const char *text);
// The modal "Close" / "Offline" question after a failed connection attempt: "Close"
// (the default, also Enter and Escape) ends the event loop and with it the program,
// "Offline" goes offline (Disconnect).
void OfferCloseOrOffline(const char *message);
