#pragma once
// The panel settings file "PanelSettings.cfg": what the operator set up between runs.

// Restores paths, sensor identification, language, main panel geometry and the
// address history; missing or foreign files leave the defaults.
void LoadPanelSettings(void);
// Writes the whole file anew from the panels and the application state.
void StorePanelSettings(void);
