#pragma once
// Buffered line reader under the INI reader. Input is taken in 2048-byte chunks; a line
// ends at CR, LF or a zero byte, and a CR LF or LF CR pair counts as one line end. A line
// longer than 1024 characters keeps its first 1024, the rest up to its end is dropped.
// A UTF-8 byte order mark at the very start is skipped.

#include <cstddef>
#include <cstdio>
#include <string>

struct LineFile;

constexpr size_t kLineFileChunkSize = 2048;

// Reads from an open file (binary mode; the caller closes it). Null when memory runs out.
LineFile *LineFile_New(std::FILE *file);
// Reads text held in memory, in the same chunks as a file; the data must outlive the reader.
LineFile *LineFile_NewFromMemory(const char *data, size_t size);
// 1 with the next line (without its line end), 0 at the end, INI_ERR_READ on a read error.
int LineFile_Read(LineFile *lineFile, std::string *line);
void LineFile_Dispose(LineFile *lineFile);
