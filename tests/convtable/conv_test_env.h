#pragma once
// The real program with the conversion table page and panel, started offline or
// connected over TCP to chromix-sim (whose EEPROM file a test reads back), with every
// pop-up answered by a script and recorded from the start on.

#include "support/program_test.h"
#include "support/sim_process.h"

#include <string>
#include <vector>

class ConvProgramTest : public ProgramTest
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
    static std::string Status();

    // The numbers of a key in the simulator's EEPROM file ("table", "data").
    std::vector<int> SimEeprom(const std::string &key) const;

    SimProcess sim;
};

extern const char *const kRowInconsistentText;
extern const char *const kSavedText;
extern const char *const kNotSavedText;
extern const char *const kCanNotBeSavedText;
