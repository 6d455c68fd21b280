#pragma once
// The parameter file: saving the form into an INI file and loading one into it.

#include "inistore/inifile.h"

struct ParameterFields;

// What became of a load from a parameter file.
enum ParaFileLoad {
    PARA_FILE_LOADED,     // the form holds the file's set, the rules applied to it
    PARA_FILE_DEFAULTED,  // loaded, but keys the file lacks took their defaults
    PARA_FILE_NOT_CHOSEN, // no existing file chosen: nothing changed
    PARA_FILE_DECLINED,   // a foreign file that was not accepted: nothing changed
};

// SEND with the target FILE: 0 when the file was written, negative when no file was
// chosen or the write failed (the operator has been told).
int SendParaToFile(void);
// GET with the target FILE. `fromFile`, when given, receives the set as the file
// holds it, before the form and the rules saw it.
ParaFileLoad ReadParaFromFile(ParameterFields *fromFile = nullptr);
int AppendParaToIniHandle(IniText store);
int AcquireParaFromIniHandle(IniText store);
