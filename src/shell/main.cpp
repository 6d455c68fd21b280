#include "shell/command_line.h"
#include "shell/startup.h"

#include <cstdio>

int main(int argc, char **argv)
{
    int handled = HandleCommandLine(argc, argv, stdout, stderr);
    if (handled != kCommandLineContinue)
        return handled;
    return WinMain(argc, argv);
}
