#pragma once
// The connection page's status box: where the link's progress and failures, the
// plausibility report of a transfer and the results of the offset, hardware info and
// conversion-table operations are appended for the operator to read.

// Appends a text to the status box.
void AppendStatusText(const char *text);
// From now on every status text goes to `sink` instead of the box (the command line
// writes them to its standard error); null gives them back to the box.
void SetStatusTextSink(void (*sink)(const char *text));
