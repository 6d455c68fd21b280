#pragma once
// One request and its reply over the open transport, with the 3.0 s limits, the
// reply checks and the link failure. Link functions return 1 for success and -1 for
// a failure that has already been reported.

constexpr int LINK_OK = 1;
constexpr int LINK_FAILED = -1;
// An exchange asked for while another was under way: refused without touching the
// link and without a failure report. A correct program never gets it.
constexpr int LINK_REFUSED = 0;

// One exchange at a time. The link is in use while an exchange sends its request or
// waits for its reply, and while a long operation waits for the frames the sensor
// pushes (a scope scan, a triggered recording); those waits dispatch events, so a
// callback that runs now runs nested inside them. An exchange that would start then is
// refused (and counted: it is a programming error), so the reply input of the one
// under way is never touched.
// Callbacks ask LinkBusy (link/link_busy.h) before they start one.
//
// True while an exchange or a wait for pushed frames is under way.
bool LinkInUse(void);
// Starts a use of the link: false (and counted) when one is under way already.
bool BeginLinkUse(void);
void EndLinkUse(void);
// Exchanges refused since the start because they would have run inside another.
int NestedExchangeCount(void);
// A wait for pushed frames: dispatches pending events or sleeps until the next one,
// at most `seconds`, with the link counted as in use meanwhile.
void WaitOnLink(double seconds);

// Builds the request frame (header, payload already in RequestPayload()) into the
// send buffer.
void FillTxBuf(int command, unsigned parameter, unsigned length);
// Sends `bytesToSend` bytes of the send buffer and waits for a verified reply.
int DataExchange(int bytesToSend);
int GetHeaderFrame(void);
int GetDataFrame(void);
int CheckHeaderCRC(void);
