// The panel resource's dim and visible states agree with what the rule chain makes of
// the Default column, so the form looks the same before and after the first rules run.
#include "param_test_env.h"

#include "params/param_form.h"
#include "resource/panel_ids.h"

#include <utility>
#include <vector>

TEST_F(ParamProgramTest, ResourceStatesMatchTheRulesForTheDefaultSet)
{
    const std::vector<std::pair<int, int>> page1 = {
        {Page1(), TABPARA1_POWER},     {Page1(), TABPARA1_POWERMODE},    {Page1(), TABPARA1_DYNWINLO},
        {Page1(), TABPARA1_DYNWINHI},  {Page1(), TABPARA1_LEDMODE},      {Page1(), TABPARA1_GAIN},
        {Page1(), TABPARA1_INTEGRAL},  {Page1(), TABPARA1_SENSITIVITY},  {Page1(), TABPARA1_REFVALCH0},
        {Page1(), TABPARA1_CH0OFFSET}, {Page1(), TABPARA1_ASSIGNOFFSET}, {Page2(), TABPARA2_TTUP},
        {Page2(), TABPARA2_TTDOWN},    {Page2(), TABPARA2_TEACHVAL1},    {Page2(), TABPARA2_TEACH1},
        {Page1(), TABPARA1_ANARANGE},  {Page2(), TABPARA2_THRCALC2},     {Page2(), TABPARA2_TEACH2},
    };
    std::vector<std::pair<bool, bool>> before;
    for (const auto &control : page1)
        before.push_back({Dimmed(control.first, control.second), Visible(control.first, control.second)});
    bool pageBefore = Parameters2PageVisible();

    InitPanelCtrlAttr();

    for (size_t i = 0; i < page1.size(); ++i) {
        EXPECT_EQ(before[i].first, Dimmed(page1[i].first, page1[i].second))
            << "dimmed, control " << page1[i].second;
        EXPECT_EQ(before[i].second, Visible(page1[i].first, page1[i].second))
            << "visible, control " << page1[i].second;
    }
    EXPECT_EQ(pageBefore, Parameters2PageVisible());
}
