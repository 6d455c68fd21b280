#include "support/program_test.h"

#include "link/exchange.h"

#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <filesystem>

namespace
{

constexpr int kOfflineButton = 2;

std::vector<PopupRequest> PopupsOfKind(const PopupScript *script, int kind)
{
    std::vector<PopupRequest> popups;
    if (!script)
        return popups;
    for (const PopupRequest &popup : script->Requests())
        if (popup.kind == kind)
            popups.push_back(popup);
    return popups;
}

std::vector<std::string> MessagesOf(const std::vector<PopupRequest> &popups)
{
    std::vector<std::string> texts;
    for (const PopupRequest &popup : popups)
        texts.push_back(popup.message);
    return texts;
}

} // namespace

int ProgramTest::Value(int panel, int control)
{
    int value = -1;
    EXPECT_EQ(GetCtrlVal(panel, control, &value), 0) << "value of control " << control;
    return value;
}

double ProgramTest::DoubleValue(int panel, int control)
{
    double value = -1.0;
    EXPECT_EQ(GetCtrlVal(panel, control, &value), 0) << "value of control " << control;
    return value;
}

std::string ProgramTest::TextValue(int panel, int control)
{
    std::vector<char> text(1 << 16, '\0');
    EXPECT_EQ(GetCtrlVal(panel, control, text.data(), static_cast<int>(text.size())), 0)
        << "text of control " << control;
    return text.data();
}

bool ProgramTest::Dimmed(int panel, int control)
{
    int dimmed = -1;
    EXPECT_EQ(GetCtrlAttribute(panel, control, ATTR_DIMMED, &dimmed), 0) << "dimmed state of " << control;
    return dimmed == 1;
}

bool ProgramTest::Visible(int panel, int control)
{
    int visible = -1;
    EXPECT_EQ(GetCtrlAttribute(panel, control, ATTR_VISIBLE, &visible), 0) << "visibility of " << control;
    return visible == 1;
}

void ProgramTest::Commit(int panel, int control, int value)
{
    EXPECT_EQ(SetCtrlVal(panel, control, value), 0) << "value for control " << control;
    DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
}

void ProgramTest::Press(int panel, int control)
{
    EXPECT_NE(CtrlWidget(panel, control), nullptr) << "no control " << control << " on panel " << panel;
    DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
}

void ProgramTest::SetUp()
{
    dir = MakeTempProgramDir();
    ASSERT_FALSE(dir.empty());
}

void ProgramTest::TearDown()
{
    // One exchange at a time, in every test that runs the program: none was ever asked
    // for inside another's wait.
    EXPECT_EQ(NestedExchangeCount(), 0) << "an exchange was started inside another";
    script.reset();
    if (started)
        StopProgram();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void ProgramTest::StartWithSettings(const std::string &settings)
{
    // A start that fails half-way is stopped as well, so nothing of it stays behind.
    started = true;
    ASSERT_EQ(StartProgramInDir(dir, settings), 0);
}

void ProgramTest::StartOffline(const std::string &settings)
{
    ResetPopups();
    script->Answer(kOfflineButton);
    StartWithSettings(settings);
    script.reset();
    ClearPopupLog();
}

// The old script goes first: its destructor puts the default responder back, which
// would otherwise replace the new script's.
void ProgramTest::ResetPopups()
{
    script.reset();
    script = std::make_unique<PopupScript>();
}

void ProgramTest::Answer(int result)
{
    if (!script)
        ResetPopups();
    script->Answer(result);
}

void ProgramTest::ChooseFile(const std::string &path)
{
    if (!script)
        ResetPopups();
    script->AnswerFile(path.empty() ? VAL_NO_FILE_SELECTED : VAL_EXISTING_FILE_SELECTED, path);
}

std::vector<std::string> ProgramTest::Messages() const
{
    return MessagesOf(PopupsOfKind(script.get(), POPUP_MESSAGE));
}

std::vector<std::string> ProgramTest::Questions() const
{
    return MessagesOf(PopupsOfKind(script.get(), POPUP_CONFIRM));
}

std::vector<PopupRequest> ProgramTest::FileDialogs() const
{
    return PopupsOfKind(script.get(), POPUP_FILE_SELECT);
}

PopupRequest ProgramTest::LastPopup() const
{
    return script ? script->Last() : PopupRequest();
}

int ProgramTest::PopupCount() const
{
    return script ? script->Count() : 0;
}
