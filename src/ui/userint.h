#pragma once
// The UI runtime: panels, controls, pop-ups and the event loop, over Qt Widgets.
//
// This header is plain C++ (no Qt types) so that the application code in shell/,
// link/, params/, live/ and convtable/ can use it. Panel and control handles are
// plain integers; control identifiers are the constants of panels/panel_ids.h. Every
// function returns 0 (or a handle, or a count) on success and a negative UI error
// code on failure unless its comment says otherwise.

#include <cstddef>

// ---------------------------------------------------------------------------
// Error codes
constexpr int UIE_OK = 0;
constexpr int UIE_INVALID_PANEL = -42;
constexpr int UIE_INVALID_CONTROL = -45;
constexpr int UIE_INVALID_ATTRIBUTE = -46;
constexpr int UIE_INVALID_VALUE = -47;
constexpr int UIE_RESOURCE_NOT_FOUND = -12;
constexpr int UIE_INVALID_TAB_PAGE = -49;

constexpr int MAX_PATHNAME_LEN = 260;

// Controls created at run time (NewCtrl) get identifiers from here on; a panel
// resource keeps its own identifiers below.
constexpr int FIRST_RUNTIME_CONTROL = 10000;

// ---------------------------------------------------------------------------
// Events delivered to callbacks
enum UiEvent {
    EVENT_NONE = 0,
    EVENT_COMMIT = 1,
    EVENT_VAL_CHANGED = 2,
    EVENT_LEFT_CLICK = 3,
    EVENT_LEFT_DOUBLE_CLICK = 4,
    EVENT_RIGHT_CLICK = 5,
    EVENT_RIGHT_DOUBLE_CLICK = 6,
    EVENT_KEYPRESS = 7,
    EVENT_GOT_FOCUS = 8,
    EVENT_LOST_FOCUS = 9,
    EVENT_CLOSE = 10,
    EVENT_ACTIVE_TAB_CHANGE = 11, // eventData1 old page index, eventData2 new page index
    EVENT_ZOOM = 12, // graph or strip chart view changed by the operator; eventData1 a UiZoomKind
    EVENT_PANEL_SIZE = 13,
    EVENT_PANEL_MOVE = 14,
};

// Control callback: (panel, control, event, callbackData, eventData1, eventData2) -> 0.
typedef int CtrlCallback(int panel, int control, int event, void *callbackData, int eventData1,
                         int eventData2);
typedef CtrlCallback *CtrlCallbackPtr;
// Panel callback: (panel, event, callbackData, eventData1, eventData2) -> 0.
typedef int PanelCallback(int panel, int event, void *callbackData, int eventData1, int eventData2);
typedef PanelCallback *PanelCallbackPtr;

// ---------------------------------------------------------------------------
// Attributes (panels and controls)
enum UiAttribute {
    ATTR_TITLE = 1,         // panel: text
    ATTR_LEFT,              // int
    ATTR_TOP,               // int
    ATTR_WIDTH,             // int
    ATTR_HEIGHT,            // int
    ATTR_VISIBLE,           // int 0/1
    ATTR_WINDOW_ZOOM,       // panel: VAL_NO_ZOOM, VAL_MINIMIZE, VAL_MAXIMIZE
    ATTR_DIMMED,            // control: int 0/1
    ATTR_CTRL_MODE,         // control: VAL_HOT, VAL_INDICATOR
    ATTR_TEXT_COLOR,        // int 0xRRGGBB
    ATTR_TEXT_BGCOLOR,      // int 0xRRGGBB or VAL_TRANSPARENT
    ATTR_FRAME_COLOR,       // int 0xRRGGBB
    ATTR_CMD_BUTTON_COLOR,  // command button face colour, int 0xRRGGBB
    ATTR_TEXT_FONT,         // text
    ATTR_TEXT_POINT_SIZE,   // int
    ATTR_LABEL_TEXT,        // text
    ATTR_TOOLTIP_TEXT,      // text
    ATTR_PRECISION,         // numeric: int digits after the decimal point
    ATTR_MIN_VALUE,         // numeric: double
    ATTR_MAX_VALUE,         // numeric: double
    ATTR_ON_COLOR,          // LED: int 0xRRGGBB
    ATTR_OFF_COLOR,         // LED: int 0xRRGGBB
    ATTR_ACCESSIBLE_NAME,   // text (read only); follows ATTR_LABEL_TEXT when it was the label
    ATTR_MAX_ENTRY_LENGTH,  // string field: int, -1 unlimited
    ATTR_NUM_TRACES,        // strip chart: int
    ATTR_POINTS_PER_SCREEN, // strip chart: int
    ATTR_CTRL_KIND,         // int, a UiCtrlKind (read only)
    ATTR_XNAME,             // graph: text under the x axis
    ATTR_YNAME,             // graph: text beside the y axis
    ATTR_CHART_PAUSED,      // graph, strip chart: int 0/1; a paused chart keeps its view while data arrive
};

