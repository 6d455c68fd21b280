#include "sim_options.h"

#include "link/frame.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

SimOptions g_options;

namespace
{

enum class ValueKind { None, Required, Optional };

constexpr double kMaxOutageSeconds = 86400.0;

struct OptionInfo {
    const char *name;
    ValueKind kind;
    bool runtime; // may change through the control channel
    const char *argument;
    const char *help;
};

const OptionInfo kOptions[] = {
    {"tcp", ValueKind::Optional, false, "PORT",
     "TCP server on 127.0.0.1 (default port 5000; 0 picks a free port)"},
    {"pty", ValueKind::Required, false, "LINK",
     "pseudo-terminal; LINK becomes a symbolic link to its device"},
    {"firmware", ValueKind::Required, true, "TEXT", "firmware text (default \"CHROMIX1 V3.1.0 R2\")"},
    {"sensor-name", ValueKind::Required, true, "TEXT", "sensor name (default \"CHROMIX1-SIM\")"},
    {"serial", ValueKind::Required, true, "N", "serial number (default 31)"},
    {"push-rate", ValueKind::Required, true, "HZ", "rate of auto-send frames (default 20)"},
    {"seed", ValueKind::Required, false, "N", "seed of the simulated signal (default 1)"},
    {"eeprom", ValueKind::Required, false, "FILE", "keep the EEPROM contents in FILE across runs"},
    {"baud", ValueKind::Required, false, "INDEX", "starting baud-rate index 0..7 (default 4, 115200)"},
    {"mark-period", ValueKind::Required, false, "MS",
     "a mark passes once every MS milliseconds (default 1700)"},
    {"scope-ring", ValueKind::Required, true, "P",
     "scans send the known trace at ring position P at once (off: the living signal)"},
    {"cycle-reply", ValueKind::Required, true, "SCANS/TIME",
     "cycle time replies carry these counts (TIME in 0.1 ms; off: the signal model's)"},
    {"live-sequence", ValueKind::None, true, "",
     "live frames carry the known sequence (frame n: CH0 1000 + n, SIG 3000 - n, ...)"},
    {"verbose", ValueKind::None, true, "", "log every request and reply in hex on stderr"},
    {"outage", ValueKind::Required, true, "SECONDS",
     "the sensor goes away for SECONDS (with --outage-after) and comes back"},
    {"outage-after", ValueKind::Required, false, "SECONDS", "the outage starts SECONDS after the start"},
    {"outage-link", ValueKind::Required, true, "LINK",
     "after an outage the pty comes back as LINK (off: under its own link)"},
    {"delay", ValueKind::Required, true, "MS", "fault: delay the reply by MS milliseconds"},
    {"data-delay", ValueKind::Required, true, "MS", "fault: header on time, data block MS later"},
    {"no-reply", ValueKind::None, true, "", "fault: do not answer"},
    {"bad-header-crc", ValueKind::Required, true, "N", "fault: wrong header CRC in every Nth reply"},
    {"bad-data-crc", ValueKind::Required, true, "N", "fault: wrong data CRC in every Nth reply"},
    {"bad-sync", ValueKind::Required, true, "N", "fault: sync byte not 0x55 in every Nth reply"},
    {"error-reply", ValueKind::Required, true, "CODE", "fault: answer with an error reply of CODE"},
    {"truncate", ValueKind::Required, true, "N", "fault: send only the first N bytes of a reply"},
    {"short-data", ValueKind::Required, true, "N",
     "fault: a reply carries only its first N data bytes, header and CRCs fitting"},
    {"close-after", ValueKind::Required, true, "N",
     "fault: close the connection after N replies (pty: stop answering)"},
    {"oversize-reply", ValueKind::None, true, "", "fault: announce and send 3000 data bytes"},
    {"zero-length-crc", ValueKind::Required, true, "BYTE", "fault: data CRC of replies without data"},
    {"pace", ValueKind::None, true, "", "send every byte at the current baud rate (10 bits a byte)"},
    {"fault-command", ValueKind::Required, true, "CODE", "faults affect only replies to command CODE"},
    {"fault-after", ValueKind::Required, true, "N", "the first N replies stay normal"},
};

const OptionInfo *FindOption(const std::string &name)
{
    for (const OptionInfo &option : kOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

bool ParseNumber(const std::string &text, long minimum, long maximum, long &value, std::string &error)
{
    errno = 0;
    char *end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 0);
    if (text.empty() || errno != 0 || *end != '\0' || parsed < minimum || parsed > maximum) {
        error = "\"" + text + "\" is not a number from " + std::to_string(minimum) + " to " +
                std::to_string(maximum);
        return false;
    }
    value = parsed;
    return true;
}

// Seconds with a fraction, 0 to kMaxOutageSeconds.
bool ParseSeconds(const std::string &text, double &value, std::string &error)
{
    errno = 0;
    char *end = nullptr;
    double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || errno != 0 || *end != '\0' || !(parsed >= 0.0 && parsed <= kMaxOutageSeconds)) {
        error =
            "\"" + text + "\" is not a number of seconds from 0 to " + std::to_string((int)kMaxOutageSeconds);
        return false;
    }
    value = parsed;
    return true;
}

// A fault value that "off" switches off (stored as offValue).
bool ParseFaultNumber(const std::string &text, long minimum, long maximum, int offValue, int &target,
                      std::string &error)
{
    if (text == "off") {
        target = offValue;
        return true;
    }
    long value = 0;
    if (!ParseNumber(text, minimum, maximum, value, error))
        return false;
    target = (int)value;
    return true;
}

// A flag is switched on by its bare name, or by "on"/"1", and off by "off"/"0".
bool ParseFlag(const std::string &text, bool &target, std::string &error)
{
    if (text.empty() || text == "on" || text == "1") {
        target = true;
        return true;
    }
    if (text == "off" || text == "0") {
        target = false;
        return true;
    }
    error = "\"" + text + "\" is neither on nor off";
    return false;
}

bool ApplyFaultSetting(const std::string &name, const std::string &value, std::string &error)
{
    FaultSettings &f = g_options.faults;
    if (name == "delay")
        return ParseFaultNumber(value, 0, 600000, 0, f.delayMs, error);
    if (name == "data-delay")
        return ParseFaultNumber(value, 0, 600000, 0, f.dataDelayMs, error);
    if (name == "no-reply")
        return ParseFlag(value, f.noReply, error);
    if (name == "bad-header-crc")
        return ParseFaultNumber(value, 0, 1000000, 0, f.badHeaderCrcEvery, error);
    if (name == "bad-data-crc")
        return ParseFaultNumber(value, 0, 1000000, 0, f.badDataCrcEvery, error);
    if (name == "bad-sync")
        return ParseFaultNumber(value, 0, 1000000, 0, f.badSyncEvery, error);
    if (name == "error-reply")
        return ParseFaultNumber(value, 0, 65535, -1, f.errorReplyCode, error);
    if (name == "truncate")
        return ParseFaultNumber(value, 0, 1000000, -1, f.truncateBytes, error);
    if (name == "short-data")
        return ParseFaultNumber(value, 0, 1000000, -1, f.shortDataBytes, error);
    if (name == "close-after")
        return ParseFaultNumber(value, 0, 1000000, -1, f.closeAfter, error);
    if (name == "oversize-reply")
        return ParseFlag(value, f.oversizeReply, error);
    if (name == "zero-length-crc")
        return ParseFaultNumber(value, 0, 255, -1, f.zeroLengthCrc, error);
    if (name == "pace")
        return ParseFlag(value, f.pace, error);
    if (name == "fault-command")
        return ParseFaultNumber(value, 0, 255, -1, f.faultCommand, error);
    if (name == "fault-after")
        return ParseFaultNumber(value, 0, 1000000, 0, f.faultAfter, error);
    error = "unknown setting \"" + name + "\"";
    return false;
}

bool ParseCycleReply(const std::string &value, std::string &error)
{
    if (value == "off") {
        g_options.cycleReplySet = false;
        return true;
    }
    size_t slash = value.find('/');
    long scans = 0;
    long elapsed = 0;
    if (slash == std::string::npos ||
        !ParseNumber(value.substr(0, slash), INT32_MIN, INT32_MAX, scans, error) ||
        !ParseNumber(value.substr(slash + 1), INT32_MIN, INT32_MAX, elapsed, error)) {
        if (error.empty())
            error = "\"" + value + "\" is not SCANS/TIME";
        return false;
    }
    g_options.cycleReplySet = true;
    g_options.cycleScans = (int)scans;
    g_options.cycleElapsed = (int)elapsed;
    return true;
}

bool ApplyIdentitySetting(const std::string &name, const std::string &value, std::string &error)
{
    long number = 0;
    if (name == "firmware") {
        g_options.firmware = value;
        return true;
    }
    if (name == "sensor-name") {
        g_options.sensorName = value;
        return true;
    }
    if (name == "serial") {
        if (!ParseNumber(value, 0, 65535, number, error))
            return false;
        g_options.serial = (unsigned)number;
        return true;
    }
    if (name == "push-rate") {
        if (!ParseNumber(value, 1, 1000, number, error))
            return false;
        g_options.pushRate = (double)number;
        return true;
    }
    if (name == "cycle-reply")
        return ParseCycleReply(value, error);
    if (name == "scope-ring") {
        if (value == "off") {
            g_options.scopeRing = -1;
            return true;
        }
        if (!ParseNumber(value, 0, kScopeSamples - 1, number, error))
            return false;
        g_options.scopeRing = (int)number;
        return true;
    }
    if (name == "verbose")
        return ParseFlag(value, g_options.verbose, error);
    if (name == "outage")
        return ParseSeconds(value, g_options.outageSeconds, error);
    if (name == "outage-link") {
        g_options.outageLink = value == "off" ? std::string() : value;
        return true;
    }
    if (name == "live-sequence")
        return ParseFlag(value, g_options.liveSequence, error);
    return ApplyFaultSetting(name, value, error);
}

bool ApplyStartSetting(const std::string &name, const std::string &value, std::string &error)
{
    long number = 0;
    if (name == "tcp") {
        g_options.tcp = true;
        if (value.empty())
            return true;
        if (!ParseNumber(value, 0, 65535, number, error))
            return false;
        g_options.tcpPort = (int)number;
        return true;
    }
    if (name == "pty") {
        g_options.ptyLink = value;
        return true;
    }
    if (name == "seed") {
        errno = 0;
        char *end = nullptr;
        unsigned long long seed = std::strtoull(value.c_str(), &end, 0);
        if (value.empty() || errno != 0 || *end != '\0') {
            error = "\"" + value + "\" is not a seed";
            return false;
        }
        g_options.seed = seed;
        return true;
    }
    if (name == "eeprom") {
        g_options.eepromFile = value;
        return true;
    }
    if (name == "mark-period") {
        if (!ParseNumber(value, 100, 60000, number, error))
            return false;
        g_options.markPeriodMs = (int)number;
        return true;
    }
    if (name == "outage-after")
        return ParseSeconds(value, g_options.outageAfterSeconds, error);
    if (name == "baud") {
        if (!ParseNumber(value, 0, 65535, number, error))
            return false;
        g_options.baudIndex = (int)number;
        return true;
    }
    return ApplyIdentitySetting(name, value, error);
}

// An outage on the command line needs both its length and its start.
bool CheckOutageOptions(std::string &error)
{
    bool hasLength = g_options.outageSeconds >= 0.0;
    bool hasStart = g_options.outageAfterSeconds >= 0.0;
    if (hasLength == hasStart)
        return true;
    error = hasLength ? "--outage needs --outage-after" : "--outage-after needs --outage";
    return false;
}

} // namespace

