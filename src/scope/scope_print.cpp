// The scope report: title lines, the sensor identification, the comment and the
// scope panel's image, printed where the operator chooses in the print dialog. The
// panel's image goes through a temporary file that is removed whatever the outcome.
#include "app/app_state.h"
#include "scope/scope.h"
#include "scope/scope_texts.h"
#include "toolbox/panel_image.h"
#include "toolbox/report.h"
#include "ui/userint.h"

#include <cstdio>
#include <string>

namespace
{

constexpr int kCommentLength = 1024;
constexpr const char *kReportFont = "Arial";
constexpr const char *kReportProgramTitle = "CHROMIX1 Scope V3.1";

void AppendTitle(int report)
{
    SetReportFont(report, kReportFont, 20, 0, 0);
    AppendReportLine(report, Tr(kTxtReportTitle));
    SetReportFont(report, kReportFont, 10, 0, 0);
    AppendReportLine(report, kReportProgramTitle);
    if (g_app.sensorId[0] != '\0')
        AppendReportLine(report, (std::string(Tr(kTxtReportPanelId)) + g_app.sensorId).c_str());
    AppendReportEmptyLine(report);
}

void AppendComment(int report)
{
    char comment[kCommentLength + 1] = "";
    GetCtrlVal(g_app.mainPages[PAGE_SCOPE], TABSCOPE_COMMENT, comment, sizeof comment);
    if (comment[0] == '\0')
        return;
    AppendReportLine(report, Tr(kTxtReportComment));
    AppendReportLine(report, comment);
    AppendReportEmptyLine(report);
}

// The panel image goes into the report before the dialog, as the operator sees the
// panel now; the report keeps its own copy, so the file can go at once.
void AppendPanelImage(int report)
{
    char imagePath[MAX_PATHNAME_LEN] = "";
    if (SavePanelDisplayToTempFile(g_app.scopePanel, imagePath, sizeof imagePath) != 0)
        return;
    AppendReportImage(report, imagePath, "Panel");
    std::remove(imagePath);
}

void PrintOnChosenPrinter(int report)
{
    char printerName[MAX_PATHNAME_LEN] = "";
    char outputFile[MAX_PATHNAME_LEN] = "";
    if (SelectPrinter(printerName, outputFile, MAX_PATHNAME_LEN) != 1)
        return;
    int result = PrintReport(report, printerName, outputFile);
    MessagePopup(Tr(kTxtInfoTitle), Tr(result != 0 ? kTxtPrintError : kTxtPrintSuccessful));
}

} // namespace

void PrintScopeGraph(void)
{
    int report = NewReport();
    if (report < 0) {
        MessagePopup(Tr(kTxtInfoTitle), Tr(kTxtReportInitFailed));
        return;
    }
    SetReportPageHeader(report, kReportDateToken, kReportTimeToken, kReportPageToken);
    AppendTitle(report);
    AppendComment(report);
    AppendPanelImage(report);
    PrintOnChosenPrinter(report);
    DiscardReport(report);
}
