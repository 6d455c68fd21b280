// The scope report printed into a PDF file chosen in the print dialog (answered by the
// pop-up script): its lines in order, the page header and the panel image, read back
// with pdftotext and pdfimages; no temporary image left behind whatever the outcome.
#include "scope_test_env.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <QDate>
#include <QDir>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace
{

std::string CommandOutput(const std::string &command)
{
    std::string output;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

int TemporaryImages(const std::string &directory)
{
    return (int)QDir(QString::fromStdString(directory)).entryList({"chromix-panel-*"}, QDir::Files).size();
}

std::vector<std::string> MessagesOf(const PopupScript &script)
{
    std::vector<std::string> messages;
    for (const PopupRequest &request : script.Requests())
        if (request.kind == POPUP_MESSAGE)
            messages.push_back(request.message);
    return messages;
}

int PrintDialogs(const PopupScript &script)
{
    int count = 0;
    for (const PopupRequest &request : script.Requests())
        count += request.kind == POPUP_PRINT;
    return count;
}

} // namespace

class ScopePrintTest : public ScopeProgramTest
{
  protected:
    // The test's own directory is the system's temporary directory meanwhile, so that
    // other tests running beside it do not disturb the count of panel images.
    void Print(int answer, const std::string &pdf)
    {
        // The old script goes first: its end restores the default responder.
        script.reset();
        script = std::make_unique<PopupScript>();
        script->AnswerFile(answer, pdf);
        const char *previous = std::getenv("TMPDIR");
        std::string saved = previous ? previous : "";
        setenv("TMPDIR", dir.c_str(), 1);
        bool clicked = ClickButton(ScopePage(), TABSCOPE_PRINT);
        int images = TemporaryImages(dir);
        if (previous)
            setenv("TMPDIR", saved.c_str(), 1);
        else
            unsetenv("TMPDIR");
        ASSERT_TRUE(clicked);
        EXPECT_EQ(PrintDialogs(*script), 1);
        EXPECT_EQ(images, 0) << "temporary panel image left behind";
    }
};

TEST_F(ScopePrintTest, ReportHoldsItsLinesInOrderThePageHeaderAndThePanelImage)
{
    struct ReportCase {
        int language;
        const char *comment;
        const char *sensorId;
        std::vector<std::string> lines; // in this order
        std::vector<std::string> absent;
        const char *success;
    };
    const ReportCase cases[] = {
        {1,
         "",
         "",
         {"Page 1 of 1", "Scope Screen Shot", "CHROMIX1 Scope V3.1", "Panel"},
         {"Panel ID", "Comment:"},
         "Print successful!"},
        {1,
         "one line\nsecond line",
         "SENSOR-7",
         {"Scope Screen Shot", "CHROMIX1 Scope V3.1", "Panel ID: SENSOR-7", "Comment:", "one line",
          "second line", "Panel"},
         {},
         "Print successful!"},
        {0,
         "Notiz",
         "S9",
         {"Screenshot des Scope-Bildschirms.", "Fenster ID:S9", "Kommentar:", "Notiz", "Panel"},
         {"Comment:"},
         "Ausdruck erfolgreich!"},
    };
    Start(Transport::Tcp, {"--scope-ring", "0"});
    SetScanSettings(2000, 0, 0, 1);
    Scan();
    int n = 0;
    for (const ReportCase &c : cases) {
        SCOPED_TRACE(c.sensorId);
        g_app.language = c.language;
        std::snprintf(g_app.sensorId, sizeof g_app.sensorId, "%s", c.sensorId);
        ResetTextBox(ScopePage(), TABSCOPE_COMMENT, c.comment);
        std::string pdf = dir + "/report" + std::to_string(n++) + ".pdf";
        Print(1, pdf);
        EXPECT_EQ(MessagesOf(*script), std::vector<std::string>{c.success});
        std::string text = CommandOutput("pdftotext -layout '" + pdf + "' -");
        size_t at = 0;
        for (const std::string &line : c.lines) {
            size_t found = text.find(line, at);
            EXPECT_NE(found, std::string::npos) << "\"" << line << "\" missing or out of order in:\n" << text;
            if (found != std::string::npos)
                at = found + line.size();
        }
        for (const std::string &line : c.absent)
            EXPECT_EQ(text.find(line), std::string::npos) << line;
        std::string date =
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
        EXPECT_NE(text.find(date), std::string::npos) << "date " << date << " missing in:\n" << text;
        // pdfimages lists a header of two lines, then one line per image.
        std::string images = CommandOutput("pdfimages -list '" + pdf + "' | tail -n +3 | wc -l");
        EXPECT_EQ(std::stoi(images), 1);
    }
}

TEST_F(ScopePrintTest, CancelledDialogPrintsNothingAndAFailedPrintSaysSo)
{
    Start(Transport::Tcp);
    std::string pdf = dir + "/cancelled.pdf";
    Print(0, pdf);
    EXPECT_TRUE(MessagesOf(*script).empty());
    EXPECT_FALSE(std::filesystem::exists(pdf));

    Print(1, dir + "/no such directory/report.pdf");
    EXPECT_EQ(MessagesOf(*script), std::vector<std::string>{"Print error!"});
}
