// Unrolling a scan's ring of 128 positions.
#include "scope/scope_unroll.h"

int ScopeStartIndex(int triggerMode, int ringPosition, int preTrigger)
{
    if (triggerMode == 0)
        return 0;
    // Wide arithmetic and a non-negative remainder: a position or count out of range
    // still names a ring position.
    int start =
        (ringPosition % kScopeSamples - preTrigger % kScopeSamples + 2 * kScopeSamples) % kScopeSamples;
    return start;
}

void UnrollScopeFrame(const unsigned char *payload, int triggerMode, int ringPosition, int preTrigger,
                      unsigned short block[kScopeSamples])
{
    int start = ScopeStartIndex(triggerMode, ringPosition, preTrigger);
    for (int k = 0; k < kScopeSamples; ++k)
        block[k] = GetLe16(payload + 2 * ((start + k) % kScopeSamples));
}
