#include "params/parameter_set.h"

#include <cstring>

ParameterFields ParameterSet;

uint16_t GetParameterField(int n)
{
    uint16_t fields[kParameterCount];
    std::memcpy(fields, &ParameterSet, sizeof fields);
    return (n >= 0 && n < kParameterCount) ? fields[n] : 0;
}

void SetParameterField(int n, uint16_t value)
{
    if (n < 0 || n >= kParameterCount)
        return;
    uint16_t fields[kParameterCount];
    std::memcpy(fields, &ParameterSet, sizeof fields);
    fields[n] = value;
    std::memcpy(&ParameterSet, fields, sizeof fields);
}

void ParameterSetToWire(unsigned char payload[kParameterSetBytes])
{
    for (int n = 0; n < kParameterCount; ++n)
        PutLe16(payload + 2 * n, GetParameterField(n));
}

void ParameterSetFromWire(const unsigned char payload[kParameterSetBytes])
{
    for (int n = 0; n < kParameterCount; ++n)
        SetParameterField(n, GetLe16(payload + 2 * n));
}

void ResetParameterSet(void)
{
    ParameterSet = ParameterFields{};
}
