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
enum PushedFrame {
    PUSHED_FRAME_FAILED = -1, // a failure the link has reported
    PUSHED_FRAME_STOPPED = 0, // the recording was stopped while waiting
    PUSHED_FRAME_TAKEN = 1,   // the payload is copied
    PUSHED_FRAME_SHORT = 2,   // an intact frame of `command` with fewer than `size` bytes
    PUSHED_FRAME_FOREIGN = 3, // an intact frame of another command
};
// Waits for the next pushed frame and checks it. PUSHED_FRAME_TAKEN copies the frame's
// payload (at least `size` bytes of a frame of command `command`) to `payload`. A
// refused frame is taken off the stream; its header fields stay in the link state
// (replyCommand, replyLength) for the caller to count and name.
int TakePushedFrame(int command, unsigned char *payload, int size);
