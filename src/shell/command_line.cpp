#include "shell/command_line.h"

#include "cli/cli.h"
#include "cli/cli_options.h"

#include <cstring>
#include <string>

namespace
{

const char kUsage[] =
    "Usage: chromix-scope [--help | --version]\n"
    "       chromix-scope COMMAND [OPTIONS] [FILE]\n"
    "Configuration and monitoring tool for a CHROMIX1 optical sensor over RS-232 or TCP/IP.\n"
    "\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "\n"
    "Without a command the program opens its window. It keeps its settings in\n"
    "PanelSettings.cfg in the program directory or, when that directory is not\n"
    "writable, in $XDG_CONFIG_HOME/chromix-scope/ (default ~/.config/chromix-scope/).\n"
    "Options of the window system (-platform NAME, -display NAME, -style NAME,\n"
    "-stylesheet FILE, -geometry GEOMETRY, -reverse) are passed on.\n"
    "\n";

const char kVersion[] = "CHROMIX1 Scope V3.1.0\n";

struct WindowSystemOption {
    const char *name;
    bool takesValue;
};

// The window system reads these itself when the application object is created.
const WindowSystemOption kWindowSystemOptions[] = {
    {"-platform", true},   {"-display", true},  {"-style", true},
    {"-stylesheet", true}, {"-geometry", true}, {"-reverse", false},
};

const WindowSystemOption *FindWindowSystemOption(const char *argument)
{
    for (const WindowSystemOption &option : kWindowSystemOptions)
        if (std::strcmp(argument, option.name) == 0)
            return &option;
    return nullptr;
}

int RefuseArgument(const char *problem, const char *argument, std::FILE *err)
{
    std::fprintf(err, "chromix-scope: %s '%s'\n%s", problem, argument, ProgramUsage().c_str());
    return kCommandLineUsageExit;
}

} // namespace

std::string ProgramUsage(void)
{
    return kUsage + CommandUsage();
}

int HandleCommandLine(int argc, char **argv, std::FILE *out, std::FILE *err)
{
    if (argc > 1 && FindCommand(argv[1], nullptr))
        return RunCommand(argc, argv);
    for (int index = 1; index < argc; ++index) {
        const char *argument = argv[index];
        if (std::strcmp(argument, "--help") == 0) {
            std::fputs(ProgramUsage().c_str(), out);
            return 0;
        }
        if (std::strcmp(argument, "--version") == 0) {
            std::fputs(kVersion, out);
            return 0;
        }
        const WindowSystemOption *option = FindWindowSystemOption(argument);
        if (!option)
            return RefuseArgument("unknown option", argument, err);
        if (option->takesValue) {
            if (index + 1 >= argc)
                return RefuseArgument("missing value of option", argument, err);
            ++index;
        }
    }
    return kCommandLineContinue;
}
