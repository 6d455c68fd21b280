#include "connection/reconnect_texts.h"

const TextPair kTxtReconnectAttempt = {"Verbindung verloren - verbinde neu (Versuch %d) ...\n",
                                       "Connection lost - reconnecting (attempt %d) ...\n"};
const TextPair kTxtReconnectDisplay = {"Verbinde neu (Versuch %d) ...", "Reconnecting (attempt %d) ..."};
const TextPair kTxtReconnected = {"Verbindung nach %.1f s wieder hergestellt; es geht weiter.\n\n",
                                  "Connection back after %.1f s; going on.\n\n"};
const TextPair kTxtReconnectEnded = {"Automatisches Wiederverbinden beendet: keine Verbindung zum Sensor!",
                                     "Automatic reconnection ended: no connection to the sensor!"};
const TextPair kTxtOtherSensor = {
    "Ein anderer Sensor hat geantwortet (%s, Seriennummer %d): mit ihm wird nicht fortgesetzt.\n",
    "Another sensor answered (%s, serial number %d): the work does not go on with it.\n"};
const TextPair kTxtAdapterFoundAgain = {"USB-Adapter wiedergefunden als COM%d (%s).\n",
                                        "USB adapter found again as COM%d (%s).\n"};
const TextPair kTxtOutageSummary = {
    "Die Verbindung war %d-mal unterbrochen, insgesamt %.1f s; fuer diese Zeit gibt es keine Zeilen.",
    "The link was lost %d times, %.1f s in total; there are no rows for that time."};
const TextPair kHelpAutoReconnect = {
    "Ist dies gewaehlt, verbindet sich das Programm nach einem Verbindungsabbruch waehrend LIVE DATA oder "
    "einer Aufzeichnung alle 2 s neu und setzt dann fort. \nSTOP beendet die Versuche.",
    "When this is checked, the program reconnects every 2 s after the link is lost during live data or a "
    "recording, and then goes on. \nSTOP ends the attempts."};
