#pragma once
// The connection page's status box: where the link's progress and failures, the
// plausibility report of a transfer and the results of the offset, hardware info and
// conversion-table operations are appended for the operator to read.

// Appends a text to the status box.
void AppendStatusText(const char *text);
