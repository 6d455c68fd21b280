#include "support/program_fixture.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "link/link_state.h"
#include "params/parameter_set.h"
#include "resource/panel_ids.h"
#include "shell/panel_language.h"
#include "shell/process_state.h"
#include "shell/startup.h"
#include "ui/ui_init.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

std::string MakeTempProgramDir()
{
    char pattern[] = "/tmp/chromix-test-XXXXXX";
    const char *dir = mkdtemp(pattern);
    return dir ? std::string(dir) : std::string();
}

std::string TcpSettingsFile(int port)
{
    std::ostringstream text;
    text << "[GENERAL INFO]\r\nFILE TYPE: = \"Panel Settings\"\r\nLANGUAGE = 1\r\n\r\n"
         << "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 1\r\nCOMPORT = 1\r\nBAUDRATE = 4\r\n"
         << "IP ADRESS = \"127.0.0.1\"\r\nPORT NUMBER = \"" << port << "\"\r\n\r\n";
    return text.str();
}

std::string SerialSettingsFile(int comPort, int baudIndex)
{
    std::ostringstream text;
    text << "[GENERAL INFO]\r\nFILE TYPE: = \"Panel Settings\"\r\nLANGUAGE = 1\r\n\r\n"
         << "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 0\r\nCOMPORT = " << comPort
         << "\r\nBAUDRATE = " << baudIndex << "\r\nIP ADRESS = \"\"\r\nPORT NUMBER = \"5000\"\r\n\r\n";
    return text.str();
}

std::string ReadWholeFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteWholeFile(const std::string &path, const std::string &content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

void CopyLanguageFiles(const std::string &dir)
{
    for (const char *name : {kGermanLanguageFile, kEnglishLanguageFile})
        WriteWholeFile(dir + "/" + name, ReadWholeFile(std::string(CHROMIX_BIN_DIR) + "/" + name));
}

int StartProgramInDir(const std::string &dir, const std::string &settings)
{
    // The language files lie in the program directory, as the build puts them there.
    if (ReadWholeFile(dir + "/" + kEnglishLanguageFile).empty())
        CopyLanguageFiles(dir);
    if (!settings.empty())
        WriteWholeFile(dir + "/" + kSettingsFileName, settings);
    ResetProcessState();
    SetProjectDirOverride(dir.c_str());
    if (LoadProgramPanels(kPanelResourceFile) < 0)
        return -1;
    InitAll();
    return 0;
}

void StopProgram()
{
    ShutdownProgram();
    SetProjectDirOverride(nullptr);
    ResetProcessState();
}

int Occurrences(const std::string &text, const std::string &part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
