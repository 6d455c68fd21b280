#pragma once
// The command line's commands and options: what `chromix-scope COMMAND [OPTIONS] [FILE]`
// asks for, checked before anything is opened.

#include <string>

enum CliCommand {
    CMD_GET,
    CMD_SEND,
    CMD_LIVE,
    CMD_RECORD,
    CMD_HWINFO,
    CMD_TABLE,
    CMD_PORTS,
};

struct CliOptions {
    CliCommand command = CMD_PORTS;
    std::string file; // absolute path

    // Connection; what is not given comes from the stored connection page.
    bool tcp = false;
    std::string host;
    std::string portText;
    bool serial = false;
    int comPort = 0;
    int baudIndex = -1; // the baud-rate selector's value; -1: the stored one
    int language = -1;  // -1: the stored language
    bool idGiven = false;
    std::string id; // sensor identification

    bool eeprom = false;
    unsigned long long count = 0; // live: frames; 0 until ended
    double interval = -1.0;       // seconds; below 0: the command's default
    unsigned long long values = 0;
    double duration = 0.0;
    bool triggered = false;
    bool replace = false;
    bool reconnect = false;   // live, record: reconnect after a lost link and go on
    double splitHours = -1.0; // record: a new file every so many hours; below 0: the stored value
    std::string publish;      // mqtt://HOST[:PORT]/TOPIC
    int qos = 0;
};

// The command that argv[1] names; false when it names none.
bool FindCommand(const char *name, CliCommand *command);
// Fills `options` from argv (argv[1] is the command). On a usage error returns false
// with the reason in `error`. `help` is set when --help was asked for.
bool ParseCliOptions(int argc, char **argv, CliOptions *options, bool *help, std::string *error);
// The commands and their options, as --help prints them.
std::string CommandUsage(void);
