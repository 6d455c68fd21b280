// hwinfo, table and ports: the hardware info file, the conversion data of a table file
// and the port list, as the connection page and the conversion table page make them.
#include "app/app_state.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit.h"
#include "cli/cli_session.h"
#include "cli/cli_texts.h"
#include "convtable/conv_eeprom.h"
#include "convtable/conv_file.h"
#include "hwinfo/hwinfo_file.h"
#include "link/exchange.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

int RunHwInfoCommand(const CliOptions &)
{
    if (!ConnectSensor())
        return kExitLinkFailed;
    switch (GenerateHWInfoFile()) {
    case HWINFO_WRITTEN:
        return kExitDone;
    case HWINFO_LINK_FAILED:
        return kExitLinkFailed;
    default:
        return kExitFileProblem;
    }
}

// The table is loaded before the connection: a file that is refused costs no sensor
// time.
int RunTableCommand(const CliOptions &options)
{
    if (!InputFileReadable(options.file))
        return kExitFileProblem;
    ConvFileLoad load = GetConvTableFromFile();
    if (load != CONV_FILE_LOADED) {
        if (load == CONV_FILE_DEFAULTED)
            PrintMessage(Tr(kTxtCliTableIncomplete));
        return kExitFileProblem;
    }
    if (!ConnectSensor())
        return kExitLinkFailed;
    int result = CalculateAndSaveConvData();
    if (result == LINK_OK)
        return kExitDone;
    return result == LINK_FAILED ? kExitLinkFailed : kExitRefused;
}

// FIND COM PORTS, with the list on standard output for a script to read.
int RunPortsCommand(const CliOptions &)
{
    StatusTextsToStandardOutput();
    CBF_ButtonFindComPorts(g_app.mainPages[PAGE_CONNECTION], TABCONN_FINDPORTS, EVENT_COMMIT, nullptr, 0, 0);
    return kExitDone;
}
