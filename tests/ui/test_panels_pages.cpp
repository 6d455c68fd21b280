// The panel resource page by page: items, ranges, initial values, indicator modes
// and initial visibility of the connection, conversion, recorder, scope and offset
// pages and of the data, graph, scope, conversion and password panels.
#include "test_panels_walk.h"

#include "resource/callbacks.h"
#include "resource/panel_ids.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

using Items = std::vector<std::pair<std::string, int>>;

const CtrlDef &Def(int id)
{
    static const std::vector<PlacedCtrl> all = AllPlacedControls();
    const PlacedCtrl *placed = FindPlaced(all, id);
    EXPECT_NE(placed, nullptr) << id;
    return *placed->def;
}

void ExpectNumeric(int id, double lo, double hi, double initial)
{
    const CtrlDef &def = Def(id);
    EXPECT_EQ(def.kind, CTRL_NUMERIC) << def.label;
    EXPECT_DOUBLE_EQ(def.minValue, lo) << def.label;
    EXPECT_DOUBLE_EQ(def.maxValue, hi) << def.label;
    EXPECT_DOUBLE_EQ(def.initialValue, initial) << def.label;
}

void ExpectIndicators(std::initializer_list<int> ids)
{
    for (int id : ids)
        EXPECT_TRUE(Def(id).indicator) << Def(id).label;
}

void ExpectVisible(std::initializer_list<int> ids, bool visible)
{
    for (int id : ids)
        EXPECT_EQ(Def(id).initiallyVisible, visible) << Def(id).label;
}

} // namespace

TEST(PanelPages, ConnectionPageShowsTheSerialControlsFirst)
{
    EXPECT_EQ(Def(TABCONN_PROTOCOL).items, (Items{{"RS-232", 0}, {"TCP/IP", 1}}));
    EXPECT_EQ(Def(TABCONN_PROTOCOL).initialValue, 0);
    ExpectNumeric(TABCONN_COMPORT, 1, 255, 1);
    EXPECT_EQ(Def(TABCONN_BAUDRATE).items, (Items{{"9600", 0},
                                                  {"19200", 1},
                                                  {"38400", 2},
                                                  {"57600", 3},
                                                  {"115200", 4},
                                                  {"230400", 5},
                                                  {"460800", 6},
                                                  {"921600", 7}}));
    EXPECT_EQ(Def(TABCONN_BAUDRATE).initialValue, 4);
    EXPECT_EQ(Def(TABCONN_PORTNUMBER).kind, CTRL_STRING);
    EXPECT_EQ(Def(TABCONN_PORTNUMBER).text, "5000");
    EXPECT_EQ(Def(TABCONN_PORTNUMBER).maxLength, 31);
    EXPECT_EQ(Def(TABCONN_IPADDRESS).kind, CTRL_STRING);
    EXPECT_EQ(Def(TABCONN_SENSORID).maxLength, 99);
    EXPECT_EQ(Def(TABCONN_LANGUAGE).items, (Items{{"Deutsch", 0}, {"English", 1}}));
    EXPECT_EQ(Def(TABCONN_LANGUAGE).initialValue, 1);
    EXPECT_EQ(Def(TABCONN_LANGUAGE).callback, &CBF_EditLanguage);
    EXPECT_EQ(Def(TABCONN_HWINFO).callback, &CBF_ButtonGenHwInfoFile);

    const CtrlDef &status = Def(TABCONN_STATUS);
    EXPECT_EQ(status.kind, CTRL_TEXT_BOX);
    EXPECT_TRUE(status.indicator);
    EXPECT_EQ(status.callback, nullptr);
    EXPECT_EQ(status.accessibleName, "status");
    EXPECT_GE(status.height, 120);

    ExpectVisible({TABCONN_FINDPORTS, TABCONN_COMPORT, TABCONN_BAUDRATE, TABCONN_CHANGEBAUD}, true);
    ExpectVisible({TABCONN_IPADDRESS, TABCONN_PORTNUMBER}, false);
    // The address box gets a drop-down button inside its place: it needs room.
    EXPECT_GE(Def(TABCONN_IPADDRESS).width, 250);
}

