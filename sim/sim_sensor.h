#pragma once
// The simulated sensor's memories: RAM and EEPROM parameter sets, the calibration
// values and conversion data kept in EEPROM, and the line speed.

#include "sim_params.h"

#include <string>

constexpr int kConvTableBytes = 256;
constexpr int kConvDataValues = 1024;
constexpr int kConvDataBlockValues = 256;
constexpr unsigned kConvDataFirstBlock = 0x1A00;

struct SensorMemory {
    unsigned short ram[kParameterCount];
    unsigned short eeprom[kParameterCount];
    unsigned short receiverOffset; // dark signal subtracted from CH0, EEPROM
    unsigned short factorTimes10;  // settling-time factor x 10, EEPROM
    unsigned char convTable[kConvTableBytes];
    short convData[kConvDataValues]; // analog output curve for ANALOG RANGE CONV TABLE
    int preparedBlock;               // block address of the last prepare, -1 none
    int baudIndex;
};

extern SensorMemory g_sensor;

// Factory state: default parameters in both sets, offset 0, factor 1.0, the reset
// conversion table and a straight conversion curve.
void InitSensorMemory(int baudIndex);
// Power-up: RAM takes the EEPROM set, checked for plausibility.
void LoadRamFromEeprom();

int BaudRateOfIndex(int index);

// The EEPROM file holds the EEPROM contents as text lines "key value...". A missing
// file is not an error (factory state); a damaged one is refused, so that it is never
// overwritten unnoticed.
bool LoadEepromFile(const std::string &path, std::string &error);
// Writes the EEPROM file atomically (temporary file, then rename).
bool SaveEepromFile(const std::string &path, std::string &error);
// Saves when --eeprom was given; reports a failure on stderr.
void SaveEepromIfConfigured();
