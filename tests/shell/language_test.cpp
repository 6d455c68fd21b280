// Both languages on the real panels: every text of every panel in German from the
// German file and back to the resource's English, accessible names with their labels,
// the start-up rule, the files found beside the program, and missing files.
#include "shell_test_env.h"

#include "app/app_state.h"
#include "inistore/inifile.h"
#include "resource/panel_ids.h"
#include "shell/panel_language.h"
#include "support/program_fixture.h"
#include "support/ui_actions.h"
#include "toolbox/localize.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <cstdlib>
#include <unistd.h>

namespace
{

std::vector<PanelText> AllTexts()
{
    std::vector<PanelText> texts = CollectPanelTexts(g_app.mainPanel);
    for (const PanelText &text : CollectPanelTexts(g_app.passwordPanel))
        texts.push_back(text);
    return texts;
}

// The instruction text is set in the language at run time, not from the files.
bool FromLanguageFile(const PanelText &text)
{
    return text.control != TABOFFSET_INSTRUCTION;
}

std::string FileText(IniText file, const PanelText &text, bool *found)
{
    char value[1024] = "";
    *found = Ini_GetStringIntoBuffer(file, text.section.c_str(), text.key.c_str(), value, sizeof value) == 1;
    return value;
}

std::string Label(int panel, int control)
{
    char text[256] = "";
    GetCtrlAttribute(panel, control, ATTR_LABEL_TEXT, text, sizeof text);
    return text;
}

void ChooseLanguage(int language)
{
    ASSERT_TRUE(SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION));
    ASSERT_TRUE(CommitRing(ConnPageHandle(), TABCONN_LANGUAGE, language));
}

} // namespace

class LanguageTest : public OfflineProgram
{
};

TEST_F(LanguageTest, EveryPanelTextTurnsGermanAndBackToTheResourcesEnglish)
{
    const std::vector<PanelText> english = AllTexts();
    IniText german = Ini_New(0);
    ASSERT_EQ(Ini_ReadFromFile(german, (dir_ + "/" + kGermanLanguageFile).c_str()), 0);

    ChooseLanguage(LANGUAGE_GERMAN);
    EXPECT_EQ(g_app.language, LANGUAGE_GERMAN);
    int translated = 0;
    for (const PanelText &text : AllTexts()) {
        if (!FromLanguageFile(text))
            continue;
        bool covered = false;
        std::string expected = FileText(german, text, &covered);
        EXPECT_TRUE(covered) << "[" << text.section << "] " << text.key << " \"" << text.text << "\"";
        EXPECT_EQ(text.text, expected) << "[" << text.section << "] " << text.key;
        translated += covered ? 1 : 0;
        // Screen readers read the language shown on screen.
        const CtrlRecord *ctrl = FindCtrl(text.panel, text.control);
        if (ctrl && ctrl->nameFollowsLabel) {
            EXPECT_EQ(ctrl->accessibleName, Label(text.panel, text.control)) << text.key;
        }
    }
    Ini_Dispose(german);
    EXPECT_GT(translated, 300);
    EXPECT_NE(FindByAccessibleName(ConnPageHandle(), "VERBINDEN"), nullptr);

    ChooseLanguage(LANGUAGE_ENGLISH);
    std::vector<PanelText> restored = AllTexts();
    ASSERT_EQ(restored.size(), english.size());
    for (size_t i = 0; i < english.size(); ++i) {
        EXPECT_EQ(restored[i].key, english[i].key);
        EXPECT_EQ(restored[i].text, english[i].text) << "[" << english[i].section << "] " << english[i].key;
    }
    EXPECT_NE(FindByAccessibleName(ConnPageHandle(), "CONNECT"), nullptr);
}

