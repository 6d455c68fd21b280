#pragma once
// Start-up, child panels, title and logo, and shutdown of the program.

#include "app/child_panels.h"

constexpr const char *kProgramTitle = "CHROMIX1 Scope V3.1";
constexpr const char *kProgramVersionTip = "CHROMIX1 Scope V3.1.0";
constexpr const char *kSettingsFileName = "PanelSettings.cfg";
constexpr const char *kLogoFileName = "logoORV.bmp";
constexpr int kChildPanelTop = 63;
constexpr int kChildPanelLeft = 385;
constexpr int kMainPanelHeight = 690;
constexpr int kMainPanelWidth = 1014;
constexpr int kMainPanelDefaultTop = 40;
constexpr int kMainPanelDefaultLeft = 10;

// The process entry: starts the runtime, loads the panels, initialises, runs the
// event loop and shuts down. 0 after a normal run, -1 when the runtime or a panel
// cannot be loaded.
int WinMain(int argc, char **argv);
// The same with another panel resource file name.
int RunProgram(int argc, char **argv, const char *resourceFile);

// Loads the six panels in start-up order and places the child panels; 0, or -1 after
// one line on stderr naming the panel that failed.
int LoadProgramPanels(const char *resourceFile);

enum SettingsUse {
    SETTINGS_READ_WRITE, // the window: a user's settings file is made when needed
    SETTINGS_READ_ONLY,  // the command line: the settings are only read
};
// The start-up up to showing the window: the panels hold the stored settings and the
// parameter form its initial set; nothing is shown and nothing connected.
void InitPanelState(SettingsUse settings);
void InitAll(void);
void ShutdownProgram(void);

void ShowLogo(void);
int ShowInfoText(const char *text, int versionFlag, int left, int top, int pointSize, int backgroundColor,
                 int textColor);
