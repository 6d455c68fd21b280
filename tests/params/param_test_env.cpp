#include "param_test_env.h"

#include "app/app_state.h"
#include "panels/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <cstdlib>

namespace
{

constexpr int kOfflineButton = 2;

std::vector<std::string> TextsOfKind(const PopupScript &script, int kind)
{
    std::vector<std::string> texts;
    for (const PopupRequest &popup : script.Requests())
        if (popup.kind == kind)
            texts.push_back(popup.message);
    return texts;
}

} // namespace

void ParamProgramTest::SetUp()
{
    dir = MakeTempProgramDir();
    script = std::make_unique<PopupScript>();
    script->Answer(kOfflineButton);
    ASSERT_EQ(0, StartProgramInDir(dir, TcpSettingsFile(1)));
    ASSERT_EQ(PARA_MEMORY_FILE, g_app.paraMemory) << "the program did not go offline";
    ResetPopups();
}

void ParamProgramTest::TearDown()
{
    script.reset();
    StopProgram();
    std::system(("rm -rf '" + dir + "'").c_str());
}

int ParamProgramTest::Page1()
{
    return g_app.mainPages[PAGE_PARAMETERS_1];
}

int ParamProgramTest::Page2()
{
    return g_app.mainPages[PAGE_PARAMETERS_2];
}

int ParamProgramTest::EvaluationPage()
{
    return g_app.dataPages[DATA_PAGE_EVALUATION];
}

int ParamProgramTest::Value(int panel, int control)
{
    int value = -1;
    GetCtrlVal(panel, control, &value);
    return value;
}

double ParamProgramTest::DoubleValue(int panel, int control)
{
    double value = -1.0;
    GetCtrlVal(panel, control, &value);
    return value;
}

bool ParamProgramTest::Dimmed(int panel, int control)
{
    int dimmed = -1;
    GetCtrlAttribute(panel, control, ATTR_DIMMED, &dimmed);
    return dimmed == 1;
}

bool ParamProgramTest::Visible(int panel, int control)
{
    int visible = -1;
    GetCtrlAttribute(panel, control, ATTR_VISIBLE, &visible);
    return visible == 1;
}

bool ParamProgramTest::Parameters2PageVisible()
{
    int visible = -1;
    GetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_2, ATTR_VISIBLE, &visible);
    return visible == 1;
}

void ParamProgramTest::Commit(int panel, int control, int value)
{
    SetCtrlVal(panel, control, value);
    DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
}

void ParamProgramTest::Press(int panel, int control)
{
    DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
}

void ParamProgramTest::ResetPopups()
{
    script.reset();
    script = std::make_unique<PopupScript>();
}

void ParamProgramTest::ChooseFile(const std::string &path)
{
    script->AnswerFile(path.empty() ? VAL_NO_FILE_SELECTED : VAL_EXISTING_FILE_SELECTED, path);
}

void ParamProgramTest::Answer(int result)
{
    script->Answer(result);
}

std::vector<std::string> ParamProgramTest::Messages() const
{
    return TextsOfKind(*script, POPUP_MESSAGE);
}

std::vector<std::string> ParamProgramTest::Questions() const
{
    return TextsOfKind(*script, POPUP_CONFIRM);
}

std::vector<PopupRequest> ParamProgramTest::FileDialogs() const
{
    std::vector<PopupRequest> dialogs;
    for (const PopupRequest &popup : script->Requests())
        if (popup.kind == POPUP_FILE_SELECT)
            dialogs.push_back(popup);
    return dialogs;
}

PopupRequest ParamProgramTest::LastPopup() const
{
    return script->Last();
}

int ParamProgramTest::PopupCount() const
{
    return script->Count();
}
