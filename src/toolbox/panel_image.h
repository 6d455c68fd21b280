#pragma once
// Saving what a panel shows to an image file. The format follows the file's extension
// (PNG when it names none Qt writes). Returns 0, or a negative UI error code.

int SavePanelDisplayToFile(int panel, const char *path);
