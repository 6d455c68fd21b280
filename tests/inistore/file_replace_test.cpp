// Writing replaces the file as a whole: a failed write leaves the old file byte for byte
// and no temporary file behind.

#include "ini_test_util.h"
#include "inistore/ini_internal.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

static const char kOldBytes[] = "[OLD]\r\nKEEP = 1\r\n\r\n";

static IniText SmallStore()
{
    IniText store = Ini_New(0);
    Ini_PutString(store, "NEW", "VALUE", "replaced");
    return store;
}

TEST(IniFileReplace, SuccessReplacesTheFileAndKeepsItsModeAndLink)
{
    ScratchDir dir;
    const std::string path = dir.Path("settings.cfg");
    WriteBytes(path, kOldBytes);
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    const std::string link = dir.Path("link.cfg");
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);

    IniText store = SmallStore();
    ASSERT_EQ(Ini_WriteToFile(store, link.c_str()), 0);
    Ini_Dispose(store);

    EXPECT_EQ(ReadBytes(path), "[NEW]\r\nVALUE = \"replaced\"\r\n\r\n");
    struct stat info;
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.Listing(), "link.cfg;settings.cfg;");
}

TEST(IniFileReplace, TargetsThatCannotBeWrittenLeaveEverythingAsItWas)
{
    ScratchDir dir;
    const std::string path = dir.Path("settings.cfg");
    WriteBytes(path, kOldBytes);
    ASSERT_EQ(mkdir(dir.Path("folder").c_str(), 0755), 0);
    IniText store = SmallStore();

    EXPECT_EQ(Ini_WriteToFile(store, dir.Path("folder").c_str()), INI_ERR_IO);
    EXPECT_EQ(Ini_WriteToFile(store, dir.Path("missing/settings.cfg").c_str()), INI_ERR_IO);
    EXPECT_EQ(Ini_WriteToFile(store, (path + "/below-a-file.cfg").c_str()), INI_ERR_IO);
    EXPECT_EQ(Ini_WriteToFile(store, nullptr), INI_ERR_IO);
    EXPECT_EQ(Ini_WriteToFile(store, ""), INI_ERR_IO);
    EXPECT_EQ(Ini_WriteToFile(store, "/dev/null"), INI_ERR_IO);
    EXPECT_EQ(ReadBytes(path), kOldBytes);
    EXPECT_EQ(dir.Listing(), "folder;settings.cfg;");
    Ini_Dispose(store);
}

TEST(IniFileReplace, WithoutWritePermissionTheOldFileStays)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    ScratchDir dir;
    const std::string path = dir.Path("settings.cfg");
    WriteBytes(path, kOldBytes);
    IniText store = SmallStore();

    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(Ini_WriteToFile(store, path.c_str()), INI_ERR_NO_PERMISSION);
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);

    ASSERT_EQ(chmod(dir.Dir().c_str(), 0555), 0);
    EXPECT_EQ(Ini_WriteToFile(store, path.c_str()), INI_ERR_NO_PERMISSION);
    EXPECT_EQ(Ini_WriteToFile(store, dir.Path("new.cfg").c_str()), INI_ERR_NO_PERMISSION);
    ASSERT_EQ(chmod(dir.Dir().c_str(), 0755), 0);

    EXPECT_EQ(ReadBytes(path), kOldBytes);
    EXPECT_EQ(dir.Listing(), "settings.cfg;");
    Ini_Dispose(store);
}

TEST(IniFileReplace, AWriteThatFailsHalfwayLeavesTheOldFile)
{
    ScratchDir dir;
    const std::string path = dir.Path("table.ini");
    WriteBytes(path, kOldBytes);
    IniText store = Ini_New(0);
    for (int row = 1; row <= 2000; ++row) {
        const std::string section = "ROW " + std::to_string(row);
        Ini_PutInt(store, section.c_str(), "ACTUAL VALUE", row);
        Ini_PutInt(store, section.c_str(), "SETVALUE", -row);
    }

    // A file size limit makes the second 16 KB block fail, as a full disk would.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 20000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const int result = Ini_WriteToFile(store, path.c_str());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, INI_ERR_IO);
    EXPECT_EQ(ReadBytes(path), kOldBytes);
    EXPECT_EQ(dir.Listing(), "table.ini;");
    Ini_Dispose(store);
}

