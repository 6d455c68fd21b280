// RECONNECT AUTOMATICALLY against chromix-sim going away and coming back: recordings
// and live polling over TCP and over a pseudo-terminal go on after the outage with the
// record file checked row by row; STOP and the close box end the attempts; an adapter
// that comes back under another name is found by its identity; and with the option off
// an outage ends the work as it always did.
#include "recorder_test_env.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "connection/reconnect.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "live/live_state.h"
#include "platform/com_devices.h"
#include "recorder/recorder_state.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/ui_init.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace
{

int ConnectionPage()
{
    return g_app.mainPages[PAGE_CONNECTION];
}

std::string StatusText()
{
    std::string text(1 << 20, '\0');
    GetCtrlVal(ConnectionPage(), TABCONN_STATUS, text.data(), (int)text.size());
    return text.c_str();
}

// RECONNECT AUTOMATICALLY checked or unchecked as the operator does it.
void SetReconnectOption(int on)
{
    SetCtrlVal(ConnectionPage(), TABCONN_AUTORECONNECT, on);
    DispatchCtrlEvent(ConnectionPage(), TABCONN_AUTORECONNECT, EVENT_COMMIT, 0, 0);
}

int Dimmed(int panel, int control)
{
    int dimmed = -1;
    GetCtrlAttribute(panel, control, ATTR_DIMMED, &dimmed);
    return dimmed;
}

std::string SensorDisplay()
{
    char text[256] = "";
    GetCtrlVal(g_app.dataPanel, DATAP_SENSOR, text, (int)sizeof text);
    return text;
}

int SecondsOfDay(const std::string &row)
{
    // MM-DD-YYYY\tHH:MM:SS\t...
    return std::stoi(row.substr(11, 2)) * 3600 + std::stoi(row.substr(14, 2)) * 60 +
           std::stoi(row.substr(17, 2));
}

// Runs `action` once `condition` holds, testing it every 10 ms while the program's
// loop runs.
void WhenThen(std::function<bool()> condition, std::function<void()> action)
{
    auto *timer = new QTimer(RecorderTest::PendingTimers());
    QObject::connect(timer, &QTimer::timeout, [timer, condition, action]() {
        if (!condition())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start(10);
}

class ReconnectTest : public RecorderTest, public ::testing::WithParamInterface<bool>
{
  protected:
    bool OverPty() const { return GetParam(); }

    // Live frames of the known sequence: CH0 counts the frames the sensor built.
    void Start(std::vector<std::string> simArguments, bool reconnect = true)
    {
        simArguments.push_back("--live-sequence");
        if (OverPty())
            StartWithSimOverPty(simArguments);
        else
            StartWithSim(simArguments);
        SetReconnectOption(reconnect ? 1 : 0);
        SelectFile(recordFile);
    }

    // Every row whole; CH0, which the sensor counts up with each frame, rising without a
    // repeat; the time never going back; and the outage as one gap of at least
    // `gapSeconds` in the time column.
    void ExpectRowsInOrderWithOneGap(const std::vector<std::string> &rows, int gapSeconds)
    {
        int gaps = 0;
        for (size_t k = 0; k < rows.size(); ++k) {
            ASSERT_TRUE(RowIsWellFormed(rows[k])) << rows[k];
            if (k == 0)
                continue;
            EXPECT_GT(RowValues(rows[k])[0], RowValues(rows[k - 1])[0])
                << "row " << k << " repeats or goes back";
            int step = SecondsOfDay(rows[k]) - SecondsOfDay(rows[k - 1]);
            EXPECT_GE(step, 0) << rows[k];
            if (step >= gapSeconds)
                ++gaps;
        }
        EXPECT_EQ(gaps, 1) << "the outage shows as one gap";
    }
};

TEST_P(ReconnectTest, ACountedRecordingLivesThroughAThreeSecondOutage)
{
    Start({"--outage-after", "2", "--outage", "3"});
    Commit(TABREC_MODE, REC_MODE_COUNTED);
    Commit(TABREC_INTERVAL, 0.25);
    Commit(TABREC_VALUES, 24);
    Press(TABREC_START);

    // Every value of the count is in the file, once, with the outage between two rows.
    const std::vector<std::string> rows = Rows();
    ASSERT_EQ(rows.size(), 24u) << FileText();
    ExpectRowsInOrderWithOneGap(rows, 3);
    EXPECT_EQ(FileText().find("Record results of:", 10), std::string::npos) << "one header only";
    EXPECT_EQ(IntValue(TABREC_NOTWRITTEN), 0);
    EXPECT_EQ(g_reconnect.outages, 1);
    EXPECT_GE(g_reconnect.outageSeconds, 3.0);
    EXPECT_EQ(Messages().back().rfind("File has been saved! \nThe link was lost 1 times, ", 0), 0u)
        << Messages().back();

    const std::string status = StatusText();
    EXPECT_NE(status.find("Connection lost - reconnecting (attempt 1) ...\n"), std::string::npos) << status;
    EXPECT_NE(status.find("Connection back after "), std::string::npos) << status;
    EXPECT_EQ(g_link.sensorConnected, 1);
    EXPECT_FALSE(LoopActive(LOOP_LIVE));
}

TEST_P(ReconnectTest, ATriggeredRecordingStartsTheSensorSendingAgain)
{
    Start({"--outage-after", "1.5", "--outage", "3", "--push-rate", "20"});
    Commit(TABREC_MODE, REC_MODE_TRIGGERED);
    // Stopped once 40 frames came after the outage.
    WhenThen([] { return g_reconnect.outages == 1 && g_recorder.frameCounter >= 60; },
             [] { Press(TABREC_STOP); });
    Press(TABREC_STARTTRIG);

    const std::vector<std::string> rows = Rows();
    ASSERT_GE(rows.size(), 60u);
    EXPECT_EQ(rows.size(), g_recorder.frameCounter);
    ExpectRowsInOrderWithOneGap(rows, 3);
    EXPECT_EQ(Messages().back().rfind("File has been saved! \nThe link was lost 1 times, ", 0), 0u)
        << Messages().back();
}

// Live polling goes on by itself; STOP or the close box in the middle of the attempts
// ends them, and the window is left as after any failure of the link.
TEST_P(ReconnectTest, LivePollingGoesOnAndStopUncheckOrCloseEndTheAttempts)
{
    Start({"--outage-after", "1", "--outage", "3"});
    unsigned long long before = 0;
    std::vector<int> dimsAfterOutage;
    WhenThen(
        [&before] {
            if (g_reconnect.outages == 0)
                before = g_live.framesTaken;
            return g_reconnect.outages == 1 && g_live.framesTaken >= before + 20;
        },
        [&dimsAfterOutage] {
            // The loop's dims came through the outage unchanged.
            for (int control : {TABCONN_HWINFO, TABCONN_CHANGEBAUD, TABCONN_CONNECT})
                dimsAfterOutage.push_back(Dimmed(ConnectionPage(), control));
            DispatchCtrlEvent(g_app.mainPanel, MAINP_STOP, EVENT_COMMIT, 0, 0);
        });
    DispatchCtrlEvent(g_app.mainPanel, MAINP_GO, EVENT_COMMIT, 0, 0);
    EXPECT_EQ(dimsAfterOutage, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(g_reconnect.outages, 1);
    EXPECT_GE(g_live.framesTaken, before + 20);
    EXPECT_EQ(g_link.sensorConnected, 1);

    // Longer outages: the attempts end at STOP, when the option is unchecked, and at the
    // close box.
    struct Ending {
        const char *name;
        void (*act)();
    };
    const Ending endings[] = {
        {"STOP", [] { DispatchCtrlEvent(g_app.mainPanel, MAINP_STOP, EVENT_COMMIT, 0, 0); }},
        {"option unchecked", [] { SetReconnectOption(0); }},
        {"close box", [] { CBF_MAINP(g_app.mainPanel, EVENT_CLOSE, nullptr, 0, 0); }},
    };
    for (const Ending &ending : endings) {
        if (g_link.sensorConnected != 1) {
            ResetQuitRequest();
            ASSERT_TRUE(WaitForSimBack(sim, 10.0));
            DispatchCtrlEvent(ConnectionPage(), TABCONN_CONNECT, EVENT_COMMIT, 0, 0);
            ASSERT_EQ(g_link.sensorConnected, 1);
        }
        SetReconnectOption(1);
        ASSERT_TRUE(StartSimOutage(sim, 6));
        WhenThen([] { return g_reconnect.attempt >= 2; }, ending.act);
        DispatchCtrlEvent(g_app.mainPanel, MAINP_GO, EVENT_COMMIT, 0, 0);
        EXPECT_EQ(g_reconnect.attempt, 2) << ending.name << ": no attempt after the stop";
        EXPECT_FALSE(AnyLoopActive()) << ending.name;
        EXPECT_EQ(g_link.sensorConnected, 0) << ending.name;
        EXPECT_EQ(SensorDisplay(), "TIMEOUT!") << ending.name;
        EXPECT_NE(StatusText().find("Automatic reconnection ended: no connection to the sensor!"),
                  std::string::npos)
            << ending.name;
    }
    // The close box stored the settings with the choice.
    EXPECT_TRUE(QuitRequested());
    EXPECT_NE(ReadWholeFile(g_app.settingsPath).find("AUTO RECONNECT = 1\r\n"), std::string::npos);
    ResetQuitRequest();
}

// The sensor restarts as one that takes the connection but never answers: STOP during
// the attempt's check ends its reply wait at once instead of after the 3 s limit.
TEST_F(RecorderTest, StopEndsAnAttemptWaitingForASilentSensor)
{
    StartWithSim();
    SetReconnectOption(1);
    SimProcess silent;
    const int port = sim.tcpPort;
    WhenThen([] { return g_live.framesTaken >= 10; },
             [this, &silent, port] {
                 StopSim(sim);
                 StartSim(silent, {"--tcp", std::to_string(port), "--no-reply"});
             });
    WhenThen([] { return g_loops.reconnecting && LinkInUse(); },
             [] { DispatchCtrlEvent(g_app.mainPanel, MAINP_STOP, EVENT_COMMIT, 0, 0); });
    DispatchCtrlEvent(g_app.mainPanel, MAINP_GO, EVENT_COMMIT, 0, 0);

    EXPECT_TRUE(SimIsRunning(silent));
    EXPECT_FALSE(AnyLoopActive());
    EXPECT_EQ(g_link.sensorConnected, 0);
    EXPECT_LT(g_link.elapsed, 3.0) << "the check's reply wait ran to its limit";
    EXPECT_NE(StatusText().find("Automatic reconnection ended: no connection to the sensor!"),
              std::string::npos);
}

TEST_P(ReconnectTest, WithoutTheOptionAnOutageEndsTheRecordingAsBefore)
{
    Start({"--outage-after", "1", "--outage", "3"}, false);
    Commit(TABREC_MODE, REC_MODE_COUNTED);
    Commit(TABREC_INTERVAL, 0.25);
    Commit(TABREC_VALUES, 40);
    Press(TABREC_START);

    EXPECT_LT(Rows().size(), 40u);
    EXPECT_EQ(g_link.sensorConnected, 0);
    EXPECT_EQ(SensorDisplay(), "TIMEOUT!");
    EXPECT_EQ(StatusText().find("reconnecting"), std::string::npos);
    int page = -1;
    GetActiveTabPage(g_app.mainPanel, MAINP_TAB, &page);
    EXPECT_EQ(page, PAGE_CONNECTION);
    EXPECT_EQ(Messages().back().find("The link was lost"), std::string::npos);
}

// A device tree (as the kernel lays it out) in which the pseudo-terminal `device` is
// the serial port of a USB adapter with a serial number.
void AddUsbAdapter(const std::string &sysfs, const std::string &device)
{
    namespace fs = std::filesystem;
    std::string name = device.substr(5);
    std::replace(name.begin(), name.end(), '/', '!');
    const std::string usb = sysfs + "/devices/pci0000:00/usb1/1-1.2";
    const std::string interface = usb + "/1-1.2:1.0";
    fs::create_directories(interface + "/" + name);
    fs::create_directories(sysfs + "/class/tty/" + name);
    const std::pair<std::string, std::string> files[] = {
        {sysfs + "/devices/pci0000:00/usb1/idVendor", "1d6b"},
        {usb + "/idVendor", "0403"},
        {usb + "/idProduct", "6001"},
        {usb + "/manufacturer", "FTDI"},
        {usb + "/product", "FT232R USB UART"},
        {usb + "/serial", "A12345"},
        {interface + "/bInterfaceNumber", "00"},
    };
    for (const auto &file : files)
        WriteWholeFile(file.first, file.second + "\n");
    fs::remove(sysfs + "/class/tty/" + name + "/device");
    fs::create_directory_symlink(interface + "/" + name, sysfs + "/class/tty/" + name + "/device");
}

// The adapter is unplugged while the program holds its device open and comes back as
// another device with another COM port: the recording finds it by its serial number.
TEST_F(RecorderTest, AnAdapterBackUnderAnotherNameIsFoundByItsIdentity)
{
    const std::string sysfs = dir + "/sys";
    SetSysfsRootOverride(sysfs.c_str());
    ASSERT_TRUE(StartSim(sim, {"--pty", dir + "/ports/COM1", "--live-sequence", "--outage-after", "2",
                               "--outage", "3", "--outage-link", dir + "/ports/COM2"}));
    AddUsbAdapter(sysfs, sim.ptyDevice);
    ASSERT_EQ(StartProgramInDir(dir, SerialSettingsFile(1)), 0);
    started = true;
    ResetPopups();
    SetReconnectOption(1);
    SelectFile(recordFile);
    // The new device joins the tree as soon as its link is there.
    const std::string newLink = dir + "/ports/COM2";
    WhenThen([newLink] { return std::filesystem::is_symlink(newLink); },
             [newLink, sysfs] { AddUsbAdapter(sysfs, std::filesystem::read_symlink(newLink).string()); });
    // Without the identity the attempts would go on at COM1 for ever.
    const double giveUp = Timer() + 30.0;
    WhenThen([giveUp] { return Timer() > giveUp; }, [] { Press(TABREC_STOP); });
    Commit(TABREC_MODE, REC_MODE_COUNTED);
    Commit(TABREC_INTERVAL, 0.25);
    Commit(TABREC_VALUES, 20);
    Press(TABREC_START);
    SetSysfsRootOverride(nullptr);
    ASSERT_TRUE(WaitForSimBack(sim, 5.0));

    EXPECT_EQ(Rows().size(), 20u);
    EXPECT_EQ(g_link.comPort, 2);
    int shown = 0;
    GetCtrlVal(ConnectionPage(), TABCONN_COMPORT, &shown);
    EXPECT_EQ(shown, 2);
    EXPECT_NE(StatusText().find("USB adapter found again as COM2 (" + sim.ptyDevice + ").\n"),
              std::string::npos)
        << StatusText();
}

INSTANTIATE_TEST_SUITE_P(OverTcpAndPty, ReconnectTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return info.param ? "Pty" : "Tcp";
                         });

} // namespace
