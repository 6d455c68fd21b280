#pragma once
// Moving the parameter set between the form and the sensor's RAM or EEPROM.

int SendPara(void);
int GetPara(void);
// The same, telling in `replaced` how many values the sensor replaced by its defaults
// (the plausibility count of the write, or of the EEPROM load).
int SendPara(int *replaced);
int GetPara(int *replaced);
