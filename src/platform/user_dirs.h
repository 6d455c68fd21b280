#pragma once
// The user's own directories, for a program directory that the user cannot write
// (an installed package). Each directory output holds MAX_PATHNAME_LEN bytes.

// Whether the current user may create and replace files in the directory.
bool DirectoryWritable(const char *directory);
// $XDG_CONFIG_HOME, or ~/.config when it is unset or not absolute; 0, or -1 when
// no home directory is known.
int GetUserConfigDir(char *directory);
// The user's documents directory (as the desktop names it, ~/Documents by default),
// created when missing; 0, or -1 when it is unknown or cannot be created.
int GetUserDocumentsDir(char *directory);
// Creates the directory and any missing parents; true when it exists afterwards.
bool MakeDirectoryPath(const char *directory);
// Copies a file to a path that does not exist yet; false on any failure.
bool CopyFileTo(const char *source, const char *destination);
