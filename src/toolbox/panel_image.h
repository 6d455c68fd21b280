#pragma once
// Saving what a panel shows to an image file. The format follows the file's extension
// (PNG when it names none Qt writes). Returns 0, or a negative UI error code.

int SavePanelDisplayToFile(int panel, const char *path);
// Saves the panel's display as a PNG file with a new unique name in the system's
// temporary directory and puts its path into `path` (`size` bytes). The caller
// removes the file. 0, or a negative UI error code (then no file is left).
int SavePanelDisplayToTempFile(int panel, char *path, int size);