bool ApplySetting(const std::string &name, const std::string &value, bool atRunTime, std::string &error)
{
    const OptionInfo *option = FindOption(name);
    if (!option) {
        error = "unknown setting \"" + name + "\"";
        return false;
    }
    if (atRunTime && !option->runtime) {
        error = "\"" + name + "\" can only be given on the command line";
        return false;
    }
    if (option->kind == ValueKind::Required && value.empty()) {
        error = "\"" + name + "\" needs a value " + option->argument;
        return false;
    }
    return ApplyStartSetting(name, value, error);
}

void ClearFaults()
{
    g_options.faults = FaultSettings();
}

ParseOutcome ParseCommandLine(int argc, char **argv, std::string &error)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h")
            return ParseOutcome::Help;
        if (arg.compare(0, 2, "--") != 0) {
            error = "unexpected argument \"" + arg + "\"";
            return ParseOutcome::Error;
        }
        std::string name = arg.substr(2);
        std::string value;
        size_t equals = name.find('=');
        bool hasValue = equals != std::string::npos;
        if (hasValue) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const OptionInfo *option = FindOption(name);
        if (!option) {
            error = "unknown option \"" + arg + "\"";
            return ParseOutcome::Error;
        }
        bool nextIsValue = i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0;
        if (!hasValue && option->kind == ValueKind::Required) {
            if (i + 1 >= argc) {
                error = "option --" + name + " needs a value " + option->argument;
                return ParseOutcome::Error;
            }
            value = argv[++i];
        } else if (!hasValue && option->kind == ValueKind::Optional && nextIsValue) {
            value = argv[++i];
        }
        if (!ApplySetting(name, value, false, error)) {
            error = "--" + name + ": " + error;
            return ParseOutcome::Error;
        }
    }
    if (!g_options.tcp && g_options.ptyLink.empty())
        g_options.tcp = true;
    return CheckOutageOptions(error) ? ParseOutcome::Run : ParseOutcome::Error;
}

