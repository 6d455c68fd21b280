#pragma once
// The bytes of an exchange, whatever carries them. The exchange writes each request
// through the channel's sink and reads the reply from one input, the receive buffer
// with its receive count: the serial and TCP transports fill it, and a test or a fuzz
// target can fill it directly. The exchange itself calls nothing else, so header
// checks, payload reads and each command's reply handling run on bytes alone.

struct TextPair;

struct LinkChannel {
    // Writes the request. The input has been emptied just before.
    void (*send)(const unsigned char *bytes, int count);
    // Moves bytes that have arrived into the input (AppendReplyBytes); returns the
    // port's error bits, above 0 when the port reports an error.
    int (*collect)(void);
    // Lets pending events run, sleeping at most `seconds` until the next one; false
    // when waiting must end at once because the program is being closed (or, over a
    // transport, a reconnection attempt has been stopped).
    bool (*wait)(double seconds);
    // Seconds, monotonic, from an arbitrary start.
    double (*clock)(void);
    // The one reaction to a failed exchange; `text` is the failure text pair.
    void (*reportFailure)(const TextPair &text);
};

// Makes `channel` the one every exchange uses from now on. Until a transport installs
// its channel, requests go nowhere and time out.
void InstallLinkChannel(const LinkChannel &channel);
const LinkChannel &CurrentLinkChannel(void);
// Back to no transport: requests go nowhere, and failures are kept quiet.
void ResetLinkChannel(void);

// Appends up to `count` bytes to the input, as many as the receive buffer still holds;
// returns how many were taken.
int AppendReplyBytes(const unsigned char *bytes, int count);
// Empties the input.
void ClearReplyInput(void);
// Drops the first `count` bytes of the input; what follows moves to the front.
void DropReplyBytes(int count);
// Reports a failed exchange through the channel.
void ReportExchangeFailure(const TextPair &text);
