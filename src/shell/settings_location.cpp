#include "shell/settings_location.h"

#include "app/app_state.h"
#include "platform/paths.h"
#include "platform/user_dirs.h"
#include "shell/startup.h"
#include "ui/userint.h"

#include <cstdio>

namespace
{

// The user's settings file, seeded from the program directory's file on first use
// when `create` is set; false when the user has no configuration directory that can
// be created, or (without `create`) no settings file there.
bool PrepareUserSettingsFile(const char *programSettings, bool create)
{
    char configDir[MAX_PATHNAME_LEN];
    char userDir[MAX_PATHNAME_LEN];
    char userSettings[MAX_PATHNAME_LEN];
    if (GetUserConfigDir(configDir) < 0)
        return false;
    JoinPath(userDir, sizeof userDir, configDir, kUserSettingsDirName);
    JoinPath(userSettings, sizeof userSettings, userDir, kSettingsFileName);
    if (!create) {
        if (!FileExists(userSettings))
            return false;
    } else if (!MakeDirectoryPath(userDir)) {
        return false;
    }
    StringCopyBounded(g_app.settingsPath, userSettings, sizeof g_app.settingsPath);
    if (create && !FileExists(g_app.settingsPath) && FileExists(programSettings))
        CopyFileTo(programSettings, g_app.settingsPath);
    return true;
}

void LocateSettings(bool create)
{
    GetProjectDir(g_app.projectDir);
    char programSettings[MAX_PATHNAME_LEN];
    JoinPath(programSettings, sizeof programSettings, g_app.projectDir, kSettingsFileName);
    StringCopyBounded(g_app.settingsPath, programSettings, sizeof g_app.settingsPath);
    StringCopyBounded(g_app.filesDir, g_app.projectDir, sizeof g_app.filesDir);
    if (DirectoryWritable(g_app.projectDir))
        return;
    // Without a place of its own the program still reads the program directory's
    // file; its writes fail there as they always did, with a line on stderr.
    if (!PrepareUserSettingsFile(programSettings, create)) {
        if (create)
            std::fprintf(stderr, "chromix-scope: no user configuration directory; settings stay in %s\n",
                         g_app.projectDir);
        return;
    }
    if (GetUserDocumentsDir(g_app.filesDir) < 0)
        StringCopyBounded(g_app.filesDir, g_app.projectDir, sizeof g_app.filesDir);
}

} // namespace

void PrepareSettingsLocation(void)
{
    LocateSettings(true);
}

void FindSettingsLocation(void)
{
    LocateSettings(false);
}
