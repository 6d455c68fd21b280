// The dependency rules on the real parameter pages: corrections, messages, dims and
// the visibility of the parameters II page and of the data panel's displays.
#include "param_test_env.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <initializer_list>

namespace
{

const char *const kAmpWarning = "ATTENTION! \n\nIf AMP1234, AMP5678, AMP1357 or AMP2468 is selected, \n"
                                "IN0 and IN1 can not be used for anything else. \n\n";
const char *const kAmpWarningGerman =
    "ACHTUNG! \n\nWenn VST1234, VST5678, VST1357 oder VST2468 gewaehlt ist, \n"
    "dann koennen IN0 und IN1 nicht anderweitig genutzt werden. \n\n";
const char *const kOpModeMessage =
    "ATTENTION! \n\nOPERATING MODE = DIFFERENTIATOR or DELTA CH0 INTEGRATOR is not \n"
    "possible when POWER MODE = DYNAMIC. \nOPERATING MODE is set to NORMAL.";
const char *const kLedOffMessage =
    "ATTENTION! \n\nEXTERN TEACH = DYN is not \npossible when LED MODE = OFF. \nEXTERN TEACH is set to OFF.";

using RuleChainTest = ParamProgramTest;

} // namespace

TEST_F(RuleChainTest, GainCombinationCorrectsWhatUsesIn0AndIn1)
{
    // Outputs off: the corrections are made without a word.
    SetCtrlVal(Page1(), TABPARA1_ANAOUTMODE, 0);
    SetCtrlVal(Page1(), TABPARA1_ANARANGE, 2);
    SetCtrlVal(Page1(), TABPARA1_ANAOUT, 1);
    SetCtrlVal(Page1(), TABPARA1_DIGOUTMODE, 0);
    SetCtrlVal(Page2(), TABPARA2_EXTTEACH, 1);
    SetCtrlVal(Page1(), TABPARA1_POWERMODE, 0);
    Commit(Page1(), TABPARA1_GAIN, 9);
    EXPECT_EQ(0, Value(Page1(), TABPARA1_ANARANGE));
    EXPECT_EQ(0, Value(Page1(), TABPARA1_ANAOUT));
    EXPECT_EQ(0, Value(Page2(), TABPARA2_EXTTEACH));
    EXPECT_EQ(9, Value(Page1(), TABPARA1_GAIN));
    EXPECT_TRUE(Messages().empty());

    // An edge-triggered inverse output becomes INVERSE, with only that line.
    ResetPopups();
    SetCtrlVal(Page1(), TABPARA1_DIGOUTMODE, 4);
    Commit(Page1(), TABPARA1_GAIN, 10);
    EXPECT_EQ(2, Value(Page1(), TABPARA1_DIGOUTMODE));
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(std::string(kAmpWarning) + "DIGITAL OUTMODE will be set to INVERSE.\n", Messages()[0]);
    EXPECT_EQ("Message!", LastPopup().title);

    // STATIC IN1 is always told, even when it is the only correction.
    ResetPopups();
    SetCtrlVal(Page1(), TABPARA1_POWERMODE, 2);
    Commit(Page1(), TABPARA1_GAIN, 12);
    EXPECT_EQ(0, Value(Page1(), TABPARA1_POWERMODE));
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(std::string(kAmpWarning) + "POWER MODE will be set to STATIC.\n", Messages()[0]);

    // Nothing left to correct: no message.
    ResetPopups();
    Commit(Page1(), TABPARA1_GAIN, 11);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RuleChainTest, GainCombinationListsEveryCorrectionInOrderInBothLanguages)
{
    for (int language : {LANGUAGE_ENGLISH, LANGUAGE_GERMAN}) {
        g_app.language = language;
        ResetPopups();
        SetCtrlVal(Page1(), TABPARA1_GAIN, 1);
        SetCtrlVal(Page1(), TABPARA1_ANAOUTMODE, 1);
        SetCtrlVal(Page1(), TABPARA1_ANARANGE, 1);
        SetCtrlVal(Page1(), TABPARA1_ANAOUT, 2);
        SetCtrlVal(Page1(), TABPARA1_DIGOUTMODE, 5);
        SetCtrlVal(Page2(), TABPARA2_EXTTEACH, 3);
        SetCtrlVal(Page1(), TABPARA1_POWERMODE, 2);
        Commit(Page1(), TABPARA1_GAIN, 9);
        ASSERT_EQ(1u, Messages().size());
        if (language == LANGUAGE_ENGLISH) {
            EXPECT_EQ(std::string(kAmpWarning) +
                          "ANALOG RANGE will be set to FULL.\nANALOG OUT will be set to CONT.\n"
                          "EXTERN TEACH will be set to OFF.\nDIGITAL OUTMODE will be set to DIRECT.\n"
                          "POWER MODE will be set to STATIC.\n",
                      Messages()[0]);
            EXPECT_EQ("Message!", LastPopup().title);
        } else {
            EXPECT_EQ(std::string(kAmpWarningGerman) +
                          "ANALOGBEREICH wird auf VOLL gesetzt.\nANALOGAUSGANG wird auf KONT gesetzt.\n"
                          "EXTERN TEACH wird auf AUS gesetzt.\nDIGITALE AUSGABE wird auf DIREKT gesetzt.\n"
                          "POWER MODUS wird auf STATISCH gesetzt.\n",
                      Messages()[0]);
            EXPECT_EQ("Info!", LastPopup().title);
        }
        EXPECT_EQ(0, Value(Page1(), TABPARA1_ANARANGE));
        EXPECT_EQ(0, Value(Page1(), TABPARA1_ANAOUT));
        EXPECT_EQ(1, Value(Page1(), TABPARA1_DIGOUTMODE));
        EXPECT_EQ(0, Value(Page2(), TABPARA2_EXTTEACH));
        EXPECT_EQ(0, Value(Page1(), TABPARA1_POWERMODE));
    }
}

