// The manual page that the build makes (build/packaging/chromix-scope.1) keeps up with
// the program: every option that --help names and the text --version prints.
#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <set>
#include <string>

namespace
{

std::string ProgramOutput(const char *argument)
{
    std::string command = "'" + std::string(CHROMIX_BIN_DIR) + "/chromix-scope' " + argument;
    std::string output;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

// Words of the text that begin with one or two dashes and a letter ("--help", "-style").
std::set<std::string> OptionsIn(const std::string &text)
{
    std::set<std::string> options;
    for (size_t i = 0; i < text.size(); ++i) {
        bool wordStart =
            i == 0 || !(std::isalnum(static_cast<unsigned char>(text[i - 1])) || text[i - 1] == '-');
        if (text[i] != '-' || !wordStart)
            continue;
        size_t end = i;
        while (end < text.size() && (text[end] == '-' || std::isalnum(static_cast<unsigned char>(text[end]))))
            ++end;
        std::string word = text.substr(i, end - i);
        if (word.find_first_not_of('-') != std::string::npos)
            options.insert(word);
        i = end;
    }
    return options;
}

// The page's text with troff's escaped minus signs ("\-") as plain dashes.
std::string PageText()
{
    std::string page = ReadWholeFile(std::string(CHROMIX_BIN_DIR) + "/../packaging/chromix-scope.1");
    for (size_t at; (at = page.find("\\-")) != std::string::npos;)
        page.erase(at, 1);
    return page;
}

} // namespace

TEST(ManualPage, NamesEveryOptionOfTheHelpAndTheVersion)
{
    std::string page = PageText();
    ASSERT_FALSE(page.empty());
    std::set<std::string> options = OptionsIn(ProgramOutput("--help"));
    EXPECT_GE(options.size(), 8u);
    for (const std::string &option : options)
        EXPECT_NE(page.find(option), std::string::npos) << option;
    std::string version = ProgramOutput("--version");
    ASSERT_FALSE(version.empty());
    EXPECT_NE(page.find(version.substr(0, version.find('\n'))), std::string::npos) << version;
}
