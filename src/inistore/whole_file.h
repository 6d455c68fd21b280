#pragma once
// A file replaced as a whole, as every INI file is written (Ini_WriteToFile): the text
// goes to a temporary file created exclusively beside the target (a name nobody else's
// file can have), is flushed to the disk and renamed over the target, so a failure at
// any point leaves the old file exactly as it was.

#include <string>

// INI_OK (0), or INI_ERR_NO_PERMISSION, INI_ERR_DISK_FULL, INI_ERR_IO,
// INI_ERR_OUT_OF_MEMORY; *systemError (when given) gets the errno of the step that
// failed, 0 when none did.
int ReplaceFileWithText(const char *path, const std::string &text, int *systemError);
