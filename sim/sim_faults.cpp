#include "sim_faults.h"

#include "link/frame.h"
#include "sim_options.h"

namespace
{

bool EveryNth(long count, int n)
{
    return n > 0 && count % n == 0;
}

void RecomputeHeaderCrc(std::vector<unsigned char> &frame)
{
    frame[7] = crc8Update(frame.data(), 0, 7, kCrc8Table);
}

std::vector<unsigned char> OversizeFrame(const std::vector<unsigned char> &frame)
{
    std::vector<unsigned char> data(kOversizeLength);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (unsigned char)(i * 7 + 3);
    FrameHeader header = ParseFrameHeader(frame.data());
    return BuildFrame(header.command, header.parameter, data.data(), data.size());
}

// A well-formed frame that carries fewer data bytes than the command gives: the
// header announces only what is sent and both CRCs fit.
std::vector<unsigned char> ShortenedFrame(const std::vector<unsigned char> &frame, size_t dataBytes)
{
    FrameHeader header = ParseFrameHeader(frame.data());
    if (header.length <= dataBytes)
        return frame;
    return BuildFrame(header.command, header.parameter, frame.data() + kFrameHeaderSize, dataBytes);
}

// Header or data CRC made wrong while everything else stays right, so the receiver
// sees exactly one kind of damage.
void CorruptFrame(std::vector<unsigned char> &frame, long count)
{
    const FaultSettings &f = g_options.faults;
    bool hasData = GetLe16(frame.data() + 4) > 0;
    if (f.zeroLengthCrc >= 0 && !hasData) {
        frame[6] = (unsigned char)f.zeroLengthCrc;
        RecomputeHeaderCrc(frame);
    }
    if (EveryNth(count, f.badDataCrcEvery) && hasData) {
        frame[6] ^= 0x5A;
        RecomputeHeaderCrc(frame);
    }
    if (EveryNth(count, f.badSyncEvery)) {
        frame[0] = kBadSyncByte;
        RecomputeHeaderCrc(frame);
    }
    if (EveryNth(count, f.badHeaderCrcEvery))
        frame[7] ^= 0x5A;
}

bool IsAffected(FaultCounters &counters, int command)
{
    const FaultSettings &f = g_options.faults;
    if (f.faultCommand >= 0 && command != f.faultCommand)
        return false;
    if (++counters.matched <= f.faultAfter)
        return false;
    ++counters.affected;
    return true;
}

} // namespace

std::vector<unsigned char> BuildFrame(int command, unsigned parameter, const unsigned char *data,
                                      size_t length)
{
    std::vector<unsigned char> frame(kFrameHeaderSize + length);
    BuildFrameHeader(frame.data(), command, parameter, data, (unsigned)length);
    for (size_t i = 0; i < length; ++i)
        frame[kFrameHeaderSize + i] = data[i];
    return frame;
}

std::vector<unsigned char> BuildErrorFrame(unsigned code)
{
    return BuildFrame(kErrorReplyCommand, code, nullptr, 0);
}

ShapedReply ShapeReply(FaultCounters &counters, int command, std::vector<unsigned char> frame)
{
    ShapedReply reply;
    reply.headerBytes = kFrameHeaderSize;
    if (!IsAffected(counters, command)) {
        reply.bytes = std::move(frame);
        return reply;
    }
    const FaultSettings &f = g_options.faults;
    long count = counters.affected;
    if (f.errorReplyCode >= 0)
        frame = BuildErrorFrame((unsigned)f.errorReplyCode);
    if (f.oversizeReply)
        frame = OversizeFrame(frame);
    if (f.shortDataBytes >= 0)
        frame = ShortenedFrame(frame, (size_t)f.shortDataBytes);
    CorruptFrame(frame, count);
    if (f.truncateBytes >= 0 && (size_t)f.truncateBytes < frame.size())
        frame.resize((size_t)f.truncateBytes);
    reply.bytes = std::move(frame);
    reply.delay = f.delayMs / 1000.0;
    reply.dataDelay = f.dataDelayMs / 1000.0;
    reply.send = !f.noReply && f.closeAfter != 0;
    reply.closeAfter = f.closeAfter >= 0 && count >= f.closeAfter;
    return reply;
}
