// ResetProcessState brings every process-global record back to its start state, so
// that two programs in one process (the test fixtures) share nothing.
#include "app/app_state.h"
#include "app/long_operation.h"
#include "app/status_box.h"
#include "convtable/conv_table.h"
#include "link/link_channel.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "live/graph_panel.h"
#include "live/live_state.h"
#include "params/parameter_set.h"
#include "recorder/recorder_state.h"
#include "scope/scope.h"
#include "shell/process_state.h"
#include "support/ui_errors.h"
#include "ui/userint.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

struct PlainRecord {
    const char *name;
    void *address;
    size_t size;
};

// The plain records, compared byte for byte with their state after a reset.
const PlainRecord kPlainRecords[] = {
    {"g_app", &g_app, sizeof g_app},       {"g_loops", &g_loops, sizeof g_loops},
    {"g_link", &g_link, sizeof g_link},    {"ParameterSet", &ParameterSet, sizeof ParameterSet},
    {"g_live", &g_live, sizeof g_live},    {"g_recorder", &g_recorder, sizeof g_recorder},
    {"g_scope", &g_scope, sizeof g_scope}, {"g_conv", &g_conv, sizeof g_conv},
};

int g_strayCalls = 0;

void CountStraySend(const unsigned char *, int)
{
    ++g_strayCalls;
}
int CountStrayCollect(void)
{
    ++g_strayCalls;
    return 0;
}
bool CountStrayWait(double)
{
    ++g_strayCalls;
    return true;
}
double CountStrayClock(void)
{
    ++g_strayCalls;
    return 0.0;
}
void CountStrayFailure(const TextPair &)
{
    ++g_strayCalls;
}
void CountStrayReport(const char *)
{
    ++g_strayCalls;
}

void DirtyEveryRecord()
{
    for (const PlainRecord &record : kPlainRecords)
        std::memset(record.address, 0x5A, record.size);
    InstallLinkChannel(
        LinkChannel{CountStraySend, CountStrayCollect, CountStrayWait, CountStrayClock, CountStrayFailure});
    InstallLinkReports(LinkReports{CountStrayReport});
    SetStatusTextSink(CountStrayReport);
    AppendPanelGraphData();
    QuitUserInterface(0);
}

} // namespace

TEST(ProcessState, AResetBringsEveryRecordBackToItsStartState)
{
    ResetProcessState();
    std::vector<std::string> startStates;
    for (const PlainRecord &record : kPlainRecords)
        startStates.emplace_back(static_cast<const char *>(record.address), record.size);
    EXPECT_EQ(g_recorder.interval, 1.0) << "the recorder starts with a 1 s interval";

    DirtyEveryRecord();
    ResetProcessState();

    for (size_t i = 0; i < sizeof kPlainRecords / sizeof kPlainRecords[0]; ++i)
        EXPECT_EQ(std::memcmp(kPlainRecords[i].address, startStates[i].data(), kPlainRecords[i].size), 0)
            << kPlainRecords[i].name << " is not back to its start state";
    EXPECT_EQ(GraphPanelSampleCount(), 0u) << "graph panel samples";
    EXPECT_FALSE(QuitRequested()) << "quit request";

    // No transport and quiet reports: an exchange goes nowhere and its failure reaches
    // neither the old channel nor the old reporter.
    g_strayCalls = 0;
    const LinkChannel &channel = CurrentLinkChannel();
    channel.send(nullptr, 0);
    channel.collect();
    ReportExchangeFailure(TextPair{"a", "a"});
    ReportLinkFailureText("lost");
    {
        // The status text goes back to the box, which has no panel after the reset.
        ExpectUiErrors noPanels;
        AppendStatusText("lost");
    }
    EXPECT_EQ(g_strayCalls, 0) << "the link channel, its reports or the status sink survived the reset";
    ResetProcessState();
}
