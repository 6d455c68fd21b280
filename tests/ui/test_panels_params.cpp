// The parameter form of the panel resource: every field's control on its page with
// the parameter set's default, the coded values of the rings, HOLD in milliseconds,
// and the threshold 2 group.
#include "test_panels_walk.h"

#include "resource/panel_ids.h"

#include <gtest/gtest.h>

#include <tuple>

namespace
{

using Items = std::vector<std::pair<std::string, int>>;

struct Field {
    int number; // position in the parameter set
    int id;
    int page;
    double initial; // the Default column; HOLD in milliseconds
};

const std::vector<Field> kFields = {
    {0, TABPARA1_POWER, PAGE_PARAMETERS_1, 500},      {1, TABPARA1_POWERMODE, PAGE_PARAMETERS_1, 0},
    {2, TABPARA1_DYNWINLO, PAGE_PARAMETERS_1, 3200},  {3, TABPARA1_DYNWINHI, PAGE_PARAMETERS_1, 3300},
    {4, TABPARA1_LEDMODE, PAGE_PARAMETERS_1, 0},      {5, TABPARA1_GAIN, PAGE_PARAMETERS_1, 5},
    {6, TABPARA1_AVERAGE, PAGE_PARAMETERS_1, 1},      {7, TABPARA1_INTEGRAL, PAGE_PARAMETERS_1, 1},
    {8, TABPARA1_ANAOUTMODE, PAGE_PARAMETERS_1, 0},   {9, TABPARA1_ANARANGE, PAGE_PARAMETERS_1, 0},
    {10, TABPARA1_ANAOUT, PAGE_PARAMETERS_1, 0},      {11, TABPARA1_DIGOUTMODE, PAGE_PARAMETERS_1, 1},
    {12, TABPARA2_HOLD, PAGE_PARAMETERS_2, 10.0},     {13, TABPARA2_THRMODE, PAGE_PARAMETERS_2, 0},
    {14, TABPARA2_THRTRACING, PAGE_PARAMETERS_2, 0},  {15, TABPARA2_TTUP, PAGE_PARAMETERS_2, 100},
    {16, TABPARA2_TTDOWN, PAGE_PARAMETERS_2, 100},    {17, TABPARA1_REFVALCH0, PAGE_PARAMETERS_1, 2000},
    {18, TABPARA2_THRCALC1, PAGE_PARAMETERS_2, 1},    {19, TABPARA2_TEACHVAL1, PAGE_PARAMETERS_2, 2000},
    {20, TABPARA2_TOL1, PAGE_PARAMETERS_2, 20},       {21, TABPARA2_HYST1, PAGE_PARAMETERS_2, 10},
    {22, TABPARA2_THRCALC2, PAGE_PARAMETERS_2, 1},    {23, TABPARA2_TEACHVAL2, PAGE_PARAMETERS_2, 2000},
    {24, TABPARA2_TOL2, PAGE_PARAMETERS_2, 20},       {25, TABPARA2_HYST2, PAGE_PARAMETERS_2, 10},
    {26, TABPARA2_EXTTEACH, PAGE_PARAMETERS_2, 0},    {27, TABPARA2_DEADTIME, PAGE_PARAMETERS_2, 0},
    {28, TABPARA1_OPMODE, PAGE_PARAMETERS_1, 0},      {29, TABPARA1_SENSITIVITY, PAGE_PARAMETERS_1, 0},
    {30, TABPARA1_ADJCHOFFSET, PAGE_PARAMETERS_1, 0}, {31, TABPARA1_CH0OFFSET, PAGE_PARAMETERS_1, 0},
};

const CtrlDef &Def(int id)
{
    static const std::vector<PlacedCtrl> all = AllPlacedControls();
    const PlacedCtrl *placed = FindPlaced(all, id);
    EXPECT_NE(placed, nullptr) << id;
    return *placed->def;
}

int PageOf(int id)
{
    static const std::vector<PlacedCtrl> all = AllPlacedControls();
    const PlacedCtrl *placed = FindPlaced(all, id);
    return placed && placed->tabId == MAINP_TAB ? placed->pageIndex : -1;
}

} // namespace

