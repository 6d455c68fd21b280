#pragma once
// The commands, each run once the session has started; each returns its exit status
// (cli_exit.h) before FinalStatus lets a signal or a link failure decide.

#include "cli/cli_options.h"

int RunGetCommand(const CliOptions &options);
int RunSendCommand(const CliOptions &options);
int RunLiveCommand(const CliOptions &options);
int RunRecordCommand(const CliOptions &options);
int RunHwInfoCommand(const CliOptions &options);
int RunTableCommand(const CliOptions &options);
int RunPortsCommand(const CliOptions &options);