constexpr int VAL_NO_ZOOM = 0;
constexpr int VAL_MINIMIZE = 1;
constexpr int VAL_MAXIMIZE = 2;
constexpr int VAL_HOT = 1;
constexpr int VAL_NORMAL = 1;
constexpr int VAL_INDICATOR = 2;
constexpr int VAL_TRANSPARENT = 0x1000000;
constexpr int VAL_AUTO_CENTER = -2147483647; // SetPanelPos: centre on the screen

// Colours
constexpr int VAL_BLACK = 0x000000;
constexpr int VAL_WHITE = 0xFFFFFF;
constexpr int VAL_RED = 0xFF0000;
constexpr int VAL_GREEN = 0x00FF00;
constexpr int VAL_BLUE = 0x0000FF;
constexpr int VAL_DK_YELLOW = 0x808000;
constexpr int VAL_DK_CYAN = 0x008080;
constexpr int VAL_GRAY = 0x808080;
constexpr int VAL_LT_GRAY = 0xE0E0E0;

// Control kinds of the panel resource
enum UiCtrlKind {
    CTRL_COMMAND_BUTTON = 1,
    CTRL_TOGGLE_BUTTON,
    CTRL_NUMERIC,     // integer or double, operable or indicator
    CTRL_SLIDE,       // numeric slider (integer)
    CTRL_RING,        // choice with items (label, integer value)
    CTRL_STRING,      // one-line text field
    CTRL_TEXT_BOX,    // multi-line text; SetCtrlVal with text appends
    CTRL_TEXT_MSG,    // static text
    CTRL_LED,         // on/off lamp
    CTRL_TAB,         // tab control; its pages are panels of their own
    CTRL_PICTURE,     // image
    CTRL_DECORATION,  // frame or backdrop
    CTRL_GRAPH,       // x-y graph with plots, cursors and zoom
    CTRL_STRIP_CHART, // N traces of the last points
    CTRL_TABLE,       // rows x columns of signed 16-bit cells
    CTRL_CHECK_BOX,   // on/off choice with its label beside the box
};

// ---------------------------------------------------------------------------
// Panels
// Loads panel `index` of the resource `file` ("Chromix1V3_1.uir"); parent 0 for a
// top-level panel, else the parent panel's handle. Returns the handle (> 0) or a
// negative error. Panels are created hidden.
int LoadPanel(int parentPanel, const char *file, int index);
int DisplayPanel(int panel);
int HidePanel(int panel);
int DiscardPanel(int panel);                   // child panels and tab pages go with their parent
int InstallPopup(int panel);                   // shows the panel application-modal; returns at once
int RemovePopup(int panel);                    // hides a panel installed as pop-up
int SetPanelPos(int panel, int top, int left); // VAL_AUTO_CENTER for both centres it
int SetPanelSize(int panel, int height, int width);
int SetPanelAttribute(int panel, int attribute, int value);
int SetPanelAttribute(int panel, int attribute, const char *value);
int GetPanelAttribute(int panel, int attribute, int *value);
int GetPanelAttribute(int panel, int attribute, char *value, int size);

