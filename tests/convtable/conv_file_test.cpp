// The conversion table file: saving and loading, foreign files, missing or unreadable
// rows, the dialogs' answers and a file that cannot be written.
#include "conv_test_env.h"

#include "app/app_state.h"
#include "convtable/conv_table.h"
#include "inistore/inifile.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/userint.h"

namespace
{

const char *const kNoFileText = "No file was selected! \nProcess will not be done!";
const char *const kReportHead =
    "Following table values \ncould not be read and \nwere set to default value:\n\n";

std::string RowSections(int first, int last, int setBase)
{
    std::string text;
    for (int row = first; row <= last; ++row)
        text += "[ROW " + std::to_string(row) +
                "]\r\nACTUAL VALUE = " + std::to_string(row == 1 ? 0 : row * 10) +
                "\r\nSETVALUE = " + std::to_string(setBase + row) + "\r\n\r\n";
    return text;
}

std::string Header(const std::string &type)
{
    return "[GENERAL INFO]\r\nFILE TYPE: = \"" + type +
           "\"\r\nSCOPE VERSION: = \"CHROMIX1 Scope V3.1\"\r\n\r\n";
}

int SectionCount(const std::string &path)
{
    IniText store = Ini_New(0);
    Ini_ReadFromFile(store, path.c_str());
    int count = Ini_NumberOfSections(store);
    Ini_Dispose(store);
    return count;
}

} // namespace

class ConvFileTest : public ConvProgramTest
{
  protected:
    void SetUp() override
    {
        ConvProgramTest::SetUp();
        StartOffline();
        path = dir + "/table.ini";
    }

    // The file dialog's answer, then the answers to the questions that follow.
    void Load(const std::string &file, std::initializer_list<int> answers = {})
    {
        ChooseFile(file);
        for (int answer : answers)
            Answer(answer);
        Press(Page(), TABCONV_LOADFILE);
    }

    std::string path;
};

TEST_F(ConvFileTest, SavedTableLoadsBackCellForCellAndLeavesTheCurveAlone)
{
    for (int row = 2; row <= 63; ++row)
        SetRow(row, row * 60, -32768 + row * 1000);
    SetRow(64, 4095, 32767);
    const std::vector<short> saved = Cells();
    ChooseFile(path);
    Press(Page(), TABCONV_SAVEFILE);
    EXPECT_EQ(SectionCount(path), 65);
    EXPECT_EQ(std::string(g_app.convTableFilePath), path);

    CalcConvData();
    const double curveAt100 = g_conv.curve[100];
    Press(Page(), TABCONV_RESET);
    ResetPopups();
    Load(path);
    EXPECT_EQ(Cells(), saved);
    EXPECT_TRUE(Messages().empty());
    EXPECT_DOUBLE_EQ(g_conv.curve[100], curveAt100);
    EXPECT_EQ(g_conv.dataValid, 1);
    // The next dialog opens where the last file was.
    ChooseFile("");
    Press(Page(), TABCONV_LOADFILE);
    EXPECT_EQ(script->Last().kind, POPUP_MESSAGE);
    EXPECT_EQ(script->Requests().front().defaultDirectory, dir + "/");
    EXPECT_EQ(script->Requests().front().defaultFileName, "ConversionTableFile.ini");
}

// Missing rows, values that are no number or beyond a 16-bit cell take the row's
// defaults and are listed; row 64 missing becomes (4095, 4095).
TEST_F(ConvFileTest, UnreadableRowsTakeTheirDefaultsAndAreListed)
{
    std::string text = Header("Conversion table") + RowSections(1, 3, 0) +
                       "[ROW 4]\r\nACTUAL VALUE = 40\r\nSETVALUE = 70000\r\n\r\n" +
                       "[ROW 5]\r\nACTUAL VALUE = abc\r\nSETVALUE = 5\r\n\r\n" +
                       "[ROW 6]\r\nSETVALUE = 6\r\n\r\n" + RowSections(7, 63, 0);
    WriteWholeFile(path, text);
    SetRow(4, 1, 1);
    Load(path);
    std::vector<short> cells = Cells();
    EXPECT_EQ(cells[2], 20);
    EXPECT_EQ(cells[3], 2);
    for (int row : {4, 5, 6}) {
        EXPECT_EQ(cells[(row - 1) * 2], -1) << row;
        EXPECT_EQ(cells[(row - 1) * 2 + 1], -1) << row;
    }
    EXPECT_EQ(cells[126], 4095);
    EXPECT_EQ(cells[127], 4095);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{std::string(kReportHead) + "ROW 4\nROW 5\nROW 6\nROW 64\n"});
}

