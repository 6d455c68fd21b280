#pragma once
// The conversion table: 64 support points (actual value, set value) on the table
// control of the conversion table page, and the 4096-point conversion curve that a
// calculation makes of them. Rows and columns count from 1 as on the control.

constexpr int kConvRows = 64;
constexpr int kConvColumns = 2;
constexpr int kConvCells = kConvRows * kConvColumns;
constexpr int kConvColumnActual = 1;
constexpr int kConvColumnSet = 2;
constexpr int kConvMaxActual = 4095;
constexpr int kConvCurvePoints = kConvMaxActual + 1;
constexpr int kConvDisabled = -1;
constexpr int kConvResetTopSetValue = 10000;

struct ConvTableState {
    double curve[kConvCurvePoints]; // index: actual value; zero until the first calculation
    short dataValid;                // 1 after a successful calculation, 0 after a failed one
    // The cells as last accepted, so that a refused typed value can be put back.
    short accepted[kConvCells];
};

extern ConvTableState g_conv;

// Back to the state before start-up: a zero curve, no valid data.
void ResetConvTableState(void);

// Rows 1 and 64 keep the actual values 0 and 4095, so that the curve always covers
// every actual value.
void ResetConvTable(void);
void CalcConvData(void);

// The 128 cells row by row (row 1 actual, row 1 set, row 2 actual, ...).
void ReadConvTableCells(short cells[kConvCells]);
// Writes the cells with the actual values of rows 1 and 64 fixed at 0 and 4095.
void WriteConvTableCells(const short cells[kConvCells]);
// After a table was loaded from a file or read from the sensor (its cells as they
// came, before WriteConvTableCells fixed rows 1 and 64): one message naming the rows
// whose actual value lies above 4095, which the calculation cannot use (they stay in
// the table as they are), and row 1's or row 64's actual value where it was put to 0
// or 4095. Nothing is shown when there is nothing to say.
void TellLoadedActualValues(const short cells[kConvCells]);
// A typed cell is checked: an actual value outside 0..4095 (other than -1, which
// disables the row) or a change of row 1's or row 64's actual value is put back.
void CheckTypedConvCell(int row, int column);
// ASSIGN: the live Sig that the page shows into the active cell of column 1, rows 2 to 63.
void AssignLiveSignal(void);
// Shows the Sig of the latest live frame on the conversion table page; the live loop
// calls it for every frame it takes.
void ShowConvLiveSignal(void);
