#pragma once
// The receiver offset and the settling-time factor kept in the sensor's EEPROM, read,
// calculated and written through the offset compensation page's two fields. Each
// returns 1 (LINK_OK) or -1 after the failure has been reported.

int GetOffset(void);             // offset and factor into the two fields
int CalcOffset(void);            // the sensor measures its dark signal; shown as offset
int SendOffset(void);            // the offset field to the sensor
int SendSettingTimeFactor(void); // the factor field, in tenths, to the sensor
