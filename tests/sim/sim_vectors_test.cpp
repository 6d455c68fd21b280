// The protocol's own vectors: CRC-8 table entries and values, and the three whole
// request frames, which the simulator must accept byte for byte.

#include "sim_test_support.h"

TEST(SimVectors, CrcTableAndValues)
{
    EXPECT_EQ(kCrc8Table[0], 0x00);
    EXPECT_EQ(kCrc8Table[1], 0x5E);
    EXPECT_EQ(kCrc8Table[128], 0x8C);
    EXPECT_EQ(kCrc8Table[255], 0x35);
    for (int i = 1; i < 256; ++i)
        EXPECT_NE(kCrc8Table[i], 0) << "entry " << i;
    const unsigned char abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(crc8Update(abc, 0, 0, kCrc8Table), 0xAA);
    EXPECT_EQ(crc8Update(abc, 0, 3, kCrc8Table), 0xDE);
}

TEST(SimVectors, WholeRequestFrames)
{
    const std::vector<unsigned char> firmware = {0x55, 0x07, 0x00, 0x00, 0x00, 0x00, 0xAA, 0x52};
    const std::vector<unsigned char> dataFrame = {0x55, 0x08, 0x00, 0x00, 0x00, 0x00, 0xAA, 0x76};
    const std::vector<unsigned char> sensorInfo = {0x55, 0x0F, 0x00, 0x00, 0x00, 0x00, 0xAA, 0xF3};
    EXPECT_EQ(BuildRequestFrame(ORDER_READ_FIRMWARE, 0), firmware);
    EXPECT_EQ(BuildRequestFrame(ORDER_READ_DATA_FRAME, 0), dataFrame);
    EXPECT_EQ(BuildRequestFrame(ORDER_READ_SENSOR_INFO, 0), sensorInfo);

    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    const std::vector<unsigned char> *requests[] = {&firmware, &dataFrame, &sensorInfo};
    const int commands[] = {ORDER_READ_FIRMWARE, ORDER_READ_DATA_FRAME, ORDER_READ_SENSOR_INFO};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(SendBytes(client, *requests[i]));
        SimReply reply;
        ASSERT_TRUE(ReadReply(client, reply));
        EXPECT_TRUE(reply.syncOk && reply.headerCrcOk && reply.dataCrcOk);
        EXPECT_EQ(reply.header.command, commands[i]);
    }
}
