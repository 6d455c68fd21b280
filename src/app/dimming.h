#pragma once
// Which controls need the sensor, and how they are dimmed. Each page declares its
// controls' dimming roles in one table beside its control definitions; the panel
// resource hands the tables over at start-up, and the functions below apply them,
// so that no feature needs to know another page's buttons.

// The roles of a control; a control may have several.
enum DimRole : unsigned {
    // Dimmed and undimmed with every SetButtonsDimmed: the control starts an exchange
    // or a long operation (GO, SCAN, START, the offset and EEPROM buttons, CONNECT).
    DIM_NEEDS_LINK = 1u << 0,
    // Dimmed and undimmed only with DIM_ALL_GROUPS: the memory selectors, SEND and GET,
    // which live polling serves between two frames.
    DIM_TRANSFER = 1u << 1,
    // Dimmed with every SetButtonsDimmed, undimmed only by a good connection check
    // (SetConnectionButtonsDimmed): CHANGE BAUDRATE and HARDWARE INFO.
    DIM_UNTIL_CHECKED = 1u << 2,
    // Follows SetConnectionButtonsDimmed: ACCEPT, CHANGE BAUDRATE and HARDWARE INFO.
    DIM_CONNECTION_CHECK = 1u << 3,
    // Usable again when the program goes offline: CONNECT, BAUDRATE, SEND and GET.
    DIM_OFFLINE_USABLE = 1u << 4,
};

// Where a table's controls are: a page of the main tab control, or a panel.
enum DimPlace {
    DIM_MAIN_PANEL = -1,
    DIM_CONVERSION_PANEL = -2,
    // 0..MAIN_TAB_PAGE_COUNT-1: that page of the main tab control
};

struct DimEntry {
    int control;
    unsigned roles;
};

struct DimTable {
    int place; // a DimPlace or a main tab page
    const DimEntry *entries;
    int count;
};

// SetButtonsDimmed scope: all groups, or all but the memory selectors and SEND/GET.
constexpr int DIM_ALL_GROUPS = 0;
constexpr int DIM_KEEP_TRANSFER = 1;

// Takes the pages' tables (the panel resource calls it before the panels load).
void UseDimTables(const DimTable *tables, int count);

// Dims (1) or undims (0) every control that needs the link; DIM_KEEP_TRANSFER leaves
// the memory selectors, SEND and GET as they are. Undimming leaves CHANGE BAUDRATE and
// HARDWARE INFO dimmed: only a good connection check brings them back. While a long
// operation is active nothing is undimmed: the loop's own end undims, once it has
// really returned.
void SetButtonsDimmed(int scope, int dim);
// Runs one operation with the sensor (a transfer, a read, a download) with every
// control that needs the link dimmed, and undims them afterwards.
void RunDimmed(void (*operation)(void));
// Dims (1) or undims (0) ACCEPT, CHANGE BAUDRATE and HARDWARE INFO.
void SetConnectionButtonsDimmed(int dim);
// Offline: SEND and GET work on parameter files, and a new connection can be tried.
void UndimOfflineControls(void);