// Tab controls: every page is a panel handle, and the controls on a page are
// addressed with the page's handle.
int GetPanelHandleFromTabPage(int panel, int tabControl, int pageIndex, int *pageHandle);
int GetActiveTabPage(int panel, int tabControl, int *pageIndex);
int SetActiveTabPage(int panel, int tabControl, int pageIndex);
int SetTabPageAttribute(int panel, int tabControl, int pageIndex, int attribute, int value);
int GetTabPageAttribute(int panel, int tabControl, int pageIndex, int attribute, int *value);
// ATTR_LABEL_TEXT of a page: the text on its tab.
int SetTabPageAttribute(int panel, int tabControl, int pageIndex, int attribute, const char *value);
int GetTabPageAttribute(int panel, int tabControl, int pageIndex, int attribute, char *value, int size);

// ---------------------------------------------------------------------------
// Control values. Setting a value never raises an event. On a text box, setting a
// text appends it. Rings are set and read by item value.
int SetCtrlVal(int panel, int control, int value);
int SetCtrlVal(int panel, int control, double value);
int SetCtrlVal(int panel, int control, const char *value);
int GetCtrlVal(int panel, int control, int *value);
int GetCtrlVal(int panel, int control, short *value);
int GetCtrlVal(int panel, int control, unsigned short *value);
int GetCtrlVal(int panel, int control, unsigned char *value);
int GetCtrlVal(int panel, int control, double *value);
int GetCtrlVal(int panel, int control, char *value, int size); // text, cut to size - 1

int SetCtrlAttribute(int panel, int control, int attribute, int value);
int SetCtrlAttribute(int panel, int control, int attribute, double value);
int SetCtrlAttribute(int panel, int control, int attribute, const char *value);
int GetCtrlAttribute(int panel, int control, int attribute, int *value);
int GetCtrlAttribute(int panel, int control, int attribute, double *value);
int GetCtrlAttribute(int panel, int control, int attribute, char *value, int size);

// Creates a text message control on the panel; returns its control id.
int NewCtrl(int panel, int kind, const char *label, int top, int left);
int DisplayImageFile(int panel, int control, const char *path);
int ResetTextBox(int panel, int control, const char *text);
int SetActiveCtrl(int panel, int control);
int GetActiveCtrl(int panel, int *control);

// Ring items
int InsertListItem(int panel, int control, int index, const char *label, int value); // -1 appends
int ClearListCtrl(int panel, int control);
int GetNumListItems(int panel, int control, int *count);
// Replaces the label and value of item `index` (from 0); the chosen item stays chosen.
int ReplaceListItem(int panel, int control, int index, const char *label, int value);
// The label of item `index`, cut to size - 1.
int GetLabelFromIndex(int panel, int control, int index, char *label, int size);

// ---------------------------------------------------------------------------
// Graphs
enum UiDataType {
    VAL_DOUBLE = 1,
    VAL_FLOAT,
    VAL_INTEGER,
    VAL_SHORT_INTEGER,
    VAL_UNSIGNED_SHORT_INTEGER,
    VAL_UNSIGNED_INTEGER,
    VAL_CHAR,
    VAL_UNSIGNED_CHAR,
};
enum UiPlotStyle { VAL_THIN_LINE = 0, VAL_FAT_LINE, VAL_CONNECTED_POINTS, VAL_SCATTER, VAL_THIN_STEP };
enum UiPointStyle { VAL_NO_POINT = 0, VAL_SOLID_SQUARE, VAL_EMPTY_SQUARE, VAL_SIMPLE_DOT, VAL_SOLID_CIRCLE };
enum UiLineStyle { VAL_SOLID = 0, VAL_DASH, VAL_DOT };
enum UiAxis { VAL_XAXIS = 0, VAL_LEFT_YAXIS = 1 };
enum UiScaling { VAL_MANUAL = 0, VAL_AUTOSCALE = 1 };
constexpr int VAL_ALL_PLOTS = -1;
constexpr int VAL_IMMEDIATE_DRAW = 1;
constexpr int VAL_DELAYED_DRAW = 0;

