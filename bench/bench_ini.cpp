// Time to fill, write, read back and query an INI store of 10,000 items
// (100 sections of 100 items: integers, short strings, and every tenth string longer
// than 80 characters so that it is written as continuation items). Prints figures only.

#include "inistore/inifile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

constexpr int kSections = 100;
constexpr int kItemsPerSection = 100;
constexpr int kRuns = 5;

namespace
{

struct Timings {
    double put = 0, write = 0, read = 0, get = 0;
};

} // namespace

static double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

static std::string SectionName(int s)
{
    return "ROW " + std::to_string(s);
}

static std::string TagName(int i)
{
    return "ITEM " + std::to_string(i);
}

static std::string StringValue(int s, int i)
{
    std::string value = "C:\\Messdaten\\Linie " + std::to_string(s) + "\\Wert\t" + std::to_string(i);
    if (i % 10 == 1)
        value += std::string(100, 'x');
    return value;
}

static IniText FillStore()
{
    IniText store = Ini_New(0);
    for (int s = 1; s <= kSections; ++s) {
        const std::string section = SectionName(s);
        for (int i = 1; i <= kItemsPerSection; ++i) {
            const std::string tag = TagName(i);
            if (i % 2 == 0)
                Ini_PutInt(store, section.c_str(), tag.c_str(), s * 1000 + i);
            else
                Ini_PutString(store, section.c_str(), tag.c_str(), StringValue(s, i).c_str());
        }
    }
    return store;
}

// Returns a checksum so that the lookups cannot be optimised away.
static long GetEverything(IniText store)
{
    long checksum = 0;
    char buffer[256];
    for (int s = 1; s <= kSections; ++s) {
        const std::string section = SectionName(s);
        for (int i = 1; i <= kItemsPerSection; ++i) {
            const std::string tag = TagName(i);
            int value = 0;
            if (i % 2 == 0 && Ini_GetInt(store, section.c_str(), tag.c_str(), &value) == 1)
                checksum += value;
            else if (Ini_GetStringIntoBuffer(store, section.c_str(), tag.c_str(), buffer, sizeof buffer) == 1)
                checksum += buffer[0];
        }
    }
    return checksum;
}

static void RunOnce(const std::string &path, Timings *total, long *checksum)
{
    auto start = std::chrono::steady_clock::now();
    IniText store = FillStore();
    total->put += MillisecondsSince(start);

    start = std::chrono::steady_clock::now();
    if (Ini_WriteToFile(store, path.c_str()) != 0)
        std::fprintf(stderr, "bench_ini: write failed\n");
    total->write += MillisecondsSince(start);
    Ini_Dispose(store);

    start = std::chrono::steady_clock::now();
    store = Ini_New(0);
    if (Ini_ReadFromFile(store, path.c_str()) != 0)
        std::fprintf(stderr, "bench_ini: read failed\n");
    total->read += MillisecondsSince(start);

    start = std::chrono::steady_clock::now();
    *checksum += GetEverything(store);
    total->get += MillisecondsSince(start);
    Ini_Dispose(store);
}

int main()
{
    const char *tmp = std::getenv("TMPDIR");
    std::string dir = std::string(tmp != nullptr && tmp[0] != '\0' ? tmp : "/tmp") + "/bench-ini-XXXXXX";
    if (mkdtemp(&dir[0]) == nullptr) {
        std::perror("bench_ini: mkdtemp");
        return 1;
    }
    const std::string path = dir + "/bench.ini";

    Timings total;
    long checksum = 0;
    for (int run = 0; run < kRuns; ++run)
        RunOnce(path, &total, &checksum);

    FILE *file = std::fopen(path.c_str(), "rb");
    long bytes = 0;
    if (file != nullptr) {
        std::fseek(file, 0, SEEK_END);
        bytes = std::ftell(file);
        std::fclose(file);
    }
    std::remove(path.c_str());
    rmdir(dir.c_str());

    std::printf("INI store, %d sections x %d items = %d items, file %ld bytes, mean of %d runs:\n", kSections,
                kItemsPerSection, kSections * kItemsPerSection, bytes, kRuns);
    std::printf("  fill (puts)        %8.2f ms\n", total.put / kRuns);
    std::printf("  write to file      %8.2f ms\n", total.write / kRuns);
    std::printf("  read from file     %8.2f ms\n", total.read / kRuns);
    std::printf("  get every item     %8.2f ms\n", total.get / kRuns);
    std::printf("  (checksum %ld)\n", checksum);
    return 0;
}
