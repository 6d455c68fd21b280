#include "hwinfo/hwinfo_texts.h"

const TextPair kHelpButtonGenHwInfoFile = {
    "Hardware Initialisierungs-Datei auf Festplatte speichern. \nSenden Sie diese Datei an den Hersteller "
    "fuer Support.",
    "Save Hardware Initial File to disk. \nSend this file to your supplier for assistance."};
const TextPair kTxtHwNoFileSelected = {"Keine Datei ausgewaehlt! \nAktion wird nicht ausgefuehrt!",
                                       "No file was selected! \nProcess will not be done!"};
const TextPair kTxtHwFileSaved = {"Datei wurde gespeichert!", "File has been saved!"};
const TextPair kTxtHwFileNotSaved = {"Datei konnte nicht gespeichert werden!\n%s\n\n",
                                     "File could not be saved!\n%s\n\n"};
const TextPair kTxtHwInfoReplyIncomplete = {
    "Hardware-Info des Sensors unvollstaendig (%d von 512 Bytes)! \nAktion wird nicht ausgefuehrt!\n\n",
    "Hardware info of the sensor is incomplete (%d of 512 bytes)! \nProcess will not be done!\n\n"};