TEST(PanelPages, ConversionTablePageAndPanel)
{
    const CtrlDef &table = Def(TABCONV_TABLE);
    EXPECT_EQ(table.kind, CTRL_TABLE);
    EXPECT_EQ(table.rows, 64);
    EXPECT_EQ(table.columns, 2);
    EXPECT_EQ(table.columnLabels, (std::vector<std::string>{"ACTUAL VALUE", "SETVALUE"}));
    ExpectIndicators({TABCONV_CURRENTVALUE});
    EXPECT_EQ(Def(TABCONV_GETEE).callback, &CBF_ButtonGetConvTableFromEE);
    EXPECT_EQ(Def(TABCONV_SAVEEE).callback, &CBF_ButtonSaveConvTableToEE);

    const CtrlDef &graph = Def(CONVP_GRAPH);
    EXPECT_EQ(graph.kind, CTRL_GRAPH);
    EXPECT_EQ(graph.accessibleName, "conversion graph");
    EXPECT_DOUBLE_EQ(graph.xMin, 0.0);
    EXPECT_DOUBLE_EQ(graph.xMax, 4100.0);
    EXPECT_DOUBLE_EQ(graph.yMin, 0.0);
    EXPECT_DOUBLE_EQ(graph.yMax, 10000.0);
    EXPECT_EQ(Def(CONVP_SAVEDATAEE).label, "SAVE CONVERSION DATA TO EEPROM");
}

TEST(PanelPages, RecorderPageStartsInModeZeroWithItsRecordTime)
{
    EXPECT_EQ(Def(TABREC_MODE).items, (Items{{"INTERVAL (VALUES)", 0},
                                             {"INTERVAL (CONTINUOUS)", 1},
                                             {"MANUAL", 2},
                                             {"TRIGGERED BY SENSOR", 3}}));
    EXPECT_EQ(Def(TABREC_MODE).initialValue, 0);
    ExpectNumeric(TABREC_INTERVAL, 0.0, 86400.0, 1.0);
    EXPECT_TRUE(Def(TABREC_INTERVAL).isDouble);
    EXPECT_EQ(Def(TABREC_INTERVAL).precision, 2);
    ExpectNumeric(TABREC_VALUES, 0, 65535, 100);
    EXPECT_TRUE(Def(TABREC_SECONDS).isDouble);
    EXPECT_EQ(Def(TABREC_SECONDS).precision, 1);
    ExpectIndicators({TABREC_FILEPATH, TABREC_SENSORID, TABREC_DAYS, TABREC_HOURS, TABREC_MINUTES,
                      TABREC_SECONDS, TABREC_RECORDED, TABREC_REMAINING, TABREC_FRAMECOUNTER});
    EXPECT_FALSE(Def(TABREC_INTERVAL).indicator);
    EXPECT_FALSE(Def(TABREC_VALUES).indicator);

    // 100 values at 1 s: 0 days, 0 hours, 1 minute, 40.0 seconds, all 100 remaining.
    const double total = Def(TABREC_INTERVAL).initialValue * Def(TABREC_VALUES).initialValue;
    EXPECT_DOUBLE_EQ(Def(TABREC_DAYS).initialValue * 86400 + Def(TABREC_HOURS).initialValue * 3600 +
                         Def(TABREC_MINUTES).initialValue * 60 + Def(TABREC_SECONDS).initialValue,
                     total);
    EXPECT_DOUBLE_EQ(Def(TABREC_REMAINING).initialValue, Def(TABREC_VALUES).initialValue);

    ExpectVisible({TABREC_INTERVAL, TABREC_VALUES, TABREC_DAYS, TABREC_HOURS, TABREC_MINUTES, TABREC_SECONDS,
                   TABREC_RECORDED, TABREC_REMAINING, TABREC_START, TABREC_STOP},
                  true);
    ExpectVisible({TABREC_FRAMECOUNTER, TABREC_STARTTRIG, TABREC_MANUAL}, false);
}

