// Saving the form into a parameter file and loading files of every kind into it.
#include "param_test_env.h"

#include "app/app_state.h"
#include "inistore/inifile.h"
#include "params/param_file.h"
#include "params/param_form.h"
#include "params/parameter_set.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/userint.h"

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace
{

using ParamFileTest = ParamProgramTest;

const char *const kNoFileMessage = "No file was selected! \nProcess will not be done!";
const char *const kNotParameterFile =
    "Selected file is not a parameter file! \nDo you want to proceed anyway?";
const char *const kVersionMismatch =
    "Selected file and scope version do not match! \nDo you want to proceed anyway?";

// The file written for a set holding the default of every field.
const char *const kDefaultSetFile = "[GENERAL INFO]\r\n"
                                    "FILE TYPE: = \"Parameter File\"\r\n"
                                    "SCOPE VERSION: = \"CHROMIX1 Scope V3.1\"\r\n"
                                    "\r\n"
                                    "[PARAMETER]\r\n"
                                    "POWER = 500\r\n"
                                    "POWER MODE = 0\r\n"
                                    "DYNWIN LO = 3200\r\n"
                                    "DYNWIN HI = 3300\r\n"
                                    "LED MODE = 0\r\n"
                                    "GAIN = 5\r\n"
                                    "AVERAGE = 1\r\n"
                                    "INTEGRAL = 1\r\n"
                                    "ANALOG OUTMODE = 0\r\n"
                                    "ANALOG RANGE = 0\r\n"
                                    "ANALOG OUT = 0\r\n"
                                    "DIGITAL OUTMODE = 1\r\n"
                                    "HOLD = 100\r\n"
                                    "THRESHOLD MODE = 0\r\n"
                                    "THRESHOLD TRACING = 0\r\n"
                                    "TT UP = 100\r\n"
                                    "TT DOWN = 100\r\n"
                                    "THRESHOLD CALC 1 = 1\r\n"
                                    "TEACH VALUE 1 SIG = 2000\r\n"
                                    "TOLERANCE 1 = 20\r\n"
                                    "HYSTERESIS 1 = 10\r\n"
                                    "THRESHOLD CALC 2 = 1\r\n"
                                    "TEACH VALUE 2 SIG = 2000\r\n"
                                    "TOLERANCE 2 = 20\r\n"
                                    "HYSTERESIS 2 = 10\r\n"
                                    "EXTERN TEACH = 0\r\n"
                                    "DEAD TIME = 0\r\n"
                                    "OPERATING MODE = 0\r\n"
                                    "SENSITIVITY = 0\r\n"
                                    "REF VALUE CH0 = 2000\r\n"
                                    "ADJ CHANNEL OFFSET = 0\r\n"
                                    "CH0 OFFSET = 0\r\n"
                                    "\r\n";

// The PARAMETER section of the default file: everything from its header on.
std::string DefaultParameterSection()
{
    std::string text = kDefaultSetFile;
    return text.substr(text.find("[PARAMETER]"));
}

ParameterFields FormSnapshot()
{
    GetPanelValues();
    return ParameterSet;
}

bool SameSet(const ParameterFields &a, const ParameterFields &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST_F(ParamFileTest, DefaultSetIsWrittenInTheFileFormat)
{
    const std::string file = dir + "/defaults.ini";
    ChooseFile(file);
    SendParaToFile();
    EXPECT_EQ(kDefaultSetFile, ReadWholeFile(file));
    EXPECT_STREQ(file.c_str(), g_app.parameterFilePath);

    ASSERT_EQ(1u, FileDialogs().size());
    const PopupRequest dialog = FileDialogs()[0];
    EXPECT_EQ("Parameter.ini", dialog.defaultFileName);
    EXPECT_EQ("*.ini", dialog.fileTypeList);
    EXPECT_EQ("Parameter", dialog.title);
    EXPECT_EQ(1, dialog.allowCancel);
    EXPECT_EQ(1, dialog.allowMakeDirectory);
    EXPECT_TRUE(Messages().empty());

    // The next dialog opens where the last file was chosen; a cancel keeps that file.
    ChooseFile("");
    SendParaToFile();
    ASSERT_EQ(2u, FileDialogs().size());
    EXPECT_EQ(dir + "/", FileDialogs()[1].defaultDirectory);
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(kNoFileMessage, Messages()[0]);
    EXPECT_STREQ(file.c_str(), g_app.parameterFilePath);
}

TEST_F(ParamFileTest, SavedSetLoadsBackIntoTheSameForm)
{
    Commit(Page1(), TABPARA1_ANAOUTMODE, 2);
    Commit(Page1(), TABPARA1_ANARANGE, 3);
    SetCtrlVal(Page1(), TABPARA1_POWER, 812);
    SetCtrlVal(Page1(), TABPARA1_GAIN, 7);
    SetCtrlVal(Page1(), TABPARA1_AVERAGE, 16);
    SetCtrlVal(Page2(), TABPARA2_HOLD, 12.5);
    Commit(Page2(), TABPARA2_THRMODE, 3);
    SetCtrlVal(Page2(), TABPARA2_TEACHVAL2, 3210);
    SetCtrlVal(Page2(), TABPARA2_TOL2, 45);
    Commit(Page2(), TABPARA2_THRTRACING, 1);
    SetCtrlVal(Page2(), TABPARA2_TTUP, 60000);
    ParameterFields saved = FormSnapshot();
    const std::string file = dir + "/set.ini";
    ChooseFile(file);
    SendParaToFile();

    SetCtrlVal(Page1(), TABPARA1_POWER, 1);
    SetCtrlVal(Page2(), TABPARA2_HOLD, 0.1);
    Commit(Page2(), TABPARA2_THRMODE, 0);
    Commit(Page1(), TABPARA1_ANAOUTMODE, 0);
    SetCtrlVal(Page2(), TABPARA2_TTUP, 5);
    ChooseFile(file);
    ReadParaFromFile();
    EXPECT_TRUE(SameSet(saved, FormSnapshot()));
    EXPECT_DOUBLE_EQ(12.5, DoubleValue(Page2(), TABPARA2_HOLD));
    EXPECT_TRUE(Questions().empty());
    EXPECT_TRUE(Messages().empty());
    // The rule chain ran on the loaded set.
    EXPECT_TRUE(Visible(Page2(), TABPARA2_TEACHVAL2));
    EXPECT_TRUE(Visible(Page1(), TABPARA1_ANARANGE));
}

TEST_F(ParamFileTest, MissingKeysTakeTheirDefaultsAndAreListed)
{
    const std::string file = dir + "/power.ini";
    WriteWholeFile(file, "[PARAMETER]\r\nPOWER = 800\r\n");
    SetCtrlVal(Page1(), TABPARA1_GAIN, 2);
    SetCtrlVal(Page2(), TABPARA2_HOLD, 3.3);
    ChooseFile(file);
    Answer(1);
    Answer(1);
    ReadParaFromFile();

    ASSERT_EQ(2u, Questions().size());
    EXPECT_EQ(kNotParameterFile, Questions()[0]);
    EXPECT_EQ(kVersionMismatch, Questions()[1]);
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ("Following parameter could not be read \nand were set to default value:\n\n"
              "POWER MODE\nDYNWIN LO\nDYNWIN HI\nLED MODE\nGAIN\nAVERAGE\nINTEGRAL\nANALOG OUTMODE\n"
              "ANALOG RANGE\nANALOG OUT\nDIGITAL OUTMODE\nHOLD\nTHRESHOLD MODE\nTHRESHOLD TRACING\nTT UP\n"
              "TT DOWN\nTHRESHOLD CALC 1\nTEACH VALUE 1 SIG\nTOLERANCE 1\nHYSTERESIS 1\nTHRESHOLD CALC 2\n"
              "TEACH VALUE 2 SIG\nTOLERANCE 2\nHYSTERESIS 2\nEXTERN TEACH\nDEAD TIME\nOPERATING MODE\n"
              "SENSITIVITY\nREFERENCE VALUE CH0\nADJ CHANNEL OFFSET\nCH0 OFFSET\n",
              Messages()[0]);
    EXPECT_EQ("Message!", LastPopup().title);
    EXPECT_EQ(800, Value(Page1(), TABPARA1_POWER));
    EXPECT_EQ(5, Value(Page1(), TABPARA1_GAIN));
    EXPECT_DOUBLE_EQ(10.0, DoubleValue(Page2(), TABPARA2_HOLD));
    EXPECT_EQ(3200, Value(Page1(), TABPARA1_DYNWINLO));
    EXPECT_EQ(2000, Value(Page1(), TABPARA1_REFVALCH0));
    EXPECT_EQ(1, Value(Page1(), TABPARA1_DIGOUTMODE));
}

TEST_F(ParamFileTest, ForeignFileWithACompleteSectionLoadsAfterTwoQuestions)
{
    const std::string file = dir + "/HardwareInitialFile.ini";
    std::string section = DefaultParameterSection();
    section.replace(section.find("POWER = 500"), 11, "POWER = 321");
    section.replace(section.find("CH0 OFFSET = 0"), 14, "CH0 OFFSET = 17");
    WriteWholeFile(file, "[GENERAL INFO]\r\nFILE TYPE: = \"Hardware Info File\"\r\n"
                         "SCOPE VERSION: = \"CHROMIX1 Scope V3.0\"\r\n\r\n[HARDWARE]\r\nSERIAL = 12\r\n\r\n" +
                             section);
    ChooseFile(file);
    Answer(1);
    Answer(1);
    ReadParaFromFile();
    EXPECT_EQ(2u, Questions().size());
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(321, Value(Page1(), TABPARA1_POWER));
    EXPECT_EQ(17, Value(Page1(), TABPARA1_CH0OFFSET));
}

TEST_F(ParamFileTest, RuleBreakingFileIsCorrectedInTheFormOnly)
{
    const std::string file = dir + "/edge.ini";
    std::string text = kDefaultSetFile;
    text.replace(text.find("GAIN = 5"), 8, "GAIN = 9");
    text.replace(text.find("DIGITAL OUTMODE = 1"), 19, "DIGITAL OUTMODE = 3");
    WriteWholeFile(file, text);
    ChooseFile(file);
    ReadParaFromFile();
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ("ATTENTION! \n\nIf AMP1234, AMP5678, AMP1357 or AMP2468 is selected, \n"
              "IN0 and IN1 can not be used for anything else. \n\nDIGITAL OUTMODE will be set to DIRECT.\n",
              Messages()[0]);
    EXPECT_EQ(9, Value(Page1(), TABPARA1_GAIN));
    EXPECT_EQ(1, Value(Page1(), TABPARA1_DIGOUTMODE));
    EXPECT_EQ(text, ReadWholeFile(file));
}

TEST_F(ParamFileTest, LoadNeedsAnExistingFile)
{
    SetCtrlVal(Page1(), TABPARA1_POWER, 444);
    ChooseFile(dir + "/absent.ini");
    ReadParaFromFile();
    // The chosen name is remembered for the next dialog although no such file exists.
    EXPECT_EQ(dir + "/absent.ini", std::string(g_app.parameterFilePath));
    ChooseFile("");
    ReadParaFromFile();
    EXPECT_EQ(dir + "/absent.ini", std::string(g_app.parameterFilePath));
    ASSERT_EQ(2u, Messages().size());
    EXPECT_EQ(kNoFileMessage, Messages()[0]);
    EXPECT_EQ(kNoFileMessage, Messages()[1]);
    EXPECT_TRUE(Questions().empty());
    EXPECT_EQ(444, Value(Page1(), TABPARA1_POWER));
}

TEST_F(ParamFileTest, DecliningAForeignFileLeavesTheFormAsItWas)
{
    const std::string file = dir + "/foreign.ini";
    WriteWholeFile(file, "[PARAMETER]\r\nPOWER = 900\r\nGAIN = 3\r\n");
    // Unsent edits, one of which the rules would correct.
    SetCtrlVal(Page1(), TABPARA1_POWER, 777);
    SetCtrlVal(Page1(), TABPARA1_GAIN, 9);
    SetCtrlVal(Page1(), TABPARA1_ANARANGE, 2);
    ParameterFields before = FormSnapshot();

    for (int declined : {0, 1}) {
        ResetPopups();
        ParameterSet.Power = 1;
        ChooseFile(file);
        Answer(declined == 0 ? 0 : 1);
        Answer(declined == 1 ? 0 : 1);
        ReadParaFromFile();
        EXPECT_EQ(2u, Questions().size());
        ASSERT_EQ(1u, Messages().size());
        EXPECT_EQ("No parameter were read!", Messages()[0]);
        EXPECT_EQ(1, ParameterSet.Power);
        EXPECT_TRUE(SameSet(before, FormSnapshot()));
    }
}

TEST_F(ParamFileTest, AFileThatCannotBeWrittenIsReported)
{
    const std::string file = dir + "/no such directory/Parameter.ini";
    ChooseFile(file);
    SendParaToFile();
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ("Parameter file could not be saved! \n" + file, Messages()[0]);

    ResetPopups();
    g_app.language = LANGUAGE_GERMAN;
    ChooseFile(file);
    SendParaToFile();
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ("Parameter-Datei konnte nicht gespeichert werden! \n" + file, Messages()[0]);
    EXPECT_EQ("Info!", LastPopup().title);
}

TEST(ParamIniSection, KeysAreReadModulo65536AndInvalidValuesTakeDefaults)
{
    const char text[] = "[PARAMETER]\r\nGAIN = -1\r\nPOWER = 65537\r\nHOLD = abc\r\n";
    PopupScript script;
    IniText store = Ini_New(0);
    ASSERT_EQ(0, Ini_ReadFromMemory(store, text, sizeof text - 1));
    std::memset(&ParameterSet, 0xff, sizeof ParameterSet);
    int missing = AcquireParaFromIniHandle(store);
    EXPECT_EQ(30, missing);
    EXPECT_EQ(65535, ParameterSet.Gain);
    EXPECT_EQ(1, ParameterSet.Power);
    EXPECT_EQ(100, ParameterSet.Hold);
    EXPECT_EQ(3300, ParameterSet.DynWinHi);
    ASSERT_EQ(1, script.Count());
    const std::string listed = script.Last().message;
    EXPECT_NE(std::string::npos, listed.find("\nHOLD\n"));
    EXPECT_EQ(std::string::npos, listed.find("GAIN"));
    EXPECT_EQ(std::string::npos, listed.find("\nPOWER\n"));
    Ini_Dispose(store);

    store = Ini_New(0);
    ASSERT_EQ(0, AppendParaToIniHandle(store));
    EXPECT_EQ(32, Ini_NumberOfItems(store, "PARAMETER"));
    std::string first, last;
    Ini_NthItemName(store, "PARAMETER", 1, &first);
    Ini_NthItemName(store, "PARAMETER", 32, &last);
    EXPECT_EQ("POWER", first);
    EXPECT_EQ("CH0 OFFSET", last);
    int gain = 0;
    Ini_GetInt(store, "PARAMETER", "GAIN", &gain);
    EXPECT_EQ(65535, gain);
    Ini_Dispose(store);
    std::memset(&ParameterSet, 0, sizeof ParameterSet);
}
