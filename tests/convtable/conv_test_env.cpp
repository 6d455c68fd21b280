#include "conv_test_env.h"

#include "app/app_state.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/userint.h"

#include <sstream>

const char *const kRowInconsistentText = "Both cells in a row must be set or disabled (-1).";
const char *const kSavedText = "Conversion data were saved to EE.";
const char *const kNotSavedText = "ATTENTION! \nConversion data were NOT saved to EE.";
const char *const kCanNotBeSavedText =
    "ATTENTION! \nData can not be saved. \nCheck table and repeat calculation.";

void ConvProgramTest::SetUp()
{
    ProgramTest::SetUp();
    ResetPopups();
}

// The program goes first, so that it never talks to a simulator that has gone.
void ConvProgramTest::TearDown()
{
    script.reset();
    if (started)
        StopProgram();
    started = false;
    StopSim(sim);
    ProgramTest::TearDown();
}

void ConvProgramTest::StartOffline()
{
    ProgramTest::StartOffline();
    ResetPopups();
}

void ConvProgramTest::StartWithSim()
{
    ASSERT_TRUE(StartSim(sim, {"--tcp", "0", "--eeprom", dir + "/eeprom.txt"}));
    StartWithSettings(TcpSettingsFile(sim.tcpPort));
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    ResetPopups();
}

int ConvProgramTest::Page()
{
    return g_app.mainPages[PAGE_CONVERSION_TABLE];
}

void ConvProgramTest::SetRow(int row, int actual, int set)
{
    SetTableCellVal(Page(), TABCONV_TABLE, MakePoint(1, row), actual);
    SetTableCellVal(Page(), TABCONV_TABLE, MakePoint(2, row), set);
}

std::vector<short> ConvProgramTest::Cells()
{
    std::vector<short> cells(128);
    GetTableCellRangeVals(Page(), TABCONV_TABLE, MakeRect(1, 1, 64, 2), cells.data(), VAL_ROW_MAJOR);
    return cells;
}

std::string ConvProgramTest::Status()
{
    return TextValue(g_app.mainPages[PAGE_CONNECTION], TABCONN_STATUS);
}

std::vector<int> ConvProgramTest::SimEeprom(const std::string &key) const
{
    std::istringstream file(ReadWholeFile(dir + "/eeprom.txt"));
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first != key)
            continue;
        std::vector<int> values;
        int value = 0;
        while (words >> value)
            values.push_back(value);
        return values;
    }
    return {};
}
