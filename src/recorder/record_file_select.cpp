// SELECT FILE: choosing the record file and giving it a fresh header. A file becomes
// the record file only once its header is written; until then the previous one stays.
#include "app/app_state.h"
#include "app/language.h"
#include "app/settings_keys.h"
#include "platform/paths.h"
#include "recorder/record_file.h"
#include "recorder/record_progress.h"
#include "recorder/recorder.h"
#include "recorder/recorder_texts.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <string>

namespace
{

constexpr const char *kRecordFileTypes = "*.dat";

void ShowInfo(const TextPair &text)
{
    MessagePopup(Tr(kTxtInfoTitle), Tr(text));
}

void AdoptRecordFile(const char *path)
{
    StringCopyBounded(g_app.recorderFilePath, path, MAX_PATHNAME_LEN);
    SetCtrlVal(RecorderPage(), TABREC_FILEPATH, "");
    SetCtrlVal(RecorderPage(), TABREC_FILEPATH, g_app.recorderFilePath);
}

} // namespace

bool WriteFileHeader(const char *path)
{
    return ReplaceFileWith(path, RecordFileHeader(g_app.sensorId));
}

bool SelRecFile(void)
{
    char drive[MAX_PATHNAME_LEN] = "";
    char directory[MAX_PATHNAME_LEN] = "";
    SplitPath(g_app.recorderFilePath, drive, directory, nullptr);
    std::string startDirectory = std::string(drive) + directory;
    char path[MAX_PATHNAME_LEN] = "";
    int result = FileSelectPopup(startDirectory.c_str(), kDefaultRecorderFile, kRecordFileTypes,
                                 Tr(kTxtRecDialogTitle), VAL_SAVE_BUTTON, 0, 0, 1, 1, path);
    if (result <= VAL_NO_FILE_SELECTED) {
        ShowInfo(kTxtRecNoFileSelected);
        return false;
    }
    if (result == VAL_EXISTING_FILE_SELECTED) {
        if (ConfirmPopup(Tr(kTxtInfoTitle), Tr(kTxtRecFileExists)) != 1)
            return false;
        ShowInfo(kTxtRecFileNotOpened);
    }
    // The header replaces an existing file only once it is written completely.
    if (!WriteFileHeader(path)) {
        ShowInfo(kTxtRecHeaderNotWritten);
        return false;
    }
    AdoptRecordFile(path);
    return true;
}
