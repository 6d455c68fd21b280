#pragma once
// One run of a command: the UI runtime without a display, the program's panels with
// the stored settings and nothing shown, the connection the options ask for, and the
// program's messages on standard error in the chosen language.

#include "app/language.h"
#include "cli/cli_options.h"

struct CliRun {
    const CliOptions *options;
    bool linkFailed; // the link reported a failure
    int signal;      // SIGINT or SIGTERM that asked the run to end; 0 while none did
};

extern CliRun g_cli;

// Loads the panels, restores the stored settings (read, never written) and lays the
// options over them; installs where pop-ups, status texts, link failures and the
// termination signals go. False after a message when the panels cannot be loaded.
bool StartCliSession(const CliOptions &options);
// Closes the port or the TCP conversation and gives the panels back. The panel
// settings file is not written.
void EndCliSession(void);

// One connection attempt with its connection check, as CONNECT does it; true when the
// sensor is connected.
bool ConnectSensor(void);
// Whether a termination signal asked the run to end.
bool EndRequested(void);
// The exit status of a run whose command ended with `status`: a signal or a failure
// of the link decides it first.
int FinalStatus(int status);

// Writes a message to standard error, ending it with a line feed.
void PrintMessage(const char *text);
// The same with a printf format in the chosen language.
void PrintFormatted(const TextPair &format, ...);
// A FILE to read: true when it can be opened, otherwise a message saying why not.
bool InputFileReadable(const std::string &path);
// From now on the status texts go to standard output instead (the port list).
void StatusTextsToStandardOutput(void);

// The pop-up responder of the command line: every pop-up's text to standard error,
// the file dialog answered with the command's FILE, a question answered as the
// command needs it.
void InstallCommandLineResponder(void);
