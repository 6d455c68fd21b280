#pragma once
// Opening the panel settings file for reading; the shell writes it, and the features
// that keep settings in it (the connection page) read their part.

struct IniStore;

// Opens the settings file into a new store when it exists and is a panel settings
// file; null otherwise. The caller disposes of the store.
IniStore *OpenPanelSettingsStore(const char *path);
