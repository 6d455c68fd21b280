#pragma once
// What the recorder's modes share: the recorder page's progress displays, the record
// mode, and taking a frame into the record file and onto the displays.

// The recorder page's panel handle.
int RecorderPage(void);
// The mode selector's value.
int ReadRecordMode(void);

void ShowRecorded(void);
void ShowRemaining(void);
void ShowFrameCounter(void);
void ShowRowsNotWritten(void);
// A new recording: no rows recorded, none lost.
void StartRecordingCounts(void);

// Whether a live frame has ever arrived: a frame record that is still all zero has
// never been filled.
bool LiveFrameArrived(void);
// A frame fetched or pushed: into the frame record, the graph panel's traces, the
// chart histories and the record file; the displays and charts show it at the
// screen's pace (display_pace.h). `payload` holds at least the 22 bytes of a live
// frame.
void TakeRecordedFrame(const unsigned char *payload);
// A frame the sensor sent that no row can be made of: counted as not written (never as
// recorded) and, the first time in a recording, named in the status box.
enum RefusedFrame {
    REFUSED_SHORT_FRAME,   // `detail`: its data bytes, fewer than a live frame's 22
    REFUSED_FOREIGN_FRAME, // `detail`: the command it echoes, not the live request's
};
void CountRefusedFrame(RefusedFrame kind, int detail);
// When a recording ends: the frame taken last, if the pace held it back.
void ShowHeldBackRecordedFrame(void);

// The closing message of a recording: "File has been saved!", or how many rows were
// not written.
void ShowRecordingResult(void);
