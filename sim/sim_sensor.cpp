#include "sim_sensor.h"

#include "sim_options.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

SensorMemory g_sensor;

namespace
{

constexpr int kConvRows = 64;

void SetResetConvTable(unsigned char table[kConvTableBytes])
{
    // Row by row: actual value, set value. Row 1 (0, 0), rows 2..63 disabled, row 64 (4095, 10000).
    for (int row = 0; row < kConvRows; ++row) {
        int actual = -1;
        int setValue = -1;
        if (row == 0) {
            actual = 0;
            setValue = 0;
        } else if (row == kConvRows - 1) {
            actual = 4095;
            setValue = 10000;
        }
        PutLe16(table + 4 * row, (unsigned)actual & 0xFFFF);
        PutLe16(table + 4 * row + 2, (unsigned)setValue & 0xFFFF);
    }
}

bool ReadNumbers(std::istringstream &line, size_t count, std::vector<long> &values)
{
    values.clear();
    long value = 0;
    while (line >> value)
        values.push_back(value);
    return values.size() == count && line.eof();
}

bool ApplyEepromLine(const std::string &text, std::string &error)
{
    std::istringstream line(text);
    std::string key;
    line >> key;
    if (key.empty() || key[0] == '#')
        return true;
    std::vector<long> values;
    if (key == "parameters" && ReadNumbers(line, kParameterCount, values)) {
        for (int i = 0; i < kParameterCount; ++i)
            g_sensor.eeprom[i] = (unsigned short)values[i];
    } else if (key == "offset" && ReadNumbers(line, 1, values)) {
        g_sensor.receiverOffset = (unsigned short)values[0];
    } else if (key == "factor" && ReadNumbers(line, 1, values)) {
        g_sensor.factorTimes10 = (unsigned short)values[0];
    } else if (key == "table" && ReadNumbers(line, kConvTableBytes / 2, values)) {
        for (int i = 0; i < kConvTableBytes / 2; ++i)
            PutLe16(g_sensor.convTable + 2 * i, (unsigned)values[i] & 0xFFFF);
    } else if (key == "data" && ReadNumbers(line, kConvDataValues, values)) {
        for (int i = 0; i < kConvDataValues; ++i)
            g_sensor.convData[i] = (short)values[i];
    } else {
        error = "damaged line \"" + text.substr(0, 40) + "\"";
        return false;
    }
    return true;
}

void WriteNumbers(std::ostream &out, const char *key, const std::vector<long> &values)
{
    out << key;
    for (long value : values)
        out << ' ' << value;
    out << '\n';
}

std::string EepromText()
{
    std::ostringstream out;
    out << "# chromix-sim EEPROM contents\n";
    std::vector<long> values(g_sensor.eeprom, g_sensor.eeprom + kParameterCount);
    WriteNumbers(out, "parameters", values);
    WriteNumbers(out, "offset", {g_sensor.receiverOffset});
    WriteNumbers(out, "factor", {g_sensor.factorTimes10});
    values.clear();
    for (int i = 0; i < kConvTableBytes / 2; ++i)
        values.push_back((short)GetLe16(g_sensor.convTable + 2 * i));
    WriteNumbers(out, "table", values);
    values.assign(g_sensor.convData, g_sensor.convData + kConvDataValues);
    WriteNumbers(out, "data", values);
    return out.str();
}

} // namespace

void InitSensorMemory(int baudIndex)
{
    SetDefaultParameters(g_sensor.eeprom);
    SetDefaultParameters(g_sensor.ram);
    g_sensor.receiverOffset = 0;
    g_sensor.factorTimes10 = 10;
    SetResetConvTable(g_sensor.convTable);
    for (int i = 0; i < kConvDataValues; ++i)
        g_sensor.convData[i] = (short)(4 * i);
    g_sensor.preparedBlock = -1;
    g_sensor.baudIndex = baudIndex;
}

void LoadRamFromEeprom()
{
    for (int i = 0; i < kParameterCount; ++i)
        g_sensor.ram[i] = g_sensor.eeprom[i];
    ReplaceImplausibleParameters(g_sensor.ram);
}

int BaudRateOfIndex(int index)
{
    static const int kRates[] = {9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
    if (index < 0 || index > 7)
        return 115200;
    return kRates[index];
}

bool LoadEepromFile(const std::string &path, std::string &error)
{
    if (access(path.c_str(), F_OK) != 0)
        return true;
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!ApplyEepromLine(line, error)) {
            error = path + ": " + error;
            return false;
        }
    }
    return true;
}

bool SaveEepromFile(const std::string &path, std::string &error)
{
    std::string text = EepromText();
    std::string temporary = path + ".tmp";
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        error = "cannot write " + temporary;
        return false;
    }
    bool written = write(fd, text.data(), text.size()) == (ssize_t)text.size();
    written = fsync(fd) == 0 && written;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        error = "cannot write " + path;
        return false;
    }
    return true;
}

void SaveEepromIfConfigured()
{
    if (g_options.eepromFile.empty())
        return;
    std::string error;
    if (!SaveEepromFile(g_options.eepromFile, error))
        std::fprintf(stderr, "chromix-sim: %s\n", error.c_str());
}
