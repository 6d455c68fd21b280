#pragma once
// Command-line options of chromix-sim and the run-time settings that the control
// channel on stdin changes with the same names.

#include <cstdint>
#include <cstdio>
#include <string>

// Faults injected into the replies. A value of -1 (or false) switches a fault off.
struct FaultSettings {
    int delayMs = 0;            // whole reply delayed
    int dataDelayMs = 0;        // header on time, data block later
    bool noReply = false;       // request swallowed
    int badHeaderCrcEvery = 0;  // every Nth affected reply with a wrong header CRC
    int badDataCrcEvery = 0;    // every Nth affected reply with a wrong data CRC
    int badSyncEvery = 0;       // every Nth affected reply with a wrong sync byte, header CRC fitting
    int errorReplyCode = -1;    // affected requests answered by an error reply with this code
    int truncateBytes = -1;     // only the first N bytes of an affected reply are sent
    int shortDataBytes = -1;    // only the first N data bytes, in a frame that announces just them
    int closeAfter = -1;        // connection closed after N affected replies
    bool oversizeReply = false; // header announcing 3000 data bytes, then 3000 bytes
    int zeroLengthCrc = -1;     // data CRC carried by replies without data
    bool pace = false;          // every byte paced at the current baud rate
    int faultCommand = -1;      // only replies to this command are affected
    int faultAfter = 0;         // the first N matching replies stay normal
};

struct SimOptions {
    bool tcp = false;
    int tcpPort = 5000;
    std::string ptyLink;
    std::string firmware = "CHROMIX1 V3.1.0 R2";
    std::string sensorName = "CHROMIX1-SIM";
    unsigned serial = 31;
    double pushRate = 20.0;
    uint64_t seed = 1;
    std::string eepromFile;
    bool verbose = false;
    int baudIndex = 4;
    int markPeriodMs = 1700; // a mark passes the sensor once in this period
    // Ring position of the known scope trace, or -1 for scans of the living signal.
    int scopeRing = -1;
    // Live frames carry the known sequence (sim_signal.h) instead of the living signal.
    bool liveSequence = false;
    // A fixed reply to the cycle time request instead of the counts of the signal model.
    bool cycleReplySet = false;
    int cycleScans = 0;
    int cycleElapsed = 0;
    // An outage: the sensor goes away for outageSeconds, on the command line
    // outageAfterSeconds after it is ready (-1: not given); the pty comes back under
    // outageLink when that is set.
    double outageSeconds = -1.0;
    double outageAfterSeconds = -1.0;
    std::string outageLink;
    FaultSettings faults;
};

extern SimOptions g_options;

enum class ParseOutcome { Run, Help, Error };

// Fills g_options from the command line. Without any transport option the simulator
// serves TCP on port 5000.
ParseOutcome ParseCommandLine(int argc, char **argv, std::string &error);

// Applies one setting by its option name without dashes; value is empty for a flag.
// At run time only the fault and reply options may change.
bool ApplySetting(const std::string &name, const std::string &value, bool atRunTime, std::string &error);

// Switches every fault off (the control channel's "clear").
void ClearFaults();

void PrintUsage(FILE *out);
