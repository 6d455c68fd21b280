#pragma once
// How the link tells the program that it failed. The link does not decide what the
// window shows: it clears the sensor-connected flag, keeps the failure text in its
// message buffer and calls the reporter that the connection page installs (which
// ends the loops and shows "TIMEOUT!"). Until one is installed, failures are kept
// quiet, so the link runs without a window (tests, the fuzz harness).

#include "app/language.h"

struct LinkReports {
    // A failed exchange or a failed attempt to open the port or the conversation;
    // `message` is the failure text in the current language (also in g_link.message).
    void (*failed)(const char *message);
};

// Makes `reports` the one place failures go from now on.
void InstallLinkReports(const LinkReports &reports);
// Back to quiet reports.
void ResetLinkReports(void);

// Copies the failure text of the current language into the message buffer, clears
// the sensor-connected flag and reports the failure.
void ReportLinkFailure(const TextPair &text);
// The same with a text already composed in the current language.
void ReportLinkFailureText(const char *text);
