#include "link/link_texts.h"

#include <cstddef>
#include <cstdio>

const TextPair kTxtTimeout = {
    "TIMEOUT! \nKeine Daten erhalten! \nVerbindungsfehler! \nSpannungsversorgung und COM Einstellungen "
    "ueberpruefen. \nVerbindungsaufbau wiederholen!",
    "TIMEOUT! \nNo data received! \nCommunication error! \nCheck power supply and COM settings. \nTry to "
    "connect again!"};
const TextPair kTxtBadHeader = {"ACHTUNG! \nEmpfangener header frame ist ungueltig!",
                                "ATTENTION! \nReceived header frame is incorrect!"};
const TextPair kTxtInvalidOrder = {"Ungueltiger Befehl! \nPC und Sensor-Software ueberpruefen!",
                                   "Invalid order number! \nVerify PC and sensor software!"};
const TextPair kTxtSensorCommError = {"Verbindungsfehler! \nEventuell Baudrate reduzieren!",
                                      "Communication error! \nYou may have to reduce baudrate!"};
const TextPair kTxtBadData = {"ACHTUNG! \nEmpfangener Daten frame ist ungueltig!",
                              "ATTENTION! \nReceived data frame is incorrect!"};
const TextPair kTxtServerClosed = {"Server hat Verbindung beendet!", "Server has closed connection!"};

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
const TextPair kHelpAccept = {
    "Verbindungseinstellungen bestaetigen \nund zum Parametrierungs-Reiter wechseln.",
    "Accept settings for communication \nand switch to para-panel."};
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

namespace
{

struct CodedText {
    int code;
    TextPair text;
};

const CodedText kSerialErrors[] = {
    {-1, {"Unbekannter Systemfehler", "Unknown system error"}},
    {-2, {"Ungueltige Portnummer", "Invalid port number"}},
    {-3, {"Port ist nicht verfuegbar", "Port is not open"}},
    {-4, {"Unbekannter I/O Fehler", "Unknown I/0 error"}},
    {-6, {"Kein serieller Port gefunden", "No serial port found"}},
    {-7, {"Port kann nicht geoeffnet werden", "Cannot open port"}},
    {-14, {"Ungueltige Baudrate", "Invalid Baudrate"}},
    {-99, {"Timeout", "Timeout"}},
};
const TextPair kSerialOtherError = {"RS-232 Fehler!", "RS-232 error!"};

const CodedText kTcpErrors[] = {
    {-1, {"Dienst konnte nicht registriert werden", "Unable to register service"}},
    {-2, {"Verbindung konnte nicht aufgebaut werden", "Unable to establish connection"}},
    {-3, {"Server bereits vorhanden", "Existing server"}},
    {-4, {"Verbindungsfehler", "Failed to connect"}},
    {-5, {"Server nicht registriert", "Server not registered"}},
    {-6, {"Zu viele Nachrichtenuebertragungen", "Too many conversations"}},
    {-7, {"Lesen fehlgeschlagen", "Read failed"}},
    {-8, {"Schreiben fehlgeschlagen", "Write failed"}},
    {-9, {"Ungueltiger Parameter", "Invalid parameter"}},
    {-10, {"Ausserhalb des Speichers", "Out of memory"}},
    {-11, {"Timeout", "Time out error"}},
    {-12, {"Keine Verbindung hergestellt", "No connection established"}},
    {-13, {"Allgemeiner IO Fehler", "General IO error"}},
    {-14, {"Verbindung geschlossen", "Connection closed"}},
    {-15, {"Winsock DLL konnte nicht geladen werden", "Unable to load winsock DLL"}},
    {-16, {"Ungueltige Winsock DLL Version", "Incorrect winsock DLL version"}},
    {-17, {"Netzwerk Subsystem nicht bereit", "Network subsystem not ready"}},
    {-18, {"Verbindungen noch aktiv", "Connections still open"}},
    {-19, {"Verbindungstrennung bevorstehend", "Disconnect pending"}},
    {-20, {"Info nicht verfuegbar", "Info not available"}},
};
const TextPair kTcpOtherError = {"Verbindung mit Server fehlgeschlagen", "Connection to server failed"};

template <std::size_t N>
const TextPair &FindCodedText(const CodedText (&table)[N], int code, const TextPair &other)
{
    for (const CodedText &entry : table)
        if (entry.code == code)
            return entry.text;
    return other;
}

const TextPair kTxtSerialPermissionRemedy = {
    "\nKeine Berechtigung fuer %s.\nAbhilfe: Benutzer in die Gruppe \"%s\" aufnehmen "
    "(sudo usermod -aG %s $USER), dann neu anmelden.",
    "\nNo permission for %s.\nRemedy: make the user a member of the group \"%s\" "
    "(sudo usermod -aG %s $USER), then log in again."};
constexpr const char *kUsualSerialGroup = "dialout";

} // namespace

void FormatSerialOpenFailure(char *out, int size, int code, bool accessDenied, const char *device,
                             const char *group)
{
    if (!out || size <= 0)
        return;
    int used = std::snprintf(out, (size_t)size, "%s", Tr(SerialErrorText(code)));
    if (!accessDenied || used < 0 || used >= size)
        return;
    const char *owner = group && group[0] ? group : kUsualSerialGroup;
    std::snprintf(out + used, (size_t)(size - used), Tr(kTxtSerialPermissionRemedy), device ? device : "",
                  owner, owner);
}

const TextPair &SerialErrorText(int code)
{
    return FindCodedText(kSerialErrors, code, kSerialOtherError);
}

const TextPair &TcpErrorText(int code)
{
    return FindCodedText(kTcpErrors, code, kTcpOtherError);
}
