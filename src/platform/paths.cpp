#include "platform/paths.h"

#include "ui/userint.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

void StringCopyBounded(char *destination, const char *source, int size)
{
    if (!destination || size <= 0)
        return;
    if (!source)
        source = "";
    std::snprintf(destination, (size_t)size, "%s", source);
}

void JoinPath(char *out, int size, const char *directory, const char *name)
{
    if (!out || size <= 0)
        return;
    std::snprintf(out, (size_t)size, "%s%c%s", directory ? directory : "", kPathSeparator, name ? name : "");
}

static const char *LastSeparator(const char *path)
{
    const char *last = std::strrchr(path, '/');
#ifdef _WIN32
    const char *back = std::strrchr(path, '\\');
    if (back && (!last || back > last))
        last = back;
#endif
    return last;
}

void SplitPath(const char *path, char *drive, char *directory, char *fileName)
{
    if (!path)
        path = "";
    const char *rest = path;
    if (drive)
        drive[0] = '\0';
#ifdef _WIN32
    if (path[0] && path[1] == ':') {
        if (drive)
            std::snprintf(drive, MAX_PATHNAME_LEN, "%.2s", path);
        rest = path + 2;
    }
#endif
    const char *last = LastSeparator(rest);
    int dirLength = last ? (int)(last - rest) + 1 : 0;
    if (directory) {
        if (dirLength >= MAX_PATHNAME_LEN)
            dirLength = MAX_PATHNAME_LEN - 1;
        std::memcpy(directory, rest, (size_t)dirLength);
        directory[dirLength] = '\0';
    }
    if (fileName)
        StringCopyBounded(fileName, last ? last + 1 : rest, MAX_PATHNAME_LEN);
}

bool FileExists(const char *path)
{
    struct stat info;
    return path && path[0] && stat(path, &info) == 0 && S_ISREG(info.st_mode);
}
