#include "platform/user_dirs.h"

#include "platform/paths.h"
#include "ui/userint.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

namespace
{

int CopyDirectoryOut(const QString &path, char *directory)
{
    if (!directory || path.isEmpty() || path.toLocal8Bit().size() >= MAX_PATHNAME_LEN)
        return -1;
    StringCopyBounded(directory, QDir::toNativeSeparators(path).toLocal8Bit().constData(), MAX_PATHNAME_LEN);
    return 0;
}

} // namespace

bool DirectoryWritable(const char *directory)
{
    return directory && directory[0] && access(directory, W_OK | X_OK) == 0;
}

int GetUserConfigDir(char *directory)
{
    return CopyDirectoryOut(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                            directory);
}

int GetUserDocumentsDir(char *directory)
{
    QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (path.isEmpty() || !QDir().mkpath(path))
        return -1;
    return CopyDirectoryOut(path, directory);
}

bool MakeDirectoryPath(const char *directory)
{
    return directory && directory[0] && QDir().mkpath(QString::fromLocal8Bit(directory));
}

bool CopyFileTo(const char *source, const char *destination)
{
    if (!source || !destination)
        return false;
    QString target = QString::fromLocal8Bit(destination);
    if (!QFile::copy(QString::fromLocal8Bit(source), target))
        return false;
    // The copy belongs to the user from now on, whatever the original's mode was.
    return QFile::setPermissions(target,
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}
