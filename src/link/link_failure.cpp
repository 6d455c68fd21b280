// The one way a failure leaves the link.
#include "link/link_failure.h"

#include "link/link_state.h"
#include "platform/paths.h"

namespace
{

void KeepQuiet(const char *) {}

const LinkReports kQuietReports = {KeepQuiet};

LinkReports g_reports = kQuietReports;

} // namespace

void InstallLinkReports(const LinkReports &reports)
{
    g_reports = reports;
}

void ResetLinkReports(void)
{
    g_reports = kQuietReports;
}

void ReportLinkFailure(const TextPair &text)
{
    ReportLinkFailureText(Tr(text));
}

void ReportLinkFailureText(const char *text)
{
    StringCopyBounded(g_link.message, text, kMessageLength);
    g_link.sensorConnected = 0;
    g_reports.failed(g_link.message);
}
