#include "link/link_texts.h"

#include <cstddef>

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

} // namespace

const TextPair &SerialErrorText(int code)
{
    return FindCodedText(kSerialErrors, code, kSerialOtherError);
}

const TextPair &TcpErrorText(int code)
{
    return FindCodedText(kTcpErrors, code, kTcpOtherError);
}
