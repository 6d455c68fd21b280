#include "cli/cli.h"

#include "cli/cli_commands.h"
#include "cli/cli_exit.h"
#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "shell/command_line.h"
#include "ui/ui_init.h"

#include <cstdio>
#include <string>

namespace
{

int RunParsedCommand(const CliOptions &options)
{
    switch (options.command) {
    case CMD_GET:
        return RunGetCommand(options);
    case CMD_SEND:
        return RunSendCommand(options);
    case CMD_LIVE:
        return RunLiveCommand(options);
    case CMD_RECORD:
        return RunRecordCommand(options);
    case CMD_HWINFO:
        return RunHwInfoCommand(options);
    case CMD_TABLE:
        return RunTableCommand(options);
    case CMD_PORTS:
        return RunPortsCommand(options);
    }
    return kExitUsage;
}

} // namespace

int RunCommand(int argc, char **argv)
{
    // Device paths are resolved against the program directory, which the runtime knows.
    if (InitUserInterfaceWithoutDisplay(argv[0]) < 0)
        return kExitLinkFailed;
    CliOptions options;
    bool help = false;
    std::string error;
    if (!ParseCliOptions(argc, argv, &options, &help, &error)) {
        std::fprintf(stderr, "chromix-scope: %s\n%s", error.c_str(), ProgramUsage().c_str());
        return kExitUsage;
    }
    if (help) {
        std::fputs(ProgramUsage().c_str(), stdout);
        return kExitDone;
    }
    if (!StartCliSession(options))
        return kExitLinkFailed;
    int status = RunParsedCommand(options);
    EndCliSession();
    return FinalStatus(status);
}