// Plots y against its index; returns a plot handle (> 0).
int PlotY(int panel, int control, const void *y, int count, int yType, int plotStyle, int pointStyle,
          int lineStyle, int pointFrequency, int color);
int PlotXY(int panel, int control, const void *x, const void *y, int count, int xType, int yType,
           int plotStyle, int pointStyle, int lineStyle, int pointFrequency, int color);
int DeleteGraphPlot(int panel, int control, int plotHandle, int refresh); // VAL_ALL_PLOTS
int GetNumGraphPlots(int panel, int control, int *count);
int SetAxisScalingMode(int panel, int control, int axis, int mode, double min, double max);
int GetAxisScalingMode(int panel, int control, int axis, int *mode, double *min, double *max);
// Cursors 1 and 2. Moving a cursor with the mouse raises EVENT_VAL_CHANGED with
// eventData1 = cursor number.
int SetGraphCursor(int panel, int control, int cursor, double x, double y);
int GetGraphCursor(int panel, int control, int cursor, double *x, double *y);

// The operator's view of graphs and strip charts: the mouse wheel zooms the X axis
// around the pointer (with Shift the Y axis), a drag with the middle button pans, and
// on graphs Ctrl + left drag zooms to a rectangle. Each raises EVENT_ZOOM with
// eventData1 telling which; the view then holds manual ranges. Left clicks, double
// clicks and right clicks keep their own events.
enum UiZoomKind { ZOOM_RECTANGLE = 0, ZOOM_WHEEL_X, ZOOM_WHEEL_Y, ZOOM_PAN };

// Statistics of the samples in view: of a strip chart trace (from 1) or of a graph
// plot (by handle), over the points whose x lies in the shown X range. Every sample
// counts (no pixel decimation), in double precision; values that are not numbers are
// left out. stdDev is the standard deviation of these samples (divided by count).
// count 0 when none is in view; a paused chart reports what it shows.
struct ChartStatistics {
    int count;
    double min;
    double max;
    double mean;
    double stdDev;
};
int GetChartStatistics(int panel, int control, int traceOrPlot, ChartStatistics *stats);

// Strip charts hold the last ATTR_POINTS_PER_SCREEN points of each trace (default
// 100). `count` values are interleaved by trace (trace j of point k at k*traces + j).
int PlotStripChart(int panel, int control, const void *values, int count, int start, int skip, int dataType);
int ClearStripChart(int panel, int control);
int SetTraceAttribute(int panel, int control, int trace, int color, int lineStyle); // trace from 1

// ---------------------------------------------------------------------------
// Tables: cells are signed 16-bit integers; rows and columns count from 1.
struct UiPoint {
    int x; // column
    int y; // row
};
struct UiRect {
    int top;    // first row
    int left;   // first column
    int height; // rows
    int width;  // columns
};
inline UiPoint MakePoint(int column, int row)
{
    return UiPoint{column, row};
}
inline UiRect MakeRect(int top, int left, int height, int width)
{
    return UiRect{top, left, height, width};
}
enum UiCellOrder { VAL_ROW_MAJOR = 0, VAL_COLUMN_MAJOR = 1 };
constexpr int VAL_TO_EDGE = -1; // UiRect height/width: up to the last row/column