TEST_F(RuleChainTest, GainBelowNineChangesNothing)
{
    SetCtrlVal(Page1(), TABPARA1_ANAOUTMODE, 1);
    SetCtrlVal(Page1(), TABPARA1_ANARANGE, 2);
    SetCtrlVal(Page1(), TABPARA1_ANAOUT, 1);
    SetCtrlVal(Page1(), TABPARA1_DIGOUTMODE, 4);
    SetCtrlVal(Page2(), TABPARA2_EXTTEACH, 1);
    SetCtrlVal(Page1(), TABPARA1_POWERMODE, 2);
    Commit(Page1(), TABPARA1_GAIN, 8);
    EXPECT_EQ(2, Value(Page1(), TABPARA1_ANARANGE));
    EXPECT_EQ(1, Value(Page1(), TABPARA1_ANAOUT));
    EXPECT_EQ(4, Value(Page1(), TABPARA1_DIGOUTMODE));
    EXPECT_EQ(1, Value(Page2(), TABPARA2_EXTTEACH));
    EXPECT_EQ(2, Value(Page1(), TABPARA1_POWERMODE));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RuleChainTest, OperatingModeDependsOnPowerModeAndDimsItsSettings)
{
    SetCtrlVal(Page1(), TABPARA1_POWERMODE, 1);
    Commit(Page1(), TABPARA1_OPMODE, 1);
    EXPECT_EQ(0, Value(Page1(), TABPARA1_OPMODE));
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(kOpModeMessage, Messages()[0]);
    EXPECT_TRUE(Dimmed(Page1(), TABPARA1_SENSITIVITY));

    ResetPopups();
    Commit(Page1(), TABPARA1_POWERMODE, 0);
    Commit(Page1(), TABPARA1_OPMODE, 1);
    EXPECT_EQ(1, Value(Page1(), TABPARA1_OPMODE));
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_SENSITIVITY));
    EXPECT_TRUE(Dimmed(Page1(), TABPARA1_REFVALCH0));
    EXPECT_FALSE(Visible(g_app.dataPanel, DATAP_REFCH0));

    // REF VALUE CH0 counts for DELTA CH0 unless a DIRECT or DYN teach sets the reference.
    Commit(Page1(), TABPARA1_OPMODE, 2);
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_REFVALCH0));
    EXPECT_TRUE(Visible(g_app.dataPanel, DATAP_REFCH0));
    Commit(Page2(), TABPARA2_EXTTEACH, 1);
    EXPECT_TRUE(Dimmed(Page1(), TABPARA1_REFVALCH0));
    Commit(Page2(), TABPARA2_EXTTEACH, 3);
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_REFVALCH0));
    Commit(Page2(), TABPARA2_EXTTEACH, 1);
    Commit(Page1(), TABPARA1_DIGOUTMODE, 0);
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_REFVALCH0));
}

