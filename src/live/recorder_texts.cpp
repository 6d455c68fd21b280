#include "live/recorder_texts.h"

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
