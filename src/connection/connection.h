#pragma once
// The connection page: restoring its settings, showing the transport's controls, the
// connection attempt with its connection check, going offline, and how the window
// shows a failure of the link.

void GetConnectionSettingsFromFile(void);
void InitConnectPanel(void);
void TryToConnect(void);
// The connection check that ends every connection attempt; its outcome is the
// sensor-connected flag.
void CheckComLine(void);
// The connection check of a reconnection, without questions and without reading the
// parameter set (the operator's form and the sensor's RAM stay as they are): the
// firmware text with its version, then the sensor's name and serial number, which must
// be those of the sensor connected before.
enum SensorCheck { SENSOR_SILENT, SENSOR_OTHER, SENSOR_BACK };
int CheckSensorAgain(void);
// Takes protocol, COM port, baud-rate index, host and port-number text from the
// connection page into the link state.
void ReadConnectionPageIntoLink(void);
// The port number of a port-number text: its leading decimal digits, 0 when there
// are none.
int PortNumberFromText(const char *text);
// Offline: the port and the TCP conversation closed, "No sensor connected!", the
// memory selector on FILE, and only what works without a sensor usable.
void Disconnect(void);
// Tells the sensor the baud rate selected on the page, then reopens the port at it
// and checks the connection again.
void ChangeBaudrate(void);

// The link failure as the window shows it: running loops end, "TIMEOUT!" on the data
// panel, the failure text in the status box, ACCEPT, CHANGE BAUDRATE and HARDWARE
// INFO dimmed, and the connection page in front.
void SetTimeout(void);
// The modal "Close" / "Offline" question after a failed connection attempt: "Close"
// (the default, also Enter and Escape) ends the event loop and with it the program,
// "Offline" goes offline (Disconnect).
void OfferCloseOrOffline(const char *message);
// Makes the connection page the place where the link reports its failures.
void ReportLinkFailuresOnConnectionPage(void);
