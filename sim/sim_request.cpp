#include "sim_request.h"

#include "link/frame.h"

#include <algorithm>

namespace
{

void DropFront(std::vector<unsigned char> &input, size_t count)
{
    input.erase(input.begin(), input.begin() + (long)std::min(count, input.size()));
}

void SkipToSync(std::vector<unsigned char> &input)
{
    auto sync = std::find(input.begin(), input.end(), kFrameSync);
    input.erase(input.begin(), sync);
}

bool HeaderCrcIsGood(const unsigned char *header)
{
    return crc8Update(header, 0, kFrameHeaderSize, kCrc8Table) == 0;
}

// Another sync byte inside a damaged header may start the real frame: a request sent
// right after stray bytes that happened to contain 0x55.
size_t NextSyncInHeader(const std::vector<unsigned char> &input)
{
    for (size_t i = 1; i < (size_t)kFrameHeaderSize; ++i)
        if (input[i] == kFrameSync)
            return i;
    return 0;
}

} // namespace

RequestOutcome TakeRequest(std::vector<unsigned char> &input, Request &request)
{
    for (;;) {
        SkipToSync(input);
        if (input.size() < (size_t)kFrameHeaderSize)
            return RO_NONE;
        if (HeaderCrcIsGood(input.data()))
            break;
        size_t next = NextSyncInHeader(input);
        if (next == 0) {
            request.command = input[1];
            input.clear();
            return RO_BAD_HEADER;
        }
        DropFront(input, next);
    }
    FrameHeader header = ParseFrameHeader(input.data());
    request.command = header.command;
    request.parameter = header.parameter;
    if (header.length > kMaxRequestData) {
        input.clear();
        return RO_BAD_HEADER;
    }
    size_t total = (size_t)kFrameHeaderSize + header.length;
    if (input.size() < total)
        return RO_NONE;
    request.data.assign(input.begin() + kFrameHeaderSize, input.begin() + (long)total);
    DropFront(input, total);
    if (header.length > 0 && crc8Update(request.data.data(), 0, header.length, kCrc8Table) != header.dataCrc)
        return RO_BAD_DATA;
    return RO_REQUEST;
}
