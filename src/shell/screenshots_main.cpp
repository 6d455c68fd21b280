// chromix-screenshots OUTDIR: renders the main panel with each of its seven pages and
// every child panel into PNG files, without a display, so that the layout can be
// reviewed, first in English, then in German (names ending in "_de"). The program
// runs offline in a scratch directory of its own.
// chromix-screenshots --english-texts FILE: writes the panel resource's texts as the
// English language file (resources/language_eng.lwl is made this way).
// chromix-screenshots --grab-display FILE: saves what the display shows (the demo
// uses it to capture the running program on a virtual display).
#include "app/app_state.h"
#include "app/child_panels.h"
#include "resource/panel_ids.h"
#include "shell/panel_language.h"
#include "shell/panel_settings.h"
#include "shell/process_state.h"
#include "shell/startup.h"
#include "toolbox/localize.h"
#include "toolbox/panel_image.h"
#include "toolbox/screen_image.h"
#include "ui/popup_responder.h"
#include "ui/ui_init.h"
#include "ui/userint.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

const char *const kPageNames[MAIN_TAB_PAGE_COUNT] = {
    "connection", "parameters1", "parameters2", "conversion_table", "recorder", "scope", "offset"};

// Nobody listens on port 1: the start-up connection fails at once and the answer
// "Offline" leaves the program running without a sensor.
const char *kOfflineSettings = "[GENERAL INFO]\r\nFILE TYPE: = \"Panel Settings\"\r\nLANGUAGE = 1\r\n\r\n"
                               "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 1\r\nIP ADRESS = \"127.0.0.1\"\r\n"
                               "PORT NUMBER = \"1\"\r\n\r\n";

PopupAnswer AnswerOffline(const PopupRequest &request)
{
    PopupAnswer answer;
    answer.result = request.kind == POPUP_GENERIC ? 2 : (request.kind == POPUP_CONFIRM ? 1 : 0);
    return answer;
}

void CopyFile(const std::string &from, const std::string &to)
{
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary);
    out << in.rdbuf();
}

std::string MakeScratchDir()
{
    char pattern[] = "/tmp/chromix-screenshots-XXXXXX";
    const char *dir = mkdtemp(pattern);
    if (!dir)
        return std::string();
    std::string settings = std::string(dir) + "/" + kSettingsFileName;
    if (FILE *file = std::fopen(settings.c_str(), "wb")) {
        std::fputs(kOfflineSettings, file);
        std::fclose(file);
    }
    // The program directory of the build holds the logo the program shows.
    for (const char *name : {kLogoFileName, kGermanLanguageFile, kEnglishLanguageFile})
        CopyFile(std::string(CHROMIX_BIN_DIR) + "/" + name, std::string(dir) + "/" + name);
    return dir;
}

int Save(int panel, const std::string &outDir, const std::string &name)
{
    for (int i = 0; i < 5; ++i)
        ProcessSystemEvents();
    std::string path = outDir + "/" + name + ".png";
    int result = SavePanelDisplayToFile(panel, path.c_str());
    std::printf("%s %s\n", result < 0 ? "failed:" : "wrote", path.c_str());
    return result < 0 ? 1 : 0;
}

int SaveMainPages(const std::string &outDir, const std::string &suffix)
{
    int failures = 0;
    SetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET, ATTR_VISIBLE, 1);
    for (int page = 0; page < MAIN_TAB_PAGE_COUNT; ++page) {
        SetActiveTabPage(g_app.mainPanel, MAINP_TAB, page);
        int child = page == PAGE_SCOPE              ? g_app.scopePanel
                    : page == PAGE_CONVERSION_TABLE ? g_app.convPanel
                                                    : g_app.dataPanel;
        ShowChildPanelDisp(child);
        failures += Save(g_app.mainPanel, outDir,
                         "main_page" + std::to_string(page) + "_" + kPageNames[page] + suffix);
    }
    return failures;
}

int SaveChildPanels(const std::string &outDir, const std::string &suffix)
{
    int failures = 0;
    for (int page = 0; page < DATA_TAB_PAGE_COUNT; ++page) {
        ShowChildPanelDisp(g_app.dataPanel);
        SetActiveTabPage(g_app.dataPanel, DATAP_TAB, page);
        failures += Save(g_app.dataPanel, outDir, "data_panel_page" + std::to_string(page) + suffix);
    }
    ShowChildPanelDisp(g_app.graphPanel);
    failures += Save(g_app.graphPanel, outDir, "graph_panel" + suffix);
    ShowChildPanelDisp(g_app.scopePanel);
    failures += Save(g_app.scopePanel, outDir, "scope_panel" + suffix);
    ShowChildPanelDisp(g_app.convPanel);
    failures += Save(g_app.convPanel, outDir, "conversion_panel" + suffix);
    DisplayPanel(g_app.passwordPanel);
    failures += Save(g_app.passwordPanel, outDir, "password_panel" + suffix);
    HidePanel(g_app.passwordPanel);
    return failures;
}

} // namespace

void SwitchToGerman()
{
    SetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_LANGUAGE, LANGUAGE_GERMAN);
    InitLanguage();
}

int WriteEnglishTexts(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (InitUserInterface(&argc, argv) < 0 || LoadProgramPanels(kPanelResourceFile) < 0)
        return 1;
    std::vector<PanelText> texts = CollectPanelTexts(g_app.mainPanel);
    for (const PanelText &text : CollectPanelTexts(g_app.passwordPanel))
        texts.push_back(text);
    int result = WriteLanguageFile(texts, argv[2]);
    std::printf("%s %s\n", result < 0 ? "failed:" : "wrote", argv[2]);
    return result < 0 ? 1 : 0;
}

int GrabDisplay(int argc, char **argv)
{
    if (InitUserInterface(&argc, argv) < 0)
        return 1;
    int result = SaveScreenToFile(argv[2]);
    std::printf("%s %s\n", result < 0 ? "failed:" : "wrote", argv[2]);
    return result < 0 ? 1 : 0;
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::string(argv[1]) == "--grab-display")
        return GrabDisplay(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "--english-texts")
        return WriteEnglishTexts(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr,
                     "usage: chromix-screenshots OUTDIR\n       chromix-screenshots --grab-display FILE\n"
                     "       chromix-screenshots --english-texts FILE\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string outDir = argv[1];
    mkdir(outDir.c_str(), 0777);
    if (InitUserInterface(&argc, argv) < 0)
        return 1;
    std::string scratch = MakeScratchDir();
    SetProjectDirOverride(scratch.c_str());
    SetPopupResponder(AnswerOffline);
    if (LoadProgramPanels(kPanelResourceFile) < 0)
        return 1;
    InitAll();
    int failures = SaveMainPages(outDir, "") + SaveChildPanels(outDir, "");
    // The German pictures come from a second start with German stored as the language,
    // so that the texts of the start-up itself are German too.
    SwitchToGerman();
    StorePanelSettings();
    ShutdownProgram();
    ResetProcessState();
    if (LoadProgramPanels(kPanelResourceFile) < 0)
        return 1;
    InitAll();
    failures += SaveMainPages(outDir, "_de") + SaveChildPanels(outDir, "_de");
    ShutdownProgram();
    return failures == 0 ? 0 : 1;
}
