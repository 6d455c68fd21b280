#pragma once
// The hardware info file for support cases: firmware text, the sensor's hardware
// block as hexadecimal text, its RAM parameter set and its receiver offset.

constexpr int kHardwareBlockBytes = 512;
constexpr int kHardwareTextLength = 2 * kHardwareBlockBytes; // 4 digits per 16-bit word

// 256 little-endian words as 4 lower-case hexadecimal digits each, joined;
// `text` holds kHardwareTextLength + 1 bytes.
void FormatHardwareText(const unsigned char block[kHardwareBlockBytes], char *text);

// Reads parameters, offset and hardware block, asks for the path and writes the file;
// reports in the connection page's status box. A failure writes nothing.
void GenerateHWInfoFile(void);
