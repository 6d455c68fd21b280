// get and send: the parameter set between the sensor and a parameter file, through
// GET and SEND of the window with the program's own file, rules and plausibility.
#include "app/app_state.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit.h"
#include "cli/cli_session.h"
#include "cli/cli_texts.h"
#include "link/exchange.h"
#include "params/param_file.h"
#include "params/param_file_keys.h"
#include "params/param_form.h"
#include "params/param_transfer.h"
#include "params/parameter_set.h"

#include <cstring>

namespace
{

short MemoryOf(const CliOptions &options)
{
    return options.eeprom ? PARA_MEMORY_EEPROM : PARA_MEMORY_RAM;
}

uint16_t FieldOf(const ParameterFields &set, int field)
{
    uint16_t value = 0;
    std::memcpy(&value, reinterpret_cast<const unsigned char *>(&set) + 2 * field, sizeof value);
    return value;
}

// Lists the fields in which two sets differ, by their file keys, under a heading.
// Returns whether they differ.
bool ListDifferences(const ParameterFields &before, const ParameterFields &after, const TextPair &heading,
                     const TextPair &line)
{
    bool differ = false;
    for (const ParaFileKey &entry : kParaFileKeys) {
        unsigned was = FieldOf(before, entry.field);
        unsigned is = FieldOf(after, entry.field);
        if (was == is)
            continue;
        if (!differ)
            PrintMessage(Tr(heading));
        differ = true;
        PrintFormatted(line, entry.key, was, is);
    }
    return differ;
}

int FileLoadStatus(ParaFileLoad load)
{
    if (load == PARA_FILE_LOADED)
        return kExitDone;
    if (load == PARA_FILE_DEFAULTED)
        PrintMessage(Tr(kTxtCliParaFileIncomplete));
    return kExitFileProblem;
}

} // namespace

int RunGetCommand(const CliOptions &options)
{
    if (!ConnectSensor())
        return kExitLinkFailed;
    g_app.paraMemory = MemoryOf(options);
    int replaced = 0;
    if (GetPara(&replaced) != LINK_OK)
        return kExitLinkFailed;
    g_app.paraMemory = PARA_MEMORY_FILE;
    if (SendParaToFile() < 0)
        return kExitFileProblem;
    return replaced > 0 ? kExitRefused : kExitDone;
}

// The file is loaded into the form and the rules run as when GET loads it; what the
// form then holds is sent, as SEND sends it, and read back the way get reads it.
int RunSendCommand(const CliOptions &options)
{
    if (!InputFileReadable(options.file))
        return kExitFileProblem;
    if (!ConnectSensor())
        return kExitLinkFailed;
    ParameterFields fromFile = {};
    int loaded = FileLoadStatus(ReadParaFromFile(&fromFile));
    if (loaded != kExitDone)
        return loaded;
    GetPanelValues();
    bool rulesChanged = ListDifferences(fromFile, ParameterSet, kTxtCliRulesChanged, kTxtCliRuleChangeLine);

    g_app.paraMemory = MemoryOf(options);
    int replaced = 0;
    if (SendPara(&replaced) != LINK_OK)
        return kExitLinkFailed;
    const ParameterFields sent = ParameterSet;
    int replacedOnReading = 0;
    if (GetPara(&replacedOnReading) != LINK_OK)
        return kExitLinkFailed;
    bool readBackDiffers = ListDifferences(sent, ParameterSet, kTxtCliReadBackDiffers, kTxtCliReadBackLine);
    bool refused = rulesChanged || replaced > 0 || replacedOnReading > 0 || readBackDiffers;
    return refused ? kExitRefused : kExitDone;
}
