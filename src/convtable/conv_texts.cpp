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

const TextPair kTxtWrongCellSelected = {
    "Falsche Zelle markiert! \nNur Zellen der Spalte AKTUELLER WERT koennen markiert werden! \nErste und "
    "letzte Zeile der Spalte AKTUELLER WERT koennen nicht geaendert werden!",
    "Wrong cell selected! \nOnly cells in column ACTUAL VALUE can be selected! \nFirst and last row in "
    "column "
    "ACTUAL VALUE can not be changed!"};
const TextPair kTxtActualValueOutOfRange = {
    "AKTUELLER WERT muss zwischen 0 und 4095 liegen oder -1 (Zeile deaktiviert) sein! \nErste und letzte "
    "Zeile der Spalte AKTUELLER WERT koennen nicht geaendert werden!",
    "ACTUAL VALUE must lie within 0 and 4095 or be -1 (row disabled)! \nFirst and last row in column ACTUAL "
    "VALUE can not be changed!"};
const TextPair kTxtRowInconsistent = {
    "Beide Zellen einer Zeile muessen gesetzt oder deaktiviert (-1) werden.",
    "Both cells in a row must be set or disabled (-1)."};
const TextPair kTxtRowActualTooLarge = {
    "Zeile %d: Der Istwert %d liegt ueber 4095, die Berechnung kann ihn nicht verwenden.",
    "Row %d: the actual value %d lies above 4095; the calculation cannot use it."};
const TextPair kTxtActualValuesUnusable = {
    "Istwerte ueber 4095, die die Berechnung nicht verwenden kann, stehen in den Zeilen: %s.",
    "Actual values above 4095, which the calculation cannot use, are in rows: %s."};
const TextPair kTxtFixedActualValueSet = {"Der Istwert von Zeile %d wurde auf %d gesetzt (er war %d).",
                                          "The actual value of row %d was set to %d (it was %d)."};
const TextPair kTxtCalculationSuccessful = {
    "Berechnung erfolgreich. \nUmrechnungsdaten koennen ins EEPROM gespeichert werden.",
    "Calculation successful. \nConversion data can be saved to EEPROM of sensor."};

const TextPair kTxtLoadDialogTitle = {"Umrechungstabelle aus Datei laden.",
                                      "Read conversion table from file"};
const TextPair kTxtSaveDialogTitle = {"Umrechnungstabelle in Datei speichern",
                                      "Save conversion table to file"};
const TextPair kTxtConvNoFileSelected = {"Keine Datei ausgewaehlt! \nAktion wird nicht ausgefuehrt!",
                                         "No file was selected! \nProcess will not be done!"};
const TextPair kTxtNotAConversionTableFile = {
    "Gewaehlte Datei enthaelt keine Umrechungstabelle. \nTrotzdem fortfahren?",
    "Selected file is not a conversion table file! \nDo you want to proceed anyway?"};
const TextPair kTxtConvScopeVersionMismatch = {
    "Gewaehlte Datei und Scope-Version stimmen nicht ueberein! \nTrotzdem fortfahren?",
    "Selected file and scope version do not match! \nDo you want to proceed anyway?"};
const TextPair kTxtNoValuesRead = {"Keine Werte erkannt!", "No values were read!"};
const TextPair kTxtDefaultsReport = {
    "Folgende Tabellenwerte \nkonnten nicht erkannt werden \nund wurden auf Voreinstellung gesetzt:",
    "Following table values \ncould not be read and \nwere set to default value:"};
const TextPair kTxtFileExists = {"Datei existiert bereits! \nWollen Sie die bestehende Datei auswaehlen?",
                                 "File already exists! \nDo you want to select existing file?"};
const TextPair kTxtTableFileNotSaved = {"Umrechnungstabelle konnte nicht gespeichert werden! \n%s",
                                        "Conversion table file could not be saved! \n%s"};

const TextPair kTxtSavedToEeprom = {"Umrechnungsdaten wurden ins EE gespeichert.",
                                    "Conversion data were saved to EE."};
const TextPair kTxtNotSavedToEeprom = {"ACHTUNG! \nUmrechungsdaten wurden NICHT ins EE gespeichert.",
                                       "ATTENTION! \nConversion data were NOT saved to EE."};
const TextPair kTxtDataCanNotBeSaved = {
    "ACHTUNG! \nDaten koennen nicht gespeichert werden. \nTabelle ueberpruefen und Berechnung wiederholen.",
    "ATTENTION! \nData can not be saved. \nCheck table and repeat calculation."};
const TextPair kTxtWritingBlock = {"Block %d von %d", "Block %d of %d"};
const TextPair kTxtConvBlocksAcknowledged = {
    "ACHTUNG! Umrechnungsdaten: Der Sensor hat %d von %d Bloecken bestaetigt. \n%s \nDaten erneut "
    "speichern!\n\n",
    "ATTENTION! Conversion data: the sensor acknowledged %d of %d blocks. \n%s \nSave the data again!\n\n"};
const TextPair kTxtConvBlockNotSent = {"Block %d wurde nicht gesendet.", "Block %d was not sent."};
const TextPair kTxtConvBlockUnconfirmed = {
    "Block %d wurde gesendet, aber seine Bestaetigung kam nicht unversehrt an: Der Sensor hat ihn "
    "vielleicht gespeichert, vielleicht nicht.",
    "Block %d was sent, but its acknowledgement did not arrive intact: the sensor may or may not have "
    "stored it."};
