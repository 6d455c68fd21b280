#pragma once
// Item lists of the parameter rings: the English labels with the coded values that
// the parameter set carries.

#include <string>
#include <utility>
#include <vector>

using RingItems = std::vector<std::pair<std::string, int>>;

extern const RingItems kPowerModeItems;
extern const RingItems kLedModeItems;
extern const RingItems kGainItems;
extern const RingItems kAnalogOutmodeItems;
extern const RingItems kAnalogRangeItems;
extern const RingItems kAnalogOutItems;
extern const RingItems kDigitalOutmodeItems;
extern const RingItems kOperatingModeItems;
extern const RingItems kOffOnItems;
extern const RingItems kThresholdModeItems;
extern const RingItems kThresholdTracingItems;
extern const RingItems kThresholdCalcItems;
extern const RingItems kExternTeachItems;
