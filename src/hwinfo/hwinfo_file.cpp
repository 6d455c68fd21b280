#include "hwinfo/hwinfo_file.h"

#include "app/app_state.h"
#include "app/status_box.h"
#include "hwinfo/hwinfo_texts.h"
#include "inistore/inifile.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "offset/offset.h"
#include "params/param_file.h"
#include "params/param_file_keys.h"
#include "params/param_form.h"
#include "params/param_transfer.h"
#include "platform/paths.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstdio>
#include <string>

namespace
{

constexpr unsigned kHardwareInfoAccess = 0x3A7C;
constexpr const char *kDefaultFileName = "HardwareInitialFile.ini";
constexpr const char *kFileTypeList = "*.ini";
constexpr const char *kDialogTitle = "HardwareInitialFile";
constexpr const char *kFileType = "Hardware Initial File";
// This file's version carries a third digit, unlike the other files of the program.
constexpr const char *kScopeVersion = "CHROMIX1 Scope V3.1.0";
constexpr const char *kFirmwareTag = "FIRMWARE VERSION:";
constexpr const char *kHardwareSection = "HARDWARE INFO";
constexpr const char *kHardwareTag = "DATA";
constexpr const char *kOffsetSection = "OFFSET";
constexpr const char *kOffsetTag = "CH0 OFFSET";

// The sensor's RAM parameters into the form, whatever memory GET is set to.
bool ReadRamParameters()
{
    short memory = g_app.paraMemory;
    g_app.paraMemory = PARA_MEMORY_RAM;
    GetPara();
    g_app.paraMemory = memory;
    return g_link.sensorConnected == 1;
}

// The hardware block as text; a reply shorter than the block is refused, so that no
// byte of an earlier reply ends up in the file.
bool ReadHardwareText(char *text)
{
    g_link.currentCommand = ORDER_READ_HARDWARE_INFO;
    FillTxBuf(ORDER_READ_HARDWARE_INFO, kHardwareInfoAccess, 0);
    if (DataExchange(kFrameHeaderSize) != LINK_OK || g_link.sensorConnected != 1)
        return false;
    if (TakeHardwareText(text))
        return true;
    char report[256];
    std::snprintf(report, sizeof report, Tr(kTxtHwInfoReplyIncomplete), (int)g_link.replyLength);
    AppendStatusText(report);
    return false;
}

// The save dialog in the directory of the last hardware info file; the chosen path
// becomes the new last one.
bool SelectHardwareFile(char *path)
{
    char drive[MAX_PATHNAME_LEN] = "";
    char directory[MAX_PATHNAME_LEN] = "";
    SplitPath(g_app.hardwareFilePath, drive, directory, nullptr);
    std::string defaultDirectory = std::string(drive) + directory;
    path[0] = '\0';
    if (FileSelectPopup(defaultDirectory.c_str(), kDefaultFileName, kFileTypeList, kDialogTitle,
                        VAL_SAVE_BUTTON, 0, 0, 1, 1, path) <= 0)
        return false;
    StringCopyBounded(g_app.hardwareFilePath, path, sizeof g_app.hardwareFilePath);
    return true;
}

int WriteHardwareFile(const char *path, const char *hardwareText)
{
    GetPanelValues();
    unsigned short offset = 0;
    GetCtrlVal(g_app.mainPages[PAGE_OFFSET], TABOFFSET_OFFSETVAL, &offset);

    IniText store = Ini_New(0);
    if (!store)
        return INI_ERR_OUT_OF_MEMORY;
    int result = Ini_PutString(store, kGeneralInfoSection, kFileTypeTag, kFileType);
    if (result >= 0)
        result = Ini_PutString(store, kGeneralInfoSection, kScopeVersionTag, kScopeVersion);
    if (result >= 0)
        result = Ini_PutString(store, kGeneralInfoSection, kFirmwareTag, g_link.firmware);
    if (result >= 0)
        result = Ini_PutString(store, kHardwareSection, kHardwareTag, hardwareText);
    if (result >= 0)
        result = AppendParaToIniHandle(store);
    if (result >= 0)
        result = Ini_PutInt(store, kOffsetSection, kOffsetTag, offset);
    if (result >= 0)
        result = Ini_WriteToFile(store, path);
    Ini_Dispose(store);
    return result;
}

void ReportWritten(const char *path, int result)
{
    if (result < 0) {
        char report[MAX_PATHNAME_LEN + 128];
        std::snprintf(report, sizeof report, Tr(kTxtHwFileNotSaved), path);
        AppendStatusText(report);
        return;
    }
    AppendStatusText(Tr(kTxtHwFileSaved));
    AppendStatusText("\n");
    AppendStatusText(path);
    AppendStatusText("\n\n");
}

} // namespace

HwInfoOutcome GenerateHWInfoFile(void)
{
    // From here on the flag tells whether every request succeeded.
    g_link.sensorConnected = 1;
    if (!ReadRamParameters())
        return HWINFO_LINK_FAILED;
    if (GetOffset() != LINK_OK || g_link.sensorConnected != 1)
        return HWINFO_LINK_FAILED;
    char hardwareText[kHardwareTextLength + 1];
    if (!ReadHardwareText(hardwareText))
        return HWINFO_LINK_FAILED;
    char path[MAX_PATHNAME_LEN];
    if (!SelectHardwareFile(path)) {
        AppendStatusText(Tr(kTxtHwNoFileSelected));
        AppendStatusText("\n\n");
        return HWINFO_NOT_CHOSEN;
    }
    int result = WriteHardwareFile(path, hardwareText);
    ReportWritten(path, result);
    return result < 0 ? HWINFO_NOT_WRITTEN : HWINFO_WRITTEN;
}
