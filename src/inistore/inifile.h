#pragma once
// The INI store: an in-memory list of sections and items, read from and written to the
// one text format that every settings and table file of the program uses.
//
// A store is created with Ini_New, filled by puts or by reading a file, queried by gets,
// optionally written to a file, and freed with Ini_Dispose. Names of sections and items
// compare case-insensitively and without surrounding white space; the first match wins.
// Every operation accepts a null store and answers INI_ERR_NULL_STORE.
//
// File format, as written:
//   [SECTION]\r\n
//   TAG = "escaped string"\r\n        (strings quoted, integers bare)
//   \r\n                              (after the last item of every section)
// A value longer than 80 characters is written as continuation items
// "TAG Line0001", "TAG Line0002", ... of 80 characters each and read back as one item.
// Lines beginning with ';' are comments; they stay attached to the next section or item.

#include <cstddef>
#include <string>

typedef struct IniStore *IniText;

// Result codes. Success is 0 (or 1 for a get that found its item).
constexpr int INI_OK = 0;
constexpr int INI_ERR_OUT_OF_MEMORY = -12;
constexpr int INI_ERR_NULL_STORE = -65;
constexpr int INI_ERR_IO = -93;
constexpr int INI_ERR_NO_PERMISSION = -95;
constexpr int INI_ERR_DISK_FULL = -97;
constexpr int INI_ERR_OPEN = -5001;
constexpr int INI_ERR_READ = -5002;
// A section or tag that could not be read back (null, blank, longer than 255 characters,
// holding a line break, or a tag holding '=' or beginning with '[' or ';'), a missing
// output buffer, or a buffer size below 1.
constexpr int INI_ERR_INVALID_ARGUMENT = -5020;
constexpr int INI_ERR_INVALID_INTEGER = -5021;
constexpr int INI_ERR_INVALID_NUMBER = -5022;

// Longest section name or tag; longer names in a file are cut to this length.
constexpr int kIniMaxNameLength = 255;
// Longest line of a file, without its line end; longer lines keep their first 1024.
constexpr int kIniMaxLineLength = 1024;
// Default longest value written on one line before continuation items are used.
constexpr int kIniDefaultMaxValueLineLength = 80;

// A new, empty store; sorting != 0 keeps sections and items sorted by name, 0 keeps the
// order of creation. Null when memory runs out.
IniText Ini_New(int sorting);
// Frees the store with everything in it; a null store is accepted.
void Ini_Dispose(IniText store);

// Reads a file and appends its sections to the store: 0, INI_ERR_OPEN, INI_ERR_READ,
// INI_ERR_OUT_OF_MEMORY. On failure the store is left as it was.
int Ini_ReadFromFile(IniText store, const char *path);
// Replaces the file as a whole (temporary file, then rename): 0 on success,
// INI_ERR_NO_PERMISSION, INI_ERR_DISK_FULL, INI_ERR_IO, INI_ERR_OUT_OF_MEMORY.
// On failure the old file is left byte for byte as it was and no temporary file remains.
int Ini_WriteToFile(IniText store, const char *path);

// Stores a string (escaped, written in quotes) or an integer ("%d", written bare).
// A put replaces every item of the same tag in the section, at the first one's place;
// a new item goes to the end of its section, a new section to the end of the store.
// 0, INI_ERR_INVALID_ARGUMENT, INI_ERR_OUT_OF_MEMORY. A null value counts as empty.
int Ini_PutString(IniText store, const char *section, const char *tag, const char *value);
int Ini_PutInt(IniText store, const char *section, const char *tag, int value);
// A finite double, bare, in the shortest decimal text that reads back as the same value
// ("0.001", "1.5", "24"), with a decimal point in any locale.
int Ini_PutDouble(IniText store, const char *section, const char *tag, double value);

// Copies the unescaped value, cut to bufferSize - 1 characters; the buffer is emptied
// first. 1 found, 0 not found, INI_ERR_INVALID_ARGUMENT without a buffer.
int Ini_GetStringIntoBuffer(IniText store, const char *section, const char *tag, char *buffer,
                            int bufferSize);
// Parses the value as a decimal 32-bit integer (blanks around it, one sign allowed).
// 1 found and valid; 0 missing or blank; INI_ERR_INVALID_INTEGER otherwise.
// *value changes only when 1 is returned.
int Ini_GetInt(IniText store, const char *section, const char *tag, int *value);
// Parses the value as a finite decimal number with a decimal point ("1.5", "-2e3").
// 1 found and valid; 0 missing or blank; INI_ERR_INVALID_NUMBER otherwise.
// *value changes only when 1 is returned.
int Ini_GetDouble(IniText store, const char *section, const char *tag, double *value);

// Listing, for tools that walk a whole store. Indices count from 1.
// Counts are >= 0; a name lookup gives 1 with the name, 0 when the index is out of range.
int Ini_NumberOfSections(IniText store);
int Ini_NthSectionName(IniText store, int index, std::string *name);
int Ini_NumberOfItems(IniText store, const char *section);
int Ini_NthItemName(IniText store, const char *section, int index, std::string *tag);
// Line number in its file of the item found by the last get; 0 for an item that was put.
int Ini_LineOfLastAccess(IniText store);

// Longest value written on one line (default 80); 0 allows values up to the line limit.
// Longer values are written as continuation items.
int Ini_SetMaxValueLineLength(IniText store, int length);

// The generic reader and writer under the file versions.
// A line source gives 1 with the next line (without its line end), 0 at the end, or a
// negative result code. A line sink takes one line without its line end and gives 0 or a
// negative result code, which ends the writing.
typedef int (*IniLineSource)(void *context, std::string *line);
typedef int (*IniLineSink)(void *context, const std::string &line);
int Ini_ReadGeneric(IniText store, IniLineSource source, void *context);
int Ini_WriteGeneric(IniText store, IniLineSink sink, void *context);
// Reads text held in memory by the same line rules as a file.
int Ini_ReadFromMemory(IniText store, const char *data, size_t size);
