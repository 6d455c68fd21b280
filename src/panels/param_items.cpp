#include "panels/param_items.h"

const RingItems kPowerModeItems = {{"STATIC", 0}, {"DYNAMIC", 1}, {"STATIC IN1", 2}};

const RingItems kLedModeItems = {{"DC", 0}, {"AC", 1}, {"OFF", 2}};

// Values 1 to 8 are single amplification stages; 9 to 12 let IN0 and IN1 pick one
// of four stages.
const RingItems kGainItems = {
    {"AMP1", 1}, {"AMP2", 2}, {"AMP3", 3},    {"AMP4", 4},     {"AMP5", 5},     {"AMP6", 6},
    {"AMP7", 7}, {"AMP8", 8}, {"AMP1234", 9}, {"AMP5678", 10}, {"AMP1357", 11}, {"AMP2468", 12},
};

const RingItems kAnalogOutmodeItems = {{"OFF", 0}, {"VOLTAGE", 1}, {"CURRENT", 2}};

const RingItems kAnalogRangeItems = {
    {"FULL", 0}, {"MIN-MAX when IN0", 1}, {"0-MAX when IN0", 2}, {"CONV TABLE", 3}};

const RingItems kAnalogOutItems = {{"CONT", 0}, {"RISING EDGE of IN1", 1}, {"FALLING EDGE of IN1", 2}};

const RingItems kDigitalOutmodeItems = {
    {"OFF", 0},
    {"DIRECT", 1},
    {"INVERSE", 2},
    {"DIR RIS EDG of IN1", 3},
    {"INV RIS EDG of IN1", 4},
    {"DIR FAL EDG of IN1", 5},
    {"INV FAL EDG of IN1", 6},
};

const RingItems kOperatingModeItems = {{"NORMAL", 0}, {"DIFFERENTIATOR", 1}, {"DELTA CH0 INTEGRATOR", 2}};

const RingItems kOffOnItems = {{"OFF", 0}, {"ON", 1}};

const RingItems kThresholdModeItems = {{"LOW", 0}, {"HIGH", 1}, {"WIN", 2}, {"2 TRSH", 3}};

const RingItems kThresholdTracingItems = {{"OFF", 0}, {"ON TOL", 1}, {"ON CONT", 2}};

const RingItems kThresholdCalcItems = {{"ABSOLUTE", 0}, {"RELATIVE", 1}};

const RingItems kExternTeachItems = {{"OFF", 0}, {"DIRECT", 1}, {"DYN", 2},
                                     {"MAX", 3}, {"MIN", 4},    {"(MAX+MIN)/2", 5}};