TEST_F(RuleChainTest, LedOffUnderDynamicChecksOperatingModeBeforePowerMode)
{
    SetCtrlVal(Page1(), TABPARA1_POWERMODE, 1);
    SetCtrlVal(Page1(), TABPARA1_OPMODE, 1);
    SetCtrlVal(Page1(), TABPARA1_POWER, 700);
    Commit(Page1(), TABPARA1_LEDMODE, 2);
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(kOpModeMessage, Messages()[0]);
    EXPECT_EQ(0, Value(Page1(), TABPARA1_OPMODE));
    EXPECT_EQ(0, Value(Page1(), TABPARA1_POWERMODE));
    EXPECT_EQ(0, Value(Page1(), TABPARA1_POWER));
}

TEST_F(RuleChainTest, LedOffEndsDynTeach)
{
    SetCtrlVal(Page2(), TABPARA2_EXTTEACH, 2);
    SetCtrlVal(Page1(), TABPARA1_POWER, 700);
    Commit(Page1(), TABPARA1_LEDMODE, 2);
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(kLedOffMessage, Messages()[0]);
    EXPECT_EQ(0, Value(Page1(), TABPARA1_POWERMODE));
    EXPECT_EQ(0, Value(Page1(), TABPARA1_POWER));
    EXPECT_EQ(0, Value(Page2(), TABPARA2_EXTTEACH));
    for (int control : {TABPARA1_POWERMODE, TABPARA1_POWER, TABPARA1_DYNWINLO, TABPARA1_DYNWINHI})
        EXPECT_TRUE(Dimmed(Page1(), control)) << control;

    // Back to DC: the transmitter controls follow POWER MODE STATIC again.
    ResetPopups();
    Commit(Page1(), TABPARA1_LEDMODE, 0);
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_POWERMODE));
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_POWER));
    EXPECT_TRUE(Dimmed(Page1(), TABPARA1_DYNWINLO));
}

TEST_F(RuleChainTest, DynTeachMakesPowerModeStaticSilently)
{
    SetCtrlVal(Page1(), TABPARA1_POWERMODE, 1);
    Commit(Page2(), TABPARA2_EXTTEACH, 2);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(0, Value(Page1(), TABPARA1_POWERMODE));
    EXPECT_TRUE(Dimmed(Page1(), TABPARA1_POWERMODE));
    EXPECT_TRUE(Dimmed(Page1(), TABPARA1_POWER));
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_DYNWINLO));
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_DYNWINHI));

    // Without the teach, DYNAMIC regulates the power itself.
    Commit(Page2(), TABPARA2_EXTTEACH, 0);
    Commit(Page1(), TABPARA1_POWERMODE, 1);
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_POWERMODE));
    EXPECT_TRUE(Dimmed(Page1(), TABPARA1_POWER));
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_DYNWINLO));
}

TEST_F(RuleChainTest, ChannelOffsetLocksTheLightPath)
{
    const int locked[] = {TABPARA1_POWERMODE, TABPARA1_POWER,   TABPARA1_DYNWINLO, TABPARA1_DYNWINHI,
                          TABPARA1_INTEGRAL,  TABPARA1_LEDMODE, TABPARA1_GAIN};
    Commit(Page1(), TABPARA1_ADJCHOFFSET, 1);
    for (int control : locked)
        EXPECT_TRUE(Dimmed(Page1(), control)) << control;
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_CH0OFFSET));
    EXPECT_FALSE(Dimmed(Page1(), TABPARA1_ASSIGNOFFSET));

    Commit(Page1(), TABPARA1_ADJCHOFFSET, 0);
    for (int control :
         {TABPARA1_POWERMODE, TABPARA1_POWER, TABPARA1_INTEGRAL, TABPARA1_LEDMODE, TABPARA1_GAIN})
        EXPECT_FALSE(Dimmed(Page1(), control)) << control;
    EXPECT_TRUE(Dimmed(Page1(), TABPARA1_CH0OFFSET));
    EXPECT_TRUE(Dimmed(Page1(), TABPARA1_ASSIGNOFFSET));
}

