#pragma once
// Moving the parameter set between the form and the sensor's RAM or EEPROM.

int SendPara(void);
int GetPara(void);
