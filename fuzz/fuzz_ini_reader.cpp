// libFuzzer target for the INI reader: arbitrary bytes are read as a file, every section
// and item is looked up, and the store is written and read again.
//
// Beyond "no crash, no leak, no sanitizer report" it checks that the written text is
// stable: writing, reading and writing again gives the same bytes, and a file written to
// disk holds exactly those bytes. Tags that themselves look like continuation items
// ("NAME Line0002") are joined anew on every read by design, so inputs with such tags are
// exempt from the comparison.

#include "inistore/ini_internal.h"
#include "inistore/inifile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

static int AppendLine(void *context, const std::string &line)
{
    static_cast<std::string *>(context)->append(line + "\r\n");
    return INI_OK;
}

static std::string WriteToString(IniText store)
{
    std::string text;
    if (Ini_WriteGeneric(store, AppendLine, &text) != INI_OK)
        std::abort();
    return text;
}

static void LookUpItem(IniText store, const std::string &section, const std::string &tag)
{
    char small[16];
    char large[kIniMaxLineLength * 4];
    int value = 0;
    if (Ini_GetStringIntoBuffer(store, section.c_str(), tag.c_str(), small, sizeof small) != 1)
        std::abort();
    if (Ini_GetStringIntoBuffer(store, section.c_str(), tag.c_str(), large, sizeof large) != 1)
        std::abort();
    const int result = Ini_GetInt(store, section.c_str(), tag.c_str(), &value);
    if (result != 0 && result != 1 && result != INI_ERR_INVALID_INTEGER)
        std::abort();
}

static void LookUpEverything(IniText store)
{
    const int sections = Ini_NumberOfSections(store);
    for (int s = 1; s <= sections; ++s) {
        std::string section;
        if (Ini_NthSectionName(store, s, &section) != 1)
            std::abort();
        const int items = Ini_NumberOfItems(store, section.c_str());
        for (int i = 1; i <= items; ++i) {
            std::string tag;
            if (Ini_NthItemName(store, section.c_str(), i, &tag) != 1)
                std::abort();
            LookUpItem(store, section, tag);
        }
    }
}

// Lookups by name reach only the first of several sections of one name, so this walks
// the records themselves.
static bool HasContinuationLikeTag(IniText store)
{
    for (const IniSection &section : store->sections) {
        for (const IniItem &item : section.items) {
            std::string base;
            bool isFirst = false;
            if (ParseContinuationTag(item.tag, &base, &isFirst))
                return true;
        }
    }
    return false;
}

static std::string g_scratchDir;

static void RemoveScratchDir()
{
    std::remove((g_scratchDir + "/written.ini").c_str());
    rmdir(g_scratchDir.c_str());
}

// One scratch directory per run, under TMPDIR when it is set, removed at exit.
static std::string ScratchFile()
{
    if (g_scratchDir.empty()) {
        const char *base = std::getenv("TMPDIR");
        std::string pattern =
            std::string(base != nullptr && base[0] != '\0' ? base : "/tmp") + "/fuzz-ini-XXXXXX";
        if (mkdtemp(&pattern[0]) == nullptr)
            std::abort();
        g_scratchDir = pattern;
        std::atexit(RemoveScratchDir);
    }
    return g_scratchDir + "/written.ini";
}

static std::string ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

static void CheckWrittenFile(IniText store, const std::string &expected)
{
    const std::string path = ScratchFile();
    if (Ini_WriteToFile(store, path.c_str()) != INI_OK || ReadBytes(path) != expected)
        std::abort();
    IniText again = Ini_New(0);
    if (Ini_ReadFromFile(again, path.c_str()) != INI_OK)
        std::abort();
    LookUpEverything(again);
    Ini_Dispose(again);
}

static void RoundTrip(const char *data, size_t size, int sorting, bool withFile)
{
    IniText store = Ini_New(sorting);
    if (Ini_ReadFromMemory(store, data, size) != INI_OK)
        std::abort();
    LookUpEverything(store);
    const bool exempt = HasContinuationLikeTag(store);
    const std::string first = WriteToString(store);

    IniText again = Ini_New(sorting);
    if (Ini_ReadFromMemory(again, first.data(), first.size()) != INI_OK)
        std::abort();
    LookUpEverything(again);
    if (!exempt && WriteToString(again) != first)
        std::abort();
    if (withFile)
        CheckWrittenFile(store, first);
    Ini_Dispose(again);
    Ini_Dispose(store);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    // Writing to disk syncs every file and would slow the search a hundredfold; one input
    // in 16, chosen by its length so that a reproduced input takes the same path, goes there.
    RoundTrip(text, size, 0, size % 16 == 0);
    RoundTrip(text, size, 1, false);
    return 0;
}
