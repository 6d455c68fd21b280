#pragma once
// Where the panel settings file and the default files live. From a writable program
// directory both stay there. An installed program directory is not writable for the
// operator: the settings file then lives in the user's configuration directory,
// starting as a copy of the program directory's file, and the default file paths
// point into the user's documents directory.

constexpr const char *kUserSettingsDirName = "chromix-scope";

// Fills the program directory, the settings path and the directory of the default
// files of the application state.
void PrepareSettingsLocation(void);
// The same for a run that only reads the settings (the command line): nothing is
// created or copied, and without a user's file of its own the program directory's
// file is read.
void FindSettingsLocation(void);
