#pragma once
// The sensor's scope: a ring of 128 samples of CH0, SIG and the digital state word,
// recorded every scan-rate cycles once armed, frozen when the trigger has fired and
// the samples after it are in.

#include "link/frame.h"

enum ScopeTriggerMode {
    STM_SINGLE_SHOT = 0,
    STM_RISING_EDGE = 1,
    STM_FALLING_EDGE = 2,
    STM_INTERNAL_OUT0 = 3,
    STM_EXTERNAL_IN0 = 4,
};

constexpr int kScopeChannels = 3;
constexpr int kScopePayloadBytes = 2 * kScopeSamples;
// Bits of the digital state word.
constexpr unsigned kScopeBitOut0 = 1u << 0;
constexpr unsigned kScopeBitOut1 = 1u << 1;
constexpr unsigned kScopeBitIn0 = 1u << 8;
constexpr unsigned kScopeBitIn1 = 1u << 9;

struct CycleSample {
    unsigned short ch0;
    unsigned short sig;
    unsigned short digital;
};

struct ScopeSettings {
    unsigned level;
    unsigned mode;
    unsigned pretrigger;
    unsigned scanRate;
};

// Settings from the 8-byte payload of a scan start; false for an unknown trigger mode.
bool ScopeSettingsFromPayload(const unsigned char *payload, ScopeSettings &settings);
void ArmScope(const ScopeSettings &settings, int owner);
void DisarmScope();
bool ScopeIsArmed();
int ScopeOwner();
// Called once per sensor cycle.
void FeedScope(const CycleSample &sample);
// A complete capture: the three payloads in the order CH0, SIG, digital states and the
// ring position of the trigger sample (0 for a single shot, whose ring is in order).
// Disarms the scope.
bool TakeScopeCapture(unsigned char payloads[kScopeChannels][kScopePayloadBytes], unsigned &ringPosition);
// The known trace, for tests that check how a program unrolls and draws a scan:
// ring position i holds CH0 100 + 10 i, SIG 4000 - 10 i and a digital word whose
// bits 0, 1, 8, 9 are bits 0 to 3 of i. Disarms the scope.
void TakeKnownScopeTrace(unsigned char payloads[kScopeChannels][kScopePayloadBytes]);
