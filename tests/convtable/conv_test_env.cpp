#include "conv_test_env.h"

#include "app/app_state.h"
#include "link/link_state.h"
#include "panels/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <filesystem>
#include <sstream>

const char *const kRowInconsistentText = "Both cells in a row must be set or disabled (-1).";
const char *const kSavedText = "Conversion data were saved to EE.";
const char *const kNotSavedText = "ATTENTION! \nConversion data were NOT saved to EE.";
const char *const kCanNotBeSavedText =
    "ATTENTION! \nData can not be saved. \nCheck table and repeat calculation.";

namespace
{

constexpr int kOfflineButton = 2;

std::vector<std::string> TextsOfKind(const PopupScript &script, int kind)
{
    std::vector<std::string> texts;
    for (const PopupRequest &popup : script.Requests())
        if (popup.kind == kind)
            texts.push_back(popup.message);
    return texts;
}

} // namespace

void ConvProgramTest::SetUp()
{
    dir = MakeTempProgramDir();
    ASSERT_FALSE(dir.empty());
    script = std::make_unique<PopupScript>();
}

void ConvProgramTest::TearDown()
{
    script.reset();
    if (started)
        StopProgram();
    StopSim(sim);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void ConvProgramTest::StartOffline()
{
    script->Answer(kOfflineButton);
    ASSERT_EQ(StartProgramInDir(dir, TcpSettingsFile(1)), 0);
    started = true;
    ResetPopups();
}

void ConvProgramTest::StartWithSim()
{
    ASSERT_TRUE(StartSim(sim, {"--tcp", "0", "--eeprom", dir + "/eeprom.txt"}));
    ASSERT_EQ(StartProgramInDir(dir, TcpSettingsFile(sim.tcpPort)), 0);
    started = true;
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

void ConvProgramTest::Press(int panel, int control)
{
    DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
}

std::string ConvProgramTest::Status()
{
    std::vector<char> text(1 << 16);
    GetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_STATUS, text.data(), (int)text.size());
    return std::string(text.data());
}

bool ConvProgramTest::Dimmed(int panel, int control)
{
    int dimmed = -1;
    GetCtrlAttribute(panel, control, ATTR_DIMMED, &dimmed);
    return dimmed == 1;
}

void ConvProgramTest::ResetPopups()
{
    script.reset();
    script = std::make_unique<PopupScript>();
}

void ConvProgramTest::Answer(int result)
{
    script->Answer(result);
}

void ConvProgramTest::ChooseFile(const std::string &path)
{
    script->AnswerFile(path.empty() ? VAL_NO_FILE_SELECTED : VAL_EXISTING_FILE_SELECTED, path);
}

std::vector<std::string> ConvProgramTest::Messages() const
{
    return TextsOfKind(*script, POPUP_MESSAGE);
}

std::vector<std::string> ConvProgramTest::Questions() const
{
    return TextsOfKind(*script, POPUP_CONFIRM);
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
