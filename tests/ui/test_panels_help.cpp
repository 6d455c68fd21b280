// Right-click help of the controls whose other behaviour comes with later work: each
// answers a right click on the real panel with its help pop-up, title and text in
// the current language; the status displays, the scope comment box and the password
// field show none.
#include "support/popup_script.h"
#include "support/ui_actions.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace
{

constexpr int kOnPanel = -1; // the control sits on the panel, not on a tab page

struct HelpCase {
    int panelIndex;
    int page; // page of the panel's tab control, or kOnPanel
    int control;
    const char *german; // null: no help pop-up
    const char *english;
};

const char *const kClose[2] = {"Schliesst PANEL und kehrt zu HAUPT PANEL zurueck.",
                               "Close PANEL and return to MAIN PANEL."};
const char *const kZoom[2] = {
    "Zoom in: <Strg>+Linke Maustaste (Ziehen zum Auswaehlen).\nZoom out: ZOOM 1:1 klicken.",
    "Zoom in: <Ctrl>+Left Mouse Button (drag to select).\nZoom out: Press ZOOM 1:1."};
const char *const kStartRecord[2] = {"Daten-Rekorder starten.", "Start data record."};
const char *const kRecordTime[2] = {"Zeigt die Aufnahmezeit an bis alle Werte aufgenommen sein werden.",
                                    "Displays the time for recording \nwhen all VALUES will be recorded."};
const char *const kRecorded[2] = {"Zeigt an wie viele Werte bereits aufgenommen wurden.",
                                  "Displays how many values are already recorded."};
const char *const kScanFreq[2] = {
    "Sensor Scanfrequenz. \nSensor fuer 8 Sekunden nicht unterbrechen, \ndann Schaltflaeche klicken.",
    "Sensor scanfrequency. \nDon't interrupt the sensor for 8 seconds \nthen press the button."};
const char *const kCh0[2] = {"Zeigt die am Empgaenger detektierte Intensitaet an.",
                             "Shows the intensity detected on the receiver."};
const char *const kSig[2] = {"Zeigt das aus dem Analogkanal \nberechnete Signal (dunkelgelbe Linie).",
                             "Displays the intensity of the \nevaluation signal (dark yellow line)."};
const char *const kTemp[2] = {"Zeigt momentane Temperatur im Sensor an. \nNicht Grad Celsius!",
                              "Displays actual temperature in the sensor. \nNot in degree Celsius!"};
const char *const kRefSig[2] = {
    "Zeigt den Referenzwert zur zur Kalkulation der Schaltschwelle an (blaue Linie).",
    "Displays the reference value for \nswitching threshold calculation (blue line)."};
const char *const kMaxMin[2] = {"Zeigt den Minimal- und Maximalwert \nwaehrend IN0 high ist an.",
                                "Displays the maximum and minimum \ndetected value while IN0."};
const char *const kAnaOut[2] = {"Zeigt den Wert des Analogausgangs an.", "Displays the analog output value."};
const char *const kLedOut[2] = {
    "Zeigt den Status des Ausgangs an. \nLED AUS (schwarz): Ausgang ist 0V. \nLED AN (orange): Ausgang ist "
    "+24V.",
    "Displays the status of the output. \nLed OFF (black): Output is 0V. \nLed ON (orange): Output is +24V."};
const char *const kLedIn[2] = {
    "Zeigt den Status des Eingangs an. \nLED AUS (schwarz): Ausgang ist 0V. \nLED AN (gruen): Ausgang ist "
    "+24V.",
    "Displays the status of the input. \nLed OFF (black): Input is 0V. \nLed ON (green): Input is +24V."};
const char *const kEvalSig[2] = {
    "Zeigt das aus dem Analogkanal \nberechnete Signal (dunkelgelbe Linie). \n\nZeigt zusaetzlich den "
    "Referenzwert "
    "zur Kalkulation der Schaltschwelle (blaue gestrichelte Linie), \ndie Schaltschwelle (rote Linie) und "
    "die "
    "Schalthysterese (schwarz gestrichelte Linie) an, wenn DIGITALE AUSWERTUNG aktiv ist. \n\nDoppelklick "
    "linke "
    "Maustaste auf die Y-Achse startet einen Auto-Zoom. \nLinksklick skaliert die Y-Achse fest.",
    "Displays the intensity of the evaluation signal (dark yellow line). \n\nDisplays also the reference "
    "value for "
    "switching threshold calculation (blue dashed line), \nthe switching threshold (red line) and the "
    "switching "
    "hysteresis (black dashed line) if \nDIGITAL OUTMOE is enable. \n\nLeft mouse double click on the Y-AXIS "
    "starts an auto zoom. \nLeft mouse click scales the Y-AXIS fix."};
const char *const kGraphGraph[2] = {"Zeigt das ausgewaehlte Signal an.",
                                    "Displays the signal selected with SIGNAL."};

HelpCase Pair(int panelIndex, int page, int control, const char *const (&text)[2])
{
    return {panelIndex, page, control, text[0], text[1]};
}

const std::vector<HelpCase> kCases = {
    // Main panel and connection page
    {MAINP, kOnPanel, MAINP_GO, "Startet Datenaustausch zwischen Sensor und PC. \n\nFunktionstaste: F11",
     "Starts data transfer from sensor to PC. \n\nShortcut Key: F11."},
    {MAINP, kOnPanel, MAINP_STOP, "Stoppt Datenaustausch zwischen Sensor und PC. \n\nFunktionstaste: F12",
     "Stops data transfer from sensor to PC. \n\nShortcut Key: F12."},
    {MAINP, PAGE_CONNECTION, TABCONN_HWINFO,
     "Hardware Initialisierungs-Datei auf Festplatte speichern. \nSenden Sie diese Datei an den Hersteller "
     "fuer "
     "Support.",
     "Save Hardware Initial File to disk. \nSend this file to your supplier for assistance."},
    {MAINP, PAGE_CONNECTION, TABCONN_LANGUAGE, "Sprache auswaehlen.", "Select a language."},

    // Conversion table page and panel
    {MAINP, PAGE_CONVERSION_TABLE, TABCONV_RESET, "Umrechnungstabelle zuruecksetzen.",
     "Reset conversion table."},
    {MAINP, PAGE_CONVERSION_TABLE, TABCONV_ASSIGN,
     "Messwert in die ausgewaehlte Zelle der Spalte AKTUELLER WERT eintragen. \nZelle mit Linksklick "
     "auswaehlen.",
     "Assign signal value to selected cell in column ACTUAL VALUE. \nSelect cell to be assigned with left "
     "mouse "
     "click."},
    {MAINP, PAGE_CONVERSION_TABLE, TABCONV_CALC, "Berechnet Umrechungstabelle und stellt diese in Graph dar.",
     "Calculate conversion data and display in graph."},
    {MAINP, PAGE_CONVERSION_TABLE, TABCONV_LOADFILE, "Umrechnungstabelle aus Datei laden.",
     "Get conversion table from disk."},
    {MAINP, PAGE_CONVERSION_TABLE, TABCONV_SAVEFILE, "Umrechnungstabelle in Datei speichern.",
     "Save conversion table to disk."},
    {MAINP, PAGE_CONVERSION_TABLE, TABCONV_GETEE, "Umrechnungstabelle aus EEPROM laden.",
     "Get conversion table from EEPROM of the sensor."},
    {MAINP, PAGE_CONVERSION_TABLE, TABCONV_SAVEEE, "Umrechnungstabelle ins EEPROM speichern.",
     "Save conversion table to EEPROM of the sensor."},
    {CONVP, kOnPanel, CONVP_GRAPH, "Stellt die Umrechnungstabelle graphisch dar.",
     "Displays the conversion table graphically."},
    Pair(CONVP, kOnPanel, CONVP_ZOOM11, kZoom),
    {CONVP, kOnPanel, CONVP_SAVEDATAEE, "Speichert Umrechnungsdaten ins EEPROM.",
     "Save conversion data to EEPROM of the sensor."},
    Pair(CONVP, kOnPanel, CONVP_CLOSE, kClose),

    // Recorder page
    {MAINP, PAGE_RECORDER, TABREC_SELFILE, "Rekorder-Datei fuer Datensicherung auswaehlen.",
     "Select a record file for data save."},
    {MAINP, PAGE_RECORDER, TABREC_FILEPATH, "Zeigt den Speicherpfad des Rekorder-Files an.",
     "Shows the path of the record file."},
    {MAINP, PAGE_RECORDER, TABREC_MODE, "Wie ein Datenframe aufgezeichnet werden soll auswaehlen.",
     "Select how to record data frame."},
    {MAINP, PAGE_RECORDER, TABREC_INTERVAL,
     "Intervall in Sekunden fuer die Aufzeichnung waehlen. \nMinimales Intervall ist 0,25 Sekunden.",
     "Choose a interval in secondes for recording. \nMinimum interval is 0,25 second."},
    {MAINP, PAGE_RECORDER, TABREC_VALUES, "Wie viele Datenframes aufgezeichnet werden sollen auswaehlen.",
     "Choose how many data frames should be recorded."},
    Pair(MAINP, PAGE_RECORDER, TABREC_DAYS, kRecordTime),
    Pair(MAINP, PAGE_RECORDER, TABREC_HOURS, kRecordTime),
    Pair(MAINP, PAGE_RECORDER, TABREC_MINUTES, kRecordTime),
    Pair(MAINP, PAGE_RECORDER, TABREC_SECONDS, kRecordTime),
    Pair(MAINP, PAGE_RECORDER, TABREC_RECORDED, kRecorded),
    Pair(MAINP, PAGE_RECORDER, TABREC_FRAMECOUNTER, kRecorded),
    {MAINP, PAGE_RECORDER, TABREC_REMAINING, "Zeigt an wie viele Werte noch aufgenommen werden.",
     "Displays how many values remain to be recorded."},
    Pair(MAINP, PAGE_RECORDER, TABREC_START, kStartRecord),
    Pair(MAINP, PAGE_RECORDER, TABREC_STARTTRIG, kStartRecord),
    {MAINP, PAGE_RECORDER, TABREC_STOP, "Daten-Rekorder stoppen.", "Stop data record."},
    {MAINP, PAGE_RECORDER, TABREC_MANUAL,
     "Einen Frame manuell aufzeichnen \nund an eine existierende Datei anhaengen.",
     "Record one frame manually \nand append to existing file."},
    {MAINP, PAGE_RECORDER, TABREC_NOTWRITTEN,
     "Zeigt an wie viele Zeilen nicht in die Datei geschrieben werden konnten.",
     "Displays how many rows could not be written to the file."},

    // Scope page and panel
    {MAINP, PAGE_SCOPE, TABSCOPE_TRIGLEVEL, "Rekorder startet wenn das Signal das TRIGGER LEVEL passiert.",
     "Record starts when signal passes TRIGGER LEVEL."},
    {MAINP, PAGE_SCOPE, TABSCOPE_TRIGMODE,
     "Trigger Modus auswaehlen! \nEINZELAUFNAHME: Datenrekorder startet nach Klick auf SCAN. \nSTEIGENDE "
     "FLANKE: "
     "Datenrekorder startet wenn die blaue Linie ueber TRIGGER LEVEL steigt. \nFALLENDE FLANKE: "
     "Datenrekorder "
     "startet wenn die blaue Linie unter TRIGGER LEVEL faellt. \nINTERN OUT0: Datenrekorder startet wenn "
     "OUT0 auf "
     "HI geht. \nEXTERN IN0: Datenrekorder startet wenn IN0 high schaltet.",
     "Select trigger mode! \nSINGLE SHOT: Data recording starts after pushing SCAN. \nRISING EDGE: Data "
     "recording "
     "starts when signal goes higher than TRIGGER LEVEL. \nFALLING EDGE: Data recording starts when signal "
     "goes "
     "lower than TRIGGER LEVEL. \nINTERNAL OUT0: Data recording starts when OUT0 goes HI. \nEXTERNAL IN0: "
     "Data "
     "recording starts when IN0 goes high."},
    {MAINP, PAGE_SCOPE, TABSCOPE_PRETRIG,
     "Anzahl der aufgenommenen Werte \ndie gespeichert werden bevor Triggerereignis eintritt.",
     "Number of recorded values \nwhich are stored before trigger occured."},
    {MAINP, PAGE_SCOPE, TABSCOPE_SCANRATE, "Zeichnet pro SCAN RATE Zyklus einen Wert auf.",
     "Record a value every SCAN RATE scan."},
    Pair(MAINP, PAGE_SCOPE, TABSCOPE_SCANFREQ, kScanFreq),
    Pair(MAINP, PAGE_SCOPE, TABSCOPE_CYCLETIME, kScanFreq),
    {MAINP, PAGE_SCOPE, TABSCOPE_GETCYCLE,
     "Zykluszeit des Sensors abfragen. \nSensor fuer 8 Sekunden nicht unterbrechen, \ndann Schaltflaeche "
     "klicken.",
     "Get cycle time from sensor. \nDon't interrupt the sensor for 8 seconds \nthen press the button."},
    {MAINP, PAGE_SCOPE, TABSCOPE_SCAN, "Datenrekorder starten und das Ergebnis im Graph anzeigen.",
     "Start data recording and display the result in the graph."},
    {MAINP, PAGE_SCOPE, TABSCOPE_BREAK, "Datenrekorder abbrechen.", "Break data recording."},
    {MAINP, PAGE_SCOPE, TABSCOPE_PRINT, "Einstellungen, Scope Graph und Kommentare drucken.",
     "Print settings,scope graph and comment."},
    {MAINP, PAGE_SCOPE, TABSCOPE_COMMENT, nullptr, nullptr},
    {SCOPEP, kOnPanel, SCOPEP_GRAPH,
     "Zeigt Aufzeichnungs-Ergebnisse an. \n\nAktualisiere deltaX und deltaY durch Bewegen des Cursors. "
     "\nZoom in: "
     "<Strg>+Linke Maustaste (Ziehen zum Auswaehlen). \nZoom out: ZOOM 1:1 klicken.",
     "Displays record results.\n\nUpdate display deltaX and deltaY by moving the cursors. \nZoom in: "
     "<Ctrl>+Left "
     "Mouse Button (drag to select). \nZoom out: Press ZOOM 1:1."},
    {SCOPEP, kOnPanel, SCOPEP_SIGNAL, "Signal auswaehlen welches im Graph dargestellt werden soll.",
     "Select a signal which should be displayed in the graph."},
    {SCOPEP, kOnPanel, SCOPEP_DELTAX,
     "Zeigt delta X in [ms] an. \nDie Berechnung basiert auf der im Fenster [ms] angezeigten Zykluszeit und "
     "der "
     "Scan Rate.",
     "Show delta X in [ms]. \nThe calculation is based on the cycle time shown \nin the display [ms] and the "
     "value "
     "of ScanRate."},
    {SCOPEP, kOnPanel, SCOPEP_DELTAY, "Zeigt delta Y in [digit].", "Show delta Y in [digit]."},
    Pair(SCOPEP, kOnPanel, SCOPEP_ZOOM11, kZoom),
    Pair(SCOPEP, kOnPanel, SCOPEP_CLOSE, kClose),

    // Offset compensation page
    {MAINP, PAGE_OFFSET, TABOFFSET_OFFSETVAL, "Editierbox fuer Offset Werte.",
     "Edit Box for the offset values."},
    {MAINP, PAGE_OFFSET, TABOFFSET_FACTOR,
     "Editierbox fuer einen Zeitfaktor im AC MODUS. \nStandardwert ist 1.0. \nFuer IR Sensoren 2.5 waehlen.",
     "Edit box for a setting time factor in AC MODE. \nDefault value is 1,0.\nSelect 2,5 for IR sensors."},
    {MAINP, PAGE_OFFSET, TABOFFSET_GETOFFSET, "Offset Werte aus dem Sensor auslesen.",
     "Read offset value and setting time factor from sensor."},
    {MAINP, PAGE_OFFSET, TABOFFSET_CALCOFFSET, "Offset Berechnung starten.", "Start offset calculation."},
    {MAINP, PAGE_OFFSET, TABOFFSET_SENDOFFSET, "Offset Werte ins EEPROM des Sensors schreiben.",
     "Send offset value to the EEPROM of the sensor."},
    {MAINP, PAGE_OFFSET, TABOFFSET_SENDFACTOR, "Zeitfaktor ins EEPROM des Sensors senden.",
     "Send setting time factor to the EEPROM of the sensor."},
    Pair(MAINP, PAGE_OFFSET, TABOFFSET_CLOSE, kClose),

    // Data panel and its pages
    {DATAP, kOnPanel, DATAP_SENSOR, nullptr, nullptr},
    {DATAP, kOnPanel, DATAP_COMPORT, nullptr, nullptr},
    {DATAP, kOnPanel, DATAP_ADDRESS, nullptr, nullptr},
    Pair(DATAP, kOnPanel, DATAP_CH0, kCh0),
    Pair(DATAP, kOnPanel, DATAP_SIG, kSig),
    Pair(DATAP, kOnPanel, DATAP_TEMP, kTemp),
    {DATAP, kOnPanel, DATAP_REFCH0,
     "Zeigt den Referenzwert von CH0 an bei \nBETRIEBSART = DELTA CH0 INTEGRATOR.",
     "Displays the reference value of CH0 when\nOPERATRING MODE = DELTA CH0 INTEGRATOR."},
    Pair(DATAP, kOnPanel, DATAP_REFSIG1, kRefSig),
    Pair(DATAP, kOnPanel, DATAP_REFSIG2, kRefSig),
    Pair(DATAP, kOnPanel, DATAP_MAXMIN1, kMaxMin),
    Pair(DATAP, kOnPanel, DATAP_MAXMIN2, kMaxMin),
    Pair(DATAP, kOnPanel, DATAP_LEDOUT0, kLedOut),
    Pair(DATAP, kOnPanel, DATAP_LEDOUT1, kLedOut),
    Pair(DATAP, kOnPanel, DATAP_LEDIN0, kLedIn),
    Pair(DATAP, kOnPanel, DATAP_LEDIN1, kLedIn),
    {DATAP, kOnPanel, DATAP_SHOWGRAPH, "Wechselt zu einer graphischen Ansicht fuer jedes Signal.",
     "Switch to a graphical display for each signal."},
    {DATAP, DATA_PAGE_CH0, DATATAB0_CH0CHART, "Zeigt die am Empgaenger detektierte Intensitaet an.",
     "Displays the intensity of the analog channel."},
    Pair(DATAP, DATA_PAGE_EVALUATION, DATATAB1_SIGCHART, kEvalSig),
    Pair(DATAP, DATA_PAGE_EVALUATION, DATATAB1_EVAL1CHART, kEvalSig),
    Pair(DATAP, DATA_PAGE_EVALUATION, DATATAB1_EVAL2CHART, kEvalSig),
    Pair(DATAP, DATA_PAGE_EVALUATION, DATATAB1_VOLT, kAnaOut),
    Pair(DATAP, DATA_PAGE_EVALUATION, DATATAB1_MILLIAMP, kAnaOut),

    // Graph panel
    Pair(GRAPHP, kOnPanel, GRAPHP_CH0GRAPH, kGraphGraph),
    Pair(GRAPHP, kOnPanel, GRAPHP_SIGGRAPH, kGraphGraph),
    Pair(GRAPHP, kOnPanel, GRAPHP_TEMPGRAPH, kGraphGraph),
    Pair(GRAPHP, kOnPanel, GRAPHP_CH0, kCh0),
    Pair(GRAPHP, kOnPanel, GRAPHP_SIG, kSig),
    Pair(GRAPHP, kOnPanel, GRAPHP_TEMP, kTemp),
    {GRAPHP, kOnPanel, GRAPHP_SIGNAL, "Signal das im Graph angezeigt werden soll auswaehlen.",
     "Select Signal to be displayed in the graph."},
    Pair(GRAPHP, kOnPanel, GRAPHP_CLOSE, kClose),

    // Password panel: the check itself comes later
    {PASSWORDP, kOnPanel, PASSWORDP_PASSWORD, nullptr, nullptr},
};

class HelpPopups : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        main_ = LoadPanel(0, kPanelResourceFile, MAINP);
        for (int index : {DATAP, GRAPHP, SCOPEP, CONVP}) {
            handles_[index] = LoadPanel(main_, kPanelResourceFile, index);
            SetPanelPos(handles_[index], 63, 385);
        }
        handles_[MAINP] = main_;
        handles_[PASSWORDP] = LoadPanel(0, kPanelResourceFile, PASSWORDP);
        savedLanguage_ = g_app.language;
    }

    void TearDown() override
    {
        g_app.language = savedLanguage_;
        DiscardPanel(handles_[PASSWORDP]);
        DiscardPanel(main_);
    }

    // Brings the case's panel and page to the front and returns the handle that
    // addresses its control. Controls that take turns with others in one place are
    // shown and raised above them.
    int Prepare(const HelpCase &c)
    {
        int panel = handles_[c.panelIndex];
        if (c.panelIndex == PASSWORDP) {
            EXPECT_TRUE(ShowAndActivate(panel));
        } else {
            EXPECT_TRUE(ShowAndActivate(main_));
            for (int child : {DATAP, GRAPHP, SCOPEP, CONVP})
                if (child != c.panelIndex)
                    HidePanel(handles_[child]);
            if (c.panelIndex != MAINP)
                DisplayPanel(panel);
        }
        if (c.page != kOnPanel) {
            const int tab = c.panelIndex == MAINP ? MAINP_TAB : DATAP_TAB;
            SetActiveTabPage(panel, tab, c.page);
            GetPanelHandleFromTabPage(panel, tab, c.page, &panel);
        }
        SetCtrlAttribute(panel, c.control, ATTR_VISIBLE, 1);
        if (QWidget *widget = CtrlWidget(panel, c.control))
            widget->raise();
        QApplication::processEvents();
        return panel;
    }

    void ExpectHelp(int language, const char *title)
    {
        g_app.language = language;
        for (const HelpCase &c : kCases) {
            const int panel = Prepare(c);
            PopupScript script;
            ASSERT_TRUE(RightClick(panel, c.control)) << c.control;
            const char *text = language == LANGUAGE_GERMAN ? c.german : c.english;
            if (!text) {
                EXPECT_EQ(script.Count(), 0) << "control " << c.control << " has no help";
                continue;
            }
            ASSERT_EQ(script.Count(), 1) << "control " << c.control;
            EXPECT_EQ(script.Last().kind, POPUP_MESSAGE) << c.control;
            EXPECT_EQ(script.Last().title, title) << c.control;
            EXPECT_EQ(script.Last().message, text) << c.control;
        }
    }

    // The data panel's tab control answers on its tab bar; its pages are panels.
    void ExpectTabBarHelp(int language, const char *title, const char *text)
    {
        g_app.language = language;
        ASSERT_TRUE(ShowAndActivate(main_));
        DisplayPanel(handles_[DATAP]);
        auto *tabs = qobject_cast<QTabWidget *>(CtrlWidget(handles_[DATAP], DATAP_TAB));
        ASSERT_NE(tabs, nullptr);
        QTabBar *bar = tabs->tabBar();
        QWidget *window = bar->window();
        PopupScript script;
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier,
                          bar->mapTo(window, bar->tabRect(DATA_PAGE_EVALUATION).center()));
        QApplication::processEvents();
        ASSERT_EQ(script.Count(), 1);
        EXPECT_EQ(script.Last().title, title);
        EXPECT_EQ(script.Last().message, text);
    }

    int main_ = 0;
    int handles_[PASSWORDP + 2] = {};
    int savedLanguage_ = LANGUAGE_ENGLISH;
};

} // namespace

TEST_F(HelpPopups, EnglishTitleAndText)
{
    ExpectHelp(LANGUAGE_ENGLISH, "Message!");
    ExpectTabBarHelp(LANGUAGE_ENGLISH, "Message!", "Select TAB-window.");
}

TEST_F(HelpPopups, GermanTitleAndText)
{
    ExpectHelp(LANGUAGE_GERMAN, "Info!");
    ExpectTabBarHelp(LANGUAGE_GERMAN, "Info!", "Waehlen Sie eine Registerkarte.");
}
