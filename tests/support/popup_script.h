#pragma once
// Scripted answers to the UI runtime's pop-ups. Every test program starts with the
// default responder, which answers like an operator pressing Enter on the default
// choice (the default button of a message, yes to a question, no file, a cancelled
// print dialog) and records every pop-up, so that no test ever blocks on a dialog. A PopupScript replaces it
// for its lifetime: queued answers first, the default answers once they run out.

#include "ui/popup_responder.h"

#include <deque>
#include <string>
#include <vector>

// The answer of the default responder.
PopupAnswer DefaultPopupAnswer(const PopupRequest &request);
// Installs the default responder (test_main.cpp does it before the first test).
void InstallDefaultPopupResponder();
// Every pop-up shown since the log was last cleared, oldest first.
const std::vector<PopupRequest> &PopupLog();
void ClearPopupLog();

class PopupScript
{
  public:
    PopupScript();
    ~PopupScript();
    PopupScript(const PopupScript &) = delete;
    PopupScript &operator=(const PopupScript &) = delete;

    // Queues the answer to the next pop-up not yet answered.
    PopupScript &Answer(int result);
    PopupScript &AnswerFile(int result, const std::string &path);

    // The pop-ups this script answered, oldest first.
    const std::vector<PopupRequest> &Requests() const { return requests_; }
    int Count() const { return static_cast<int>(requests_.size()); }
    // The last pop-up (an empty request when none was shown).
    PopupRequest Last() const;
    // Whether a pop-up of the kind with exactly this message was shown.
    bool Shown(int kind, const std::string &message) const;
    // Answers still queued.
    int Pending() const { return static_cast<int>(answers_.size()); }

  private:
    PopupAnswer Respond(const PopupRequest &request);

    std::deque<PopupAnswer> answers_;
    std::vector<PopupRequest> requests_;
};
