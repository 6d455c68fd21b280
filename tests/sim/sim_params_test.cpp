// Plausibility check of the parameter sets and the EEPROM kept in a file.

#include "sim_test_support.h"

#include <fstream>
#include <sstream>

namespace
{

void WriteEepromFile(const std::string &path, const ParameterValues &values)
{
    std::ofstream out(path);
    out << "parameters";
    for (unsigned short value : values)
        out << ' ' << value;
    out << '\n';
}

std::string FileText(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(SimParams, ImplausibleFieldsAreCountedAndReplacedByDefaults)
{
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client);
    ParameterValues set = kDefaultParameters;
    set[F_POWER] = 5000;
    set[F_GAIN] = 0;
    set[F_LED_MODE] = 7;
    set[F_TOLERANCE_1] = 5000;
    set[F_HOLD] = 250;           // plausible, kept
    set[F_TEACH_VALUE_1] = 4095; // the edge of its range, kept
    EXPECT_EQ(WriteParameters(client, set), 4);

    ParameterValues expected = set;
    expected[F_POWER] = 500;
    expected[F_GAIN] = 5;
    expected[F_LED_MODE] = 0;
    expected[F_TOLERANCE_1] = 20;
    EXPECT_EQ(ReadParameters(client), expected);

    // Only HOLD and SENSITIVITY may hold the largest 16-bit value.
    ParameterValues everything(kFields, 65535);
    EXPECT_EQ(WriteParameters(client, everything), 30);
    expected = kDefaultParameters;
    expected[F_HOLD] = 65535;
    expected[F_SENSITIVITY] = 65535;
    EXPECT_EQ(ReadParameters(client), expected);
}

TEST(SimParams, EepromLoadCountsImplausibleFields)
{
    ScratchDir dir;
    std::string file = dir.path + "/eeprom.txt";
    ParameterValues stored = kDefaultParameters;
    stored[F_POWER] = 900;
    stored[F_THRESHOLD_MODE] = 9;
    stored[F_OPERATING_MODE] = 3;
    WriteEepromFile(file, stored);

    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--eeprom", file});
    ParameterValues expected = stored;
    expected[F_THRESHOLD_MODE] = 0;
    expected[F_OPERATING_MODE] = 0;
    // Power-up loads the checked EEPROM set into RAM.
    EXPECT_EQ(ReadParameters(client), expected);
    EXPECT_EQ(WriteParameters(client, kDefaultParameters), 0);
    SimReply load = Exchange(client, ORDER_LOAD_PARAMETERS_FROM_EEPROM);
    ASSERT_TRUE(load.complete);
    EXPECT_EQ(load.header.parameter, 2);
    EXPECT_EQ(ReadParameters(client), expected);
}

TEST(SimParams, EepromFileKeepsContentsAcrossRuns)
{
    ScratchDir dir;
    std::string file = dir.path + "/eeprom.txt";
    ParameterValues set = kDefaultParameters;
    set[F_POWER] = 321;
    set[F_CH0_OFFSET] = 77;
    std::vector<unsigned short> table(128);
    for (int i = 0; i < 128; ++i)
        table[i] = (unsigned short)(4095 - i);
    {
        SimProcess sim;
        SimClient client;
        StartWithClient(sim, client, {"--eeprom", file});
        ASSERT_EQ(WriteParameters(client, set), 0);
        Exchange(client, ORDER_SAVE_PARAMETERS_TO_EEPROM);
        Exchange(client, ORDER_OFFSET, 2, Words({33}));
        Exchange(client, ORDER_OFFSET, 3, Words({25}));
        Exchange(client, ORDER_CONV_TABLE, 0, Words(table));
        // Written to RAM only: not kept.
        ParameterValues unsaved = set;
        unsaved[F_POWER] = 999;
        ASSERT_EQ(WriteParameters(client, unsaved), 0);
        EXPECT_EQ(StopSim(sim), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
    SimProcess sim;
    SimClient client;
    StartWithClient(sim, client, {"--eeprom", file});
    EXPECT_EQ(ReadParameters(client), set);
    SimReply offset = Exchange(client, ORDER_OFFSET, 0);
    EXPECT_EQ(WordAt(offset.data, 0), 33);
    EXPECT_EQ(WordAt(offset.data, 1), 25);
    EXPECT_EQ(Exchange(client, ORDER_CONV_TABLE, 1).data, Words(table));
}

TEST(SimParams, DamagedEepromFileIsRefusedAndKept)
{
    ScratchDir dir;
    std::string file = dir.path + "/eeprom.txt";
    {
        std::ofstream out(file);
        out << "parameters 1 2 3\n";
    }
    SimProcess sim;
    EXPECT_FALSE(StartSim(sim, {"--tcp", "0", "--eeprom", file}));
    EXPECT_EQ(sim.exitStatus, 1);
    EXPECT_EQ(FileText(file), "parameters 1 2 3\n");
}
