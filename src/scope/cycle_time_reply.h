#pragma once
// The scan frequency from a verified reply to command 105. Plain C++: the program and
// the link reply fuzz target share it.

// Scan frequency in Hz from the sensor's scan count and elapsed time (0.1 ms units),
// two 32-bit words. 0 for a reply shorter than the two words and for a count or time
// of 0 or below, so no infinity or NaN is shown. The elapsed time in seconds goes to
// `elapsedSeconds` whenever the reply carries it.
double ScanFrequencyFromReply(double &elapsedSeconds);
