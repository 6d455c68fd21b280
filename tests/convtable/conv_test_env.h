#pragma once
// The real program with the conversion table page and panel, started offline or
// connected over TCP to chromix-sim (whose EEPROM file a test reads back), with every
// pop-up answered by a script and recorded.

#include "support/popup_script.h"
#include "support/sim_process.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ConvProgramTest : public ::testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;

    // Offline: the start-up connection fails and Offline is chosen.
    void StartOffline();
    // Connected to a fresh simulator that keeps its EEPROM in a file of the test.
    void StartWithSim();

    static int Page();
    static void SetRow(int row, int actual, int set);
    static std::vector<short> Cells();
    // Commits a control through the runtime's event dispatch.
    static void Press(int panel, int control);
    static std::string Status();
    static bool Dimmed(int panel, int control);

    // Forgets the pop-ups shown so far and any answers still queued.
    void ResetPopups();
    void Answer(int result);
    // The file dialog's answer: this path, or a cancel for an empty one.
    void ChooseFile(const std::string &path);
    std::vector<std::string> Messages() const;
    std::vector<std::string> Questions() const;

    // The numbers of a key in the simulator's EEPROM file ("table", "data").
    std::vector<int> SimEeprom(const std::string &key) const;

    std::string dir;
    std::unique_ptr<PopupScript> script;
    SimProcess sim;
    bool started = false;
};

extern const char *const kRowInconsistentText;
extern const char *const kSavedText;
extern const char *const kNotSavedText;
extern const char *const kCanNotBeSavedText;
