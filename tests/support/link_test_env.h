#pragma once
// The real program with its panels, connected at start-up to a scripted sensor or to
// chromix-sim, and what the link tests look at: the status text box, the sensor
// display, the active page and the dimmed state of controls.

#include "raw_sensor.h"
#include "support/program_test.h"
#include "support/sim_process.h"

#include <string>

class LinkProgramTest : public ProgramTest
{
  protected:
    // Starts the program against a fresh raw sensor over TCP loopback.
    void StartWithRawSensorOverTcp();
    // Starts the program against a fresh raw sensor behind ports/COM<comPort>.
    void StartWithRawSensorOverPty(int comPort);

    static std::string Status();
    static void ClearStatus();
    static std::string SensorDisplay();
    static int ActiveMainPage();
    static int ConnectionPage();
    // The three buttons that only a good connection check undims.
    static bool ConnectionButtonsDimmed();

    // Every consequence of a link failure with this failure text (English).
    static void ExpectLinkFailure(const std::string &text);

    // One request without data through FillTxBuf and DataExchange.
    static int Exchange(int command, unsigned parameter = 0);

    RawSensor sensor;
};

// The program connected at start-up to chromix-sim over TCP loopback, the status box
// emptied.
class SimTcpProgramTest : public LinkProgramTest
{
  protected:
    void SetUp() override;
    // Shows the offset compensation page, which the password normally unlocks.
    static void ShowOffsetPage();

    SimProcess sim;
};

// Monotonic wall-clock seconds, and the CPU seconds of the calling thread.
double WallSeconds();
double ThreadCpuSeconds();

extern const char *const kTimeoutText;
extern const char *const kBadHeaderText;
extern const char *const kBadDataText;
extern const char *const kCouldNotConnectText;