TEST(PanelPages, ScopePageAndPanel)
{
    ExpectNumeric(TABSCOPE_TRIGLEVEL, 0, 4095, 2000);
    EXPECT_EQ(Def(TABSCOPE_TRIGMODE).items, (Items{{"SINGLE SHOT", 0},
                                                   {"RISING EDGE", 1},
                                                   {"FALLING EDGE", 2},
                                                   {"INTERNAL OUT0", 3},
                                                   {"EXTERNAL IN0", 4}}));
    ExpectNumeric(TABSCOPE_PRETRIG, 0, 127, 20);
    ExpectNumeric(TABSCOPE_SCANRATE, 1, 65535, 1);
    for (int id : {TABSCOPE_SCANFREQ, TABSCOPE_CYCLETIME, SCOPEP_DELTAX})
        EXPECT_TRUE(Def(id).isDouble && Def(id).indicator) << Def(id).label;
    EXPECT_TRUE(Def(SCOPEP_DELTAY).indicator);
    EXPECT_FALSE(Def(SCOPEP_DELTAY).isDouble);
    EXPECT_EQ(Def(TABSCOPE_COMMENT).kind, CTRL_TEXT_BOX);
    EXPECT_FALSE(Def(TABSCOPE_COMMENT).indicator);

    const CtrlDef &analog = Def(SCOPEP_GRAPH);
    const CtrlDef &digital = Def(SCOPEP_DIGGRAPH);
    EXPECT_EQ(analog.cursors, 2);
    EXPECT_EQ(digital.cursors, 2);
    EXPECT_EQ(analog.callback, &CBF_GraphScope);
    EXPECT_DOUBLE_EQ(analog.xMax, 128.0);
    EXPECT_DOUBLE_EQ(analog.yMax, 4100.0);
    EXPECT_DOUBLE_EQ(digital.xMax, 128.0);
    EXPECT_DOUBLE_EQ(digital.yMin, -0.5);
    EXPECT_DOUBLE_EQ(digital.yMax, 7.5);
    // The digital cursors follow the analog ones in X: both plot areas line up.
    EXPECT_EQ(analog.left, digital.left);
    EXPECT_EQ(analog.width, digital.width);
    EXPECT_GT(digital.top, analog.top + analog.height);
    EXPECT_EQ(Def(SCOPEP_SIGNAL).items, (Items{{"CH0 + SIG", 0}, {"CH0", 1}, {"SIG", 2}}));
    EXPECT_EQ(Def(SCOPEP_BUSY).kind, CTRL_LED);
    EXPECT_FALSE(Def(SCOPEP_BUSY).initiallyVisible);

    // Trace labels beside the digital graph, top to bottom in level order.
    const std::vector<PlacedCtrl> all = AllPlacedControls();
    std::vector<std::pair<int, std::string>> labels;
    for (const PlacedCtrl &placed : all)
        if (placed.panelIndex == SCOPEP && placed.def->kind == CTRL_TEXT_MSG)
            labels.push_back({placed.def->top, placed.def->text});
    std::sort(labels.begin(), labels.end());
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0].second, "IN0");
    EXPECT_EQ(labels[1].second, "IN1");
    EXPECT_EQ(labels[2].second, "OUT0");
    EXPECT_EQ(labels[3].second, "OUT1");
    for (const auto &label : labels) {
        EXPECT_GE(label.first, digital.top);
        EXPECT_LE(label.first, digital.top + digital.height);
    }
}

TEST(PanelPages, OffsetPageFactorAlwaysFitsSixteenBitTenths)
{
    ExpectNumeric(TABOFFSET_OFFSETVAL, 0, 65535, 0);
    const CtrlDef &factor = Def(TABOFFSET_FACTOR);
    ExpectNumeric(TABOFFSET_FACTOR, 0.0, 6553.5, 1.0);
    EXPECT_TRUE(factor.isDouble);
    EXPECT_EQ(factor.precision, 1);
    EXPECT_LE((long)(factor.maxValue * 10.0), 65535L);
    EXPECT_EQ(Def(TABOFFSET_INSTRUCTION).kind, CTRL_TEXT_MSG);
    EXPECT_GE(Def(TABOFFSET_INSTRUCTION).height, 90);
    EXPECT_EQ(Def(TABOFFSET_SENDFACTOR).callback, &CBF_ButtonSendSettingTimeFactor);
}

