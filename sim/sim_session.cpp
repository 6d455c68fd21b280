#include "sim_session.h"

#include "sim_options.h"
#include "sim_sensor.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <unistd.h>

Session g_sessions[SESSION_COUNT];

namespace
{

// A pty nobody reads fills up; beyond this the sensor's output simply goes nowhere,
// as on a serial line without a listener.
constexpr size_t kMaxStalledOutput = 64 * 1024;

size_t QueuedBytes(const Session &session)
{
    size_t total = 0;
    for (const OutSegment &segment : session.output)
        total += segment.bytes.size() - segment.sent;
    return total;
}

void DropStalledOutput(Session &session)
{
    if (QueuedBytes(session) <= kMaxStalledOutput)
        return;
    while (session.output.size() > 1)
        session.output.pop_back();
}

void AppendSegment(Session &session, const unsigned char *bytes, size_t count, double notBefore, bool pushed)
{
    OutSegment segment;
    segment.bytes.assign(bytes, bytes + count);
    segment.notBefore = notBefore;
    segment.byteTime = g_options.faults.pace ? CurrentByteTime() : 0.0;
    segment.pushed = pushed;
    session.output.push_back(std::move(segment));
}

// Number of bytes of a segment that may be written by now.
size_t DueBytes(Session &session, OutSegment &segment, double now, double &nextWake)
{
    size_t remaining = segment.bytes.size() - segment.sent;
    if (segment.byteTime <= 0.0)
        return remaining;
    if (segment.wireStart < 0.0)
        segment.wireStart = std::max(segment.notBefore, session.outputWireEnd);
    double onWire = std::floor((now - segment.wireStart) / segment.byteTime + 1e-9);
    size_t completed = onWire <= 0.0 ? 0 : (size_t)onWire;
    size_t due = completed > segment.sent ? std::min(completed - segment.sent, remaining) : 0;
    if (due == 0)
        nextWake = std::min(nextWake, segment.wireStart + (double)(segment.sent + 1) * segment.byteTime);
    return due;
}

void FinishSegment(Session &session, const OutSegment &segment, double now)
{
    if (segment.byteTime > 0.0)
        session.outputWireEnd = segment.wireStart + (double)segment.bytes.size() * segment.byteTime;
    else
        session.outputWireEnd = std::max(session.outputWireEnd, now);
}

} // namespace

void ResetSession(Session &session, int fd, bool isPty)
{
    session = Session();
    session.fd = fd;
    session.isPty = isPty;
}

bool SessionIsOpen(const Session &session)
{
    return session.fd >= 0;
}

double CurrentByteTime()
{
    return 10.0 / BaudRateOfIndex(g_sensor.baudIndex);
}

void NoteInput(Session &session, const unsigned char *bytes, size_t count, double now)
{
    session.input.insert(session.input.end(), bytes, bytes + count);
    session.lastInputTime = now;
    double start = std::max(session.inputWireEnd, now);
    session.inputWireEnd = g_options.faults.pace ? start + (double)count * CurrentByteTime() : now;
}

void QueueReply(Session &session, const ShapedReply &reply, double readyAt, bool pushed)
{
    if (!reply.send && !reply.closeAfter)
        return;
    double start = readyAt + reply.delay;
    size_t total = reply.send ? reply.bytes.size() : 0;
    size_t head = std::min(total, reply.headerBytes);
    if (reply.dataDelay > 0.0 && head < total) {
        AppendSegment(session, reply.bytes.data(), head, start, pushed);
        AppendSegment(session, reply.bytes.data() + head, total - head, start + reply.dataDelay, pushed);
    } else {
        AppendSegment(session, reply.bytes.data(), total, start, pushed);
    }
    session.output.back().closeAfter = reply.closeAfter;
}

FlushResult FlushOutput(Session &session, double now, double &nextWake)
{
    while (!session.output.empty()) {
        OutSegment &segment = session.output.front();
        if (now < segment.notBefore) {
            nextWake = std::min(nextWake, segment.notBefore);
            return FLUSH_OK;
        }
        size_t due = DueBytes(session, segment, now, nextWake);
        if (due > 0) {
            ssize_t written = write(session.fd, segment.bytes.data() + segment.sent, due);
            if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                DropStalledOutput(session);
                return FLUSH_BLOCKED;
            }
            if (written < 0)
                return FLUSH_CLOSE;
            segment.sent += (size_t)written;
            if ((size_t)written < due)
                return FLUSH_BLOCKED;
        }
        if (segment.sent < segment.bytes.size()) {
            if (segment.byteTime > 0.0)
                nextWake =
                    std::min(nextWake, segment.wireStart + (double)(segment.sent + 1) * segment.byteTime);
            return FLUSH_OK;
        }
        bool closeAfter = segment.closeAfter;
        FinishSegment(session, segment, now);
        session.output.pop_front();
        if (closeAfter)
            return FLUSH_CLOSE;
    }
    return FLUSH_OK;
}

int PendingPushes(const Session &session)
{
    int count = 0;
    for (const OutSegment &segment : session.output)
        count += segment.pushed ? 1 : 0;
    return count;
}

void DropPendingPushes(Session &session)
{
    auto unsent = [](const OutSegment &segment) { return segment.pushed && segment.sent == 0; };
    session.output.erase(std::remove_if(session.output.begin(), session.output.end(), unsent),
                         session.output.end());
}
