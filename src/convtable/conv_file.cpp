// The conversion table file: GENERAL INFO with the file type and the scope version,
// then one section per row with its actual value and set value.
#include "convtable/conv_file.h"

#include "app/app_state.h"
#include "app/language.h"
#include "app/settings_keys.h"
#include "convtable/conv_table.h"
#include "convtable/conv_texts.h"
#include "inistore/inifile.h"
#include "platform/paths.h"
#include "ui/userint.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

constexpr const char *kFileTypeList = "*.ini";
constexpr const char *kGeneralInfoSection = "GENERAL INFO";
constexpr const char *kFileTypeTag = "FILE TYPE:";
constexpr const char *kScopeVersionTag = "SCOPE VERSION:";
constexpr const char *kConvTableFileType = "Conversion table";
constexpr const char *kConvScopeVersion = "CHROMIX1 Scope V3.1";
constexpr const char *kActualValueTag = "ACTUAL VALUE";
constexpr const char *kSetValueTag = "SETVALUE";
constexpr int kInfoBufferSize = 8192;
constexpr int kSectionNameSize = 16;
constexpr int kReportSize = 2048;

void RowSection(char *section, int row)
{
    std::snprintf(section, kSectionNameSize, "%s%d", "ROW ", row);
}

void ShowInfo(const char *text)
{
    MessagePopup(Tr(kTxtInfoTitle), text);
}

// The dialog opens in the directory of the current conversion file; whatever path it
// gives becomes the current one.
int SelectConvTableFile(int buttonType, const TextPair &title, char *path)
{
    char drive[MAX_PATHNAME_LEN] = "";
    char directory[MAX_PATHNAME_LEN] = "";
    SplitPath(g_app.convTableFilePath, drive, directory, nullptr);
    std::string defaultDirectory = std::string(drive) + directory;
    path[0] = '\0';
    int result = FileSelectPopup(defaultDirectory.c_str(), kDefaultConvTableFile, kFileTypeList, Tr(title),
                                 buttonType, 0, 0, 1, 1, path);
    if (result > 0)
        StringCopyBounded(g_app.convTableFilePath, path, sizeof g_app.convTableFilePath);
    return result;
}

bool InfoMatches(IniText store, const char *tag, const char *expected)
{
    char text[kInfoBufferSize];
    Ini_GetStringIntoBuffer(store, kGeneralInfoSection, tag, text, sizeof text);
    return std::strcmp(text, expected) == 0;
}

// A foreign file is loaded only when the operator agrees at each question.
bool AcceptFileInfo(IniText store)
{
    if (!InfoMatches(store, kFileTypeTag, kConvTableFileType) &&
        ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtNotAConversionTableFile)) != 1)
        return false;
    if (!InfoMatches(store, kScopeVersionTag, kConvScopeVersion) &&
        ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtConvScopeVersionMismatch)) != 1)
        return false;
    return true;
}

// A value that is missing, no number, or beyond a 16-bit cell counts as unreadable.
bool GetCellValue(IniText store, const char *section, const char *tag, short *value)
{
    int number = 0;
    if (Ini_GetInt(store, section, tag, &number) != 1 || number < -32768 || number > 32767)
        return false;
    *value = (short)number;
    return true;
}

short RowDefault(int row)
{
    if (row == 1)
        return 0;
    return row == kConvRows ? (short)kConvMaxActual : (short)kConvDisabled;
}

// Fills the cells row by row; rows that cannot be read take their defaults and are
// listed in the report. Returns whether every row was read.
bool AcquireConvTableFromIniHandle(IniText store, short cells[kConvCells], char *report, int reportSize)
{
    bool allRead = true;
    for (int row = 1; row <= kConvRows; ++row) {
        char section[kSectionNameSize];
        RowSection(section, row);
        short *actual = &cells[(row - 1) * kConvColumns];
        short *set = actual + 1;
        if (GetCellValue(store, section, kActualValueTag, actual) &&
            GetCellValue(store, section, kSetValueTag, set))
            continue;
        *actual = RowDefault(row);
        *set = RowDefault(row);
        std::snprintf(report + std::strlen(report), (size_t)(reportSize - (int)std::strlen(report)), "%s\n",
                      section);
        allRead = false;
    }
    return allRead;
}

int AppendConvTableToIniHandle(IniText store)
{
    short cells[kConvCells];
    ReadConvTableCells(cells);
    int result = Ini_PutString(store, kGeneralInfoSection, kFileTypeTag, kConvTableFileType);
    if (result >= 0)
        result = Ini_PutString(store, kGeneralInfoSection, kScopeVersionTag, kConvScopeVersion);
    for (int row = 1; row <= kConvRows && result >= 0; ++row) {
        char section[kSectionNameSize];
        RowSection(section, row);
        result = Ini_PutInt(store, section, kActualValueTag, cells[(row - 1) * kConvColumns]);
        if (result >= 0)
            result = Ini_PutInt(store, section, kSetValueTag, cells[(row - 1) * kConvColumns + 1]);
    }
    return result;
}

} // namespace

// Loading changes the table only; the curve and its valid flag wait for the next
// calculation.
ConvFileLoad GetConvTableFromFile(void)
{
    char path[MAX_PATHNAME_LEN];
    if (SelectConvTableFile(VAL_LOAD_BUTTON, kTxtLoadDialogTitle, path) != VAL_EXISTING_FILE_SELECTED) {
        ShowInfo(Tr(kTxtConvNoFileSelected));
        return CONV_FILE_NOT_CHOSEN;
    }
    IniText store = Ini_New(0);
    // An unreadable file leaves the store empty: it is then foreign, and if the
    // operator goes on every row takes its default and is listed.
    Ini_ReadFromFile(store, path);
    if (!AcceptFileInfo(store)) {
        Ini_Dispose(store);
        ShowInfo(Tr(kTxtNoValuesRead));
        return CONV_FILE_DECLINED;
    }
    short cells[kConvCells];
    char report[kReportSize];
    std::snprintf(report, sizeof report, "%s\n\n", Tr(kTxtDefaultsReport));
    bool allRead = AcquireConvTableFromIniHandle(store, cells, report, sizeof report);
    Ini_Dispose(store);
    WriteConvTableCells(cells);
    if (!allRead)
        ShowInfo(report);
    TellLoadedActualValues(cells);
    return allRead ? CONV_FILE_LOADED : CONV_FILE_DEFAULTED;
}

void SaveConvTableToFile(void)
{
    char path[MAX_PATHNAME_LEN];
    int chosen = SelectConvTableFile(VAL_SAVE_BUTTON, kTxtSaveDialogTitle, path);
    if (chosen <= 0) {
        ShowInfo(Tr(kTxtConvNoFileSelected));
        return;
    }
    if (chosen == VAL_EXISTING_FILE_SELECTED && ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtFileExists)) != 1)
        return;
    IniText store = Ini_New(0);
    int result = store ? AppendConvTableToIniHandle(store) : INI_ERR_OUT_OF_MEMORY;
    if (result >= 0)
        result = Ini_WriteToFile(store, path);
    Ini_Dispose(store);
    if (result < 0) {
        char text[MAX_PATHNAME_LEN + 128];
        std::snprintf(text, sizeof text, Tr(kTxtTableFileNotSaved), path);
        ShowInfo(text);
    }
}
