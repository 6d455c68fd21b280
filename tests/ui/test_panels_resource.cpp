// The panel resource as data: identifiers, names, places, initial values and items
// of every control of the six panels.
#include "test_panels_walk.h"

#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace
{

// Every control identifier of panels/panel_ids.h.
const std::vector<int> kAllControlIds = {
    MAINP_TAB,
    MAINP_LOGO,
    MAINP_LOGO_BACKDROP,
    MAINP_SEND,
    MAINP_GET,
    MAINP_RAM,
    MAINP_EEPROM,
    MAINP_FILE,
    MAINP_GO,
    MAINP_STOP,
    TABCONN_PROTOCOL,
    TABCONN_FINDPORTS,
    TABCONN_COMPORT,
    TABCONN_BAUDRATE,
    TABCONN_CHANGEBAUD,
    TABCONN_IPADDRESS,
    TABCONN_PORTNUMBER,
    TABCONN_CONNECT,
    TABCONN_DISCONNECT,
    TABCONN_ACCEPT,
    TABCONN_HWINFO,
    TABCONN_SENSORID,
    TABCONN_LANGUAGE,
    TABCONN_STATUS,
    TABPARA1_POWER,
    TABPARA1_POWERMODE,
    TABPARA1_DYNWINLO,
    TABPARA1_DYNWINHI,
    TABPARA1_LEDMODE,
    TABPARA1_GAIN,
    TABPARA1_AVERAGE,
    TABPARA1_INTEGRAL,
    TABPARA1_ANAOUTMODE,
    TABPARA1_ANARANGE,
    TABPARA1_ANAOUT,
    TABPARA1_DIGOUTMODE,
    TABPARA1_REFVALCH0,
    TABPARA1_OPMODE,
    TABPARA1_SENSITIVITY,
    TABPARA1_ADJCHOFFSET,
    TABPARA1_CH0OFFSET,
    TABPARA1_ASSIGNOFFSET,
    TABPARA1_DECO,
    TABPARA2_HOLD,
    TABPARA2_THRMODE,
    TABPARA2_THRTRACING,
    TABPARA2_TTUP,
    TABPARA2_TTDOWN,
    TABPARA2_THRCALC1,
    TABPARA2_TEACHVAL1,
    TABPARA2_TOL1,
    TABPARA2_HYST1,
    TABPARA2_TEACH1,
    TABPARA2_THRCALC2,
    TABPARA2_TEACHVAL2,
    TABPARA2_TOL2,
    TABPARA2_HYST2,
    TABPARA2_TEACH2,
    TABPARA2_THR2FRAME,
    TABPARA2_EXTTEACH,
    TABPARA2_DEADTIME,
    TABCONV_TABLE,
    TABCONV_CURRENTVALUE,
    TABCONV_ASSIGN,
    TABCONV_RESET,
    TABCONV_CALC,
    TABCONV_LOADFILE,
    TABCONV_SAVEFILE,
    TABCONV_GETEE,
    TABCONV_SAVEEE,
    TABREC_SELFILE,
    TABREC_FILEPATH,
    TABREC_SENSORID,
    TABREC_MODE,
    TABREC_INTERVAL,
    TABREC_VALUES,
    TABREC_DAYS,
    TABREC_HOURS,
    TABREC_MINUTES,
    TABREC_SECONDS,
    TABREC_RECORDED,
    TABREC_REMAINING,
    TABREC_FRAMECOUNTER,
    TABREC_START,
    TABREC_STOP,
    TABREC_STARTTRIG,
    TABREC_MANUAL,
    TABSCOPE_TRIGLEVEL,
    TABSCOPE_TRIGMODE,
    TABSCOPE_PRETRIG,
    TABSCOPE_SCANRATE,
    TABSCOPE_SCANFREQ,
    TABSCOPE_CYCLETIME,
    TABSCOPE_GETCYCLE,
    TABSCOPE_SCAN,
    TABSCOPE_BREAK,
    TABSCOPE_PRINT,
    TABSCOPE_COMMENT,
    TABOFFSET_INSTRUCTION,
    TABOFFSET_OFFSETVAL,
    TABOFFSET_FACTOR,
    TABOFFSET_GETOFFSET,
    TABOFFSET_CALCOFFSET,
    TABOFFSET_SENDOFFSET,
    TABOFFSET_SENDFACTOR,
    TABOFFSET_CLOSE,
    DATAP_SENSOR,
    DATAP_COMPORT,
    DATAP_ADDRESS,
    DATAP_CH0,
    DATAP_SIG,
    DATAP_TEMP,
    DATAP_REFCH0,
    DATAP_REFSIG1,
    DATAP_REFSIG2,
    DATAP_MAXMIN1,
    DATAP_MAXMIN2,
    DATAP_LEDOUT0,
    DATAP_LEDOUT1,
    DATAP_LEDIN0,
    DATAP_LEDIN1,
    DATAP_SHOWGRAPH,
    DATAP_TAB,
    DATATAB0_CH0CHART,
    DATATAB1_SIGCHART,
    DATATAB1_EVAL1CHART,
    DATATAB1_EVAL2CHART,
    DATATAB1_VOLT,
    DATATAB1_MILLIAMP,
    GRAPHP_CH0GRAPH,
    GRAPHP_SIGGRAPH,
    GRAPHP_TEMPGRAPH,
    GRAPHP_CH0,
    GRAPHP_SIG,
    GRAPHP_TEMP,
    GRAPHP_SIGNAL,
    GRAPHP_CLOSE,
    SCOPEP_GRAPH,
    SCOPEP_DIGGRAPH,
    SCOPEP_SIGNAL,
    SCOPEP_DELTAX,
    SCOPEP_DELTAY,
    SCOPEP_BUSY,
    SCOPEP_ZOOM11,
    SCOPEP_CLOSE,
    CONVP_GRAPH,
    CONVP_ZOOM11,
    CONVP_SAVEDATAEE,
    CONVP_CLOSE,
    PASSWORDP_PASSWORD,
    PASSWORDP_PROMPT,
};

// A generous estimate of the width of a small label or caption.
constexpr int kCharWidth = 7;

struct Box {
    int left, top, right, bottom;
};

bool Intersects(const Box &a, const Box &b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Contains(const Box &outer, const Box &inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

Box Unite(const Box &a, const Box &b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

bool HasLabelAbove(int kind)
{
    switch (kind) {
    case CTRL_NUMERIC:
    case CTRL_SLIDE:
    case CTRL_RING:
    case CTRL_STRING:
    case CTRL_TEXT_BOX:
    case CTRL_TABLE:
    case CTRL_GRAPH:
    case CTRL_STRIP_CHART:
        return true;
    default:
        return false;
    }
}

// The body and its label: above the body for fields, charts and tables, right of
// an LED.
Box Footprint(const CtrlDef &def)
{
    Box body = {def.left, def.top, def.left + def.width, def.top + def.height};
    const int labelWidth = (int)def.label.size() * kCharWidth;
    if (def.label.empty())
        return body;
    if (HasLabelAbove(def.kind))
        return Unite(body,
                     {def.left, def.top - kLabelHeight, def.left + std::max(def.width, labelWidth), def.top});
    if (def.kind == CTRL_LED)
        return Unite(body, {body.right, body.top, body.right + 4 + labelWidth, body.bottom});
    return body;
}

// Controls that take turns in one place: members of different sets of one entry
// may overlap, since the program never shows them together.
const std::vector<std::vector<std::set<int>>> kAlternatives = {
    {{TABCONN_COMPORT, TABCONN_FINDPORTS, TABCONN_BAUDRATE, TABCONN_CHANGEBAUD},
     {TABCONN_IPADDRESS, TABCONN_PORTNUMBER}},
    {{TABREC_RECORDED}, {TABREC_FRAMECOUNTER}},
    {{TABREC_START}, {TABREC_MANUAL}, {TABREC_STARTTRIG}},
    {{DATAP_COMPORT}, {DATAP_ADDRESS}},
    {{DATATAB1_VOLT}, {DATATAB1_MILLIAMP}},
    {{DATATAB1_SIGCHART}, {DATATAB1_EVAL1CHART, DATATAB1_EVAL2CHART}},
    // Threshold chart 1 shrinks to the upper half when chart 2 is shown.
    {{DATATAB1_EVAL1CHART}, {DATATAB1_EVAL2CHART}},
    // The statistics lines go with their charts.
    {{DATATAB1_SIGSTATS}, {DATATAB1_EVAL1STATS, DATATAB1_EVAL2STATS}},
    {{DATATAB1_EVAL1STATS}, {DATATAB1_EVAL2STATS}},
    {{GRAPHP_CH0GRAPH}, {GRAPHP_SIGGRAPH}, {GRAPHP_TEMPGRAPH}},
    // CANCEL takes the place of OPEN RECORDING while a record file is read.
    {{GRAPHP_OPENREC}, {GRAPHP_CANCELREAD}},
};

bool AreAlternatives(int a, int b)
{
    for (const auto &entry : kAlternatives) {
        int setA = -1, setB = -1;
        for (size_t i = 0; i < entry.size(); ++i) {
            if (entry[i].count(a))
                setA = (int)i;
            if (entry[i].count(b))
                setB = (int)i;
        }
        if (setA >= 0 && setB >= 0 && setA != setB)
            return true;
    }
    return false;
}

const PanelDef &Panel(int index)
{
    const PanelDef *def = FindPanelDef(kPanelResourceFile, index);
    EXPECT_NE(def, nullptr);
    return *def;
}

Box ContainerBox(const PlacedCtrl &placed)
{
    if (placed.tabId == MAINP_TAB)
        return {0, 0, kMainPageWidth, kMainPageHeight};
    if (placed.tabId == DATAP_TAB)
        return {0, 0, kDataPageWidth, kDataPageHeight};
    const PanelDef &panel = Panel(placed.panelIndex);
    return {0, 0, panel.width, panel.height};
}

std::string Describe(const CtrlDef &def)
{
    return std::to_string(def.id) + " \"" + def.label + "\"";
}

} // namespace

TEST(PanelResource, SixPanelsFoundByIndexAndOnlyInTheirResource)
{
    const std::map<int, std::string> names = {{CONVP, "CONVP"}, {DATAP, "DATAP"},         {GRAPHP, "GRAPHP"},
                                              {MAINP, "MAINP"}, {PASSWORDP, "PASSWORDP"}, {SCOPEP, "SCOPEP"}};
    ASSERT_EQ(AllPanelDefs().size(), 6u);
    for (const auto &[index, name] : names) {
        const PanelDef *def = FindPanelDef("Chromix1V3_1.uir", index);
        ASSERT_NE(def, nullptr) << name;
        EXPECT_EQ(def->index, index);
        EXPECT_EQ(def->name, name);
        EXPECT_NE(def->callback, nullptr) << name;
        EXPECT_EQ(FindPanelDef("/opt/chromix/bin/Chromix1V3_1.uir", index), def);
        EXPECT_EQ(FindPanelDef("C:\\Chromix\\Chromix1V3_1.uir", index), def);
    }
    EXPECT_EQ(FindPanelDef("Chromix1V3_1.uir", 0), nullptr);
    EXPECT_EQ(FindPanelDef("Chromix1V3_1.uir", 7), nullptr);
    EXPECT_EQ(FindPanelDef("Other.uir", MAINP), nullptr);
    EXPECT_EQ(FindPanelDef("XChromix1V3_1.uir", MAINP), nullptr);
    EXPECT_EQ(FindPanelDef(nullptr, MAINP), nullptr);

    EXPECT_EQ(Panel(MAINP).title, "CHROMIX1 Scope V3.1");
    EXPECT_EQ(Panel(MAINP).width, 1014);
    EXPECT_EQ(Panel(MAINP).height, 690);
    EXPECT_EQ(Panel(MAINP).callback, &CBF_MAINP);
    EXPECT_EQ(Panel(PASSWORDP).title, "Password");
    EXPECT_EQ(Panel(PASSWORDP).callback, &CBF_PASSWORDP);
    for (int child : {CONVP, DATAP, GRAPHP, SCOPEP}) {
        EXPECT_EQ(Panel(child).width, 620);
        EXPECT_EQ(Panel(child).height, 615);
    }
}

TEST(PanelResource, EveryControlIdExactlyOnceAndEveryControlNamed)
{
    std::map<int, int> count;
    for (const PlacedCtrl &placed : AllPlacedControls()) {
        const CtrlDef &def = *placed.def;
        ++count[def.id];
        EXPECT_GT(def.id, 0);
        EXPECT_LT(def.id, (int)FIRST_RUNTIME_CONTROL);
        const std::string &name = def.accessibleName.empty() ? def.label : def.accessibleName;
        EXPECT_FALSE(name.empty()) << "control " << def.id << " has no accessible name";
    }
    for (const auto &[id, n] : count)
        EXPECT_EQ(n, 1) << "control " << id;
    for (int id : kAllControlIds)
        EXPECT_EQ(count[id], 1) << "control " << id << " of panel_ids.h";
}

TEST(PanelResource, MainTabHasSevenPagesAndDataTabTwo)
{
    const std::vector<PlacedCtrl> all = AllPlacedControls();
    const CtrlDef &mainTab = *FindPlaced(all, MAINP_TAB)->def;
    ASSERT_EQ(mainTab.pages.size(), 7u);
    std::set<std::string> labels;
    for (const PageDef &page : mainTab.pages)
        labels.insert(page.label);
    EXPECT_EQ(labels.size(), 7u);
    EXPECT_FALSE(labels.count(""));
    EXPECT_EQ(mainTab.pages[PAGE_SCOPE].label, "Scope");
    EXPECT_EQ(mainTab.pages[PAGE_OFFSET].label, "Offset");
    const CtrlDef &dataTab = *FindPlaced(all, DATAP_TAB)->def;
    ASSERT_EQ(dataTab.pages.size(), 2u);
    EXPECT_EQ(dataTab.pages[DATA_PAGE_CH0].label, "CH0");
    EXPECT_EQ(dataTab.pages[DATA_PAGE_EVALUATION].label, "SIG");
    // A page's controls are addressed through that page.
    EXPECT_EQ(FindPlaced(all, TABOFFSET_FACTOR)->pageIndex, PAGE_OFFSET);
    EXPECT_EQ(FindPlaced(all, TABREC_MODE)->pageIndex, PAGE_RECORDER);
    EXPECT_EQ(FindPlaced(all, TABCONV_TABLE)->pageIndex, PAGE_CONVERSION_TABLE);
    EXPECT_EQ(FindPlaced(all, TABSCOPE_COMMENT)->pageIndex, PAGE_SCOPE);
    EXPECT_EQ(FindPlaced(all, TABCONN_STATUS)->pageIndex, PAGE_CONNECTION);
    EXPECT_EQ(FindPlaced(all, DATATAB1_VOLT)->pageIndex, DATA_PAGE_EVALUATION);
    EXPECT_EQ(FindPlaced(all, DATATAB0_CH0CHART)->pageIndex, DATA_PAGE_CH0);
}

TEST(PanelResource, ControlsLieInsideTheirPanelOrPageAndDoNotOverlap)
{
    const std::vector<PlacedCtrl> all = AllPlacedControls();
    for (const PlacedCtrl &placed : all) {
        const CtrlDef &def = *placed.def;
        EXPECT_GT(def.width, 0) << Describe(def);
        EXPECT_GT(def.height, 0) << Describe(def);
        EXPECT_TRUE(Contains(ContainerBox(placed), Footprint(def))) << Describe(def) << " leaves its panel";
        if (def.kind == CTRL_COMMAND_BUTTON || def.kind == CTRL_TOGGLE_BUTTON) {
            EXPECT_LE((int)def.label.size() * kCharWidth + 10, def.width) << Describe(def) << " caption";
        }
    }
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = i + 1; j < all.size(); ++j) {
            const PlacedCtrl &a = all[i], &b = all[j];
            if (a.panelIndex != b.panelIndex || a.tabId != b.tabId || a.pageIndex != b.pageIndex)
                continue;
            if (a.def->kind == CTRL_DECORATION || b.def->kind == CTRL_DECORATION)
                continue;
            if (AreAlternatives(a.def->id, b.def->id))
                continue;
            EXPECT_FALSE(Intersects(Footprint(*a.def), Footprint(*b.def)))
                << Describe(*a.def) << " overlaps " << Describe(*b.def);
        }
    }
}

TEST(PanelResource, MainPanelStripLeavesTheTitleFreeAndTheTabAndLogoInPlace)
{
    const std::vector<PlacedCtrl> all = AllPlacedControls();
    const Box title = {15, 18, 15 + 360, 18 + 30};
    for (const PlacedCtrl &placed : all) {
        if (placed.panelIndex == MAINP && placed.tabId == 0) {
            EXPECT_FALSE(Intersects(title, Footprint(*placed.def)))
                << Describe(*placed.def) << " covers the title";
        }
    }
    for (int id : {MAINP_SEND, MAINP_GET, MAINP_RAM, MAINP_EEPROM, MAINP_FILE, MAINP_GO, MAINP_STOP}) {
        const CtrlDef &button = *FindPlaced(all, id)->def;
        EXPECT_GE(button.left, 385) << Describe(button);
        EXPECT_LE(button.left + button.width, 890) << Describe(button);
        EXPECT_LE(button.top + button.height, 60) << Describe(button);
    }
    const CtrlDef &tab = *FindPlaced(all, MAINP_TAB)->def;
    EXPECT_EQ(tab.top, 63);
    EXPECT_EQ(tab.left, 5);
    EXPECT_LE(tab.left + tab.width, 385);
    const CtrlDef &logo = *FindPlaced(all, MAINP_LOGO)->def;
    EXPECT_EQ(logo.left, 900);
    EXPECT_EQ(logo.top, 5);
    EXPECT_EQ(logo.text, "logoORV.bmp");
    EXPECT_FALSE(logo.initiallyVisible);
    EXPECT_TRUE(Contains(Footprint(*FindPlaced(all, MAINP_LOGO_BACKDROP)->def), Footprint(logo)));

    EXPECT_EQ(FindPlaced(all, MAINP_SEND)->def->shortcut, "F9");
    EXPECT_EQ(FindPlaced(all, MAINP_GET)->def->shortcut, "F10");
    EXPECT_EQ(FindPlaced(all, MAINP_GO)->def->shortcut, "F11");
    EXPECT_EQ(FindPlaced(all, MAINP_STOP)->def->shortcut, "F12");
    EXPECT_TRUE(FindPlaced(all, MAINP_RAM)->def->initiallyOn);
    EXPECT_FALSE(FindPlaced(all, MAINP_EEPROM)->def->initiallyOn);
    EXPECT_FALSE(FindPlaced(all, MAINP_FILE)->def->initiallyOn);
    for (int id : {MAINP_RAM, MAINP_EEPROM, MAINP_FILE})
        EXPECT_EQ(FindPlaced(all, id)->def->kind, CTRL_TOGGLE_BUTTON);
}

TEST(PanelResource, RingsStartOnAnItemAndNumericsInsideTheirRange)
{
    for (const PlacedCtrl &placed : AllPlacedControls()) {
        const CtrlDef &def = *placed.def;
        if (def.kind == CTRL_RING) {
            ASSERT_FALSE(def.items.empty()) << Describe(def);
            std::set<int> values;
            for (const auto &item : def.items)
                values.insert(item.second);
            EXPECT_EQ(values.size(), def.items.size()) << Describe(def) << " repeats a value";
            EXPECT_TRUE(values.count((int)def.initialValue)) << Describe(def);
        }
        if (def.kind == CTRL_NUMERIC || def.kind == CTRL_SLIDE) {
            EXPECT_LE(def.minValue, def.initialValue) << Describe(def);
            EXPECT_LE(def.initialValue, def.maxValue) << Describe(def);
            if (!def.isDouble) {
                EXPECT_EQ(def.precision, 0) << Describe(def);
            }
        }
    }
}
