#include "shell/panel_settings.h"

#include "app/app_state.h"
#include "app/settings_file.h"
#include "app/settings_keys.h"
#include "connection/connection.h"
#include "connection/reconnect.h"
#include "inistore/inifile.h"
#include "link/link_state.h"
#include "offset/offset_instruction.h"
#include "platform/paths.h"
#include "recorder/record_split.h"
#include "resource/panel_ids.h"
#include "shell/panel_language.h"
#include "toolbox/combobox.h"
#include "ui/userint.h"

#include <cstdio>
#include <cstring>

namespace
{

struct PathSetting {
    char *path;
    const char *key;
    const char *defaultName;
};

PathSetting g_pathSettings[] = {
    {g_app.parameterFilePath, kKeyParameterFile, kDefaultParameterFile},
    {g_app.recorderFilePath, kKeyRecorderFile, kDefaultRecorderFile},
    {g_app.hardwareFilePath, kKeyHardwareFile, kDefaultHardwareFile},
    {g_app.convTableFilePath, kKeyConvTableFile, kDefaultConvTableFile},
};

int ConnectionPage()
{
    return g_app.mainPages[PAGE_CONNECTION];
}

int NormalisedLanguage(int language)
{
    return language == LANGUAGE_GERMAN ? LANGUAGE_GERMAN : LANGUAGE_ENGLISH;
}

void SetDefaultSettings()
{
    for (PathSetting &setting : g_pathSettings)
        JoinPath(setting.path, MAX_PATHNAME_LEN, g_app.filesDir, setting.defaultName);
    g_app.sensorId[0] = '\0';
    g_app.language = LANGUAGE_ENGLISH;
}

int GetIntOr(IniText store, const char *section, const char *key, int fallback)
{
    int value = 0;
    return Ini_GetInt(store, section, key, &value) == 1 ? value : fallback;
}

// A stored zoom state of 2 maximises the main panel; any other valid state places
// it by the four geometry items. Without a valid state the panel stays where the
// panel resource put it.
void RestoreMainPanelGeometry(IniText store)
{
    int zoom = 0;
    if (Ini_GetInt(store, kSecPosition, kKeyFullscreen, &zoom) != 1)
        return;
    if (zoom == VAL_MAXIMIZE) {
        SetPanelAttribute(g_app.mainPanel, ATTR_WINDOW_ZOOM, VAL_MAXIMIZE);
        return;
    }
    int left = GetIntOr(store, kSecPosition, kKeyLeft, 10);
    int top = GetIntOr(store, kSecPosition, kKeyTop, 40);
    int width = GetIntOr(store, kSecPosition, kKeyWidth, 1014);
    int height = GetIntOr(store, kSecPosition, kKeyHeight, 690);
    SetPanelPos(g_app.mainPanel, top, left);
    SetPanelSize(g_app.mainPanel, height, width);
}

// A missing path falls back to the directory of the default files; only the recorder keeps its
// file name, because recording appends to that file without asking for one.
void RestorePaths(IniText store)
{
    for (PathSetting &setting : g_pathSettings) {
        if (Ini_GetStringIntoBuffer(store, kSecDirectories, setting.key, setting.path, MAX_PATHNAME_LEN) == 1)
            continue;
        if (setting.path == g_app.recorderFilePath)
            JoinPath(setting.path, MAX_PATHNAME_LEN, g_app.filesDir, setting.defaultName);
        else
            StringCopyBounded(setting.path, g_app.filesDir, MAX_PATHNAME_LEN);
    }
}

void RestoreAddressHistory(IniText store)
{
    int count = 0;
    if (Ini_GetInt(store, kSecAddresses, kKeyListItems, &count) != 1)
        return;
    if (count > kMaxAddressHistory)
        count = kMaxAddressHistory;
    for (int n = 1; n <= count; ++n) {
        char key[32];
        char address[1024];
        std::snprintf(key, sizeof key, "%s%d", kKeyAddressPrefix, n);
        if (Ini_GetStringIntoBuffer(store, kSecAddresses, key, address, sizeof address) == 1)
            Combo_InsertComboItem(ConnectionPage(), TABCONN_IPADDRESS, -1, address);
    }
}

void ReadSettingsStore(IniText store)
{
    Ini_GetStringIntoBuffer(store, kSecGeneral, kKeyPanelId, g_app.sensorId, sizeof g_app.sensorId);
    g_app.language = NormalisedLanguage(GetIntOr(store, kSecGeneral, kKeyLanguage, LANGUAGE_ENGLISH));
    RestoreMainPanelGeometry(store);
    RestorePaths(store);
    RestoreAddressHistory(store);
    double splitHours = 0.0;
    ShowSplitHours(Ini_GetDouble(store, kSecRecorder, kKeySplitHours, &splitHours) == 1 ? splitHours : 0.0);
}

void ShowRestoredSettings()
{
    SetCtrlVal(ConnectionPage(), TABCONN_LANGUAGE, g_app.language);
    ShowOffsetInstruction();
    // The panel resource is English: an English start applies no language file.
    if (g_app.language != LANGUAGE_ENGLISH)
        InitLanguage();
    SetCtrlVal(g_app.mainPages[PAGE_RECORDER], TABREC_FILEPATH, g_app.recorderFilePath);
    SetCtrlVal(ConnectionPage(), TABCONN_SENSORID, g_app.sensorId);
    SetCtrlVal(g_app.mainPages[PAGE_RECORDER], TABREC_SENSORID, g_app.sensorId);
}

int GetPanelInt(int attribute)
{
    int value = 0;
    GetPanelAttribute(g_app.mainPanel, attribute, &value);
    return value;
}

void PutGeneralAndPosition(IniText store)
{
    int language = LANGUAGE_ENGLISH;
    GetCtrlVal(ConnectionPage(), TABCONN_LANGUAGE, &language);
    Ini_PutString(store, kSecGeneral, kKeyFileType, kPanelSettingsType);
    Ini_PutString(store, kSecGeneral, kKeyScopeVersion, kScopeVersion);
    Ini_PutString(store, kSecGeneral, kKeyPanelId, g_app.sensorId);
    Ini_PutInt(store, kSecGeneral, kKeyLanguage, language);
    Ini_PutInt(store, kSecPosition, kKeyFullscreen, GetPanelInt(ATTR_WINDOW_ZOOM));
    Ini_PutInt(store, kSecPosition, kKeyLeft, GetPanelInt(ATTR_LEFT));
    Ini_PutInt(store, kSecPosition, kKeyTop, GetPanelInt(ATTR_TOP));
    Ini_PutInt(store, kSecPosition, kKeyWidth, GetPanelInt(ATTR_WIDTH));
    Ini_PutInt(store, kSecPosition, kKeyHeight, GetPanelInt(ATTR_HEIGHT));
}

void PutDirectoriesAndAddresses(IniText store)
{
    for (const PathSetting &setting : g_pathSettings)
        Ini_PutString(store, kSecDirectories, setting.key, setting.path);

    int count = 0;
    Combo_GetComboAttribute(ConnectionPage(), TABCONN_IPADDRESS, ATTR_COMBO_NUM_ITEMS, &count);
    if (count > kMaxAddressHistory)
        count = kMaxAddressHistory;
    Ini_PutInt(store, kSecAddresses, kKeyListItems, count);
    for (int index = 0; index < count; ++index) {
        char key[32];
        char address[1024] = "";
        std::snprintf(key, sizeof key, "%s%d", kKeyAddressPrefix, index + 1);
        Combo_GetValueFromIndex(ConnectionPage(), TABCONN_IPADDRESS, index, address, sizeof address);
        Ini_PutString(store, kSecAddresses, key, address);
    }
}

// From now on the link keeps the connection settings that were stored.
void TakeAndPutCommunication(IniText store)
{
    ReadConnectionPageIntoLink();
    Ini_PutInt(store, kSecCommunication, kKeyProtocol, (unsigned short)g_link.protocol);
    Ini_PutInt(store, kSecCommunication, kKeyComPort, (unsigned short)g_link.comPort);
    Ini_PutInt(store, kSecCommunication, kKeyBaudrate, (unsigned short)g_link.baudIndex);
    Ini_PutString(store, kSecCommunication, kKeyIpAddress, g_link.host);
    Ini_PutString(store, kSecCommunication, kKeyPortNumber, g_link.portText);
    Ini_PutInt(store, kSecCommunication, kKeyAutoReconnect, g_reconnect.enabled);
}

} // namespace

void LoadPanelSettings(void)
{
    SetDefaultSettings();
    IniText store = OpenPanelSettingsStore(g_app.settingsPath);
    if (store) {
        ReadSettingsStore(store);
        Ini_Dispose(store);
    }
    ShowRestoredSettings();
}

void StorePanelSettings(void)
{
    GetCtrlVal(ConnectionPage(), TABCONN_SENSORID, g_app.sensorId, sizeof g_app.sensorId);
    IniText store = Ini_New(0);
    if (!store)
        return;
    PutGeneralAndPosition(store);
    PutDirectoriesAndAddresses(store);
    TakeAndPutCommunication(store);
    Ini_PutDouble(store, kSecRecorder, kKeySplitHours, ReadSplitHours());
    int result = Ini_WriteToFile(store, g_app.settingsPath);
    Ini_Dispose(store);
    // The old file stays intact on a failed write; the operator is not interrupted
    // while closing, but the reason is left for whoever looks.
    if (result < 0)
        std::fprintf(stderr, "chromix-scope: the panel settings could not be written to %s (code %d)\n",
                     g_app.settingsPath, result);
}
