#pragma once
// Starting the UI runtime: creates the application object unless one exists (tests
// create their own). Returns 0, or a negative code when the runtime cannot start.

int InitUserInterface(int *argc, char **argv);
// The same for a run that shows no window (the command line): Qt's offscreen
// platform whatever QT_QPA_PLATFORM says, so that no display is needed, and no
// argument of the run is taken for an option of the window system.
int InitUserInterfaceWithoutDisplay(const char *programName);

// Tests run the program in a directory of their own: GetProjectDir returns this
// directory instead of the executable's while it is set (null or empty resets it).
void SetProjectDirOverride(const char *directory);
// The override, or null when none is set.
const char *ProjectDirOverride(void);

// Forgets a quit request that no event loop has taken up (tests that answer "Close"
// without running the loop, and a fresh start of the program).
void ResetQuitRequest(void);
