#pragma once
// The graph panel showing a record file: OPEN RECORDING reads the file once into
// compact columns, a chunk at a time with the window answering (progress in the
// panel's status line, CANCEL or Esc stops), and shows all its rows with the signal
// selector, zoom, pan and the statistics line; the panel's title and its source line
// name the file. A recording that starts brings the panel back to its live traces.

// Whether a record file is on view instead of the live traces.
bool RecordingShown(void);
// OPEN RECORDING: the file dialog, then the reading.
void OpenRecording(void);
// Reads the file and shows it; the messages of a foreign or damaged file.
void ReadRecordingFile(const char *path);
// CANCEL (Esc) while a file is read.
void CancelRecordingRead(void);
// The shown file's column of the signal on its graph.
void ShowRecordingSignal(int signal);
void ShowRecordingStatistics(void);
// Back to the live traces: a reading under way stops, the file's columns go.
void LeaveRecordingView(void);
// The shown file's rows (0 when none is shown).
unsigned long long RecordingRows(void);
// Back to the state before start-up.
void ResetGraphRecording(void);
