#include "support/link_reply_harness.h"

#include "connection/firmware_text.h"
#include "hwinfo/hwinfo_block.h"
#include "link/exchange.h"
#include "link/link_channel.h"
#include "link/link_state.h"
#include "link/reply_data.h"
#include "live/live_frame_reply.h"
#include "offset/offset_reply.h"
#include "params/parameter_set.h"
#include "scope/cycle_time_reply.h"
#include "scope/scope_frames.h"
#include "scope/scope_unroll.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

// Append only: byte 0 of every seed names an index of this table.
const ReplyHarnessRequest kReplyHarnessRequests[] = {{ORDER_WRITE_PARAMETERS, 0},
                                                     {ORDER_READ_PARAMETERS, 0},
                                                     {ORDER_SAVE_PARAMETERS_TO_EEPROM, 0},
                                                     {ORDER_LOAD_PARAMETERS_FROM_EEPROM, 0},
                                                     {ORDER_READ_FIRMWARE, 0},
                                                     {ORDER_READ_SENSOR_INFO, 0},
                                                     {ORDER_SET_BAUDRATE, 0},
                                                     {ORDER_CONV_TABLE, 0},
                                                     {ORDER_CONV_DATA_PREPARE, 0},
                                                     {ORDER_CONV_DATA_WRITE, 0},
                                                     {ORDER_READ_DATA_FRAME, 0},
                                                     {ORDER_OFFSET, OFFSET_READ},
                                                     {ORDER_OFFSET, OFFSET_CALCULATE},
                                                     {ORDER_READ_CYCLE_TIME, 0},
                                                     {ORDER_READ_HARDWARE_INFO, kHardwareInfoAccess},
                                                     {ORDER_SCOPE_SCAN, 1}};
const int kReplyHarnessRequestCount = sizeof kReplyHarnessRequests / sizeof kReplyHarnessRequests[0];

