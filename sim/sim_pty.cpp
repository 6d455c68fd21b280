#include "sim_pty.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace
{

std::string AbsolutePath(const std::string &path)
{
    if (!path.empty() && path[0] == '/')
        return path;
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd))
        return path;
    return std::string(cwd) + "/" + path;
}

bool MakeDirectories(const std::string &directory)
{
    if (directory.empty())
        return true;
    struct stat info;
    if (stat(directory.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode);
    size_t slash = directory.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeDirectories(directory.substr(0, slash)))
        return false;
    return mkdir(directory.c_str(), 0755) == 0 || errno == EEXIST;
}

// A stale link from an earlier run is replaced; anything else at that path is kept.
bool PlaceLink(const std::string &device, const std::string &link, std::string &error)
{
    size_t slash = link.find_last_of('/');
    if (!MakeDirectories(link.substr(0, slash))) {
        error = "cannot create the directory of " + link;
        return false;
    }
    struct stat info;
    if (lstat(link.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            error = link + " exists and is not a link";
            return false;
        }
        unlink(link.c_str());
    }
    if (symlink(device.c_str(), link.c_str()) != 0) {
        error = "cannot link " + link + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool MakeRaw(int fd)
{
    termios settings;
    if (tcgetattr(fd, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    cfsetispeed(&settings, B115200);
    cfsetospeed(&settings, B115200);
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

bool OpenPtyPort(const std::string &link, PtyPort &port, std::string &error)
{
    port.master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (port.master < 0 || grantpt(port.master) != 0 || unlockpt(port.master) != 0) {
        error = std::string("pseudo-terminal: ") + std::strerror(errno);
        ClosePtyPort(port);
        return false;
    }
    port.device = ptsname(port.master);
    port.slaveHold = open(port.device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (port.slaveHold < 0 || !MakeRaw(port.slaveHold)) {
        error = "cannot set up " + port.device;
        ClosePtyPort(port);
        return false;
    }
    std::string absolute = AbsolutePath(link);
    if (!PlaceLink(port.device, absolute, error)) {
        ClosePtyPort(port);
        return false;
    }
    port.link = absolute;
    return true;
}

void ClosePtyPort(PtyPort &port)
{
    if (!port.link.empty()) {
        char target[PATH_MAX];
        ssize_t length = readlink(port.link.c_str(), target, sizeof target - 1);
        if (length > 0 && std::string(target, (size_t)length) == port.device)
            unlink(port.link.c_str());
        port.link.clear();
    }
    if (port.slaveHold >= 0)
        close(port.slaveHold);
    if (port.master >= 0)
        close(port.master);
    port.slaveHold = port.master = -1;
}
