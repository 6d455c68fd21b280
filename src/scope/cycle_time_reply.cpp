// The scan count and elapsed time of the cycle-time reply.
#include "scope/cycle_time_reply.h"

#include "link/frame.h"
#include "link/link_state.h"

namespace
{

constexpr int kCycleReplyBytes = 8;
constexpr double kElapsedUnitSeconds = 0.0001;

} // namespace

double ScanFrequencyFromReply(double &elapsedSeconds)
{
    if (g_link.replyLength < kCycleReplyBytes)
        return 0.0;
    int scans = GetLe32(ReplyData());
    elapsedSeconds = GetLe32(ReplyData() + 4) * kElapsedUnitSeconds;
    if (scans <= 0 || elapsedSeconds <= 0.0)
        return 0.0;
    return scans / elapsedSeconds;
}