TEST(PanelPages, DataPanelDisplaysChartsAndLeds)
{
    const CtrlDef &sensor = Def(DATAP_SENSOR);
    EXPECT_EQ(sensor.kind, CTRL_STRING);
    EXPECT_TRUE(sensor.indicator);
    EXPECT_EQ(sensor.text, "No sensor connected!");
    EXPECT_EQ(sensor.accessibleName, "sensor display");
    EXPECT_GE(sensor.width, 300);
    ExpectIndicators({DATAP_COMPORT, DATAP_ADDRESS, DATAP_CH0, DATAP_SIG, DATAP_TEMP, DATAP_REFCH0,
                      DATAP_REFSIG1, DATAP_REFSIG2, DATAP_MAXMIN1, DATAP_MAXMIN2, DATATAB1_VOLT,
                      DATATAB1_MILLIAMP, GRAPHP_CH0, GRAPHP_SIG, GRAPHP_TEMP});
    for (int id : {DATAP_LEDOUT0, DATAP_LEDOUT1})
        EXPECT_EQ(Def(id).onColor, 0xFF8000) << Def(id).label;
    for (int id : {DATAP_LEDIN0, DATAP_LEDIN1})
        EXPECT_EQ(Def(id).onColor, 0x00FF00) << Def(id).label;

    const std::vector<int> thresholdColors = {0x0000FF, 0x808000, 0xFF0000, 0xFF0000, 0x000000, 0x000000};
    EXPECT_EQ(Def(DATATAB0_CH0CHART).traces, 1);
    EXPECT_EQ(Def(DATATAB0_CH0CHART).traceColors, std::vector<int>{0x00FF00});
    EXPECT_EQ(Def(DATATAB1_SIGCHART).traces, 1);
    EXPECT_EQ(Def(DATATAB1_SIGCHART).traceColors, std::vector<int>{0x808000});
    for (int id : {DATATAB1_EVAL1CHART, DATATAB1_EVAL2CHART}) {
        EXPECT_EQ(Def(id).traces, 6);
        EXPECT_EQ(Def(id).traceColors, thresholdColors);
        EXPECT_EQ(Def(id).pointsPerScreen, 100);
    }
    // Chart 1 in the SIG-only chart's place and height; chart 2 the lower half.
    const CtrlDef &sig = Def(DATATAB1_SIGCHART), &one = Def(DATATAB1_EVAL1CHART),
                  &two = Def(DATATAB1_EVAL2CHART);
    EXPECT_EQ(one.top, sig.top);
    EXPECT_EQ(one.left, sig.left);
    EXPECT_EQ(one.width, sig.width);
    EXPECT_EQ(one.height, sig.height);
    EXPECT_EQ(two.left, sig.left);
    EXPECT_EQ(two.top + two.height, sig.top + sig.height);
    EXPECT_LE(two.height * 2, sig.height);
    EXPECT_GE(two.top - 16, one.top + two.height) << "chart 1 at chart 2's height ends above chart 2's label";
    for (int id : {DATATAB1_VOLT, DATATAB1_MILLIAMP}) {
        EXPECT_TRUE(Def(id).isDouble);
        EXPECT_EQ(Def(id).precision, 2);
    }

    // Visibility with the parameter defaults: digital output DIRECT, threshold LOW,
    // analog output OFF, operating mode NORMAL, serial transport.
    ExpectVisible({DATATAB1_EVAL1CHART, DATAP_REFSIG1, DATAP_COMPORT}, true);
    ExpectVisible({DATATAB1_SIGCHART, DATATAB1_EVAL2CHART, DATAP_REFSIG2, DATAP_REFCH0, DATAP_MAXMIN1,
                   DATAP_MAXMIN2, DATATAB1_VOLT, DATATAB1_MILLIAMP, DATAP_ADDRESS},
                  false);
}

TEST(PanelPages, GraphPanelShowsTheCh0GraphFirst)
{
    EXPECT_EQ(Def(GRAPHP_SIGNAL).items, (Items{{"CH0", 0}, {"SIG", 1}, {"TEMP", 2}}));
    EXPECT_EQ(Def(GRAPHP_SIGNAL).initialValue, 0);
    ExpectVisible({GRAPHP_CH0GRAPH}, true);
    ExpectVisible({GRAPHP_SIGGRAPH, GRAPHP_TEMPGRAPH}, false);
    for (int id : {GRAPHP_SIGGRAPH, GRAPHP_TEMPGRAPH}) {
        EXPECT_EQ(Def(id).top, Def(GRAPHP_CH0GRAPH).top);
        EXPECT_EQ(Def(id).left, Def(GRAPHP_CH0GRAPH).left);
    }
}

TEST(PanelPages, PasswordPanelField)
{
    const CtrlDef &field = Def(PASSWORDP_PASSWORD);
    EXPECT_EQ(field.kind, CTRL_STRING);
    EXPECT_EQ(field.accessibleName, "password");
    EXPECT_EQ(field.callback, &CBF_StringEnterPW);
    EXPECT_EQ(field.maxLength, 20);
    EXPECT_EQ(Def(PASSWORDP_PROMPT).kind, CTRL_TEXT_MSG);
    EXPECT_FALSE(Def(PASSWORDP_PROMPT).text.empty());
}