// Row 1 and row 64 keep their actual values whatever a file says.
// Rows 1 and 64 keep 0 and 4095, actual values above 4095 stay as loaded; one message
// names both, and CALCULATE names the first such row with its reason.
TEST_F(ConvFileTest, FixedRowsAndActualValuesTheCalculationCannotUseAreNamedOnLoading)
{
    std::string text = Header("Conversion table") + "[ROW 1]\r\nACTUAL VALUE = 300\r\nSETVALUE = 5\r\n\r\n" +
                       RowSections(2, 4, 0) + "[ROW 5]\r\nACTUAL VALUE = 5000\r\nSETVALUE = 7\r\n\r\n" +
                       RowSections(6, 39, 0) + "[ROW 40]\r\nACTUAL VALUE = 4096\r\nSETVALUE = 8\r\n\r\n" +
                       RowSections(41, 63, 0) + "[ROW 64]\r\nACTUAL VALUE = -1\r\nSETVALUE = 9\r\n\r\n";
    WriteWholeFile(path, text);
    Load(path);
    std::vector<short> cells = Cells();
    EXPECT_EQ(cells[0], 0);
    EXPECT_EQ(cells[1], 5);
    EXPECT_EQ(cells[8], 5000) << "kept as loaded";
    EXPECT_EQ(cells[78], 4096);
    EXPECT_EQ(cells[126], 4095);
    EXPECT_EQ(cells[127], 9);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{
                  "Actual values above 4095, which the calculation cannot use, are in rows: 5, 40.\n"
                  "The actual value of row 1 was set to 0 (it was 300).\n"
                  "The actual value of row 64 was set to 4095 (it was -1)."});
    ResetPopups();
    Press(Page(), TABCONV_CALC);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{
                  "Row 5: the actual value 5000 lies above 4095; the calculation cannot use it."});
}

TEST_F(ConvFileTest, ForeignFilesAskAndDecliningChangesNothing)
{
    const char *notTable = "Selected file is not a conversion table file! \nDo you want to proceed anyway?";
    const char *otherVersion =
        "Selected file and scope version do not match! \nDo you want to proceed anyway?";
    WriteWholeFile(path, Header("Panel Settings") + RowSections(1, 64, 100));
    SetRow(9, 99, 99);
    const std::vector<short> before = Cells();
    Load(path, {0});
    EXPECT_EQ(Questions(), std::vector<std::string>{notTable});
    EXPECT_EQ(Messages(), std::vector<std::string>{"No values were read!"});
    EXPECT_EQ(Cells(), before);

    // Yes to the type, no to the version.
    std::string foreignVersion =
        "[GENERAL INFO]\r\nFILE TYPE: = \"Panel Settings\"\r\n\r\n" + RowSections(1, 64, 0);
    WriteWholeFile(path, foreignVersion);
    ResetPopups();
    Load(path, {1, 0});
    EXPECT_EQ(Questions(), (std::vector<std::string>{notTable, otherVersion}));
    EXPECT_EQ(Cells(), before);

    ResetPopups();
    Load(path, {1, 1});
    EXPECT_EQ(Cells()[17], 9); // row 9 set value from the file
}

TEST_F(ConvFileTest, DialogAnswersAndAFileThatCannotBeWritten)
{
    ChooseFile("");
    Press(Page(), TABCONV_SAVEFILE);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoFileText});

    // Loading a file that does not exist is no choice either.
    ResetPopups();
    Load(dir + "/missing.ini");
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoFileText});

    // An existing file is replaced only after a yes.
    WriteWholeFile(path, "keep");
    ResetPopups();
    ChooseFile(path);
    Answer(0);
    Press(Page(), TABCONV_SAVEFILE);
    EXPECT_EQ(Questions(),
              std::vector<std::string>{"File already exists! \nDo you want to select existing file?"});
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ReadWholeFile(path), "keep");

    // A path that can never be a file fails for every user.
    std::string impossible = path + "/inside.ini";
    ResetPopups();
    script->AnswerFile(VAL_NEW_FILE_SELECTED, impossible);
    Press(Page(), TABCONV_SAVEFILE);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Conversion table file could not be saved! \n" + impossible});
}
