#pragma once
// Saves what the whole screen of the display shows into an image file (format by the
// file's extension). 0, or a negative code when there is no screen to grab or the
// file cannot be written.

int SaveScreenToFile(const char *path);
