#pragma once
// SIGTERM and SIGINT end the program the way the main panel's close box does, so a
// desktop logout or a service manager never loses the operator's settings. The
// handler runs on the GUI thread from the event loop, never inside the signal.

void InstallTerminationHandler(void (*handler)(void));
// The signal that called the handler last (SIGTERM or SIGINT); 0 before any did.
int TerminationSignal(void);
