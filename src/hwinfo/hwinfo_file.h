#pragma once
// The hardware info file for support cases: firmware text, the sensor's hardware
// block as hexadecimal text, its RAM parameter set and its receiver offset.

#include "hwinfo/hwinfo_block.h"

// Reads parameters, offset and hardware block, asks for the path and writes the file;
// reports in the connection page's status box. A failure writes nothing.
void GenerateHWInfoFile(void);
