#include "support/ui_errors.h"

#include "ui/userint.h"

#include <cxxabi.h>
#include <execinfo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

namespace
{

ExpectUiErrors *g_expected = nullptr;

// "binary(mangled+0x12) [0x...]" to the readable function name, when there is one.
std::string FrameName(const char *symbol)
{
    std::string text(symbol);
    size_t open = text.find('(');
    size_t plus = text.find('+', open);
    if (open == std::string::npos || plus == std::string::npos || plus == open + 1)
        return text;
    std::string mangled = text.substr(open + 1, plus - open - 1);
    int status = 0;
    char *demangled = abi::__cxa_demangle(mangled.c_str(), nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : mangled;
    std::free(demangled);
    return name;
}

// The frames above the runtime's lookup: where the bad handle came from.
std::string CallingFrames()
{
    void *frames[16];
    int count = backtrace(frames, 16);
    char **symbols = backtrace_symbols(frames, count);
    std::ostringstream text;
    for (int i = 3; symbols && i < count; ++i)
        text << "\n    " << FrameName(symbols[i]);
    std::free(symbols);
    return text.str();
}

} // namespace

void ReportUiError(int error, int panel, int control)
{
    if (g_expected) {
        g_expected->errors_.push_back(UiError{error, panel, control});
        return;
    }
    ADD_FAILURE() << "UI call with a handle that does not resolve: panel " << panel << ", control " << control
                  << " (error " << error << "), called from:" << CallingFrames();
}

void InstallFailingUiErrorHook()
{
    SetUiErrorHook(ReportUiError);
}

ExpectUiErrors::ExpectUiErrors() : outer_(g_expected)
{
    g_expected = this;
}

ExpectUiErrors::~ExpectUiErrors()
{
    g_expected = outer_;
}
