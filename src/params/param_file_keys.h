#pragma once
// The keys of the "PARAMETER" section of parameter and hardware info files, in the
// order they are written, with the value that stands in for a missing key.

#include <cstdint>

struct ParaFileKey {
    const char *key;
    int field; // ParameterField
    uint16_t defaultValue;
    const char *listedAs; // its line in the list of keys that could not be read
};

constexpr int kParaFileKeyCount = 32;
extern const ParaFileKey kParaFileKeys[kParaFileKeyCount];

constexpr const char *kParaSection = "PARAMETER";
constexpr const char *kGeneralInfoSection = "GENERAL INFO";
constexpr const char *kFileTypeTag = "FILE TYPE:";
constexpr const char *kScopeVersionTag = "SCOPE VERSION:";
constexpr const char *kParameterFileType = "Parameter File";
constexpr const char *kParameterFileVersion = "CHROMIX1 Scope V3.1";
