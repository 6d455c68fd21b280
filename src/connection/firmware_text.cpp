#include "connection/firmware_text.h"

namespace
{

// The text up to the delimiter; `rest` keeps what follows it (empty when the
// delimiter does not occur).
std::string TakeToken(std::string &rest, char delimiter)
{
    size_t at = rest.find(delimiter);
    std::string token = rest.substr(0, at);
    rest = at == std::string::npos ? std::string() : rest.substr(at + 1);
    return token;
}

} // namespace

FirmwareVersion ParseFirmwareText(const std::string &firmware)
{
    std::string rest = firmware;
    std::string a = TakeToken(rest, '.');
    std::string b = TakeToken(rest, '.');
    TakeToken(rest, ' '); // C, the build number, is not shown
    FirmwareVersion parsed;
    parsed.version = a + "." + b;
    parsed.versionText = parsed.version + rest;
    return parsed;
}
