#pragma once
// The sensor's parameter set: 32 unsigned 16-bit fields, their defaults and the
// plausibility ranges the simulated firmware checks every received or loaded set with.

#include "link/parameter_fields.h"

struct ParameterRule {
    const char *name;
    unsigned short defaultValue;
    unsigned short minimum;
    unsigned short maximum;
};

extern const ParameterRule kParameterRules[kParameterCount];

void SetDefaultParameters(unsigned short set[kParameterCount]);
// Replaces every field outside its range by its default; returns how many were replaced.
int ReplaceImplausibleParameters(unsigned short set[kParameterCount]);

void ParametersFromBytes(const unsigned char *bytes, unsigned short set[kParameterCount]);
void ParametersToBytes(const unsigned short set[kParameterCount], unsigned char *bytes);
