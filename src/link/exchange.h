#pragma once
// One request and its reply over the open transport, with the 3.0 s limits, the
// reply checks and the link failure. Link functions return 1 for success and -1 for
// a failure that has already been reported.

constexpr int LINK_OK = 1;
constexpr int LINK_FAILED = -1;

// Builds the request frame (header, payload already in RequestPayload()) into the
// send buffer.
void FillTxBuf(int command, unsigned parameter, unsigned length);
// Sends `bytesToSend` bytes of the send buffer and waits for a verified reply.
int DataExchange(int bytesToSend);
int GetHeaderFrame(void);
int GetDataFrame(void);
int CheckHeaderCRC(void);
