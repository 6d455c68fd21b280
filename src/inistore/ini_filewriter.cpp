// Writing a store, or any text, to a file. The file is replaced as a whole: the text goes to a
// temporary file beside the target, which is flushed to the disk and then renamed over
// the target, so that a failure at any point leaves the old file exactly as it was. A
// writer killed between the two steps leaves its temporary file behind; the next
// successful write of the same file removes it.

#include "inistore/ini_internal.h"
#include "inistore/whole_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

constexpr size_t kWriteBufferSize = 16 * 1024;
constexpr size_t kTempNameLimit = 200;     // characters of the file name in a temporary name
constexpr size_t kTempSuffixLength = 6;    // the XXXXXX that mkostemp fills
constexpr time_t kLeftoverMinimumAge = 60; // seconds; younger ones may belong to a writer at work

struct FileSink {
    int fd = -1;
    char buffer[kWriteBufferSize];
    size_t used = 0;
    int systemError = 0; // errno of the first step that failed
};

struct Target {
    std::string path; // the file that is finally replaced (a link is followed)
    bool exists = false;
    struct stat info {
    };
};

} // namespace

// The result of a failed step; its errno is kept for the caller.
static int FailedStep(FileSink *sink, int error)
{
    if (sink->systemError == 0)
        sink->systemError = error;
    return IniResultFromErrno(error);
}

int IniResultFromErrno(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return INI_ERR_NO_PERMISSION;
    case ENOSPC:
    case EDQUOT:
        return INI_ERR_DISK_FULL;
    case ENOMEM:
        return INI_ERR_OUT_OF_MEMORY;
    default:
        return INI_ERR_IO;
    }
}

