#include "recorder/recorder_texts.h"

const TextPair kTxtRecDialogTitle = {"Dateiname!", "Filename!"};
const TextPair kTxtRecNoFileSelected = {"Keine Datei ausgewaehlt! \nAktion wird nicht ausgefuehrt!",
                                        "No file was selected! \nProcess will not be done!"};
const TextPair kTxtRecFileExists = {"Datei existiert bereits! \nWollen Sie die bestehende Datei auswaehlen?",
                                    "File already exists! \nDo you want to select existing file?"};
const TextPair kTxtRecFileNotOpened = {
    "Stellen Sie sicher dass die Datei in keinem anderen Programm verwendet wird. \nAnsonsten kann sie nicht "
    "gespeichert werden.",
    "Make sure, that the file is not opened by any other program. \nOtherwise it can not be saved."};
const TextPair kTxtRecRightFileName = {"Sind Sie sicher dass Sie die richtige Datei gewaehlt haben?",
                                       "Are you sure, that you have selected the right file name?"};
const TextPair kTxtRecFileSaved = {"Datei wurde gespeichert!", "File has been saved!"};
const TextPair kTxtRecRowsNotWritten = {
    "Datei wurde gespeichert, aber %llu Zeilen konnten nicht geschrieben werden! \nPruefen Sie, ob die Datei "
    "in einem anderen Programm verwendet wird und ob der Datentraeger voll ist.",
    "File has been saved, but %llu rows could not be written! \nCheck whether the file is opened by another "
    "program and whether the disk is full."};
const TextPair kTxtRecHeaderNotWritten = {
    "Die Rekorder-Datei konnte nicht geschrieben werden! \nDie bisherige Rekorder-Datei bleibt ausgewaehlt.",
    "The record file could not be written! \nThe previous record file stays selected."};
const TextPair kTxtRecManualRowNotWritten = {
    "Der Frame konnte nicht in die Rekorder-Datei geschrieben werden! \nPruefen Sie, ob die Datei in einem "
    "anderen Programm verwendet wird.",
    "The frame could not be written to the record file! \nCheck whether the file is opened by another "
    "program."};
const TextPair kTxtRecNoFrameYet = {
    "Noch kein Datenframe empfangen! \nStarten Sie zuerst den Datenaustausch mit GO.",
    "No data frame has been received yet! \nStart the data transfer with GO first."};
const TextPair kTxtRecHeaderLabel = {"Ergebnisse von ... aufzeichnen:", "Record results of: "};
const TextPair kTxtRecPanelIdLabel = {"Fenster ID:", "Panel ID: "};

const TextPair kHelpDispRowsNotWritten = {
    "Zeigt an wie viele Zeilen nicht in die Datei geschrieben werden konnten.",
    "Displays how many rows could not be written to the file."};

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

const TextPair kTxtRecSavedInFiles = {"Datei wurde gespeichert! \nDie Aufzeichnung steht in diesen Dateien:",
                                      "File has been saved! \nThe recording is in these files:"};
const TextPair kTxtRecFramesRefused = {
    " \n%llu davon waren Datenframes des Sensors, aus denen keine Zeile werden konnte (zu kurz oder keine "
    "Live-Daten).",
    " \n%llu of them were data frames of the sensor that no row could be made of (too short, or no live "
    "data)."};
const TextPair kTxtRecShortFrame = {
    "Rekorder: Ein Datenframe des Sensors mit %d statt 22 Datenbytes wurde nicht aufgezeichnet.\n",
    "Recorder: a data frame of the sensor with %d instead of 22 data bytes was not recorded.\n"};
const TextPair kTxtRecForeignFrame = {
    "Rekorder: Ein Frame des Sensors zu Befehl %d statt zu den Live-Daten (8) wurde nicht aufgezeichnet.\n",
    "Recorder: a frame of the sensor for command %d instead of live data (8) was not recorded.\n"};
const TextPair kTxtRecDiskFull = {
    "Der Datentraeger ist voll! \nDie Aufzeichnung wurde nach %llu geschriebenen Zeilen angehalten. \nDie "
    "Datei %s enthaelt jede Zeile bis dahin vollstaendig.",
    "The disk is full! \nThe recording was stopped after %llu rows written. \nThe file %s holds every row up "
    "to there, whole."};
const TextPair kHelpEditSplitHours = {
    "Eine laufende Aufzeichnung wird nach so vielen Stunden in einer neuen Datei fortgesetzt: NAME_0002.dat, "
    "NAME_0003.dat, ... \n0 = nie.",
    "A running recording continues in a new file after this many hours: NAME_0002.dat, NAME_0003.dat, ... "
    "\n0 = never."};
