#include "cli/cli_options.h"

#include "link/transport.h"
#include "platform/com_devices.h"
#include "platform/mqtt_publisher.h"
#include "recorder/record_split.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace
{

constexpr unsigned Bit(CliCommand command)
{
    return 1u << command;
}

constexpr unsigned kSensorCommands =
    Bit(CMD_GET) | Bit(CMD_SEND) | Bit(CMD_LIVE) | Bit(CMD_RECORD) | Bit(CMD_HWINFO) | Bit(CMD_TABLE);
constexpr unsigned kAllCommands = kSensorCommands | Bit(CMD_PORTS);
constexpr int kBaudIndexCount = 8;
constexpr unsigned long long kMaxRecordValues = 65535; // the VALUES field's range
constexpr double kMaxSeconds = 2000000.0;              // about 23 days

struct CommandEntry {
    const char *name;
    CliCommand command;
    bool takesFile;
    const char *synopsis;
    const char *help;
};

const CommandEntry kCommands[] = {
    {"get", CMD_GET, true, "get [--eeprom] FILE",
     "reads the parameter set (RAM, or EEPROM first) into a parameter file"},
    {"send", CMD_SEND, true, "send [--eeprom] FILE",
     "sends a parameter file to RAM (and saves it to EEPROM), reads it back and compares"},
    {"live", CMD_LIVE, false, "live [--count N] [--interval S] [--reconnect] [--publish URL [--qos 0|1]]",
     "prints live frames as record file rows on standard output"},
    {"record", CMD_RECORD, true,
     "record FILE (--values N | --duration S) [--interval S] [--triggered] [--replace] [--split-hours H]"
     " [--reconnect]",
     "records into a record file (counted, timed, or the frames the sensor sends)"},
    {"hwinfo", CMD_HWINFO, true, "hwinfo FILE", "saves the hardware info file"},
    {"table", CMD_TABLE, true, "table FILE",
     "loads a conversion table file and writes its conversion data to the sensor"},
    {"ports", CMD_PORTS, false, "ports", "lists the serial ports, as FIND COM PORTS does"},
};

enum OptionId {
    OPT_TCP,
    OPT_SERIAL,
    OPT_BAUD,
    OPT_LANG,
    OPT_ID,
    OPT_EEPROM,
    OPT_COUNT,
    OPT_INTERVAL,
    OPT_VALUES,
    OPT_DURATION,
    OPT_TRIGGERED,
    OPT_REPLACE,
    OPT_SPLIT_HOURS,
    OPT_RECONNECT,
    OPT_PUBLISH,
    OPT_QOS,
};

struct OptionEntry {
    const char *name;
    OptionId id;
    const char *argument; // null for a flag
    unsigned commands;
    const char *help;
};

const OptionEntry kOptions[] = {
    {"--tcp", OPT_TCP, "HOST[:PORT]", kSensorCommands, "connect over TCP/IP (port 5000 unless given)"},
    {"--serial", OPT_SERIAL, "PORT", kSensorCommands, "connect over RS-232: COMn or a device path"},
    {"--baud", OPT_BAUD, "B", kSensorCommands, "baud rate of the serial port (9600 to 921600)"},
    {"--lang", OPT_LANG, "en|de", kAllCommands, "language of the messages (default: the stored one)"},
    {"--id", OPT_ID, "TEXT", kSensorCommands,
     "sensor identification for record files and published frames (default: the stored one)"},
    {"--eeprom", OPT_EEPROM, nullptr, Bit(CMD_GET) | Bit(CMD_SEND),
     "get: load the EEPROM set into RAM first; send: save the set to EEPROM too"},
    {"--count", OPT_COUNT, "N", Bit(CMD_LIVE), "live: end after N frames"},
    {"--interval", OPT_INTERVAL, "S", Bit(CMD_LIVE) | Bit(CMD_RECORD),
     "seconds from one request to the next; live: 0 (default) as fast as the link\n"
     "      allows; record: 1 by default, at least 0.25"},
    {"--values", OPT_VALUES, "N", Bit(CMD_RECORD), "record: end after N rows (1 to 65535)"},
    {"--duration", OPT_DURATION, "S", Bit(CMD_RECORD), "record: end after S seconds"},
    {"--triggered", OPT_TRIGGERED, nullptr, Bit(CMD_RECORD),
     "record: the frames the sensor sends on its own"},
    {"--replace", OPT_REPLACE, nullptr, Bit(CMD_RECORD), "record: replace an existing FILE"},
    {"--split-hours", OPT_SPLIT_HOURS, "H", Bit(CMD_RECORD),
     "record: go on in FILE_0002, FILE_0003, ... every H hours (0: never; default: the\n"
     "      stored NEW FILE EVERY [h])"},
    {"--reconnect", OPT_RECONNECT, nullptr, Bit(CMD_LIVE) | Bit(CMD_RECORD),
     "live, record: when the link is lost, reconnect every 2 s and go on (STOP: a signal)"},
    {"--publish", OPT_PUBLISH, "mqtt://HOST[:PORT]/TOPIC", Bit(CMD_LIVE),
     "live: publish every frame as JSON to an MQTT broker"},
    {"--qos", OPT_QOS, "0|1", Bit(CMD_LIVE), "live: 0 (default) or 1 for frames the broker confirms"},
};

const CommandEntry *FindCommandEntry(const char *name)
{
    for (const CommandEntry &entry : kCommands)
        if (name && std::strcmp(name, entry.name) == 0)
            return &entry;
    return nullptr;
}

// "--name" or "--name=value"; `inlineValue` points after '=' when there is one.
const OptionEntry *FindOption(const char *argument, const char **inlineValue)
{
    *inlineValue = nullptr;
    const char *equals = std::strchr(argument, '=');
    size_t length = equals ? (size_t)(equals - argument) : std::strlen(argument);
    for (const OptionEntry &entry : kOptions)
        if (std::strlen(entry.name) == length && std::strncmp(argument, entry.name, length) == 0) {
            if (equals)
                *inlineValue = equals + 1;
            return &entry;
        }
    return nullptr;
}

bool Refuse(std::string *error, const std::string &reason)
{
    *error = reason;
    return false;
}

bool ParseCount(const char *text, unsigned long long maximum, unsigned long long *value)
{
    if (!text || !*text || std::strspn(text, "0123456789") != std::strlen(text))
        return false;
    errno = 0;
    unsigned long long parsed = std::strtoull(text, nullptr, 10);
    if (errno != 0 || parsed < 1 || parsed > maximum)
        return false;
    *value = parsed;
    return true;
}

bool ParseSeconds(const char *text, double *value)
{
    if (!text || !*text)
        return false;
    char *end = nullptr;
    errno = 0;
    double parsed = std::strtod(text, &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(parsed) || parsed < 0.0 || parsed > kMaxSeconds)
        return false;
    *value = parsed;
    return true;
}

// A baud rate of the selector's list, as the selector's value.
bool ParseBaud(const char *text, int *baudIndex)
{
    unsigned long long value = 0;
    if (!ParseCount(text, LONG_MAX, &value))
        return false;
    for (int index = 0; index < kBaudIndexCount; ++index)
        if (BaudRateFromIndex(index) == (long)value) {
            *baudIndex = index;
            return true;
        }
    return false;
}

// "COMn", or a device path that a COM port number stands for.
bool ParseSerialPort(const char *text, int *port)
{
    unsigned long long number = 0;
    if ((text[0] == 'C' || text[0] == 'c') && (text[1] == 'O' || text[1] == 'o') &&
        (text[2] == 'M' || text[2] == 'm') && ParseCount(text + 3, 255, &number)) {
        *port = (int)number;
        return true;
    }
    *port = ComPortOfDevice(text);
    return *port > 0;
}

bool ParseTcp(const char *text, CliOptions *options)
{
    std::string address = text;
    size_t colon = address.rfind(':');
    options->host = address.substr(0, colon);
    options->portText = "5000";
    if (colon != std::string::npos) {
        unsigned long long port = 0;
        if (!ParseCount(address.c_str() + colon + 1, 65535, &port))
            return false;
        options->portText = std::to_string(port);
    }
    options->tcp = true;
    return !options->host.empty();
}

bool ApplyOption(const OptionEntry &entry, const char *value, CliOptions *options, std::string *error)
{
    const std::string bad = std::string("invalid value '") + (value ? value : "") + "' of " + entry.name;
    switch (entry.id) {
    case OPT_TCP:
        return ParseTcp(value, options) || Refuse(error, bad);
    case OPT_SERIAL:
        options->serial = true;
        return ParseSerialPort(value, &options->comPort) ||
               Refuse(error, std::string("no COM port number stands for '") + value + "'");
    case OPT_BAUD:
        return ParseBaud(value, &options->baudIndex) || Refuse(error, bad);
    case OPT_LANG:
        if (std::strcmp(value, "en") == 0 || std::strcmp(value, "de") == 0) {
            options->language = value[0] == 'd' ? 0 : 1;
            return true;
        }
        return Refuse(error, bad);
    case OPT_ID:
        options->idGiven = true;
        options->id = value;
        return options->id.size() <= 99 || Refuse(error, "--id takes at most 99 characters");
    case OPT_EEPROM:
        options->eeprom = true;
        return true;
    case OPT_COUNT:
        return ParseCount(value, ULLONG_MAX, &options->count) || Refuse(error, bad);
    case OPT_INTERVAL:
        return ParseSeconds(value, &options->interval) || Refuse(error, bad);
    case OPT_VALUES:
        return ParseCount(value, kMaxRecordValues, &options->values) || Refuse(error, bad);
    case OPT_DURATION:
        return (ParseSeconds(value, &options->duration) && options->duration > 0.0) || Refuse(error, bad);
    case OPT_TRIGGERED:
        options->triggered = true;
        return true;
    case OPT_REPLACE:
        options->replace = true;
        return true;
    case OPT_RECONNECT:
        options->reconnect = true;
        return true;
    case OPT_SPLIT_HOURS:
        return (ParseSeconds(value, &options->splitHours) && options->splitHours <= kMaxSplitHours) ||
               Refuse(error, bad);
    case OPT_PUBLISH: {
        MqttTarget target;
        options->publish = value;
        return ParseMqttUrl(value, &target) || Refuse(error, bad);
    }
    case OPT_QOS:
        if (std::strcmp(value, "0") == 0 || std::strcmp(value, "1") == 0) {
            options->qos = value[0] - '0';
            return true;
        }
        return Refuse(error, bad);
    }
    return Refuse(error, bad);
}

bool TakeFile(const char *argument, CliOptions *options, std::string *error)
{
    if (!options->file.empty())
        return Refuse(error, std::string("more than one file: '") + argument + "'");
    std::error_code failed;
    std::filesystem::path path = std::filesystem::absolute(argument, failed);
    options->file = failed ? std::string(argument) : path.lexically_normal().string();
    return true;
}

// What the options say together.
bool CheckCombination(const CommandEntry &command, const CliOptions &options, std::string *error)
{
    if (command.takesFile && options.file.empty())
        return Refuse(error, std::string(command.name) + " needs a FILE");
    if (options.tcp && options.serial)
        return Refuse(error, "--tcp and --serial exclude each other");
    if (options.tcp && options.baudIndex >= 0)
        return Refuse(error, "--baud is a setting of the serial port");
    if (command.command == CMD_RECORD && (options.values > 0) == (options.duration > 0.0))
        return Refuse(error, "record needs either --values or --duration");
    if (options.qos != 0 && options.publish.empty())
        return Refuse(error, "--qos belongs to --publish");
    return true;
}

} // namespace

