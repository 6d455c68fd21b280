#include "connection/connection_texts.h"

const char *const kTxtSensorTimeout = "TIMEOUT!";
const TextPair kTxtTryToConnect = {"Verbindungsaufbau!\n", "Try to connect!\n"};
const TextPair kTxtNoSensor = {"Kein Sensor verbunden!\n\n", "No sensor connected!\n\n"};
const TextPair kTxtFirmwareMismatch = {
    "Sensor-Firmware und Scope-Version stimmen nicht ueberein! \nFirmware des verbundenen Sensors ist: ",
    "Sensor firmware and scope version do not match! \nFirmware of connected sensor is: "};
const TextPair kTxtCouldNotConnect = {
    "Verbindung konnte nicht aufgebaut werden! \nFenster schliessen oder im Offline-Modus arbeiten!",
    "Could not establish connection! \nClose window or work in offline mode!"};
const char *const kTxtSensorLabel = "Sensor: ";
const TextPair kTxtSerialNumberLabel = {"Seriennummer: ", "Serial number: "};
const TextPair kTxtButtonClose = {"Schliessen", "Close"};
const char *const kTxtButtonOffline = "Offline";
const TextPair kTxtPortsAvailable = {"Folgende COM PORTS sind verfuegbar:\n",
                                     "Following COM PORTS are available:\n"};
const TextPair kTxtChangingBaudrate = {"Baudrate aendern!\n", "Try to change baudrate!\n"};
const TextPair kTxtBaudrateChanged = {"Erledigt!\n", "Success!\n"};
const TextPair kTxtConfirmBaudrate = {"ACHTUNG!!!   Neue Baudrate mit EEPROM und SENDEN bestaetigen!\n\n",
                                      "ATTENTION!!!   Confirm new baudrate with EEPROM and SEND!\n\n"};

const TextPair kHelpConnect = {"Verbindungsaufbau zum Sensor.", "Try to connect sensor."};
const TextPair kHelpDisconnect = {"Verbindungsabbruch vom Sensor.", "Disconnect from sensor."};
const TextPair kHelpFindPorts = {"Zeigt eine Liste der verfuegbaren COM PORTS.",
                                 "Shows a list of available COM PORTS."};
const TextPair kHelpProtocol = {"Waehlen Sie die RS232 oder TCP/IP Schnittstelle.",
                                "Select RS232 or TCP/IP Interface."};
const TextPair kHelpComPort = {"Waehlen Sie einen seriellen COM-Port.", "Select a serial COM-PORT."};
const TextPair kHelpBaudrate = {
    "Waehlen Sie die Baudrate fuer die Datenuebertragung. \n\nAchtung! Sensor und Nutzeroberflaeche "
    "\nmuessen "
    "mit der gleichen Baudrate arbeiten.",
    "Select the Baudrate for data transfer. \n\nAttention! Sensor and user surface \nmust work with the same "
    "Baudrate."};
const TextPair kHelpAddress = {"Waehlen Sie einen Server per Bezeichnung oder IP-Adresse.",
                               "Select a Server by name or IP address."};
const TextPair kHelpPortNumber = {"Waehlen Sie eine Port-Nummer.", "Select a port number."};
const TextPair kHelpSensorId = {
    "Sensor-Identifikation einfuegen. \nDiese ID wird in einigen Fenstern der Software angezeigt.",
    "Insert sensor identification. \nThis ID will be displayed in some panels of the software."};
const TextPair kHelpChangeBaudrate = {
    "Ausgewaehlte Baudrate auf Sensor speichern. \n\nNeue Baudrate mit EEPROM und SENDEN bestaetigen.",
    "Save selected Baudrate to sensor. \n\nConfirm new baudrate with EEPROM and SEND."};
