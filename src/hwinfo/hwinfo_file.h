#pragma once
// The hardware info file for support cases: firmware text, the sensor's hardware
// block as hexadecimal text, its RAM parameter set and its receiver offset.

#include "hwinfo/hwinfo_block.h"

// What became of a hardware info file.
enum HwInfoOutcome {
    HWINFO_WRITTEN,
    HWINFO_LINK_FAILED, // a request failed (reported by the link); nothing written
    HWINFO_NOT_CHOSEN,  // no file chosen; nothing written
    HWINFO_NOT_WRITTEN, // the file could not be written
};

// Reads parameters, offset and hardware block, asks for the path and writes the file;
// reports in the connection page's status box. A failure writes nothing.
HwInfoOutcome GenerateHWInfoFile(void);
