#pragma once
// The firmware text of the sensor, "A.B C D" (for example "CHROMIX1 V3.1.0 R2"):
// A up to the first '.', B up to the next '.', C up to the next blank, D the rest.
// A token that does not exist is empty.

#include <string>

// The firmware that this program works with, compared with A + "." + B.
constexpr const char *kExpectedFirmware = "CHROMIX1 V3.1";

struct FirmwareVersion {
    std::string version;     // A + "." + B
    std::string versionText; // A + "." + B + D, shown on the data panel
};

FirmwareVersion ParseFirmwareText(const std::string &firmware);
