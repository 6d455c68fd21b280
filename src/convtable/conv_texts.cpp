#include "convtable/conv_texts.h"

const TextPair kHelpButtonResetConvTable = {"Umrechnungstabelle zuruecksetzen.", "Reset conversion table."};
const TextPair kHelpButtonAssign = {"Messwert in die ausgewaehlte Zelle der Spalte AKTUELLER WERT eintragen. "
                                    "\nZelle mit Linksklick auswaehlen.",
                                    "Assign signal value to selected cell in column ACTUAL VALUE. \nSelect "
                                    "cell to be assigned with left mouse click."};
const TextPair kHelpButtonCalcConvData = {"Berechnet Umrechungstabelle und stellt diese in Graph dar.",
                                          "Calculate conversion data and display in graph."};
const TextPair kHelpGraphConv = {"Stellt die Umrechnungstabelle graphisch dar.",
                                 "Displays the conversion table graphically."};
const TextPair kHelpButtonCloseCP = {"Schliesst PANEL und kehrt zu HAUPT PANEL zurueck.",
                                     "Close PANEL and return to MAIN PANEL."};
const TextPair kHelpButtonZoomConv11 = {
    "Zoom in: <Strg>+Linke Maustaste (Ziehen zum Auswaehlen).\nZoom out: ZOOM 1:1 klicken.",
    "Zoom in: <Ctrl>+Left Mouse Button (drag to select).\nZoom out: Press ZOOM 1:1."};

const TextPair kHelpButtonGetConvTableFromFile = {"Umrechnungstabelle aus Datei laden.",
                                                  "Get conversion table from disk."};
const TextPair kHelpButtonSaveConvTableToFile = {"Umrechnungstabelle in Datei speichern.",
                                                 "Save conversion table to disk."};
const TextPair kHelpButtonGetConvTableFromEE = {"Umrechnungstabelle aus EEPROM laden.",
                                                "Get conversion table from EEPROM of the sensor."};
const TextPair kHelpButtonSaveConvTableToEE = {"Umrechnungstabelle ins EEPROM speichern.",
                                               "Save conversion table to EEPROM of the sensor."};
const TextPair kHelpButtonSaveConvDataToEE = {"Speichert Umrechnungsdaten ins EEPROM.",
                                              "Save conversion data to EEPROM of the sensor."};
