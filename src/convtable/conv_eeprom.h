#pragma once
// The conversion table and the conversion data in the sensor's EEPROM. The functions
// return LINK_OK or LINK_FAILED; a failure has already been reported by the link.

constexpr int kConvDataValues = 1024;
constexpr int kConvDataBlocks = 4;
constexpr int kConvDataBlockValues = kConvDataValues / kConvDataBlocks;
constexpr unsigned kConvDataFirstBlock = 0x1A00;

int GetConvTableFromEE(void);
int SaveConvTableToEE(void);
// The curve scaled to 0..4095 of its maximum, every fourth point; false when the
// maximum is not above 0 or a scaled value does not fit a signed 16-bit word.
bool ScaleConvData(short data[kConvDataValues]);
// Scales the curve and writes the four blocks, each prepared first. The first failed
// request ends the sequence; the status box then names the blocks already written.
int SaveConvDataToEE(void);
// SAVE CONVERSION DATA: the curve calculated from the table in view, scaled and
// written, and the operator told whether it was saved. LINK_OK when saved,
// LINK_FAILED after a failed request, 0 when the table gives no curve to save.
int CalculateAndSaveConvData(void);
