#include "scope/scope_texts.h"

const TextPair kTxtReportInitFailed = {"NI Report konnte nicht initialisiert werden...",
                                       "Could not initialize NI Reports..."};
const TextPair kTxtReportTitle = {"Screenshot des Scope-Bildschirms.", "Scope Screen Shot"};
const TextPair kTxtReportPanelId = {"Fenster ID:", "Panel ID: "};
const TextPair kTxtReportComment = {"Kommentar:", "Comment:"};
const TextPair kTxtPrintError = {"Druckfehler!", "Print error!"};
const TextPair kTxtPrintSuccessful = {"Ausdruck erfolgreich!", "Print successful!"};

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