void PrintUsage(FILE *out)
{
    std::fprintf(out, "Usage: chromix-sim [OPTION]...\n"
                      "Simulates one CHROMIX1 sensor on a TCP port and/or a pseudo-terminal.\n\n");
    for (const OptionInfo &option : kOptions) {
        std::string left = std::string("  --") + option.name;
        if (option.kind == ValueKind::Required)
            left += std::string(" ") + option.argument;
        else if (option.kind == ValueKind::Optional)
            left += std::string(" [") + option.argument + "]";
        std::fprintf(out, "%-28s %s\n", left.c_str(), option.help);
    }
    std::fprintf(out, "  --help                       show this text\n\n"
                      "Fault options affect every reply unless --fault-command restricts them to one\n"
                      "command; --fault-after N keeps the first N of those replies normal. Pushed\n"
                      "frames count as replies of the command they carry (8 auto-send, 110 scope).\n"
                      "Fault counters restart with every new TCP client and every control line.\n\n"
                      "On start one line per transport is printed, then \"chromix-sim: ready\":\n"
                      "  chromix-sim: tcp 127.0.0.1 PORT\n"
                      "  chromix-sim: pty DEVICE link LINK\n\n"
                      "Control lines on stdin use the option names without dashes, e.g.\n"
                      "\"delay 2900\", \"fault-command 8\", \"bad-data-crc 1\", \"pace off\", \"clear\".\n"
                      "A fault value of \"off\" switches it off; \"clear\" switches every fault off.\n"
                      "Each line is answered on stdout by \"chromix-sim: ok LINE\" or\n"
                      "\"chromix-sim: error MESSAGE\".\n\n"
                      "\"outage SECONDS\" makes the sensor go away at once: \"chromix-sim: gone\", then\n"
                      "after SECONDS the transport lines again and \"chromix-sim: back\".\n");
}
