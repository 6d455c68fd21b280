// Every parameter control, SEND, GET and the memory selectors answer a right click with
// their own help text in the current language.
#include "param_test_env.h"

#include "app/app_state.h"
#include "params/param_help_texts.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <initializer_list>
#include <string>

namespace
{

using HelpTextsTest = ParamProgramTest;

enum Where { MAIN_PANEL, PARAMETERS_1, PARAMETERS_2 };

struct HelpCase {
    Where where;
    int control;
    const TextPair *help;
    const char *englishPart; // a phrase the English text must hold
};

const HelpCase kHelpCases[] = {
    {PARAMETERS_1, TABPARA1_OPMODE, &kHelpOperatingMode, "Select the operating mode of the sensor."},
    {PARAMETERS_1, TABPARA1_SENSITIVITY, &kHelpSensitivity,
     "Select sensitivity of the differentiator at OPERATING MODE = DIFFERENTIATOR."},
    {PARAMETERS_1, TABPARA1_REFVALCH0, &kHelpRefValCh0,
     "Reference value of CH0 at OPERATING MODE = DELTA CH0 INTEGRATOR"},
    {PARAMETERS_1, TABPARA1_POWER, &kHelpPower, "Select the intensity of the transmitter LED."},
    {PARAMETERS_1, TABPARA1_POWERMODE, &kHelpPowerMode, "Select the operating mode of the transmitter unit."},
    {PARAMETERS_1, TABPARA1_LEDMODE, &kHelpLedMode, "Select the LED operation mode."},
    {PARAMETERS_1, TABPARA1_GAIN, &kHelpGain, "Select amplification stage of receiver."},
    {PARAMETERS_1, TABPARA1_DYNWINLO, &kHelpDynWinLoHi,
     "Select a window for dynamic regaluation \nif POWER MODE = DYNAMIC."},
    {PARAMETERS_1, TABPARA1_DYNWINHI, &kHelpDynWinLoHi,
     "Select a window for dynamic regaluation \nif POWER MODE = DYNAMIC."},
    {PARAMETERS_1, TABPARA1_AVERAGE, &kHelpAverage,
     "Select the number of scanning values (measured values) \nover which the raw signal is averaged "
     "(meanvalue!)."},
    {PARAMETERS_1, TABPARA1_INTEGRAL, &kHelpIntegral,
     "Select the number (0...250) of values \nover which the raw signal is integrated."},
    {PARAMETERS_1, TABPARA1_ADJCHOFFSET, &kHelpChannelOffset,
     "With CHANNEL OFFSET = ON, the offset value for CH0 is subtracted from the current signal."},
    {PARAMETERS_1, TABPARA1_CH0OFFSET, &kHelpChannelOffset,
     "With CHANNEL OFFSET = ON, the offset value for CH0 is subtracted from the current signal."},
    {PARAMETERS_1, TABPARA1_ASSIGNOFFSET, &kHelpAssignAdjOffset, "Assign CH0 to the offset edit box."},
    {PARAMETERS_1, TABPARA1_ANAOUTMODE, &kHelpAnaOutmode, "Select the analog output signal."},
    {PARAMETERS_1, TABPARA1_ANARANGE, &kHelpAnaRange,
     "FULL: \nThe full analog voltage or current output range lies within 0 and 4095."},
    {PARAMETERS_1, TABPARA1_ANAOUT, &kHelpAnaOut, "Continuous analog output of signal value."},
    {PARAMETERS_1, TABPARA1_DIGOUTMODE, &kHelpDigOutmode, "Select how to set the digital output."},
    {PARAMETERS_2, TABPARA2_HOLD, &kHelpHold,
     "Select the minimum pulse length \nwhen a digital output changes. \nResolution is 0,1ms."},
    {PARAMETERS_2, TABPARA2_DEADTIME, &kHelpDeadTime,
     "During DEAD TIME the sensor doesn't update the outputs."},
    {PARAMETERS_2, TABPARA2_TEACH1, &kHelpTeachSig,
     "Assign current signal to TEACH VALUE SIG. \nPush SEND to "
     "update sensor."},
    {PARAMETERS_2, TABPARA2_TEACH2, &kHelpTeachSig,
     "Assign current signal to TEACH VALUE SIG. \nPush SEND to "
     "update sensor."},
    {PARAMETERS_2, TABPARA2_THRMODE, &kHelpThresholdMode, "Select a treshold mode."},
    {PARAMETERS_2, TABPARA2_THRTRACING, &kHelpThresholdTracing, "Select threshold tracing."},
    {PARAMETERS_2, TABPARA2_TTUP, &kHelpThresholdTracingUp,
     "Select a time delay for \nthreshold tracing Up. \nRange goes from 0 to 60000. \nResolution is 100 "
     "Microseconds per step."},
    {PARAMETERS_2, TABPARA2_TTDOWN, &kHelpThresholdTracingDown,
     "Select a time delay for \nthreshold tracing Down. \nRange goes from 0 to 60000. \nResolution is 100 "
     "Microseconds per step."},
    {PARAMETERS_2, TABPARA2_TEACHVAL1, &kHelpTeachValSig,
     "Teach value is reference value REF (blue dashed line) for \nswitching threshold calculation when "
     "THRESHOLD TRACING = OFF."},
    {PARAMETERS_2, TABPARA2_TEACHVAL2, &kHelpTeachValSig,
     "Teach value is reference value REF (blue dashed line) for \nswitching threshold calculation when "
     "THRESHOLD TRACING = OFF."},
    {PARAMETERS_2, TABPARA2_THRCALC1, &kHelpTrshCalc, "Select threshold calculation."},
    {PARAMETERS_2, TABPARA2_THRCALC2, &kHelpTrshCalc, "Select threshold calculation."},
    {PARAMETERS_2, TABPARA2_TOL1, &kHelpTolerance,
     "Select a TOLERANCE for switching \nthreshold calculation "
     "(red line)."},
    {PARAMETERS_2, TABPARA2_TOL2, &kHelpTolerance,
     "Select a TOLERANCE for switching \nthreshold calculation "
     "(red line)."},
    {PARAMETERS_2, TABPARA2_HYST1, &kHelpHysteresis,
     "Select a HYSTERESIS for switching \nhysteresis calculation (black dashed line)."},
    {PARAMETERS_2, TABPARA2_HYST2, &kHelpHysteresis,
     "Select a HYSTERESIS for switching \nhysteresis calculation (black dashed line)."},
    {PARAMETERS_2, TABPARA2_EXTTEACH, &kHelpExtTeach, "Select external teach mode."},
    {MAIN_PANEL, MAINP_SEND, &kHelpSend, "\n\nShortcut Key: F9."},
    {MAIN_PANEL, MAINP_GET, &kHelpGet, "\n\nShortcut Key: F10."},
    {MAIN_PANEL, MAINP_RAM, &kHelpSelectMem,
     "Select source respectively the target for the parameter transfer."},
    {MAIN_PANEL, MAINP_EEPROM, &kHelpSelectMem,
     "Select source respectively the target for the parameter transfer."},
    {MAIN_PANEL, MAINP_FILE, &kHelpSelectMem,
     "Select source respectively the target for the parameter transfer."},
};

int PanelOf(Where where)
{
    switch (where) {
    case PARAMETERS_1:
        return g_app.mainPages[PAGE_PARAMETERS_1];
    case PARAMETERS_2:
        return g_app.mainPages[PAGE_PARAMETERS_2];
    default:
        return g_app.mainPanel;
    }
}

// An operable control that the operator can see: its page in front, shown, not dimmed.
void BringIntoReach(Where where, int control)
{
    if (where == PARAMETERS_1)
        SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
    if (where == PARAMETERS_2) {
        SetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_2, ATTR_VISIBLE, 1);
        SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_2);
    }
    SetCtrlAttribute(PanelOf(where), control, ATTR_VISIBLE, 1);
    SetCtrlAttribute(PanelOf(where), control, ATTR_DIMMED, 0);
}

} // namespace

