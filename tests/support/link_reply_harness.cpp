#include "support/link_reply_harness.h"

#include "link/exchange.h"
#include "link/firmware_text.h"
#include "link/link_channel.h"
#include "link/link_state.h"
#include "link/reply_data.h"
#include "params/parameter_set.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

const int kReplyHarnessCommands[] = {ORDER_WRITE_PARAMETERS,
                                     ORDER_READ_PARAMETERS,
                                     ORDER_SAVE_PARAMETERS_TO_EEPROM,
                                     ORDER_LOAD_PARAMETERS_FROM_EEPROM,
                                     ORDER_READ_FIRMWARE,
                                     ORDER_READ_SENSOR_INFO,
                                     ORDER_SET_BAUDRATE,
                                     ORDER_CONV_TABLE,
                                     ORDER_CONV_DATA_PREPARE,
                                     ORDER_CONV_DATA_WRITE};
const int kReplyHarnessCommandCount = sizeof kReplyHarnessCommands / sizeof kReplyHarnessCommands[0];

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

// What the program takes from the reply of each command; LINK_FAILED when it refuses
// the reply (reported once).
int HandleReply(int command)
{
    switch (command) {
    case ORDER_READ_PARAMETERS: {
        unsigned char payload[kParameterSetBytes];
        if (TakeParameterSetReply(payload) != LINK_OK) {
            Require(g_feed.failures == 1, "a refused parameter set is reported once");
            return LINK_FAILED;
        }
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
    default:
        // Acknowledgements use only the header's parameter; the conversion table read
        // goes straight into the table on its page, so its checks are the exchange's.
        return LINK_OK;
    }
}

} // namespace

int RunReplyInput(const unsigned char *data, size_t size)
{
    if (size < 2)
        return LINK_FAILED;
    int command = kReplyHarnessCommands[data[0] % kReplyHarnessCommandCount];
    g_feed = Feed();
    g_feed.piece = 1 + data[1] % 64;
    g_feed.next = data + 2;
    g_feed.left = size - 2;

    LinkChannel previous = CurrentLinkChannel();
    InstallLinkChannel(LinkChannel{SendNothing, CollectPiece, LetTimePass, FeedClock, CountFailure});
    g_link.currentCommand = (unsigned char)command;
    unsigned length = command == ORDER_WRITE_PARAMETERS ? (unsigned)kParameterSetBytes : 0u;
    FillTxBuf(command, 0, length);
    int result = DataExchange(kFrameHeaderSize + (int)length);
    if (result == LINK_OK) {
        CheckVerifiedReply(command);
        result = HandleReply(command);
    } else {
        Require(result == LINK_FAILED && g_feed.failures == 1, "a failure is reported exactly once");
    }
    InstallLinkChannel(previous);
    return result;
}
