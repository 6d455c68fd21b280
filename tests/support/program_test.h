#pragma once
// The one fixture of the tests that run the real program with its panels: a fresh
// program directory, the start (each subclass chooses how the program starts), what
// every such test reads and does on the panels, the pop-up answers, and a clean stop.

#include "support/popup_script.h"
#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ProgramTest : public ::testing::Test
{
  public:
    // A control's value, dimmed and visible state; a failed read fails the test.
    static int Value(int panel, int control);
    static double DoubleValue(int panel, int control);
    static std::string TextValue(int panel, int control);
    static bool Dimmed(int panel, int control);
    static bool Visible(int panel, int control);

    // A control takes a value and is committed through the runtime's event dispatch,
    // so the callback that the panel resource binds to it runs.
    static void Commit(int panel, int control, int value);
    static void Press(int panel, int control);

  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program with its panel settings file as given (none when empty).
    void StartWithSettings(const std::string &settings);
    // Starts with settings whose start-up connection fails and answers the
    // Close/Offline question with Offline; the pop-ups of the start are forgotten.
    void StartOffline(const std::string &settings = TcpSettingsFile(1));

    // Forgets the pop-ups shown so far and any answers still queued; from here on
    // every pop-up is answered by `script` and recorded.
    void ResetPopups();
    // Queues the answer to the next pop-up (1 yes, 0 no for a question).
    void Answer(int result);
    // Queues the file dialog's answer: this path, or a cancel for an empty one.
    void ChooseFile(const std::string &path);

    // Texts of the message pop-ups and of the questions shown, and the file dialogs,
    // since the last ResetPopups.
    std::vector<std::string> Messages() const;
    std::vector<std::string> Questions() const;
    std::vector<PopupRequest> FileDialogs() const;
    PopupRequest LastPopup() const;
    int PopupCount() const;

    std::string dir;
    std::unique_ptr<PopupScript> script;
    bool started = false;
};