namespace
{

// Each wait of the exchange lets this much time pass, so that a stalled sensor
// reaches the 3.0 s limit after a few dozen looks.
constexpr double kTimePerWait = 0.1;

struct Feed {
    const unsigned char *next = nullptr;
    size_t left = 0;
    size_t piece = 1;
    double now = 0.0;
    int failures = 0;
};

Feed g_feed;

void Require(bool condition, const char *promise)
{
    if (condition)
        return;
    std::fprintf(stderr, "link reply harness: broken promise: %s\n", promise);
    std::abort();
}

void SendNothing(const unsigned char *, int) {}

int CollectPiece(void)
{
    size_t count = g_feed.left < g_feed.piece ? g_feed.left : g_feed.piece;
    int taken = AppendReplyBytes(g_feed.next, (int)count);
    g_feed.next += taken;
    g_feed.left -= (size_t)taken;
    Require(g_link.receiveCount >= 0 && g_link.receiveCount <= kLinkBufferSize, "input within the buffer");
    return 0;
}

bool LetTimePass(double seconds)
{
    if (seconds > 0.0)
        g_feed.now += kTimePerWait;
    return true;
}

double FeedClock(void)
{
    return g_feed.now;
}

void CountFailure(const TextPair &)
{
    ++g_feed.failures;
}

void CheckVerifiedReply(int command)
{
    Require(g_feed.failures == 0, "a success reports nothing");
    Require(g_link.replyCommand == command || g_link.replyCommand == kErrorReplyCommand,
            "the reply answers the request");
    Require(g_link.replyLength <= kMaxReplyData, "the data fits the receive buffer");
    Require(g_link.receiveCount >= kFrameHeaderSize + g_link.replyLength, "the whole reply is in");
    if (g_link.replyLength > 0)
        Require(crc8Update(g_link.receiveBuffer, kFrameHeaderSize, g_link.replyLength, kCrc8Table) ==
                    g_link.replyDataCrc,
                "the data passed its CRC");
}

// Collects pieces until the input holds `count` bytes; false when the sensor's bytes
// ran out first.
bool FeedUntil(int count)
{
    while (g_link.receiveCount < count && g_feed.left > 0) {
        size_t before = g_feed.left;
        CollectPiece();
        if (g_feed.left == before)
            break;
    }
    return g_link.receiveCount >= count;
}

// What the page tells the sensor and how the frames come.
struct ScanSettings {
    int triggerMode = 0;
    int preTrigger = 0;
    bool overTcp = false;
};

constexpr unsigned char kTcpScanBit = 0x40;
constexpr size_t kScanSettingBytes = 2;

// `block` holds the samples of the frame at `frame`, which passed every check.
void CheckScopeBlock(const unsigned char *frame, const ScanSettings &scan, const unsigned short *block)
{
    Require(FrameHeaderIsValid(frame), "scope samples come from a header that passed its CRC");
    FrameHeader fields = ParseFrameHeader(frame);
    Require(fields.command == ORDER_SCOPE_SCAN && fields.length == 2 * kScopeSamples,
            "scope samples come from a frame of command 110 with 256 data bytes");
    Require(crc8Update(frame, kFrameHeaderSize, fields.length, kCrc8Table) == fields.dataCrc,
            "scope samples come from data that passed its CRC");
    int start = ScopeStartIndex(scan.triggerMode, fields.parameter, scan.preTrigger);
    Require(start >= 0 && start < kScopeSamples, "the ring start is a ring position");
    for (int k = 0; k < kScopeSamples; ++k)
        Require(block[k] == GetLe16(frame + kFrameHeaderSize + 2 * ((start + k) % kScopeSamples)),
                "the samples are the frame's ring from its start");
}

// Over RS-232 the frames are read from the input one after the other, behind the
// acknowledgement.
int ReceiveSerialScan(const ScanSettings &scan)
{
    unsigned short blocks[kScopeBlocks][kScopeSamples] = {};
    DropCheckedFrame();
    for (int i = 0; i < kScopeBlocks; ++i) {
        if (!FeedUntil(kFrameHeaderSize))
            return kReplyHarnessScanArmed;
        if (!TakeSerialScopeFrame(scan.triggerMode, scan.preTrigger, blocks[i]))
            return LINK_FAILED;
        CheckScopeBlock(g_link.receiveBuffer, scan, blocks[i]);
        DropCheckedFrame();
    }
    return LINK_OK;
}

// Over TCP/IP the acknowledgement and the three frames are evaluated at once. They are
// handed over in a block of exactly that size, so a read beyond it is a sanitizer
// report.
int ReceiveTcpScan(const ScanSettings &scan)
{
    if (!FeedUntil(kScopeTcpBytes))
        return kReplyHarnessScanArmed;
    std::unique_ptr<unsigned char[]> input(new unsigned char[kScopeTcpBytes]);
    std::memcpy(input.get(), g_link.receiveBuffer, kScopeTcpBytes);
    unsigned short blocks[kScopeBlocks][kScopeSamples] = {};
    if (!EvaluateTcpScopeFrames(input.get(), scan.triggerMode, scan.preTrigger, blocks))
        return LINK_FAILED;
    for (int i = 0; i < kScopeBlocks; ++i)
        CheckScopeBlock(input.get() + kFrameHeaderSize + i * kScopeFrameBytes, scan, blocks[i]);
    return LINK_OK;
}

int HandleOffsetReply(unsigned operation)
{
    OffsetWords words{};
    bool taken = operation == OFFSET_READ ? TakeOffsetReadReply(words) : TakeOffsetCalculateReply(words);
    int needed = operation == OFFSET_READ ? 4 : 2;
    Require(taken == (g_link.replyLength >= needed), "an offset reply is taken when it carries its words");
    return taken ? LINK_OK : LINK_FAILED;
}

int HandleHardwareReply()
{
    char text[kHardwareTextLength + 1];
    if (!TakeHardwareText(text)) {
        Require(g_link.replyLength < kHardwareBlockBytes, "only a short hardware block is refused");
        return LINK_FAILED;
    }
    Require(std::strlen(text) == (size_t)kHardwareTextLength, "the hardware text is 1024 digits");
    for (int i = 0; i < kHardwareTextLength; ++i)
        Require(std::isxdigit((unsigned char)text[i]) != 0, "the hardware text is hexadecimal");
    return LINK_OK;
}

// What the program takes from the reply of each command; LINK_FAILED when it refuses
// the reply.
int HandleReply(const ReplyHarnessRequest &request, const ScanSettings &scan)
{
    switch (request.command) {
    case ORDER_READ_PARAMETERS: {
        unsigned char payload[kParameterSetBytes];
        if (TakeParameterSetReply(payload) != LINK_OK)
            return LINK_FAILED;
        Require(g_link.replyLength == kParameterSetBytes, "a parameter set is 64 bytes");
        ParameterSetFromWire(payload);
        return LINK_OK;
    }
    case ORDER_READ_FIRMWARE:
        TakeReplyText(g_link.firmware, kFirmwareLength + 1);
        Require(std::strlen(g_link.firmware) <= (size_t)kFirmwareLength, "the firmware text fits its field");
        ParseFirmwareText(g_link.firmware);
        return LINK_OK;
    case ORDER_READ_SENSOR_INFO:
        TakeReplyText(g_link.sensorName, kSensorNameLength);
        Require(std::strlen(g_link.sensorName) < (size_t)kSensorNameLength, "the sensor name fits its field");
        return LINK_OK;
    case ORDER_READ_DATA_FRAME: {
        LiveFrame frame{};
        if (!TakeLiveFrameReply(frame))
            return LINK_FAILED;
        Require(g_link.replyCommand == ORDER_READ_DATA_FRAME && g_link.replyLength >= kLiveFrameBytes,
                "a live frame comes from a whole live data reply");
        return LINK_OK;
    }
    case ORDER_OFFSET:
        return HandleOffsetReply(request.parameter);
    case ORDER_READ_CYCLE_TIME: {
        double elapsedSeconds = 0.0;
        double frequency = ScanFrequencyFromReply(elapsedSeconds);
        Require(std::isfinite(frequency) && frequency >= 0.0, "the scan frequency is a number to show");
        return LINK_OK;
    }
    case ORDER_READ_HARDWARE_INFO:
        return HandleHardwareReply();
    case ORDER_SCOPE_SCAN:
        return scan.overTcp ? ReceiveTcpScan(scan) : ReceiveSerialScan(scan);
    default:
        // Acknowledgements use only the header's parameter; the conversion table read
        // goes straight into the table on its page, so its checks are the exchange's.
        return LINK_OK;
    }
}

// The program reports a refused parameter set and a refused scope frame as a link
// failure; the other refusals are shown on their page or kept quiet.
bool RefusalIsReported(int command)
{
    return command == ORDER_READ_PARAMETERS || command == ORDER_SCOPE_SCAN;
}

unsigned RequestPayloadLength(int command, const ScanSettings &scan)
{
    if (command == ORDER_WRITE_PARAMETERS)
        return (unsigned)kParameterSetBytes;
    if (command != ORDER_SCOPE_SCAN)
        return 0u;
    // Trigger level, mode, pre-trigger count and scan rate, as the scope page sends them.
    unsigned char *payload = RequestPayload();
    std::memset(payload, 0, 8);
    PutLe16(payload + 2, (unsigned)scan.triggerMode);
    PutLe16(payload + 4, (unsigned)scan.preTrigger);
    return 8u;
}

} // namespace

