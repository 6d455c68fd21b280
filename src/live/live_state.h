#pragma once
// Live data: the latest frame.

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

struct LiveState {
    LiveFrame frame; // the latest intact frame; zero until one arrives
};

extern LiveState g_live;

// Back to the state before start-up: no frame received.
void ResetLiveState(void);
