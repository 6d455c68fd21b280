#include "ini_test_util.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

ScratchDir::ScratchDir()
{
    const char *base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && base[0] != '\0' ? base : "/tmp") + "/initest-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    dir_ = buffer.data();
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(dir_, ignored);
}

std::string ScratchDir::Listing() const
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string &name : names)
        listing += name + ";";
    return listing;
}

void WriteBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

static int AppendLine(void *context, const std::string &line)
{
    static_cast<std::string *>(context)->append(line + "\r\n");
    return INI_OK;
}

std::string WriteToString(IniText store)
{
    std::string text;
    Ini_WriteGeneric(store, AppendLine, &text);
    return text;
}

IniText ReadStoreFromBytes(const ScratchDir &dir, const std::string &bytes)
{
    const std::string path = dir.Path("input.ini");
    WriteBytes(path, bytes);
    IniText store = Ini_New(0);
    Ini_ReadFromFile(store, path.c_str());
    return store;
}

std::string GetString(IniText store, const char *section, const char *tag)
{
    char buffer[4096];
    if (Ini_GetStringIntoBuffer(store, section, tag, buffer, sizeof buffer) != 1)
        return "<missing>";
    return buffer;
}
