#include "offset/offset_texts.h"

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
const TextPair kTxtWrongPassword = {"Passwort falsch. \nBitte versuchen Sie es erneut.",
                                    "Wrong password. \nPlease try again."};