int RunReplyInput(const unsigned char *data, size_t size)
{
    if (size < 2)
        return LINK_FAILED;
    const ReplyHarnessRequest &request = kReplyHarnessRequests[data[0] % kReplyHarnessRequestCount];
    size_t head = 2;
    ScanSettings scan;
    if (request.command == ORDER_SCOPE_SCAN) {
        if (size < head + kScanSettingBytes)
            return LINK_FAILED;
        scan.triggerMode = data[2];
        scan.preTrigger = data[3];
        scan.overTcp = (data[1] & kTcpScanBit) != 0;
        head += kScanSettingBytes;
    }
    g_feed = Feed();
    g_feed.piece = 1 + data[1] % 64;
    g_feed.next = data + head;
    g_feed.left = size - head;

    LinkChannel previous = CurrentLinkChannel();
    InstallLinkChannel(LinkChannel{SendNothing, CollectPiece, LetTimePass, FeedClock, CountFailure});
    g_link.currentCommand = (unsigned char)request.command;
    unsigned length = RequestPayloadLength(request.command, scan);
    FillTxBuf(request.command, request.parameter, length);
    int result = DataExchange(kFrameHeaderSize + (int)length);
    if (result == LINK_OK) {
        CheckVerifiedReply(request.command);
        result = HandleReply(request, scan);
        bool reported = result == LINK_FAILED && RefusalIsReported(request.command);
        Require(g_feed.failures == (reported ? 1 : 0),
                "a refusal is reported once where the program reports it");
    } else {
        Require(result == LINK_FAILED && g_feed.failures == 1, "a failure is reported exactly once");
    }
    InstallLinkChannel(previous);
    return result;
}
