#pragma once
// The recorder: live frames as text rows in the record file, counted or open-ended at
// an interval, by hand, or as the sensor pushes them.

// The file dialog of SELECT FILE and the new file's header. True when the chosen file
// became the record file.
bool SelRecFile(void);
// Makes `path` a record file holding just the header; an old file there is replaced
// only once the header is written whole. False when it could not be written.
bool WriteFileHeader(const char *path);
// Appends one row from the latest frame; false when it could not be written whole
// (the row is then counted as not written).
bool ToFile(void);
// START: the interval recording with its questions and its closing message.
void Record(void);
// The interval loop of modes 0 (counted) and 1 (open-ended).
void RecordFrame(void);
// The loop of mode 3 over the frames the sensor pushes after an auto-send start.
void TriggeredRecord(void);
// MANUAL RECORD: one row from the latest frame.
void RecordManually(void);
// Reads interval and VALUES, shows the record time and resets the progress displays.
void CalcRecTime(void);
// Shows the controls of the selected record mode and hides the others.
void InitRecordPanel(void);
// Start-up and activation of the recorder page: the mode's controls, and in mode 0
// the record time.
void ShowRecorderPage(void);
// The mode selector's commit: ends a running recording or live polling, resets what
// the new mode starts from, and shows its controls.
void ChangeRecordMode(void);
// Start-up: empty graph panel, the recorder page as its mode shows it.
void InitRecorder(void);
// START TRIG REC: question, triggered recording, stop of auto-send, closing message.
void StartTriggeredRecording(void);
// START: the graph panel restarts, then the interval recording.
void StartIntervalRecording(void);