TEST_F(RuleChainTest, OnlyTheOffsetSwitchOfItsCallbackRunsTheRules)
{
    SetCtrlVal(Page1(), TABPARA1_GAIN, 9);
    SetCtrlVal(Page1(), TABPARA1_ANARANGE, 2);
    Commit(Page1(), TABPARA1_CH0OFFSET, 50);
    EXPECT_EQ(2, Value(Page1(), TABPARA1_ANARANGE));
    Commit(Page1(), TABPARA1_ADJCHOFFSET, 0);
    EXPECT_EQ(0, Value(Page1(), TABPARA1_ANARANGE));
}

TEST_F(RuleChainTest, DigitalOutputOffHidesTheSwitchingPage)
{
    SetCtrlVal(Page2(), TABPARA2_EXTTEACH, 2);
    Commit(Page1(), TABPARA1_DIGOUTMODE, 0);
    EXPECT_FALSE(Parameters2PageVisible());
    EXPECT_EQ(0, Value(Page2(), TABPARA2_EXTTEACH));
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Visible(EvaluationPage(), DATATAB1_SIGCHART));
    EXPECT_FALSE(Visible(EvaluationPage(), DATATAB1_EVAL1CHART));
    EXPECT_FALSE(Visible(EvaluationPage(), DATATAB1_EVAL2CHART));
    EXPECT_FALSE(Visible(g_app.dataPanel, DATAP_REFSIG1));
    EXPECT_FALSE(Visible(g_app.dataPanel, DATAP_REFSIG2));

    Commit(Page1(), TABPARA1_DIGOUTMODE, 1);
    EXPECT_TRUE(Parameters2PageVisible());
    EXPECT_EQ(0, Value(Page2(), TABPARA2_EXTTEACH));
    EXPECT_FALSE(Visible(EvaluationPage(), DATATAB1_SIGCHART));
    EXPECT_TRUE(Visible(EvaluationPage(), DATATAB1_EVAL1CHART));
    EXPECT_TRUE(Visible(g_app.dataPanel, DATAP_REFSIG1));
    EXPECT_FALSE(Visible(g_app.dataPanel, DATAP_REFSIG2));
}

TEST_F(RuleChainTest, TwoThresholdsShowTheSecondGroupAndChart)
{
    const int group2[] = {TABPARA2_THRCALC2, TABPARA2_TEACHVAL2, TABPARA2_TOL2,
                          TABPARA2_HYST2,    TABPARA2_TEACH2,    TABPARA2_THR2FRAME};
    const int sigHeight = 300, chart2Height = 140;
    SetCtrlAttribute(EvaluationPage(), DATATAB1_SIGCHART, ATTR_HEIGHT, sigHeight);
    SetCtrlAttribute(EvaluationPage(), DATATAB1_EVAL2CHART, ATTR_HEIGHT, chart2Height);
    int chart1Height = 0;

    SetCtrlVal(Page1(), TABPARA1_DIGOUTMODE, 0);
    Commit(Page2(), TABPARA2_THRMODE, 3);
    for (int control : group2)
        EXPECT_TRUE(Visible(Page2(), control)) << control;
    EXPECT_FALSE(Parameters2PageVisible());
    EXPECT_FALSE(Visible(EvaluationPage(), DATATAB1_EVAL2CHART));
    EXPECT_FALSE(Visible(g_app.dataPanel, DATAP_REFSIG2));

    Commit(Page1(), TABPARA1_DIGOUTMODE, 1);
    EXPECT_TRUE(Visible(EvaluationPage(), DATATAB1_EVAL2CHART));
    EXPECT_TRUE(Visible(g_app.dataPanel, DATAP_REFSIG2));
    GetCtrlAttribute(EvaluationPage(), DATATAB1_EVAL1CHART, ATTR_HEIGHT, &chart1Height);
    EXPECT_EQ(chart2Height, chart1Height);

    Commit(Page2(), TABPARA2_THRMODE, 2);
    for (int control : group2)
        EXPECT_FALSE(Visible(Page2(), control)) << control;
    EXPECT_FALSE(Visible(EvaluationPage(), DATATAB1_EVAL2CHART));
    EXPECT_FALSE(Visible(g_app.dataPanel, DATAP_REFSIG2));
    GetCtrlAttribute(EvaluationPage(), DATATAB1_EVAL1CHART, ATTR_HEIGHT, &chart1Height);
    EXPECT_EQ(sigHeight, chart1Height);
}

