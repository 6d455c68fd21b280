#include "cli/cli_texts.h"

const TextPair kTxtCliCannotRead = {"Datei %s kann nicht gelesen werden: %s", "Cannot read the file %s: %s"};
const TextPair kTxtCliParaFileIncomplete = {
    "Die Parameter-Datei ist unvollstaendig; es wurde nichts gesendet.",
    "The parameter file is incomplete; nothing was sent."};
const TextPair kTxtCliTableIncomplete = {
    "Die Umrechnungstabellen-Datei ist unvollstaendig; es wurde nichts gesendet.",
    "The conversion table file is incomplete; nothing was sent."};
const TextPair kTxtCliRulesChanged = {
    "Das Parameterformular hat Werte der Datei geaendert (Abhaengigkeitsregeln, Wertebereiche):",
    "The parameter form changed values of the file (dependency rules, value ranges):"};
const TextPair kTxtCliRuleChangeLine = {"  %s: Datei %u, gesendet %u", "  %s: file %u, sent %u"};
const TextPair kTxtCliReadBackDiffers = {"Der zurueckgelesene Parametersatz weicht vom gesendeten ab:",
                                         "The parameter set read back differs from the one sent:"};
const TextPair kTxtCliReadBackLine = {"  %s: gesendet %u, gelesen %u", "  %s: sent %u, read %u"};
const TextPair kTxtCliRecordSummary = {"Zeilen geschrieben: %llu, nicht geschrieben: %llu",
                                       "Rows written: %llu, rows not written: %llu"};
const TextPair kTxtCliMqttWaiting = {
    "MQTT-Broker %s:%d antwortet noch nicht; Frames werden erst danach zugestellt.",
    "MQTT broker %s:%d does not answer yet; frames are delivered once it does."};
const TextPair kTxtCliMqttConnected = {"Mit MQTT-Broker %s:%d verbunden.", "Connected to MQTT broker %s:%d."};
const TextPair kTxtCliMqttLost = {"Verbindung zu MQTT-Broker %s:%d verloren; neuer Verbindungsaufbau laeuft.",
                                  "Connection to MQTT broker %s:%d lost; reconnecting."};
const TextPair kTxtCliMqttNotDelivered = {"Nicht an den MQTT-Broker zugestellte Frames: %llu von %llu",
                                          "Frames not delivered to the MQTT broker: %llu of %llu"};
const TextPair kTxtCliMqttCannotStart = {"MQTT kann nicht gestartet werden: %s", "MQTT cannot start: %s"};
const TextPair kTxtCliOutputClosed = {"Die Standardausgabe ist geschlossen.",
                                      "The standard output is closed."};