int SetTableCellVal(int panel, int control, UiPoint cell, int value);
int GetTableCellVal(int panel, int control, UiPoint cell, int *value);
int GetActiveTableCell(int panel, int control, UiPoint *cell);
int SetActiveTableCell(int panel, int control, UiPoint cell);
int SetTableSelection(int panel, int control, UiRect range);
int GetTableSelection(int panel, int control, UiRect *range);
// Cell range as signed 16-bit values in the given order.
int GetTableCellRangeVals(int panel, int control, UiRect range, short *values, int order);
int SetTableCellRangeVals(int panel, int control, UiRect range, const short *values, int order);
int GetNumTableRows(int panel, int control, int *rows);
// Built-in context-menu items of a table that can be hidden.
enum UiTableMenuItem { VAL_SORT = 1, VAL_GOTO, VAL_SEARCH, VAL_EXPAND, VAL_CHART };
int HideBuiltInCtrlMenuItem(int panel, int control, int item);
// ATTR_LABEL_TEXT of column `column` (from 1): the text of its header.
int SetTableColumnAttribute(int panel, int control, int column, int attribute, const char *value);
int GetTableColumnAttribute(int panel, int control, int column, int attribute, char *value, int size);

// ---------------------------------------------------------------------------
// Pop-ups (all modal). A test installs a responder (ui/popup_responder.h) that
// answers them instead of the operator.
int MessagePopup(const char *title, const char *message);
int ConfirmPopup(const char *title, const char *message); // 1 yes, 0 no
// Up to three buttons (null or empty for none); returns 1, 2 or 3. defaultButton has
// the focus; enterButton and escapeButton answer Enter and Escape.
int GenericMessagePopup(const char *title, const char *message, const char *button1, const char *button2,
                        const char *button3, int defaultButton, int enterButton, int escapeButton);

constexpr int VAL_NO_FILE_SELECTED = 0;
constexpr int VAL_EXISTING_FILE_SELECTED = 1;
constexpr int VAL_NEW_FILE_SELECTED = 2;
enum UiFileButton { VAL_LOAD_BUTTON = 1, VAL_SAVE_BUTTON, VAL_SELECT_BUTTON };
// Returns VAL_NO_FILE_SELECTED, VAL_EXISTING_FILE_SELECTED, VAL_NEW_FILE_SELECTED or
// a negative error; the chosen path goes to pathOut (MAX_PATHNAME_LEN bytes).
int FileSelectPopup(const char *defaultDirectory, const char *defaultFileName, const char *fileTypeList,
                    const char *title, int buttonType, int restrictDirectory, int restrictExtension,
                    int allowCancel, int allowMakeDirectory, char *pathOut);

// ---------------------------------------------------------------------------
// Handles that do not resolve. Every function that takes a panel or control handle
// returns UIE_INVALID_PANEL or UIE_INVALID_CONTROL when the handle names nothing; the
// error hook, when one is installed, is called at that moment too, so that such a
// mistake is seen even where a caller ignores the return code. control is 0 for a
// panel that does not resolve. No hook is installed at start.
typedef void (*UiErrorHook)(int error, int panel, int control);
void SetUiErrorHook(UiErrorHook hook);

// ---------------------------------------------------------------------------
// Event loop
int RunUserInterface(void); // dispatches events until QuitUserInterface; returns its code
int QuitUserInterface(int code);
// True from QuitUserInterface until the event loop has ended. Meanwhile no pop-up
// opens (each is answered as its Escape key would answer it) and wait loops return,
// so that a close request is never held up.
bool QuitRequested(void);
int ProcessSystemEvents(void); // dispatches pending events, then returns
// Dispatches events, sleeping until the next event arrives or maxSeconds pass. Wait
// loops call it instead of ProcessSystemEvents so that they never spin a core.
int WaitSystemEvents(double maxSeconds);
int SetWaitCursor(int on);
double Timer(void);                 // seconds, monotonic, from an arbitrary start
int GetProjectDir(char *directory); // directory of the executable, MAX_PATHNAME_LEN bytes
