#pragma once
// The real program, started offline (its start-up connection to TCP port 1 fails and
// the Close/Offline question is answered with Offline), with every pop-up answered by
// a script and recorded, and the few helpers the parameter tests share.

#include "support/popup_script.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ParamProgramTest : public ::testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;

    // Panels of the two parameter pages and of the data panel's evaluation page.
    static int Page1();
    static int Page2();
    static int EvaluationPage();

    static int Value(int panel, int control);
    static double DoubleValue(int panel, int control);
    static bool Dimmed(int panel, int control);
    static bool Visible(int panel, int control);
    static bool Parameters2PageVisible();

    // A control takes a value and is committed through the runtime's event dispatch,
    // so the callback that the panel resource binds to it runs.
    static void Commit(int panel, int control, int value);
    static void Press(int panel, int control);

    // Forgets the pop-ups shown so far and any answers still queued.
    void ResetPopups();
    // Queues the file dialog's answer: this path, or a cancel for an empty one.
    void ChooseFile(const std::string &path);
    // Queues the answer to the next pop-up (1 yes, 0 no for a question).
    void Answer(int result);

    // Texts of the message pop-ups and of the questions shown, and the file dialogs.
    std::vector<std::string> Messages() const;
    std::vector<std::string> Questions() const;
    std::vector<PopupRequest> FileDialogs() const;
    PopupRequest LastPopup() const;
    int PopupCount() const;

    std::string dir;
    std::unique_ptr<PopupScript> script;
};