TEST(ParameterForm, EveryFieldOnItsPageWithItsDefault)
{
    ASSERT_EQ(kFields.size(), 32u);
    for (const Field &field : kFields) {
        const CtrlDef &def = Def(field.id);
        EXPECT_EQ(PageOf(field.id), field.page) << "field " << field.number;
        EXPECT_DOUBLE_EQ(def.initialValue, field.initial) << "field " << field.number;
        EXPECT_TRUE(def.kind == CTRL_NUMERIC || def.kind == CTRL_RING || def.kind == CTRL_SLIDE)
            << "field " << field.number;
        EXPECT_FALSE(def.indicator) << "field " << field.number;
        EXPECT_NE(def.callback, nullptr) << "field " << field.number;
        EXPECT_FALSE(def.label.empty()) << "field " << field.number;
        if (field.id != TABPARA2_HOLD) {
            EXPECT_FALSE(def.isDouble) << "field " << field.number;
        }
    }
}

TEST(ParameterForm, HoldIsADoubleInMillisecondsWithOneDecimal)
{
    const CtrlDef &hold = Def(TABPARA2_HOLD);
    EXPECT_TRUE(hold.isDouble);
    EXPECT_EQ(hold.precision, 1);
    EXPECT_DOUBLE_EQ(hold.increment, 0.1);
    EXPECT_DOUBLE_EQ(hold.minValue, 0.0);
    // 6553.5 ms is 65535 tenths, the most the 16-bit field holds.
    EXPECT_DOUBLE_EQ(hold.maxValue, 6553.5);
}

TEST(ParameterForm, NumericRangesFitTheirFields)
{
    const std::vector<std::tuple<int, double, double>> ranges = {
        {TABPARA1_POWER, 0, 1000},     {TABPARA1_DYNWINLO, 0, 4095},     {TABPARA1_DYNWINHI, 0, 4095},
        {TABPARA1_REFVALCH0, 0, 4095}, {TABPARA2_TEACHVAL1, 0, 4095},    {TABPARA2_TEACHVAL2, 0, 4095},
        {TABPARA2_TOL1, 0, 4095},      {TABPARA2_TOL2, 0, 4095},         {TABPARA2_HYST1, 0, 4095},
        {TABPARA2_HYST2, 0, 4095},     {TABPARA1_CH0OFFSET, 0, 4095},    {TABPARA1_AVERAGE, 1, 1000},
        {TABPARA1_INTEGRAL, 0, 250},   {TABPARA2_TTUP, 0, 60000},        {TABPARA2_TTDOWN, 0, 60000},
        {TABPARA2_DEADTIME, 0, 100},   {TABPARA1_SENSITIVITY, 0, 65535},
    };
    for (const auto &[id, lo, hi] : ranges) {
        EXPECT_DOUBLE_EQ(Def(id).minValue, lo) << Def(id).label;
        EXPECT_DOUBLE_EQ(Def(id).maxValue, hi) << Def(id).label;
    }
    EXPECT_EQ(Def(TABPARA1_POWER).kind, CTRL_SLIDE);
}

TEST(ParameterForm, RingsCarryTheCodedValues)
{
    const std::vector<std::pair<int, Items>> rings = {
        {TABPARA1_GAIN,
         {{"AMP1", 1},
          {"AMP2", 2},
          {"AMP3", 3},
          {"AMP4", 4},
          {"AMP5", 5},
          {"AMP6", 6},
          {"AMP7", 7},
          {"AMP8", 8},
          {"AMP1234", 9},
          {"AMP5678", 10},
          {"AMP1357", 11},
          {"AMP2468", 12}}},
        {TABPARA1_POWERMODE, {{"STATIC", 0}, {"DYNAMIC", 1}, {"STATIC IN1", 2}}},
        {TABPARA1_LEDMODE, {{"DC", 0}, {"AC", 1}, {"OFF", 2}}},
        {TABPARA1_ANAOUTMODE, {{"OFF", 0}, {"VOLTAGE", 1}, {"CURRENT", 2}}},
        {TABPARA1_ANARANGE, {{"FULL", 0}, {"MIN-MAX when IN0", 1}, {"0-MAX when IN0", 2}, {"CONV TABLE", 3}}},
        {TABPARA1_ANAOUT, {{"CONT", 0}, {"RISING EDGE of IN1", 1}, {"FALLING EDGE of IN1", 2}}},
        {TABPARA1_DIGOUTMODE,
         {{"OFF", 0},
          {"DIRECT", 1},
          {"INVERSE", 2},
          {"DIR RIS EDG of IN1", 3},
          {"INV RIS EDG of IN1", 4},
          {"DIR FAL EDG of IN1", 5},
          {"INV FAL EDG of IN1", 6}}},
        {TABPARA1_OPMODE, {{"NORMAL", 0}, {"DIFFERENTIATOR", 1}, {"DELTA CH0 INTEGRATOR", 2}}},
        {TABPARA1_ADJCHOFFSET, {{"OFF", 0}, {"ON", 1}}},
        {TABPARA2_THRMODE, {{"LOW", 0}, {"HIGH", 1}, {"WIN", 2}, {"2 TRSH", 3}}},
        {TABPARA2_THRTRACING, {{"OFF", 0}, {"ON TOL", 1}, {"ON CONT", 2}}},
        {TABPARA2_THRCALC1, {{"ABSOLUTE", 0}, {"RELATIVE", 1}}},
        {TABPARA2_THRCALC2, {{"ABSOLUTE", 0}, {"RELATIVE", 1}}},
        {TABPARA2_EXTTEACH,
         {{"OFF", 0}, {"DIRECT", 1}, {"DYN", 2}, {"MAX", 3}, {"MIN", 4}, {"(MAX+MIN)/2", 5}}},
    };
    for (const auto &[id, items] : rings) {
        EXPECT_EQ(Def(id).kind, CTRL_RING) << Def(id).label;
        EXPECT_EQ(Def(id).items, items) << Def(id).label;
    }
}

