#include "recorder_test_env.h"

#include "app/app_state.h"
#include "link/exchange.h"
#include "link/frame.h"
#include "link/link_state.h"
#include "live/live_state.h"
#include "recorder/recorder_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QTimer>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <sstream>

const char *const kEnglishHeader =
    "\nRecord results of: CHROMIX1 Scope V3.1\r\n\r\nDATE\tTIME\tCH0\tTEMP\tSIG\r\n";

namespace
{

// Whether text has the shape, where each '9' of the shape stands for one digit.
bool HasDigitShape(const std::string &text, const std::string &shape)
{
    if (text.size() != shape.size())
        return false;
    for (size_t i = 0; i < shape.size(); ++i)
        if (shape[i] == '9' ? !std::isdigit(static_cast<unsigned char>(text[i])) : text[i] != shape[i])
            return false;
    return true;
}

bool IsInteger(const std::string &text)
{
    size_t digits = text.compare(0, 1, "-") == 0 ? 1 : 0;
    if (text.size() <= digits)
        return false;
    for (size_t i = digits; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    return true;
}

} // namespace

// DATE, TIME and three whole numbers, separated by tabs.
bool RowIsWellFormed(const std::string &row)
{
    std::vector<std::string> fields;
    std::istringstream in(row);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    if (row.empty() || row.back() == '\t' || fields.size() != 5)
        return false;
    return HasDigitShape(fields[0], "99-99-9999") && HasDigitShape(fields[1], "99:99:99") &&
           IsInteger(fields[2]) && IsInteger(fields[3]) && IsInteger(fields[4]);
}

std::vector<int> RowValues(const std::string &row)
{
    std::vector<int> values;
    std::istringstream fields(row);
    std::string field;
    for (int i = 0; std::getline(fields, field, '\t'); ++i)
        if (i >= 2)
            values.push_back(std::stoi(field));
    return values;
}

void RecorderTest::SetUp()
{
    dir = MakeTempProgramDir();
    ASSERT_FALSE(dir.empty());
    recordFile = dir + "/record.dat";
    script = std::make_unique<PopupScript>();
}

QObject *RecorderTest::PendingTimers()
{
    static QObject *const owner = new QObject();
    return owner;
}

void RecorderTest::TearDown()
{
    for (QObject *timer : PendingTimers()->children())
        delete timer;
    script.reset();
    if (started)
        StopProgram();
    StopSim(sim);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void RecorderTest::StartWithSim(const std::vector<std::string> &simArguments)
{
    std::vector<std::string> arguments = {"--tcp", "0"};
    arguments.insert(arguments.end(), simArguments.begin(), simArguments.end());
    ASSERT_TRUE(StartSim(sim, arguments));
    ASSERT_EQ(StartProgramInDir(dir, TcpSettingsFile(sim.tcpPort)), 0);
    started = true;
    ASSERT_EQ(g_link.sensorConnected, 1);
    ResetPopups();
}

void RecorderTest::StartWithSimOverPty(const std::vector<std::string> &simArguments)
{
    std::vector<std::string> arguments = {"--pty", dir + "/ports/COM1"};
    arguments.insert(arguments.end(), simArguments.begin(), simArguments.end());
    ASSERT_TRUE(StartSim(sim, arguments));
    ASSERT_EQ(StartProgramInDir(dir, SerialSettingsFile(1)), 0);
    started = true;
    ASSERT_EQ(g_link.sensorConnected, 1);
    ResetPopups();
}

void RecorderTest::StartWithRawSensor(Responder responder)
{
    sensor.SetResponder(responder);
    ASSERT_TRUE(sensor.ListenTcp());
    ASSERT_EQ(StartProgramInDir(dir, TcpSettingsFile(sensor.Port())), 0);
    started = true;
    ASSERT_EQ(g_link.sensorConnected, 1);
    sensor.ClearRequests();
    ResetPopups();
}

int RecorderTest::Page()
{
    return g_app.mainPages[PAGE_RECORDER];
}

int RecorderTest::IntValue(int control)
{
    int value = -1;
    GetCtrlVal(Page(), control, &value);
    return value;
}

double RecorderTest::DoubleValue(int control)
{
    double value = -1.0;
    GetCtrlVal(Page(), control, &value);
    return value;
}

bool RecorderTest::Visible(int control)
{
    int visible = -1;
    GetCtrlAttribute(Page(), control, ATTR_VISIBLE, &visible);
    return visible == 1;
}

void RecorderTest::Commit(int control, double value)
{
    if (control == TABREC_INTERVAL)
        SetCtrlVal(Page(), control, value);
    else
        SetCtrlVal(Page(), control, (int)value);
    DispatchCtrlEvent(Page(), control, EVENT_COMMIT, 0, 0);
}

void RecorderTest::Press(int control)
{
    DispatchCtrlEvent(Page(), control, EVENT_COMMIT, 0, 0);
}

void RecorderTest::PressOn(int panel, int control)
{
    DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
}

void RecorderTest::PressAfterFrames(int control, unsigned long long frames, double seconds)
{
    auto *timer = new QTimer(PendingTimers());
    double start = Timer();
    QObject::connect(timer, &QTimer::timeout, [timer, control, frames, seconds, start]() {
        if (g_recorder.frameCounter < frames && Timer() - start < seconds)
            return;
        timer->stop();
        timer->deleteLater();
        Press(control);
    });
    timer->start(5);
}

void RecorderTest::TakeLiveFrame()
{
    FillTxBuf(ORDER_READ_DATA_FRAME, 0, 0);
    ASSERT_EQ(DataExchange(kFrameHeaderSize), LINK_OK);
    ASSERT_GE(g_link.replyLength, kLiveFrameBytes);
    std::memcpy(&g_live.frame, ReplyData(), sizeof g_live.frame);
}

void RecorderTest::SelectFile(const std::string &path, bool yes)
{
    bool exists = std::filesystem::exists(path);
    script->AnswerFile(exists ? VAL_EXISTING_FILE_SELECTED : VAL_NEW_FILE_SELECTED, path);
    if (exists)
        script->Answer(yes ? 1 : 0);
    DispatchCtrlEvent(Page(), TABREC_SELFILE, EVENT_COMMIT, 0, 0);
}

std::string RecorderTest::FileText() const
{
    return ReadWholeFile(recordFile);
}

std::vector<std::string> RecorderTest::Rows() const
{
    std::string text = FileText();
    std::vector<std::string> rows;
    size_t start = text.find("SIG\r\n");
    if (start == std::string::npos)
        return rows;
    start += 5;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        rows.push_back(text.substr(start, end - start));
    if (start < text.size())
        rows.push_back(text.substr(start)); // a fragment without its line end
    return rows;
}

std::vector<std::string> RecorderTest::Messages() const
{
    std::vector<std::string> texts;
    for (const PopupRequest &popup : script->Requests())
        if (popup.kind == POPUP_MESSAGE)
            texts.push_back(popup.message);
    return texts;
}

void RecorderTest::ResetPopups()
{
    script.reset();
    script = std::make_unique<PopupScript>();
}
