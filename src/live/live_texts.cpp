#include "live/live_texts.h"

const TextPair kHelpClosePanel = {"Schliesst PANEL und kehrt zu HAUPT PANEL zurueck.",
                                  "Close PANEL and return to MAIN PANEL."};

// Data panel and graph panel
const TextPair kHelpButtonGo = {"Startet Datenaustausch zwischen Sensor und PC. \n\nFunktionstaste: F11",
                                "Starts data transfer from sensor to PC. \n\nShortcut Key: F11."};
const TextPair kHelpButtonStop = {"Stoppt Datenaustausch zwischen Sensor und PC. \n\nFunktionstaste: F12",
                                  "Stops data transfer from sensor to PC. \n\nShortcut Key: F12."};
const TextPair kHelpTabDataP = {"Waehlen Sie eine Registerkarte.", "Select TAB-window."};
const TextPair kHelpDispCha = {"Zeigt die am Empgaenger detektierte Intensitaet an.",
                               "Shows the intensity detected on the receiver."};
const TextPair kHelpDispRefCh0 = {
    "Zeigt den Referenzwert von CH0 an bei \nBETRIEBSART = DELTA CH0 INTEGRATOR.",
    "Displays the reference value of CH0 when\nOPERATRING MODE = DELTA CH0 INTEGRATOR."};
const TextPair kHelpDispSig = {"Zeigt das aus dem Analogkanal \nberechnete Signal (dunkelgelbe Linie).",
                               "Displays the intensity of the \nevaluation signal (dark yellow line)."};
const TextPair kHelpDispRefSig = {
    "Zeigt den Referenzwert zur zur Kalkulation der Schaltschwelle an (blaue Linie).",
    "Displays the reference value for \nswitching threshold calculation (blue line)."};
const TextPair kHelpDispTemp = {"Zeigt momentane Temperatur im Sensor an. \nNicht Grad Celsius!",
                                "Displays actual temperature in the sensor. \nNot in degree Celsius!"};
const TextPair kHelpDispMaxMin = {"Zeigt den Minimal- und Maximalwert \nwaehrend IN0 high ist an.",
                                  "Displays the maximum and minimum \ndetected value while IN0."};
const TextPair kHelpDispAnaOut = {"Zeigt den Wert des Analogausgangs an.",
                                  "Displays the analog output value."};
const TextPair kHelpLedOut = {
    "Zeigt den Status des Ausgangs an. \nLED AUS (schwarz): Ausgang ist 0V. \nLED AN (orange): Ausgang ist "
    "+24V.",
    "Displays the status of the output. \nLed OFF (black): Output is 0V. \nLed ON (orange): Output is +24V."};
const TextPair kHelpLedIn = {
    "Zeigt den Status des Eingangs an. \nLED AUS (schwarz): Ausgang ist 0V. \nLED AN (gruen): Ausgang ist "
    "+24V.",
    "Displays the status of the input. \nLed OFF (black): Input is 0V. \nLed ON (green): Input is +24V."};
const TextPair kHelpGraphAnaCha = {"Zeigt die am Empgaenger detektierte Intensitaet an.",
                                   "Displays the intensity of the analog channel."};
const TextPair kHelpGraphEvalSig = {
    "Zeigt das aus dem Analogkanal \nberechnete Signal (dunkelgelbe Linie). \n\nZeigt zusaetzlich den "
    "Referenzwert zur Kalkulation der Schaltschwelle (blaue gestrichelte Linie), \ndie Schaltschwelle (rote "
    "Linie) und die Schalthysterese (schwarz gestrichelte Linie) an, wenn DIGITALE AUSWERTUNG aktiv ist. "
    "\n\nDoppelklick linke Maustaste auf die Y-Achse startet einen Auto-Zoom. \nLinksklick skaliert die "
    "Y-Achse fest.",
    "Displays the intensity of the evaluation signal (dark yellow line). \n\nDisplays also the reference "
    "value for switching threshold calculation (blue dashed line), \nthe switching threshold (red line) and "
    "the switching hysteresis (black dashed line) if \nDIGITAL OUTMOE is enable. \n\nLeft mouse double click "
    "on the Y-AXIS starts an auto zoom. \nLeft mouse click scales the Y-AXIS fix."};
