#pragma once
// TCP client conversations with the calls the link layer is written against. The
// event handler runs on the GUI thread from inside ProcessSystemEvents or the event
// loop. Negative results are the runtime's TCP codes (-1 .. -20).

constexpr int TCP_DISCONNECT = 2; // the server closed the conversation
constexpr int TCP_DATAREADY = 3;  // data can be read

typedef int (*tcpFuncPtr)(unsigned handle, int event, int error, void *callbackData);

int ConnectToTCPServerEx(unsigned *handle, unsigned portNumber, const char *serverHostName,
                         tcpFuncPtr callback, void *callbackData, unsigned timeoutMs, int localPortOption);
// Ends a connect that is under way at once with the time-out code: a callback that
// runs nested in the connect's wait (STOP during a reconnection attempt) calls it, so
// that nobody waits for an unreachable host's time-out.
void CancelTCPConnect(void);
int DisconnectFromTCPServer(unsigned handle);
int ClientTCPWrite(unsigned handle, const void *data, int size, unsigned timeoutMs);
int ClientTCPRead(unsigned handle, void *buffer, int size, unsigned timeoutMs);
