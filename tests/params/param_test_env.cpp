#include "param_test_env.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

void ParamProgramTest::SetUp()
{
    ProgramTest::SetUp();
    StartOffline();
    ASSERT_EQ(PARA_MEMORY_FILE, g_app.paraMemory) << "the program did not go offline";
    ResetPopups();
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

bool ParamProgramTest::Parameters2PageVisible()
{
    int visible = -1;
    GetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_2, ATTR_VISIBLE, &visible);
    return visible == 1;
}
