#include "sim_scope.h"

#include <algorithm>

namespace
{

struct ScopeState {
    bool armed = false;
    bool complete = false;
    int owner = -1;
    ScopeSettings settings{};
    unsigned rateCount = 0;
    unsigned short ring[kScopeChannels][kScopeSamples]{};
    int writePosition = 0;
    int recorded = 0;
    bool triggered = false;
    int remaining = 0;
    int triggerPosition = 0;
    CycleSample previous{};
};

ScopeState g_scope;

bool TriggerFires(const CycleSample &previous, const CycleSample &sample)
{
    unsigned level = g_scope.settings.level;
    switch (g_scope.settings.mode) {
    case STM_RISING_EDGE:
        return previous.sig < level && sample.sig >= level;
    case STM_FALLING_EDGE:
        return previous.sig > level && sample.sig <= level;
    case STM_INTERNAL_OUT0:
        return !(previous.digital & kScopeBitOut0) && (sample.digital & kScopeBitOut0);
    case STM_EXTERNAL_IN0:
        return !(previous.digital & kScopeBitIn0) && (sample.digital & kScopeBitIn0);
    default:
        return false;
    }
}

int StoreSample(const CycleSample &sample)
{
    int position = g_scope.writePosition;
    g_scope.ring[0][position] = sample.ch0;
    g_scope.ring[1][position] = sample.sig;
    g_scope.ring[2][position] = sample.digital;
    g_scope.writePosition = (position + 1) % kScopeSamples;
    ++g_scope.recorded;
    return position;
}

// A trigger counts only once the pre-trigger samples are in the ring and an edge can
// be seen, so the samples before the trigger position are all from this scan.
void WatchTrigger(const CycleSample &sample, int position)
{
    int needed = std::max((int)g_scope.settings.pretrigger + 1, 2);
    if (g_scope.recorded >= needed && TriggerFires(g_scope.previous, sample)) {
        g_scope.triggered = true;
        g_scope.triggerPosition = position;
        g_scope.remaining = kScopeSamples - 1 - (int)g_scope.settings.pretrigger;
        g_scope.complete = g_scope.remaining == 0;
    }
}

} // namespace

bool ScopeSettingsFromPayload(const unsigned char *payload, ScopeSettings &settings)
{
    settings.level = GetLe16(payload);
    settings.mode = GetLe16(payload + 2);
    settings.pretrigger = std::min<unsigned>(GetLe16(payload + 4), kScopeSamples - 1);
    settings.scanRate = std::max<unsigned>(GetLe16(payload + 6), 1);
    return settings.mode <= STM_EXTERNAL_IN0;
}

void ArmScope(const ScopeSettings &settings, int owner)
{
    g_scope = ScopeState();
    g_scope.armed = true;
    g_scope.owner = owner;
    g_scope.settings = settings;
    // Count so that the first cycle after arming already records a sample.
    g_scope.rateCount = settings.scanRate - 1;
}

void DisarmScope()
{
    g_scope.armed = false;
    g_scope.complete = false;
}

bool ScopeIsArmed()
{
    return g_scope.armed;
}

int ScopeOwner()
{
    return g_scope.owner;
}

void FeedScope(const CycleSample &sample)
{
    if (!g_scope.armed || g_scope.complete)
        return;
    if (++g_scope.rateCount < g_scope.settings.scanRate)
        return;
    g_scope.rateCount = 0;
    int position = StoreSample(sample);
    if (g_scope.settings.mode == STM_SINGLE_SHOT) {
        g_scope.complete = g_scope.recorded == kScopeSamples;
    } else if (!g_scope.triggered) {
        WatchTrigger(sample, position);
    } else if (--g_scope.remaining == 0) {
        g_scope.complete = true;
    }
    g_scope.previous = sample;
}

bool TakeScopeCapture(unsigned char payloads[kScopeChannels][kScopePayloadBytes], unsigned &ringPosition)
{
    if (!g_scope.armed || !g_scope.complete)
        return false;
    for (int channel = 0; channel < kScopeChannels; ++channel)
        for (int i = 0; i < kScopeSamples; ++i)
            PutLe16(payloads[channel] + 2 * i, g_scope.ring[channel][i]);
    ringPosition = g_scope.settings.mode == STM_SINGLE_SHOT ? 0 : (unsigned)g_scope.triggerPosition;
    DisarmScope();
    return true;
}

void TakeKnownScopeTrace(unsigned char payloads[kScopeChannels][kScopePayloadBytes])
{
    for (unsigned i = 0; i < (unsigned)kScopeSamples; ++i) {
        PutLe16(payloads[0] + 2 * i, 100 + 10 * i);
        PutLe16(payloads[1] + 2 * i, 4000 - 10 * i);
        PutLe16(payloads[2] + 2 * i, (i & 0x3u) | ((i & 0xCu) << 6));
    }
    DisarmScope();
}
