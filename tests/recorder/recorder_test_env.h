#pragma once
// The real program with its panels, connected at start-up to chromix-sim (TCP or a
// pseudo-terminal) or to a scripted sensor, every pop-up answered by a script, and what
// the recorder tests look at: the record file, the recorder page's displays.

#include "support/popup_script.h"
#include "support/raw_sensor.h"
#include "support/sim_process.h"

#include <gtest/gtest.h>

class QObject;

#include <memory>
#include <string>
#include <vector>

class RecorderTest : public ::testing::Test
{
  public:
    // The parent of the timers a test starts to act while the program's loop runs;
    // TearDown deletes those that have not fired.
    static QObject *PendingTimers();

  protected:
    void SetUp() override;
    void TearDown() override;

    void StartWithSim(const std::vector<std::string> &simArguments = {});
    void StartWithSimOverPty(const std::vector<std::string> &simArguments = {});
    void StartWithRawSensor(Responder responder);

    static int Page();
    static int IntValue(int control);
    static double DoubleValue(int control);
    static bool Visible(int control);
    // Sets the control's value and commits it through the runtime's event dispatch.
    static void Commit(int control, double value);
    static void Press(int control);
    static void PressOn(int panel, int control);
    // Presses the control once `frames` rows of an open-ended or triggered recording
    // are in, or after `seconds` at the latest.
    static void PressAfterFrames(int control, unsigned long long frames, double seconds = 10.0);

    // Takes one live frame from the sensor as live polling does.
    static void TakeLiveFrame();

    // SELECT FILE with the dialog answered by `path`, the question (if any) by `yes`.
    void SelectFile(const std::string &path, bool yes = true);
    std::string FileText() const;
    // The rows after the header, each without its CR LF.
    std::vector<std::string> Rows() const;
    std::vector<std::string> Messages() const;
    void ResetPopups();

    std::string dir;
    std::string recordFile;
    SimProcess sim;
    RawSensor sensor;
    std::unique_ptr<PopupScript> script;
    bool started = false;
};

// "\nRecord results of: CHROMIX1 Scope V3.1\r\n\r\nDATE\tTIME\tCH0\tTEMP\tSIG\r\n"
extern const char *const kEnglishHeader;
// Whether a row reads date MM-DD-YYYY, time HH:MM:SS and three signed integers.
bool RowIsWellFormed(const std::string &row);
// The CH0, TEMP and SIG of a row.
std::vector<int> RowValues(const std::string &row);
