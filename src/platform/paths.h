#pragma once
// Path helpers. Paths are joined with the platform's separator.

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// out := directory + separator + name, cut to size - 1 characters.
void JoinPath(char *out, int size, const char *directory, const char *name);
// Splits a path into drive (empty outside Windows), directory (with its trailing
// separator) and file name; each output may be null and holds MAX_PATHNAME_LEN bytes.
void SplitPath(const char *path, char *drive, char *directory, char *fileName);
bool FileExists(const char *path);
// Copies at most size - 1 characters and always terminates the result.
void StringCopyBounded(char *destination, const char *source, int size);
