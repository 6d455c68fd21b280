#pragma once
// The fixed texts of a record file: the program title in its first line and the
// column header above the rows. The labels before the title and the sensor
// identification are language texts of the recorder.

constexpr const char *kRecordFileTitle = "CHROMIX1 Scope V3.1";
constexpr const char *kRecordColumnHeader = "DATE\tTIME\tCH0\tTEMP\tSIG";
