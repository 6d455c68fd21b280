#pragma once
// Live data: the latest frame and the histories of the data panel's strip charts.

#include <cstdint>

// The 22-byte payload of the live data reply, little-endian, copied byte for byte.
#pragma pack(push, 1)
struct LiveFrame {
    int16_t Ch0;
    int16_t Sig;
    int16_t RefSig1;
    int16_t RefSig2;
    int16_t Temp;
    int16_t RefCh0;
    uint16_t OutState;
    uint8_t InBits;
    uint8_t Spare;
    int16_t MaxMinA;
    int16_t MaxMinB;
    int16_t AnaOut;
};
#pragma pack(pop)
static_assert(sizeof(LiveFrame) == 22, "LiveFrame is the 22-byte wire record");

constexpr int kHistoryLength = 100; // samples per strip chart trace
constexpr int kThresholdTraces = 6; // REF, Sig, tolerance A and B, hysteresis A and B
constexpr int kThresholdHistoryLength = kHistoryLength * kThresholdTraces;

struct LiveState {
    LiveFrame frame; // the latest intact frame; zero until one arrives
    // Chart histories, oldest sample first; zero at start-up and never cleared, so a
    // new GO continues the traces. Updated in place: a frame allocates nothing.
    double ch0History[kHistoryLength];
    double sigHistory[kHistoryLength];
    double eval1History[kThresholdHistoryLength]; // trace j of sample k at 6k + j
    double eval2History[kThresholdHistoryLength];

    unsigned long long framesTaken;    // live frames taken since start-up
    unsigned long long chartRefreshes; // ShowGraph runs since start-up
    double lastShownTime;              // Timer() of the last display refresh of a running loop
    bool frameUnshown;                 // the running loop took a frame it has not shown yet
    bool chartsPaused;                 // PAUSE: the charts hold their view while frames arrive
    bool statisticsHidden;             // the charts' statistics lines are switched off
};

extern LiveState g_live;

// Back to the state before start-up: no frame received.
void ResetLiveState(void);