static int FlushSink(FileSink *sink)
{
    size_t done = 0;
    while (done < sink->used) {
        const ssize_t written = write(sink->fd, sink->buffer + done, sink->used - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return FailedStep(sink, written < 0 ? errno : EIO);
        done += static_cast<size_t>(written);
    }
    sink->used = 0;
    return INI_OK;
}

static int AppendToSink(FileSink *sink, const char *data, size_t length)
{
    while (length > 0) {
        if (sink->used == kWriteBufferSize) {
            const int result = FlushSink(sink);
            if (result != INI_OK)
                return result;
        }
        size_t count = kWriteBufferSize - sink->used;
        if (count > length)
            count = length;
        std::memcpy(sink->buffer + sink->used, data, count);
        sink->used += count;
        data += count;
        length -= count;
    }
    return INI_OK;
}

// Every line ends with CR LF, whatever the platform.
static int WriteLineToFile(void *context, const std::string &line)
{
    FileSink *sink = static_cast<FileSink *>(context);
    const int result = AppendToSink(sink, line.data(), line.size());
    return result != INI_OK ? result : AppendToSink(sink, "\r\n", 2);
}

static std::string DirectoryOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

static std::string FileNameOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows a link so that the file it points to is replaced, not the link itself.
static std::string ResolveLink(const char *path)
{
    struct stat linkInfo;
    if (lstat(path, &linkInfo) != 0 || !S_ISLNK(linkInfo.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (realpath(path, resolved) == nullptr)
        return path;
    return resolved;
}

// The target must be a writable regular file, or not exist yet.
static int CheckTarget(const char *path, Target *target, FileSink *sink)
{
    target->path = ResolveLink(path);
    if (stat(target->path.c_str(), &target->info) != 0)
        return errno == ENOENT ? INI_OK : FailedStep(sink, errno);
    target->exists = true;
    if (!S_ISREG(target->info.st_mode))
        return FailedStep(sink, EISDIR);
    if (access(target->path.c_str(), W_OK) != 0)
        return FailedStep(sink, errno);
    return INI_OK;
}

static mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The replacing file keeps the target's mode and, where the writer may, its owner.
static void CopyOwnerAndMode(int fd, const Target &target)
{
    if (!target.exists) {
        fchmod(fd, NewFileMode());
        return;
    }
    // Only a privileged writer can hand the file to another owner; otherwise the
    // writer stays its owner and only the mode follows.
    const int ownerKept = fchown(fd, target.info.st_uid, target.info.st_gid);
    (void)ownerKept;
    fchmod(fd, target.info.st_mode & 07777);
}

// ".NAME.tmp-": how every temporary file of the target's name begins.
static std::string TemporaryPrefix(const Target &target)
{
    return "." + FileNameOf(target.path).substr(0, kTempNameLimit) + ".tmp-";
}

// Created exclusively, so it can never be a file of anybody else's.
static int CreateTemporaryFile(const Target &target, std::string *tempPath, FileSink *sink)
{
    *tempPath = DirectoryOf(target.path) + "/" + TemporaryPrefix(target) + "XXXXXX";
    std::vector<char> pattern(tempPath->begin(), tempPath->end());
    pattern.push_back('\0');
    sink->fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (sink->fd < 0)
        return FailedStep(sink, errno);
    tempPath->assign(pattern.data());
    CopyOwnerAndMode(sink->fd, target);
    return INI_OK;
}

static void SyncDirectory(const std::string &directory)
{
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

static bool IsLeftover(const std::string &directory, const std::string &entry, const std::string &prefix)
{
    if (entry.size() != prefix.size() + kTempSuffixLength || entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    struct stat info;
    if (lstat((directory + "/" + entry).c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return time(nullptr) - info.st_mtime >= kLeftoverMinimumAge;
}

// Temporary files of this target that a killed writer left behind. Only files of the
// exact temporary name pattern that nobody has written to for a while are removed, so
// that another writer's file in progress is never touched.
static void RemoveLeftovers(const Target &target)
{
    const std::string directory = DirectoryOf(target.path);
    const std::string prefix = TemporaryPrefix(target);
    DIR *dir = opendir(directory.c_str());
    if (dir == nullptr)
        return;
    std::vector<std::string> leftovers;
    while (const dirent *entry = readdir(dir))
        if (IsLeftover(directory, entry->d_name, prefix))
            leftovers.push_back(directory + "/" + entry->d_name);
    closedir(dir);
    for (const std::string &path : leftovers)
        unlink(path.c_str());
}

using FillFile = int (*)(void *context, FileSink *sink);

static int WriteAndCommit(FillFile fill, void *context, FileSink *sink, const std::string &tempPath,
                          const Target &target)
{
    int result = fill(context, sink);
    if (result == INI_OK)
        result = FlushSink(sink);
    if (result == INI_OK && fsync(sink->fd) != 0)
        result = FailedStep(sink, errno);
    const int closed = close(sink->fd);
    sink->fd = -1;
    if (result == INI_OK && closed != 0)
        result = FailedStep(sink, errno);
    if (result == INI_OK && rename(tempPath.c_str(), target.path.c_str()) != 0)
        result = FailedStep(sink, errno);
    return result;
}

static int ReplaceFile(const char *path, FillFile fill, void *context, int *systemError)
{
    if (path == nullptr || path[0] == '\0')
        return INI_ERR_IO;
    try {
        Target target;
        std::unique_ptr<FileSink> sink(new FileSink);
        int result = CheckTarget(path, &target, sink.get());
        std::string tempPath;
        if (result == INI_OK)
            result = CreateTemporaryFile(target, &tempPath, sink.get());
        if (result == INI_OK) {
            result = WriteAndCommit(fill, context, sink.get(), tempPath, target);
            if (result != INI_OK)
                unlink(tempPath.c_str());
        }
        if (systemError)
            *systemError = sink->systemError;
        if (result != INI_OK)
            return result;
        RemoveLeftovers(target);
        SyncDirectory(DirectoryOf(target.path));
        return INI_OK;
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}

static int WriteStore(void *store, FileSink *sink)
{
    return Ini_WriteGeneric(static_cast<IniText>(store), WriteLineToFile, sink);
}

struct TextToWrite {
    const char *data;
    size_t size;
};

static int WriteText(void *text, FileSink *sink)
{
    const TextToWrite *whole = static_cast<const TextToWrite *>(text);
    return AppendToSink(sink, whole->data, whole->size);
}

int Ini_WriteToFile(IniText store, const char *path)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    return ReplaceFile(path, WriteStore, store, nullptr);
}

int ReplaceFileWithText(const char *path, const std::string &text, int *systemError)
{
    TextToWrite whole = {text.data(), text.size()};
    return ReplaceFile(path, WriteText, &whole, systemError);
}