TEST_F(HelpTextsTest, RightClickShowsTheControlsTextInTheCurrentLanguage)
{
    for (int language : {LANGUAGE_GERMAN, LANGUAGE_ENGLISH}) {
        g_app.language = language;
        for (const HelpCase &c : kHelpCases) {
            BringIntoReach(c.where, c.control);
            ResetPopups();
            ASSERT_TRUE(RightClick(PanelOf(c.where), c.control));
            ASSERT_EQ(1, PopupCount()) << "control " << c.control;
            const PopupRequest shown = LastPopup();
            EXPECT_EQ(POPUP_MESSAGE, shown.kind) << "control " << c.control;
            if (language == LANGUAGE_GERMAN) {
                EXPECT_EQ("Info!", shown.title);
                EXPECT_EQ(c.help->german, shown.message) << "control " << c.control;
            } else {
                EXPECT_EQ("Message!", shown.title);
                EXPECT_EQ(c.help->english, shown.message) << "control " << c.control;
                EXPECT_NE(std::string::npos, shown.message.find(c.englishPart)) << "control " << c.control;
            }
        }
    }
}

TEST_F(HelpTextsTest, TextsKeepTheirBlanksAndLineBreaks)
{
    EXPECT_EQ(0, std::string(kHelpAnaOut.english)
                     .find("CONT:  \nContinuous analog output of signal value.  \n\nRISING EDGE of IN1: \n"));
    EXPECT_STREQ("Select the intensity of the transmitter LED. \n0 = no intensity,  1000 = full intensity.",
                 kHelpPower.english);
    EXPECT_STREQ("Intensitaet der Sende-LED einstellen. \n0 = keine Intensitaet,  1000 = volle Intensitaet.",
                 kHelpPower.german);
    EXPECT_STREQ(
        "Alle Parameter der PC-Nutzeroberflaeche werden an den Sensor oder in eine auswaehlbare Datei "
        "uebertragen. \nDas Ziel der Parameteruebertragung wird mit der Button-Auswahl (RAM, EEPROM, "
        "DATEI) bestimmt. \n\nFunktionstaste: F9",
        kHelpSend.german);
    EXPECT_STREQ("Waehlen Sie die Quelle bzw. das Ziel fuer die Parameteruebertragung.",
                 kHelpSelectMem.german);
    EXPECT_STREQ(
        "Select external teach mode.\n\nOFF: No external teach. \n\nDIRECT: REF is set to the current "
        "signal when IN0 goes high.\n\nDYN: The transmitter power is adjusted dynamically, when IN0 goes "
        "high. \nAfter the power is adjusted, the sensor works on static with this detected power value. "
        "\nREF ist set to the current signal and is stored into the RAM of the sensor. \nNOTE! DYN is not "
        "available in combination with LED MODE=OFF. \n\nMAX: REF is set to the maximum detected signal "
        "value while INO is high. \n\nMIN: REF is set to the minimum detected signal value while INO is "
        "high. \n\n(MAX+MIN)/2: REF is set to the mean value of MAX and MIN when IN0 goes low. \nMAX and "
        "MIN values are detected while INO is high.",
        kHelpExtTeach.english);
}
