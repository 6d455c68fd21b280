// SEND and GET with the target FILE: the parameter set of the form into an INI file
// and back.
#include "params/param_file.h"

#include "app/app_state.h"
#include "app/language.h"
#include "params/param_controls.h"
#include "params/param_file_keys.h"
#include "params/param_form.h"
#include "params/param_texts.h"
#include "params/parameter_set.h"
#include "platform/paths.h"
#include "ui/userint.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

constexpr const char *kDefaultFileName = "Parameter.ini";
constexpr const char *kFileTypeList = "*.ini";
constexpr const char *kDialogTitle = "Parameter";
constexpr int kInfoBufferSize = 1024;

// The dialog opens in the directory of the last parameter file; a chosen file becomes
// the new last one. Returns the dialog's result.
int SelectParameterFile(int buttonType, char *path)
{
    char drive[MAX_PATHNAME_LEN] = "";
    char directory[MAX_PATHNAME_LEN] = "";
    SplitPath(g_app.parameterFilePath, drive, directory, nullptr);
    std::string defaultDirectory = std::string(drive) + directory;
    path[0] = '\0';
    return FileSelectPopup(defaultDirectory.c_str(), kDefaultFileName, kFileTypeList, kDialogTitle,
                           buttonType, 0, 0, 1, 1, path);
}

void RememberParameterFile(const char *path)
{
    StringCopyBounded(g_app.parameterFilePath, path, sizeof g_app.parameterFilePath);
}

void ShowNoFileSelected()
{
    ShowParaMessage(Tr(kTxtNoFileSelected));
}

void ReportFileNotSaved(const char *path)
{
    char text[MAX_PATHNAME_LEN + 128];
    std::snprintf(text, sizeof text, Tr(kTxtParameterFileNotSaved), path);
    ShowParaMessage(text);
}

// A foreign file type or version is used only if the operator agrees to both.
bool AcceptFileInfo(IniText store)
{
    char fileType[kInfoBufferSize];
    char version[kInfoBufferSize];
    Ini_GetStringIntoBuffer(store, kGeneralInfoSection, kFileTypeTag, fileType, sizeof fileType);
    bool accepted = true;
    if (std::strcmp(fileType, kParameterFileType) != 0)
        accepted = ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtNotAParameterFile)) == 1;
    Ini_GetStringIntoBuffer(store, kGeneralInfoSection, kScopeVersionTag, version, sizeof version);
    if (std::strcmp(version, kParameterFileVersion) != 0 &&
        ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtScopeVersionMismatch)) != 1)
        accepted = false;
    return accepted;
}

} // namespace

int SendParaToFile(void)
{
    char path[MAX_PATHNAME_LEN];
    if (SelectParameterFile(VAL_SAVE_BUTTON, path) <= 0) {
        ShowNoFileSelected();
        return -1;
    }
    RememberParameterFile(path);
    GetPanelValues();

    IniText store = Ini_New(0);
    int result = Ini_PutString(store, kGeneralInfoSection, kFileTypeTag, kParameterFileType);
    if (result >= 0)
        result = Ini_PutString(store, kGeneralInfoSection, kScopeVersionTag, kParameterFileVersion);
    if (result >= 0)
        result = AppendParaToIniHandle(store);
    if (result >= 0)
        result = Ini_WriteToFile(store, path);
    Ini_Dispose(store);
    if (result < 0)
        ReportFileNotSaved(path);
    return result < 0 ? result : 0;
}

// A declined file leaves the form exactly as it was: edits not yet sent stay.
ParaFileLoad ReadParaFromFile(ParameterFields *fromFile)
{
    char path[MAX_PATHNAME_LEN];
    int chosen = SelectParameterFile(VAL_LOAD_BUTTON, path);
    // A chosen name is the next dialog's starting point even when no such file exists.
    if (chosen > VAL_NO_FILE_SELECTED)
        RememberParameterFile(path);
    if (chosen != VAL_EXISTING_FILE_SELECTED) {
        ShowNoFileSelected();
        return PARA_FILE_NOT_CHOSEN;
    }

    IniText store = Ini_New(0);
    // An unreadable file leaves the store empty; it is then foreign and every key
    // takes its default, which the questions and the list tell the operator.
    Ini_ReadFromFile(store, path);
    bool accepted = AcceptFileInfo(store);
    int defaulted = accepted ? AcquireParaFromIniHandle(store) : 0;
    Ini_Dispose(store);
    if (!accepted) {
        ShowParaMessage(Tr(kTxtNoParameterRead));
        return PARA_FILE_DECLINED;
    }
    if (fromFile)
        *fromFile = ParameterSet;
    SetPanelValues();
    InitPanelCtrlAttr();
    return defaulted > 0 ? PARA_FILE_DEFAULTED : PARA_FILE_LOADED;
}
