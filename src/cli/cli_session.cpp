#include "cli/cli_session.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "app/status_box.h"
#include "cli/cli_exit.h"
#include "cli/cli_texts.h"
#include "connection/connection.h"
#include "connection/reconnect.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "panels/panel_resource.h"
#include "platform/paths.h"
#include "platform/termination.h"
#include "resource/panel_ids.h"
#include "shell/process_state.h"
#include "shell/startup.h"
#include "ui/popup_responder.h"
#include "ui/userint.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

CliRun g_cli;

namespace
{

void WriteText(std::FILE *stream, const char *text)
{
    if (!text || !*text)
        return;
    std::fputs(text, stream);
    std::fflush(stream);
}

void StatusToStandardError(const char *text)
{
    WriteText(stderr, text);
}

void StatusToStandardOutput(const char *text)
{
    WriteText(stdout, text);
}

// The link's failure ends whatever loop runs and decides the exit status.
void ReportLinkFailureOnStandardError(const char *message)
{
    // With --reconnect a running live or record command goes on after the outage.
    if (TakeOverLinkFailure())
        return;
    g_cli.linkFailed = true;
    StopAllLoops();
    PrintMessage(message);
}

// The first signal lets a running loop end its pass, so that the file is whole and a
// sensor that pushes frames is told to stop; otherwise, and at a second signal, every
// wait returns at once.
void EndOnSignal()
{
    bool firstSignal = g_cli.signal == 0;
    g_cli.signal = TerminationSignal();
    if (firstSignal && AnyLoopActive()) {
        StopAllLoops();
        return;
    }
    QuitUserInterface(0);
}

void ApplyConnectionOptions(const CliOptions &options)
{
    int page = g_app.mainPages[PAGE_CONNECTION];
    if (options.tcp) {
        SetCtrlVal(page, TABCONN_PROTOCOL, (int)PROTOCOL_TCP);
        SetCtrlVal(page, TABCONN_IPADDRESS, options.host.c_str());
        SetCtrlVal(page, TABCONN_PORTNUMBER, options.portText.c_str());
    }
    if (options.serial) {
        SetCtrlVal(page, TABCONN_PROTOCOL, (int)PROTOCOL_RS232);
        SetCtrlVal(page, TABCONN_COMPORT, options.comPort);
    }
    if (options.baudIndex >= 0)
        SetCtrlVal(page, TABCONN_BAUDRATE, options.baudIndex);
    // A script asks for reconnection itself: the window's stored choice does not count.
    SetCtrlVal(page, TABCONN_AUTORECONNECT, options.reconnect ? 1 : 0);
    InitConnectPanel();
}

void ApplyLanguageAndId(const CliOptions &options)
{
    if (options.language >= 0) {
        g_app.language = options.language;
        SetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_LANGUAGE, options.language);
    }
    if (options.idGiven) {
        StringCopyBounded(g_app.sensorId, options.id.c_str(), sizeof g_app.sensorId);
        SetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_SENSORID, g_app.sensorId);
        SetCtrlVal(g_app.mainPages[PAGE_RECORDER], TABREC_SENSORID, g_app.sensorId);
    }
}

} // namespace

void PrintMessage(const char *text)
{
    if (!text || !*text)
        return;
    size_t length = std::strlen(text);
    std::fputs(text, stderr);
    if (text[length - 1] != '\n')
        std::fputc('\n', stderr);
    std::fflush(stderr);
}

void PrintFormatted(const TextPair &format, ...)
{
    char text[4096];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, Tr(format), arguments);
    va_end(arguments);
    PrintMessage(text);
}

bool InputFileReadable(const std::string &path)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        PrintFormatted(kTxtCliCannotRead, path.c_str(), std::strerror(errno));
        return false;
    }
    std::fclose(file);
    return true;
}

void StatusTextsToStandardOutput(void)
{
    SetStatusTextSink(StatusToStandardOutput);
}

bool StartCliSession(const CliOptions &options)
{
    g_cli = CliRun{&options, false, 0};
    ResetProcessState();
    if (LoadProgramPanels(kPanelResourceFile) < 0)
        return false;
    InitPanelState(SETTINGS_READ_ONLY);
    GetConnectionSettingsFromFile();
    ApplyLanguageAndId(options);
    ApplyConnectionOptions(options);
    InstallCommandLineResponder();
    SetStatusTextSink(StatusToStandardError);
    InstallLinkReports(LinkReports{ReportLinkFailureOnStandardError});
    InstallTerminationHandler(EndOnSignal);
    return true;
}

void EndCliSession(void)
{
    ShutdownProgram();
    SetStatusTextSink(nullptr);
    SetPopupResponder(PopupResponder());
    ResetLinkReports();
}

bool ConnectSensor(void)
{
    if (EndRequested())
        return false;
    TryToConnect();
    return g_link.sensorConnected == 1 && !EndRequested();
}

bool EndRequested(void)
{
    return g_cli.signal != 0 || QuitRequested();
}

int FinalStatus(int status)
{
    if (g_cli.signal != 0)
        return kExitSignalBase + g_cli.signal;
    if (g_cli.linkFailed)
        return kExitLinkFailed;
    return status;
}
