#include "app/settings_file.h"
#include "app/settings_keys.h"

#include "inistore/inifile.h"
#include "platform/paths.h"

#include <cstring>

IniStore *OpenPanelSettingsStore(const char *path)
{
    if (!FileExists(path))
        return nullptr;
    IniText store = Ini_New(0);
    if (!store)
        return nullptr;
    Ini_ReadFromFile(store, path);
    char fileType[1024];
    Ini_GetStringIntoBuffer(store, kSecGeneral, kKeyFileType, fileType, sizeof fileType);
    if (std::strcmp(fileType, kPanelSettingsType) != 0) {
        Ini_Dispose(store);
        return nullptr;
    }
    return store;
}
