#pragma once
// The real program, started offline in a scratch directory of its own: the start-up
// connection goes to a TCP port nobody listens on and the operator answers "Offline".

#include "support/program_test.h"

#include <string>

class OfflineProgram : public ProgramTest
{
  protected:
    void SetUp() override;

    std::string &dir_ = dir;
};

// Settings file text with the given items, written as the program writes them.
std::string SettingsWith(const std::string &generalItems, const std::string &otherSections);
// The connection page, the recorder page.
int ConnPageHandle();
int RecPageHandle();
int IntValue(int panel, int control);
std::string TextValue(int panel, int control);
int PanelInt(int panel, int attribute);
int CtrlInt(int panel, int control, int attribute);
