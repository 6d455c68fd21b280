#pragma once
// The UI runtime's error hook in the test programs: a panel or control handle that
// does not resolve fails the running test, with the handles and the calling frames.
// A test that passes bad handles on purpose keeps an ExpectUiErrors alive while it
// does; the errors are then counted instead.

#include <vector>

struct UiError {
    int error;
    int panel;
    int control;
};

// Installs the failing hook (test_main.cpp does it before the first test).
void InstallFailingUiErrorHook();

class ExpectUiErrors
{
  public:
    ExpectUiErrors();
    ~ExpectUiErrors();
    ExpectUiErrors(const ExpectUiErrors &) = delete;
    ExpectUiErrors &operator=(const ExpectUiErrors &) = delete;

    // The errors reported while this object lives, oldest first.
    const std::vector<UiError> &Errors() const { return errors_; }
    int Count() const { return static_cast<int>(errors_.size()); }

  private:
    friend void ReportUiError(int error, int panel, int control);
    ExpectUiErrors *outer_;
    std::vector<UiError> errors_;
};
