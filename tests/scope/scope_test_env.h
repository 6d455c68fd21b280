#pragma once
// The real program connected to chromix-sim over TCP loopback or a pseudo-terminal,
// with the scope page in front and every pop-up answered by a script.

#include "support/popup_script.h"
#include "support/sim_process.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

enum class Transport { Tcp, Pty };

class ScopeProgramTest : public ::testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the simulator with these extra arguments and the program against it.
    void Start(Transport transport, const std::vector<std::string> &simArguments = {});
    // Ends the program and the simulator, so that a test may start them again.
    void Stop();

    static int ScopePage();
    static int ScopePanel();
    // Sets the four scan settings on the scope page.
    static void SetScanSettings(int level, int mode, int preTrigger, int scanRate);
    // Presses SCAN; `during` runs once from inside the scan's wait after `delayMs`.
    static void Scan(int delayMs = 0, void (*during)() = nullptr);
    static std::string Status();
    static int PlotCount(int graph);

    std::string dir;
    SimProcess sim;
    std::unique_ptr<PopupScript> script;
    bool started = false;
};

// Failure texts of a scope frame (English).
extern const char *const kScopeBadHeaderText;
extern const char *const kScopeBadDataText;
