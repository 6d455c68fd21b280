#pragma once
// The real program, started offline (its start-up connection to TCP port 1 fails and
// the Close/Offline question is answered with Offline), with every pop-up answered by
// a script and recorded, and the few helpers the parameter tests share.

#include "support/program_test.h"

class ParamProgramTest : public ProgramTest
{
  protected:
    void SetUp() override;

    // Panels of the two parameter pages and of the data panel's evaluation page.
    static int Page1();
    static int Page2();
    static int EvaluationPage();

    static bool Parameters2PageVisible();
};