const TextPair kHelpButtonShowGraph = {"Wechselt zu einer graphischen Ansicht fuer jedes Signal.",
                                       "Switch to a graphical display for each signal."};
const TextPair kHelpEditSignal = {"Signal das im Graph angezeigt werden soll auswaehlen.",
                                  "Select Signal to be displayed in the graph."};
const TextPair kHelpPanelGraphGraph = {"Zeigt das ausgewaehlte Signal an.",
                                       "Displays the signal selected with SIGNAL."};

// Scope page and scope panel
const TextPair kHelpButtonZoomScope11 = {
    "Zoom in: <Strg>+Linke Maustaste (Ziehen zum Auswaehlen).\nZoom out: ZOOM 1:1 klicken.",
    "Zoom in: <Ctrl>+Left Mouse Button (drag to select).\nZoom out: Press ZOOM 1:1."};
const TextPair kHelpEditScopeSignal = {"Signal auswaehlen welches im Graph dargestellt werden soll.",
                                       "Select a signal which should be displayed in the graph."};
const TextPair kHelpGraphScope = {
    "Zeigt Aufzeichnungs-Ergebnisse an. \n\nAktualisiere deltaX und deltaY durch Bewegen des Cursors. \nZoom "
    "in: <Strg>+Linke Maustaste (Ziehen zum Auswaehlen). \nZoom out: ZOOM 1:1 klicken.",
    "Displays record results.\n\nUpdate display deltaX and deltaY by moving the cursors. \nZoom in: "
    "<Ctrl>+Left Mouse Button (drag to select). \nZoom out: Press ZOOM 1:1."};
const TextPair kHelpDispDeltaX = {"Zeigt delta X in [ms] an. \nDie Berechnung basiert auf der im Fenster "
                                  "[ms] angezeigten Zykluszeit und der Scan Rate.",
                                  "Show delta X in [ms]. \nThe calculation is based on the cycle time shown "
                                  "\nin the display [ms] and the value of ScanRate."};
const TextPair kHelpDispDeltaY = {"Zeigt delta Y in [digit].", "Show delta Y in [digit]."};
const TextPair kHelpButtonGetCycleTime = {
    "Zykluszeit des Sensors abfragen. \nSensor fuer 8 Sekunden nicht unterbrechen, \ndann Schaltflaeche "
    "klicken.",
    "Get cycle time from sensor. \nDon't interrupt the sensor for 8 seconds \nthen press the button."};
const TextPair kHelpButtonScan = {"Datenrekorder starten und das Ergebnis im Graph anzeigen.",
                                  "Start data recording and display the result in the graph."};
const TextPair kHelpButtonBreakScan = {"Datenrekorder abbrechen.", "Break data recording."};
const TextPair kHelpButtonPrintScopeGraph = {"Einstellungen, Scope Graph und Kommentare drucken.",
                                             "Print settings,scope graph and comment."};
const TextPair kHelpEditTriggerMode = {
    "Trigger Modus auswaehlen! \nEINZELAUFNAHME: Datenrekorder startet nach Klick auf SCAN. \nSTEIGENDE "
    "FLANKE: Datenrekorder startet wenn die blaue Linie ueber TRIGGER LEVEL steigt. \nFALLENDE FLANKE: "
    "Datenrekorder startet wenn die blaue Linie unter TRIGGER LEVEL faellt. \nINTERN OUT0: Datenrekorder "
    "startet wenn OUT0 auf HI geht. \nEXTERN IN0: Datenrekorder startet wenn IN0 high schaltet.",
    "Select trigger mode! \nSINGLE SHOT: Data recording starts after pushing SCAN. \nRISING EDGE: Data "
    "recording starts when signal goes higher than TRIGGER LEVEL. \nFALLING EDGE: Data recording starts when "
    "signal goes lower than TRIGGER LEVEL. \nINTERNAL OUT0: Data recording starts when OUT0 goes HI. "
    "\nEXTERNAL IN0: Data recording starts when IN0 goes high."};
const TextPair kHelpEditPreTrigVal = {
    "Anzahl der aufgenommenen Werte \ndie gespeichert werden bevor Triggerereignis eintritt.",
    "Number of recorded values \nwhich are stored before trigger occured."};