bool FindCommand(const char *name, CliCommand *command)
{
    const CommandEntry *entry = FindCommandEntry(name);
    if (entry && command)
        *command = entry->command;
    return entry != nullptr;
}

bool ParseCliOptions(int argc, char **argv, CliOptions *options, bool *help, std::string *error)
{
    *help = false;
    const CommandEntry *command = argc > 1 ? FindCommandEntry(argv[1]) : nullptr;
    if (!command)
        return Refuse(error, std::string("unknown command '") + (argc > 1 ? argv[1] : "") + "'");
    *options = CliOptions();
    options->command = command->command;
    for (int index = 2; index < argc; ++index) {
        const char *argument = argv[index];
        if (std::strcmp(argument, "--help") == 0) {
            *help = true;
            return true;
        }
        if (std::strncmp(argument, "--", 2) != 0) {
            if (!command->takesFile)
                return Refuse(error, std::string(command->name) + " takes no file: '" + argument + "'");
            if (!TakeFile(argument, options, error))
                return false;
            continue;
        }
        const char *value = nullptr;
        const OptionEntry *entry = FindOption(argument, &value);
        if (!entry)
            return Refuse(error, std::string("unknown option '") + argument + "'");
        if (!(entry->commands & Bit(command->command)))
            return Refuse(error, std::string(entry->name) + " is no option of " + command->name);
        if (entry->argument && !value) {
            if (index + 1 >= argc)
                return Refuse(error, std::string("missing value of option '") + entry->name + "'");
            value = argv[++index];
        } else if (!entry->argument && value) {
            return Refuse(error, std::string(entry->name) + " takes no value");
        }
        if (!ApplyOption(*entry, value, options, error))
            return false;
    }
    return CheckCombination(*command, *options, error);
}

std::string CommandUsage(void)
{
    std::string usage = "Commands (no window and no display; the panel settings file is only read):\n";
    for (const CommandEntry &entry : kCommands)
        usage += std::string("  ") + entry.synopsis + "\n      " + entry.help + "\n";
    usage += "\nOptions of the commands:\n";
    for (const OptionEntry &entry : kOptions) {
        std::string name =
            std::string(entry.name) + (entry.argument ? std::string(" ") + entry.argument : "");
        usage += "  " + name + "\n      " + entry.help + "\n";
    }
    usage += "\nWithout --tcp and --serial a command connects as the connection page stored it.\n"
             "Messages go to standard error; live writes its rows to standard output.\n"
             "Exit status: 0 done, 1 link failure, 2 usage, 3 a file that cannot be read or written\n"
             "or is of the wrong type, 4 refused (rules, plausibility, read-back), 130 or 143 ended\n"
             "by SIGINT or SIGTERM.\n";
    return usage;
}
