#pragma once
// The application state: one record for the whole process, alive from start-up to exit.

#include "resource/panel_ids.h"
#include "ui/userint.h"

// Parameter memory selector values (target of SEND and source of GET)
constexpr short PARA_MEMORY_RAM = 1;
constexpr short PARA_MEMORY_EEPROM = 2;
constexpr short PARA_MEMORY_FILE = 3;

constexpr int LANGUAGE_GERMAN = 0;
constexpr int LANGUAGE_ENGLISH = 1;
constexpr int kSensorIdLength = 100; // 99 characters and the terminating zero

struct AppState {
    // Panel handles
    int mainPanel;
    int dataPanel;
    int graphPanel;
    int scopePanel;
    int convPanel;
    int passwordPanel;
    // Tab page handles, fetched once at start-up
    int mainPages[MAIN_TAB_PAGE_COUNT];
    int dataPages[DATA_TAB_PAGE_COUNT];

    int language; // 0 German, 1 English; any other value is treated as English
    char projectDir[MAX_PATHNAME_LEN];
    char settingsPath[MAX_PATHNAME_LEN];
    // Where the default file paths point: the program directory, or the user's
    // documents directory when the program directory is not writable.
    char filesDir[MAX_PATHNAME_LEN];

    // Last used files of the four file kinds, kept in the panel settings file
    char parameterFilePath[MAX_PATHNAME_LEN];
    char recorderFilePath[MAX_PATHNAME_LEN];
    char hardwareFilePath[MAX_PATHNAME_LEN];
    char convTableFilePath[MAX_PATHNAME_LEN];

    char sensorId[kSensorIdLength];
    short paraMemory; // PARA_MEMORY_RAM, _EEPROM or _FILE
};

extern AppState g_app;

// Back to the state before start-up: no panels, no paths, German, RAM.
void ResetAppState(void);
