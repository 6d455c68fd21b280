// Every command's reply layout, error replies 1 and 2, and request assembly.

#include "sim_test_support.h"

#include <string>
#include <thread>

namespace
{

std::string Text(const std::vector<unsigned char> &data)
{
    return std::string(data.begin(), data.end());
}

} // namespace

TEST(SimCommands, IdentityReplies)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--serial", "4711", "--sensor-name", "CHROMIX1-TEST"});
    SimReply firmware = Exchange(client, ORDER_READ_FIRMWARE);
    ASSERT_TRUE(firmware.complete);
    EXPECT_EQ(firmware.header.command, ORDER_READ_FIRMWARE);
    EXPECT_EQ(Text(firmware.data), "CHROMIX1 V3.1.0 R2");
    EXPECT_TRUE(firmware.dataCrcOk);

    SimReply info = Exchange(client, ORDER_READ_SENSOR_INFO);
    ASSERT_TRUE(info.complete);
    EXPECT_EQ(info.header.parameter, 4711);
    EXPECT_EQ(Text(info.data), "CHROMIX1-TEST");

    SimReply hardware = Exchange(client, ORDER_READ_HARDWARE_INFO, kHardwareInfoAccess);
    ASSERT_TRUE(hardware.complete);
    ASSERT_GE(hardware.data.size(), 512u);
    EXPECT_TRUE(hardware.dataCrcOk);
    EXPECT_EQ(WordAt(hardware.data, 0), 0x1234);
    EXPECT_EQ(WordAt(hardware.data, 1), 0xABCD);
    EXPECT_EQ(WordAt(hardware.data, 2), 4711);
    EXPECT_EQ(std::string((const char *)hardware.data.data() + 16, 13), "CHROMIX1-TEST");
    EXPECT_TRUE(IsErrorReply(Exchange(client, ORDER_READ_HARDWARE_INFO, 0x3A7D), kErrorUnknownCommand));
}

TEST(SimCommands, LongSensorNameIsSentWhole)
{
    SimProcess sim;
    SimClient client;
    std::string name(300, 'N');
    StartWithClient(sim, client, {"--sensor-name", name});
    SimReply info = Exchange(client, ORDER_READ_SENSOR_INFO);
    ASSERT_TRUE(info.complete);
    EXPECT_EQ(info.data.size(), 300u);
}

TEST(SimCommands, ParameterSetReplies)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    EXPECT_EQ(ReadParameters(client), kDefaultParameters);

    ParameterValues changed = kDefaultParameters;
    changed[F_POWER] = 750;
    changed[F_GAIN] = 3;
    EXPECT_EQ(WriteParameters(client, changed), 0);
    EXPECT_EQ(ReadParameters(client), changed);

    SimReply save = Exchange(client, ORDER_SAVE_PARAMETERS_TO_EEPROM);
    EXPECT_TRUE(save.complete && save.header.command == ORDER_SAVE_PARAMETERS_TO_EEPROM);
    EXPECT_EQ(WriteParameters(client, kDefaultParameters), 0);
    SimReply load = Exchange(client, ORDER_LOAD_PARAMETERS_FROM_EEPROM);
    ASSERT_TRUE(load.complete);
    EXPECT_EQ(load.header.command, ORDER_LOAD_PARAMETERS_FROM_EEPROM);
    EXPECT_EQ(load.header.parameter, 0);
    EXPECT_EQ(ReadParameters(client), changed);

    // A set of the wrong size is a communication error and leaves RAM alone.
    std::vector<unsigned char> shortSet(40, 0);
    EXPECT_TRUE(IsErrorReply(Exchange(client, ORDER_WRITE_PARAMETERS, 0, shortSet), kErrorCommunication));
    EXPECT_EQ(ReadParameters(client), changed);
}

