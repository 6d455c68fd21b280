#pragma once
// The frames a sensor pushes after an auto-send start, read as one byte stream: frames
// that arrive glued together or split across reads are taken one after the other,
// 8 + n bytes each, and what follows a frame stays for the next one. The stream's
// bytes are kept at the front of the link's receive buffer.

// Sends the request that starts the pushes (no payload) and takes its reply off the
// stream within the link's 3.0 s; what came after the reply stays for the first frame.
// Frames left over from an earlier push are passed over. Returns 1, or -1 after a
// failure the link has reported.
int StartPushStream(int command, unsigned parameter);
// Waits for the next pushed frame and checks it. Returns 1 with the frame's payload
// (at least `size` bytes of a frame of command `command`) copied to `payload`, 0 when
// the recording was stopped while waiting, -1 after a failure the link has reported.
// Frames of other commands or shorter ones are passed over.
int TakePushedFrame(int command, unsigned char *payload, int size);
