#pragma once
// Opening the serial port and the TCP conversation, the TCP event handler, and
// closing both.

long BaudRateFromIndex(int index); // any index outside 0..7 gives 115200
// Makes the serial port or the TCP conversation, whichever the link state selects,
// the channel of every exchange (the open functions below do it).
void UseTransportChannel(void);
void InitRS232(void);
void InitTCP_IP(void);
// Opens the port or connects to the server again for a reconnection, leaving running
// loops alone; true when it is open (a failure is reported as the open functions do).
bool ReopenTransport(void);
int ClientTCPCB(unsigned handle, int event, int error, void *callbackData);
// Closes the port and the TCP conversation; the sensor counts as disconnected.
void CloseTransport(void);