TEST(SimCommands, LiveAndCycleTimeReplies)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    SimReply live = Exchange(client, ORDER_READ_DATA_FRAME);
    ASSERT_TRUE(live.complete);
    EXPECT_EQ(live.header.length, kLiveFrameBytes);
    LiveValues values = DecodeLive(live.data);
    EXPECT_GT(values.ch0, 0);
    EXPECT_LE(values.ch0, 4095);
    EXPECT_EQ(values.refSig1, 2000); // TEACH VALUE 1 SIG, tracing off
    EXPECT_EQ(values.refCh0, 2000);
    EXPECT_LE(values.outState, 3u);
    EXPECT_LE(values.inBits, 3u);
    EXPECT_EQ(live.data[15], 0);

    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Exchange(client, ORDER_READ_CYCLE_TIME);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    SimReply cycle = Exchange(client, ORDER_READ_CYCLE_TIME);
    ASSERT_TRUE(cycle.complete);
    ASSERT_EQ(cycle.data.size(), 8u);
    int scans = GetLe32(cycle.data.data());
    int elapsed = GetLe32(cycle.data.data() + 4);
    EXPECT_GE(elapsed, 3000); // at least the 300 ms slept, in 0.1 ms
    // A 100 us sensor cycle: one scan per 0.1 ms.
    EXPECT_NEAR(scans, elapsed, 2);
}

TEST(SimCommands, OffsetReplies)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    SimReply read = Exchange(client, ORDER_OFFSET, 0);
    ASSERT_TRUE(read.complete);
    ASSERT_EQ(read.data.size(), 4u);
    EXPECT_EQ(WordAt(read.data, 0), 0);
    EXPECT_EQ(WordAt(read.data, 1), 10); // factor 1.0

    SimReply calc = Exchange(client, ORDER_OFFSET, 1);
    ASSERT_TRUE(calc.complete);
    ASSERT_EQ(calc.data.size(), 2u);
    EXPECT_EQ(calc.header.parameter, WordAt(calc.data, 0));
    EXPECT_GT(WordAt(calc.data, 0), 0);
    EXPECT_LT(WordAt(calc.data, 0), 100);

    EXPECT_EQ(Exchange(client, ORDER_OFFSET, 2, Words({42})).header.command, ORDER_OFFSET);
    EXPECT_EQ(Exchange(client, ORDER_OFFSET, 3, Words({25})).header.command, ORDER_OFFSET);
    read = Exchange(client, ORDER_OFFSET, 0);
    EXPECT_EQ(WordAt(read.data, 0), 42);
    EXPECT_EQ(WordAt(read.data, 1), 25);
    EXPECT_TRUE(IsErrorReply(Exchange(client, ORDER_OFFSET, 2), kErrorCommunication));
    EXPECT_TRUE(IsErrorReply(Exchange(client, ORDER_OFFSET, 4), kErrorUnknownCommand));
}

TEST(SimCommands, ConversionTableAndDataReplies)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    SimReply table = Exchange(client, ORDER_CONV_TABLE, 1);
    ASSERT_TRUE(table.complete);
    ASSERT_EQ(table.data.size(), 256u);
    EXPECT_EQ((short)WordAt(table.data, 2), -1); // reset state: row 2 disabled
    EXPECT_EQ(WordAt(table.data, 126), 4095);    // row 64 actual value
    EXPECT_EQ(WordAt(table.data, 127), 10000);   // row 64 set value

    std::vector<unsigned short> cells(128);
    for (int i = 0; i < 128; ++i)
        cells[i] = (unsigned short)(i * 31);
    EXPECT_EQ(Exchange(client, ORDER_CONV_TABLE, 0, Words(cells)).header.command, ORDER_CONV_TABLE);
    EXPECT_EQ(Exchange(client, ORDER_CONV_TABLE, 1).data, Words(cells));

    std::vector<unsigned char> block(512, 0x11);
    for (unsigned address : {0x1A00u, 0x1B00u, 0x1C00u, 0x1D00u}) {
        SimReply prepare = Exchange(client, ORDER_CONV_DATA_PREPARE, address);
        EXPECT_EQ(prepare.header.command, ORDER_CONV_DATA_PREPARE) << address;
        SimReply write = Exchange(client, ORDER_CONV_DATA_WRITE, address, block);
        EXPECT_EQ(write.header.command, ORDER_CONV_DATA_WRITE) << address;
    }
    // A write without its prepare, a mismatching address, an unknown block address.
    EXPECT_TRUE(IsErrorReply(Exchange(client, ORDER_CONV_DATA_WRITE, 0x1A00, block), kErrorUnknownCommand));
    Exchange(client, ORDER_CONV_DATA_PREPARE, 0x1A00);
    EXPECT_TRUE(IsErrorReply(Exchange(client, ORDER_CONV_DATA_WRITE, 0x1B00, block), kErrorUnknownCommand));
    EXPECT_TRUE(IsErrorReply(Exchange(client, ORDER_CONV_DATA_PREPARE, 0x1E00), kErrorUnknownCommand));
}

