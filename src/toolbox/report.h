#pragma once
// Printed reports: lines of text, empty lines and images with a caption, one after
// the other down the pages, under a page header; drawn with the system's printing to
// a printer or into a PDF file. Handles are positive; functions return 0 or a
// negative UI error code unless their comment says otherwise.

// Tokens of the page header fields.
constexpr const char *kReportDateToken = "<shortdate>";
constexpr const char *kReportTimeToken = "<time>";
constexpr const char *kReportPageToken = "<pagenofm>"; // "Page n of m"

int NewReport(void);
int DiscardReport(int report);
// Left, centre and right field of every page's header; each may hold the tokens.
int SetReportPageHeader(int report, const char *left, const char *center, const char *right);
// The font of the lines appended from now on.
int SetReportFont(int report, const char *family, int pointSize, int bold, int italic);
// Appends a line of text; line breaks in it start new lines, long lines wrap.
int AppendReportLine(int report, const char *text);
int AppendReportEmptyLine(int report);
// Reads the image file now, so the file may go before the report is printed.
int AppendReportImage(int report, const char *imagePath, const char *caption);

// The system's print dialog (or the UI runtime's pop-up responder in its place).
// Returns 1 when the operator chose to print: outputFile then names the PDF file to
// print into, or is empty and printerName names the printer; 0 when the dialog was
// cancelled or the program is closing. Buffers of `size` bytes.
int SelectPrinter(char *printerName, char *outputFile, int size);
// Prints the report into the PDF file when outputFile is not empty, else on the named
// printer (empty: the system's default printer). 0 on success.
int PrintReport(int report, const char *printerName, const char *outputFile);