// An empty text in a language file is no translation, and a switch of language restores
// a text whatever the control shows now, an empty label included.
TEST_F(LanguageTest, AnEmptyTextIsNoTranslationAndASwitchRestoresEveryText)
{
    const std::string germanFile = dir_ + "/" + kGermanLanguageFile;
    IniText german = Ini_New(0);
    ASSERT_EQ(Ini_ReadFromFile(german, germanFile.c_str()), 0);
    for (const PanelText &text : AllTexts())
        if (text.control == TABCONN_CONNECT && text.key == std::to_string(TABCONN_CONNECT))
            Ini_PutString(german, text.section.c_str(), text.key.c_str(), "");
    ASSERT_EQ(Ini_WriteToFile(german, germanFile.c_str()), 0);
    Ini_Dispose(german);

    ChooseLanguage(LANGUAGE_GERMAN);
    EXPECT_EQ(Label(ConnPageHandle(), TABCONN_CONNECT), "CONNECT");
    EXPECT_EQ(Label(ConnPageHandle(), TABCONN_DISCONNECT), "TRENNEN");
    SetCtrlAttribute(ConnPageHandle(), TABCONN_DISCONNECT, ATTR_LABEL_TEXT, "");
    ChooseLanguage(LANGUAGE_ENGLISH);
    EXPECT_EQ(Label(ConnPageHandle(), TABCONN_CONNECT), "CONNECT");
    EXPECT_EQ(Label(ConnPageHandle(), TABCONN_DISCONNECT), "DISCONNECT");
}

TEST_F(LanguageTest, MissingFilesLeaveThePanelsWhileMessagesFollowTheSelector)
{
    for (const char *name : {kGermanLanguageFile, kEnglishLanguageFile})
        unlink((dir_ + "/" + name).c_str());
    ChooseLanguage(LANGUAGE_GERMAN);
    EXPECT_EQ(Label(ConnPageHandle(), TABCONN_CONNECT), "CONNECT");
    PopupScript popups;
    ASSERT_TRUE(RightClick(ConnPageHandle(), TABCONN_LANGUAGE));
    EXPECT_EQ(popups.Last().title, "Info!");
    EXPECT_EQ(popups.Last().message, "Sprache auswaehlen.");
}

// A German start applies the German file, found beside the program whatever the
// working directory; an English start applies no file, a later switch to English does.
TEST(LanguageStartTest, GermanStartAppliesItsFileEnglishStartNone)
{
    const std::string settings = "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 1\r\nIP ADRESS = "
                                 "\"127.0.0.1\"\r\nPORT NUMBER = \"1\"\r\n\r\n";
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir("/"), 0);
    for (int language : {LANGUAGE_GERMAN, LANGUAGE_ENGLISH}) {
        std::string dir = MakeTempProgramDir();
        CopyLanguageFiles(dir);
        // A marked English file shows whether it was applied.
        std::string english = ReadWholeFile(dir + "/" + kEnglishLanguageFile);
        size_t at = english.find("207 = \"CONNECT\"");
        ASSERT_NE(at, std::string::npos);
        WriteWholeFile(dir + "/" + kEnglishLanguageFile, english.replace(at, 15, "207 = \"CONNECT (eng)\""));
        PopupScript offline;
        offline.Answer(2);
        ASSERT_EQ(
            StartProgramInDir(dir, SettingsWith("LANGUAGE = " + std::to_string(language) + "\r\n", settings)),
            0);
        int page = ConnPageHandle();
        EXPECT_EQ(Label(page, TABCONN_CONNECT), language == LANGUAGE_GERMAN ? "VERBINDEN" : "CONNECT");
        EXPECT_EQ(Label(g_app.passwordPanel, PASSWORDP_PROMPT), language == LANGUAGE_GERMAN
                                                                    ? "Bitte das Passwort eingeben:"
                                                                    : "Please enter the password:");
        char instruction[512] = "";
        GetCtrlVal(g_app.mainPages[PAGE_OFFSET], TABOFFSET_INSTRUCTION, instruction, sizeof instruction);
        EXPECT_EQ(
            std::string(instruction).rfind(language == LANGUAGE_GERMAN ? "Sicherstellen" : "Make sure", 0),
            0u);
        SetCtrlVal(page, TABCONN_LANGUAGE, LANGUAGE_ENGLISH);
        InitLanguage();
        EXPECT_EQ(Label(page, TABCONN_CONNECT), "CONNECT (eng)");
        StopProgram();
        std::system(("rm -rf '" + dir + "'").c_str());
    }
    ASSERT_EQ(chdir(previous), 0);
}
