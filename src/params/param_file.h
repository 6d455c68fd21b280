#pragma once
// The parameter file: saving the form into an INI file and loading one into it.

#include "inistore/inifile.h"

void SendParaToFile(void);
void ReadParaFromFile(void);
int AppendParaToIniHandle(IniText store);
int AcquireParaFromIniHandle(IniText store);
