#pragma once
// Opening the serial port and the TCP conversation, the TCP event handler, going
// offline and changing the sensor's baud rate.

long BaudRateFromIndex(int index); // any index outside 0..7 gives 115200
// Makes the serial port or the TCP conversation, whichever the link state selects,
// the channel of every exchange (the open functions below do it).
void UseTransportChannel(void);
void InitRS232(void);
void InitTCP_IP(void);
int ClientTCPCB(unsigned handle, int event, int error, void *callbackData);
void Disconnect(void);
void ChangeBaudrate(void);