TEST_F(RuleChainTest, AnalogOutputShowsItsDisplays)
{
    Commit(Page1(), TABPARA1_ANAOUTMODE, 1);
    EXPECT_TRUE(Visible(Page1(), TABPARA1_ANARANGE));
    EXPECT_TRUE(Visible(Page1(), TABPARA1_ANAOUT));
    EXPECT_TRUE(Visible(EvaluationPage(), DATATAB1_VOLT));
    EXPECT_FALSE(Visible(EvaluationPage(), DATATAB1_MILLIAMP));
    EXPECT_FALSE(Visible(g_app.dataPanel, DATAP_MAXMIN1));

    Commit(Page1(), TABPARA1_ANAOUTMODE, 2);
    EXPECT_FALSE(Visible(EvaluationPage(), DATATAB1_VOLT));
    EXPECT_TRUE(Visible(EvaluationPage(), DATATAB1_MILLIAMP));

    // MAX and MIN appear with the IN0-driven ranges ...
    Commit(Page1(), TABPARA1_ANARANGE, 1);
    EXPECT_TRUE(Visible(g_app.dataPanel, DATAP_MAXMIN1));
    EXPECT_TRUE(Visible(g_app.dataPanel, DATAP_MAXMIN2));
    Commit(Page1(), TABPARA1_ANAOUTMODE, 0);
    EXPECT_FALSE(Visible(Page1(), TABPARA1_ANARANGE));
    EXPECT_FALSE(Visible(Page1(), TABPARA1_ANAOUT));
    EXPECT_FALSE(Visible(EvaluationPage(), DATATAB1_VOLT));
    EXPECT_FALSE(Visible(EvaluationPage(), DATATAB1_MILLIAMP));
    EXPECT_FALSE(Visible(g_app.dataPanel, DATAP_MAXMIN1));

    // ... and with the MAX, MIN and (MAX+MIN)/2 teach of a digital output.
    Commit(Page2(), TABPARA2_EXTTEACH, 5);
    EXPECT_TRUE(Visible(g_app.dataPanel, DATAP_MAXMIN1));
    Commit(Page1(), TABPARA1_DIGOUTMODE, 0);
    EXPECT_FALSE(Visible(g_app.dataPanel, DATAP_MAXMIN1));
    EXPECT_FALSE(Visible(g_app.dataPanel, DATAP_MAXMIN2));
}

TEST_F(RuleChainTest, TracingAndTeachDimTheTeachControls)
{
    const int teachControls[] = {TABPARA2_TEACHVAL1, TABPARA2_TEACHVAL2, TABPARA2_TEACH1, TABPARA2_TEACH2};
    Commit(Page2(), TABPARA2_THRTRACING, 0);
    EXPECT_TRUE(Dimmed(Page2(), TABPARA2_TTUP));
    EXPECT_TRUE(Dimmed(Page2(), TABPARA2_TTDOWN));
    for (int control : teachControls)
        EXPECT_FALSE(Dimmed(Page2(), control)) << control;

    Commit(Page2(), TABPARA2_THRTRACING, 2);
    EXPECT_FALSE(Dimmed(Page2(), TABPARA2_TTUP));
    EXPECT_FALSE(Dimmed(Page2(), TABPARA2_TTDOWN));
    for (int control : teachControls)
        EXPECT_TRUE(Dimmed(Page2(), control)) << control;

    Commit(Page2(), TABPARA2_THRTRACING, 0);
    Commit(Page2(), TABPARA2_EXTTEACH, 4);
    EXPECT_TRUE(Dimmed(Page2(), TABPARA2_TTUP));
    for (int control : teachControls)
        EXPECT_TRUE(Dimmed(Page2(), control)) << control;
}