const TextPair kHelpEditTriggerLevel = {"Rekorder startet wenn das Signal das TRIGGER LEVEL passiert.",
                                        "Record starts when signal passes TRIGGER LEVEL."};
const TextPair kHelpEditScanRate = {"Zeichnet pro SCAN RATE Zyklus einen Wert auf.",
                                    "Record a value every SCAN RATE scan."};
const TextPair kHelpDispScanFreq = {
    "Sensor Scanfrequenz. \nSensor fuer 8 Sekunden nicht unterbrechen, \ndann Schaltflaeche klicken.",
    "Sensor scanfrequency. \nDon't interrupt the sensor for 8 seconds \nthen press the button."};

// Recorder page
const TextPair kHelpButtonSelRecFile = {"Rekorder-Datei fuer Datensicherung auswaehlen.",
                                        "Select a record file for data save."};
const TextPair kHelpDispRecFile = {"Zeigt den Speicherpfad des Rekorder-Files an.",
                                   "Shows the path of the record file."};
const TextPair kHelpButtonStartRecord = {"Daten-Rekorder starten.", "Start data record."};
const TextPair kHelpButtonStopRecord = {"Daten-Rekorder stoppen.", "Stop data record."};
const TextPair kHelpButtonManualRecord = {
    "Einen Frame manuell aufzeichnen \nund an eine existierende Datei anhaengen.",
    "Record one frame manually \nand append to existing file."};
const TextPair kHelpEditSelectDataRec = {"Wie ein Datenframe aufgezeichnet werden soll auswaehlen.",
                                         "Select how to record data frame."};
const TextPair kHelpEditInterval = {
    "Intervall in Sekunden fuer die Aufzeichnung waehlen. \nMinimales Intervall ist 0,25 Sekunden.",
    "Choose a interval in secondes for recording. \nMinimum interval is 0,25 second."};
const TextPair kHelpEditRecVal = {"Wie viele Datenframes aufgezeichnet werden sollen auswaehlen.",
                                  "Choose how many data frames should be recorded."};
const TextPair kHelpDispRecordTime = {"Zeigt die Aufnahmezeit an bis alle Werte aufgenommen sein werden.",
                                      "Displays the time for recording \nwhen all VALUES will be recorded."};
const TextPair kHelpDispRecordedValues = {"Zeigt an wie viele Werte bereits aufgenommen wurden.",
                                          "Displays how many values are already recorded."};
const TextPair kHelpDispRemaining = {"Zeigt an wie viele Werte noch aufgenommen werden.",
                                     "Displays how many values remain to be recorded."};

// Offset compensation page
const TextPair kHelpButtonSendOffset = {"Offset Werte ins EEPROM des Sensors schreiben.",
                                        "Send offset value to the EEPROM of the sensor."};
const TextPair kHelpButtonGetOffset = {"Offset Werte aus dem Sensor auslesen.",
                                       "Read offset value and setting time factor from sensor."};
const TextPair kHelpButtonCalcOffset = {"Offset Berechnung starten.", "Start offset calculation."};
const TextPair kHelpEditOffsetVal = {"Editierbox fuer Offset Werte.", "Edit Box for the offset values."};
const TextPair kHelpEditSettingTimeFactor = {
    "Editierbox fuer einen Zeitfaktor im AC MODUS. \nStandardwert ist 1.0. \nFuer IR Sensoren 2.5 waehlen.",
    "Edit box for a setting time factor in AC MODE. \nDefault value is 1,0.\nSelect 2,5 for IR sensors."};
const TextPair kHelpButtonSendSettingTimeFactor = {"Zeitfaktor ins EEPROM des Sensors senden.",
                                                   "Send setting time factor to the EEPROM of the sensor."};
const TextPair kTxtCalcOffsetConfirm = {
    "Sicherstellen, dass der Empfaenger des Sensors verdeckt ist! \nOffset Wert sollte unter 100 sein.",
    "Make sure, that the receiver of the sensor is covered! \nOffset value should be lower than 100!"};
const TextPair kTxtIncompleteOffsetReply = {
    "Antwort des Sensors auf die Offset-Anfrage ist unvollstaendig!\n\n",
    "Reply of the sensor to the offset request is incomplete!\n\n"};