TEST(ParameterForm, ThresholdTwoGroupLiesInItsFrameAndStartsHiddenWithTheDefaults)
{
    const CtrlDef &frame = Def(TABPARA2_THR2FRAME);
    EXPECT_EQ(frame.kind, CTRL_DECORATION);
    EXPECT_EQ(PageOf(TABPARA2_THR2FRAME), PAGE_PARAMETERS_2);
    EXPECT_FALSE(frame.initiallyVisible);
    for (int id : {TABPARA2_THRCALC2, TABPARA2_TEACHVAL2, TABPARA2_TOL2, TABPARA2_HYST2, TABPARA2_TEACH2}) {
        const CtrlDef &def = Def(id);
        EXPECT_FALSE(def.initiallyVisible) << def.label;
        // Label strip included: the whole group sits inside the frame.
        EXPECT_GE(def.top - 16, frame.top) << def.label;
        EXPECT_GE(def.left, frame.left) << def.label;
        EXPECT_LE(def.left + def.width, frame.left + frame.width) << def.label;
        EXPECT_LE(def.top + def.height, frame.top + frame.height) << def.label;
    }
    // Threshold 1 is always there while the page is.
    for (int id : {TABPARA2_THRCALC1, TABPARA2_TEACHVAL1, TABPARA2_TOL1, TABPARA2_HYST1, TABPARA2_TEACH1})
        EXPECT_TRUE(Def(id).initiallyVisible) << Def(id).label;
    EXPECT_EQ(Def(TABPARA2_TEACH1).label, "TEACH");
    EXPECT_EQ(Def(TABPARA2_TEACH2).label, "TEACH");
    EXPECT_NE(Def(TABPARA2_TEACH1).accessibleName, Def(TABPARA2_TEACH2).accessibleName);
    // Analog range and timing mean nothing with the analog output off.
    EXPECT_FALSE(Def(TABPARA1_ANARANGE).initiallyVisible);
    EXPECT_FALSE(Def(TABPARA1_ANAOUT).initiallyVisible);
}

TEST(ParameterForm, PasswordDecorationAndAssignOffsetOnParametersOne)
{
    const CtrlDef &deco = Def(TABPARA1_DECO);
    EXPECT_EQ(deco.kind, CTRL_DECORATION);
    EXPECT_EQ(PageOf(TABPARA1_DECO), PAGE_PARAMETERS_1);
    EXPECT_NE(deco.callback, nullptr);
    EXPECT_EQ(Def(TABPARA1_ASSIGNOFFSET).kind, CTRL_COMMAND_BUTTON);
    EXPECT_EQ(Def(TABPARA1_ASSIGNOFFSET).label, "ASSIGN OFFSET");
    EXPECT_EQ(PageOf(TABPARA1_ASSIGNOFFSET), PAGE_PARAMETERS_1);
    EXPECT_EQ(PageOf(TABPARA2_TEACH1), PAGE_PARAMETERS_2);
}
