#include "panels/panel_resource.h"
#include "support/popup_script.h"
#include "support/ui_errors.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a real QApplication on the offscreen platform, so GUI
// tests create real widgets without a display. Pop-ups are answered by the default
// responder unless a test scripts them, so no test ever waits for an operator. A UI
// call with a panel or control handle that does not resolve fails the test.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallDefaultPopupResponder();
    InstallFailingUiErrorHook();
    UseProgramPanelResource();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