// A writer killed between writing and renaming leaves ".NAME.tmp-XXXXXX" behind. The
// next successful write of NAME removes exactly those of its own name that are no
// longer being written; other names, other patterns and young files stay.
TEST(IniFileReplace, ASuccessfulWriteRemovesOldTemporaryFilesOfItsOwnName)
{
    ScratchDir dir;
    const std::string path = dir.Path("PanelSettings.cfg");
    WriteBytes(path, kOldBytes);
    struct Leftover {
        const char *name;
        bool old;
        bool removed;
    };
    const Leftover leftovers[] = {
        {".PanelSettings.cfg.tmp-a1B2c3", true, true},   {".PanelSettings.cfg.tmp-zzzzzz", true, true},
        {".PanelSettings.cfg.tmp-young1", false, false}, // perhaps another writer's
        {".PanelSettings.cfg.tmp-toolong", true, false}, {".Parameter.ini.tmp-a1B2c3", true, false},
        {"PanelSettings.cfg.tmp-a1B2c3", true, false},
    };
    for (const Leftover &leftover : leftovers) {
        WriteBytes(dir.Path(leftover.name), "half");
        if (leftover.old) {
            const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
            ASSERT_EQ(utimensat(AT_FDCWD, dir.Path(leftover.name).c_str(), times, 0), 0);
        }
    }

    IniText store = SmallStore();
    ASSERT_EQ(Ini_WriteToFile(store, path.c_str()), 0);
    Ini_Dispose(store);

    EXPECT_EQ(ReadBytes(path), "[NEW]\r\nVALUE = \"replaced\"\r\n\r\n");
    for (const Leftover &leftover : leftovers)
        EXPECT_EQ(access(dir.Path(leftover.name).c_str(), F_OK) != 0, leftover.removed) << leftover.name;
}

TEST(IniFileReplace, SystemErrorsMapToTheResultCodes)
{
    EXPECT_EQ(IniResultFromErrno(EACCES), INI_ERR_NO_PERMISSION);
    EXPECT_EQ(IniResultFromErrno(EPERM), INI_ERR_NO_PERMISSION);
    EXPECT_EQ(IniResultFromErrno(EROFS), INI_ERR_NO_PERMISSION);
    EXPECT_EQ(IniResultFromErrno(ENOSPC), INI_ERR_DISK_FULL);
    EXPECT_EQ(IniResultFromErrno(EDQUOT), INI_ERR_DISK_FULL);
    EXPECT_EQ(IniResultFromErrno(ENOMEM), INI_ERR_OUT_OF_MEMORY);
    EXPECT_EQ(IniResultFromErrno(EIO), INI_ERR_IO);
    EXPECT_EQ(IniResultFromErrno(ENOENT), INI_ERR_IO);
    EXPECT_EQ(IniResultFromErrno(EISDIR), INI_ERR_IO);
}

static int FailAfterTwoLines(void *context, const std::string &)
{
    int *count = static_cast<int *>(context);
    return ++*count > 2 ? INI_ERR_DISK_FULL : INI_OK;
}

TEST(IniFileReplace, TheFirstSinkFailureEndsTheWriting)
{
    IniText store = SmallStore();
    Ini_PutInt(store, "MORE", "A", 1);
    int count = 0;
    EXPECT_EQ(Ini_WriteGeneric(store, FailAfterTwoLines, &count), INI_ERR_DISK_FULL);
    EXPECT_EQ(count, 3);
    Ini_Dispose(store);
}