TEST(SimCommands, AcknowledgedControlCommands)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    SimReply baud = Exchange(client, ORDER_SET_BAUDRATE, 5);
    EXPECT_TRUE(baud.complete && baud.header.command == ORDER_SET_BAUDRATE && baud.header.length == 0);
    SimReply autoStop = Exchange(client, ORDER_AUTO_SEND, 0);
    EXPECT_TRUE(autoStop.complete && autoStop.header.command == ORDER_AUTO_SEND);
    SimReply scopeStop = Exchange(client, ORDER_SCOPE_SCAN, 0);
    EXPECT_TRUE(scopeStop.complete && scopeStop.header.command == ORDER_SCOPE_SCAN);
    EXPECT_TRUE(
        IsErrorReply(Exchange(client, ORDER_SCOPE_SCAN, 1, Words({0, 9, 0, 1})), kErrorUnknownCommand));
    EXPECT_TRUE(IsErrorReply(Exchange(client, ORDER_SCOPE_SCAN, 1), kErrorCommunication));
}

TEST(SimCommands, ErrorReplies)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    EXPECT_TRUE(IsErrorReply(Exchange(client, 99), kErrorUnknownCommand));
    EXPECT_TRUE(IsErrorReply(Exchange(client, 0), kErrorUnknownCommand));

    std::vector<unsigned char> badHeader = BuildRequestFrame(ORDER_READ_FIRMWARE, 0);
    badHeader[7] ^= 0x01;
    SimReply reply;
    ASSERT_TRUE(SendBytes(client, badHeader));
    ASSERT_TRUE(ReadReply(client, reply));
    EXPECT_TRUE(IsErrorReply(reply, kErrorCommunication));

    std::vector<unsigned char> badData =
        BuildRequestFrame(ORDER_WRITE_PARAMETERS, 0, Words(kDefaultParameters));
    badData[20] ^= 0x40;
    ASSERT_TRUE(SendBytes(client, badData));
    ASSERT_TRUE(ReadReply(client, reply));
    EXPECT_TRUE(IsErrorReply(reply, kErrorCommunication));
    EXPECT_EQ(ReadParameters(client), kDefaultParameters);

    // Nothing else is pending after the error replies.
    EXPECT_TRUE(DrainInput(client, 0.1).empty());
}

TEST(SimCommands, RequestsAssembledAcrossReadsAfterGarbage)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    std::vector<unsigned char> request =
        BuildRequestFrame(ORDER_WRITE_PARAMETERS, 0, Words(kDefaultParameters));
    std::vector<unsigned char> garbage = {0x00, 0x13, 0x55, 0x01, 0xFF};
    std::vector<unsigned char> stream = garbage;
    stream.insert(stream.end(), request.begin(), request.end());
    for (size_t offset = 0; offset < stream.size(); offset += 9) {
        size_t end = std::min(stream.size(), offset + 9);
        ASSERT_TRUE(
            SendBytes(client, std::vector<unsigned char>(stream.begin() + offset, stream.begin() + end)));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    SimReply reply;
    ASSERT_TRUE(ReadReply(client, reply));
    EXPECT_EQ(reply.header.command, ORDER_WRITE_PARAMETERS);
    EXPECT_EQ(reply.header.parameter, 0);
    EXPECT_TRUE(DrainInput(client, 0.1).empty());
}

TEST(SimCommands, StaleFragmentDoesNotSpoilTheNextRequest)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    std::vector<unsigned char> request = BuildRequestFrame(ORDER_READ_FIRMWARE, 0);
    ASSERT_TRUE(SendBytes(client, std::vector<unsigned char>(request.begin(), request.begin() + 5)));
    std::this_thread::sleep_for(std::chrono::milliseconds(1300));
    SimReply reply;
    ASSERT_TRUE(ExchangeFrame(client, ORDER_READ_FIRMWARE, 0, {}, reply));
    EXPECT_EQ(reply.header.command, ORDER_READ_FIRMWARE);
}
