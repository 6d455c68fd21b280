// The exit status of every failure class, with the program's own words on standard
// error and nothing on standard output; SIGINT and SIGTERM with their files whole; two
// recordings against two sensors at once.
#include "cli/cli_test_env.h"

#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <regex>
#include <sstream>
#include <thread>

namespace
{

// A hardware info file's type over a complete parameter section: taken, it would load.
std::string ForeignParameterFile()
{
    std::string text = "[GENERAL INFO]\r\nFILE TYPE: = \"Hardware Initial File\"\r\n"
                       "SCOPE VERSION: = \"CHROMIX1 Scope V3.1.0\"\r\n\r\n[PARAMETER]\r\n";
    for (const char *key : {"POWER",
                            "POWER MODE",
                            "DYNWIN LO",
                            "DYNWIN HI",
                            "LED MODE",
                            "GAIN",
                            "AVERAGE",
                            "INTEGRAL",
                            "ANALOG OUTMODE",
                            "ANALOG RANGE",
                            "ANALOG OUT",
                            "DIGITAL OUTMODE",
                            "HOLD",
                            "THRESHOLD MODE",
                            "THRESHOLD TRACING",
                            "TT UP",
                            "TT DOWN",
                            "THRESHOLD CALC 1",
                            "TEACH VALUE 1 SIG",
                            "TOLERANCE 1",
                            "HYSTERESIS 1",
                            "THRESHOLD CALC 2",
                            "TEACH VALUE 2 SIG",
                            "TOLERANCE 2",
                            "HYSTERESIS 2",
                            "EXTERN TEACH",
                            "DEAD TIME",
                            "OPERATING MODE",
                            "SENSITIVITY",
                            "REF VALUE CH0",
                            "ADJ CHANNEL OFFSET",
                            "CH0 OFFSET"})
        text += std::string(key) + " = 1\r\n";
    return text;
}

// A parameter file's type over a complete straight table: taken, it would load.
std::string ForeignTableFile()
{
    std::string text = "[GENERAL INFO]\r\nFILE TYPE: = \"Parameter File\"\r\n"
                       "SCOPE VERSION: = \"CHROMIX1 Scope V3.1\"\r\n\r\n";
    for (int row = 1; row <= 64; ++row) {
        std::string value = row == 1 ? "0" : row == 64 ? "4095" : "-1";
        text += "[ROW " + std::to_string(row) + "]\r\nACTUAL VALUE = " + value + "\r\nSETVALUE = " + value +
                "\r\n\r\n";
    }
    return text;
}

struct FailureCase {
    const char *name;
    bool sim;                              // a simulator over TCP, --tcp added to the command
    std::vector<std::string> simArguments; // FILE stands for the case's file
    std::vector<std::string> arguments;    // FILE stands for the case's file
    std::string fileContent;               // empty: no file is made
    int exitCode;
    const char *told;
};

std::vector<FailureCase> FailureCases()
{
    const std::string damaged =
        "[GENERAL INFO]\r\nFILE TYPE: = \"Parameter File\"\r\n"
        "SCOPE VERSION: = \"CHROMIX1 Scope V3.1\"\r\n\r\n[PARAMETER]\r\nPOWER = 800\r\n";
    const std::string implausible =
        "parameters 5000 0 3200 3300 0 5 1 1 0 0 0 1 100 0 0 100 100 2000 1 2000 20 "
        "10 1 2000 20 10 0 0 0 0 0 0\n";
    const std::vector<std::string> none;
    const std::vector<std::string> noSensor = {"--tcp", "127.0.0.1:1"};
    return {
        {"no sensor",
         false,
         none,
         {"get", "FILE", noSensor[0], noSensor[1]},
         "",
         1,
         "Unable to establish connection\n"},
        {"time-out", true, {"--no-reply"}, {"hwinfo", "FILE"}, "", 1, "TIMEOUT! \nNo data received!"},
        {"error reply",
         true,
         {"--error-reply", "1", "--fault-command", "194"},
         {"hwinfo", "FILE"},
         "",
         1,
         "Invalid order number! \nVerify PC and sensor software!"},
        {"missing file", true, none, {"send", "FILE"}, "", 3, "Cannot read the file "},
        {"foreign file",
         true,
         none,
         {"send", "FILE"},
         ForeignParameterFile(),
         3,
         "Selected file is not a parameter file! \nDo you want to proceed anyway?\n"},
        {"damaged file", true, none, {"send", "FILE"}, damaged, 3, "\nREFERENCE VALUE CH0\n"},
        // The table is refused before any connection is tried.
        {"foreign table",
         false,
         none,
         {"table", "FILE", noSensor[0], noSensor[1]},
         ForeignTableFile(),
         3,
         "Selected file is not a conversion table file! \nDo you want to proceed anyway?\n"},
        {"existing record file",
         true,
         none,
         {"record", "FILE", "--values", "1"},
         "keep me",
         3,
         "File already exists! \nDo you want to select existing file?\n"},
        {"implausible EEPROM",
         true,
         {"--eeprom", "FILE"},
         {"get", "--eeprom", "FILE.ini"},
         implausible,
         4,
         "\n1 Parameter from EEPROM did not pass plausibility check and were set to default value!"},
        {"unknown option",
         false,
         none,
         {"live", "--bogus"},
         "",
         2,
         "chromix-scope: unknown option '--bogus'\nUsage:"},
        {"missing FILE",
         false,
         none,
         {"get", noSensor[0], noSensor[1]},
         "",
         2,
         "chromix-scope: get needs a FILE\n"},
    };
}

std::vector<std::string> WithFile(const std::vector<std::string> &arguments, const std::string &file)
{
    std::vector<std::string> replaced;
    for (const std::string &argument : arguments)
        replaced.push_back(argument.rfind("FILE", 0) == 0 ? file + argument.substr(4) : argument);
    return replaced;
}

// Every line ends with CR LF and every row after the header has its five fields.
void ExpectWholeRows(const std::string &text, size_t rows)
{
    static const std::regex row(
        "[0-9]{2}-[0-9]{2}-[0-9]{4}\t[0-9]{2}:[0-9]{2}:[0-9]{2}\t-?[0-9]+\t-?[0-9]+\t-?[0-9]+");
    std::istringstream lines(text.substr(text.find("SIG\r\n") + 5));
    std::string line;
    size_t count = 0;
    while (std::getline(lines, line)) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        EXPECT_TRUE(std::regex_match(line.substr(0, line.size() - 1), row)) << line;
        ++count;
    }
    EXPECT_EQ(count, rows);
    EXPECT_EQ(text.back(), '\n');
}

size_t RowsWritten(const std::string &err)
{
    static const std::regex summary("Rows written: ([0-9]+), rows not written: 0");
    std::smatch match;
    return std::regex_search(err, match, summary) ? std::stoul(match[1]) : 0;
}

} // namespace

using CliFailureTest = CliTest;

TEST_F(CliFailureTest, EachFailureClassEndsWithItsExitStatusAndTheProgramsWords)
{
    const std::vector<FailureCase> cases = FailureCases();
    for (size_t index = 0; index < cases.size(); ++index) {
        const FailureCase &c = cases[index];
        SCOPED_TRACE(c.name);
        std::string file = Scratch("case" + std::to_string(index));
        if (!c.fileContent.empty())
            WriteWholeFile(file, c.fileContent);
        std::vector<std::string> arguments = WithFile(c.arguments, file);
        SimProcess sim;
        if (c.sim) {
            ASSERT_TRUE(StartSimFor(sim, false, WithFile(c.simArguments, file)));
            std::vector<std::string> connection = ConnectionOf(sim, false);
            arguments.insert(arguments.end(), connection.begin(), connection.end());
        }
        CliResult result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_TRUE(Has(result.err, c.told)) << result.err;
        EXPECT_EQ(result.out, "");
        if (!c.fileContent.empty() && c.simArguments.empty()) {
            EXPECT_EQ(ReadWholeFile(file), c.fileContent);
        }
    }
}

// SIGINT while record writes, SIGTERM while live prints: the run ends with 128 and the
// signal's number, and every row in the file or on the output is whole.
TEST_F(CliFailureTest, SigintAndSigtermEndARunWithEveryRowWhole)
{
    SimProcess sim;
    ASSERT_TRUE(StartSimFor(sim, false, {"--live-sequence"}));
    std::vector<std::string> connection = ConnectionOf(sim, false);
    struct SignalCase {
        std::vector<std::string> arguments;
        std::string written; // where the rows go
        int signal;
    };
    const SignalCase cases[] = {
        {{"record", Scratch("signal.dat"), "--duration", "60", "--interval", "0.25"},
         Scratch("signal.dat"),
         SIGINT},
        // A row every 0.1 s: only rows flushed one by one are there within the wait.
        {{"live", "--interval", "0.1"}, Scratch("cli.out"), SIGTERM},
    };
    for (const SignalCase &c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), connection.begin(), connection.end());
        pid_t pid = StartCli(arguments);
        ASSERT_GT(pid, 0);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        auto lines = [&]() {
            std::string text = ReadWholeFile(c.written);
            return std::count(text.begin(), text.end(), '\n');
        };
        while (lines() < 8 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_GE(lines(), 8);
        ASSERT_EQ(kill(pid, c.signal), 0);
        CliResult result = FinishCli(pid, 10.0);
        EXPECT_EQ(result.exitCode, 128 + c.signal) << result.err;
        std::string text = ReadWholeFile(c.written);
        size_t rows = std::count(text.begin(), text.end(), '\n') - (c.signal == SIGINT ? 4 : 1);
        EXPECT_GE(rows, 2u) << text;
        ExpectWholeRows(text, rows);
        if (c.signal == SIGINT) {
            EXPECT_EQ(RowsWritten(result.err), rows) << result.err;
        }
    }
}

// Two recordings against two sensors side by side: a counted one over TCP and a
// triggered one over a pseudo-terminal; each file holds its own sensor's rows under
// its own identification.
TEST_F(CliFailureTest, TwoRecordingsAgainstTwoSensorsRunSideBySide)
{
    SimProcess tcpSim, ptySim;
    ASSERT_TRUE(StartSimFor(tcpSim, false, {"--live-sequence"}));
    ASSERT_TRUE(StartSimFor(ptySim, true));
    const struct {
        const SimProcess *sim;
        bool overPty;
        const char *name;
    } runs[] = {{&tcpSim, false, "line-a"}, {&ptySim, true, "line-b"}};
    pid_t pids[2];
    for (int i = 0; i < 2; ++i) {
        std::vector<std::string> arguments = {
            "record", Scratch(std::string(runs[i].name) + ".dat"), "--values", "6", "--id", runs[i].name};
        arguments.push_back(runs[i].overPty ? "--triggered" : "--interval=0.25");
        std::vector<std::string> connection = ConnectionOf(*runs[i].sim, runs[i].overPty);
        arguments.insert(arguments.end(), connection.begin(), connection.end());
        pids[i] = StartCli(arguments, runs[i].name);
        ASSERT_GT(pids[i], 0);
    }
    for (int i = 0; i < 2; ++i) {
        CliResult result = FinishCli(pids[i], 30.0, runs[i].name);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        std::string text = ReadWholeFile(Scratch(std::string(runs[i].name) + ".dat"));
        EXPECT_EQ(text.rfind("\nRecord results of: CHROMIX1 Scope V3.1\r\nPanel ID: " +
                                 std::string(runs[i].name) + "\r\n\r\nDATE\tTIME\tCH0\tTEMP\tSIG\r\n",
                             0),
                  0u)
            << text;
        ExpectWholeRows(text, 6);
    }
    // The sequence of the TCP simulator: its own six frames, none of the other's.
    EXPECT_TRUE(
        Has(WithoutDatesAndTimes(ReadWholeFile(Scratch("line-a.dat"))), "DATE\tTIME\t1005\t1785\t2995\r\n"));
}

// record --split-hours: the recording goes on in FILE_0002 after 0.001 h (3.6 s), each
// file with its header, and no row is lost or repeated at the boundary.
TEST_F(CliFailureTest, RecordSplitsIntoNumberedFilesWithoutLosingARow)
{
    SimProcess sim;
    ASSERT_TRUE(StartSimFor(sim, false, {"--live-sequence"}));
    std::vector<std::string> arguments = {"record", Scratch("split.dat"), "--duration", "5", "--interval",
                                          "0.25",   "--split-hours",      "0.001"};
    std::vector<std::string> connection = ConnectionOf(sim, false);
    arguments.insert(arguments.end(), connection.begin(), connection.end());
    CliResult result = RunCli(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(Has(result.err, Scratch("split_0002.dat"))) << result.err;
    std::vector<int> ch0;
    for (const char *name : {"split.dat", "split_0002.dat"}) {
        std::string text = ReadWholeFile(Scratch(name));
        ASSERT_EQ(text.rfind("\nRecord results of: CHROMIX1 Scope V3.1\r\n", 0), 0u) << name << ": " << text;
        size_t at = text.find("DATE\tTIME\tCH0\tTEMP\tSIG\r\n");
        ASSERT_NE(at, std::string::npos) << name;
        std::istringstream rows(text.substr(at + 24));
        std::string date, time;
        int value = 0, temp = 0, sig = 0;
        while (rows >> date >> time >> value >> temp >> sig)
            ch0.push_back(value);
    }
    ASSERT_GE(ch0.size(), 15u);
    for (size_t i = 1; i < ch0.size(); ++i)
        EXPECT_EQ(ch0[i], ch0[i - 1] + 1) << "row " << i;
}

// record --reconnect lives through the sensor going away for 3 s: every row of the
// count in the file, CH0 rising without a repeat, the outage told at the end. Without
// it the same outage ends the command with a link failure.
TEST_F(CliFailureTest, RecordWithReconnectLivesThroughAnOutage)
{
    for (bool reconnect : {true, false}) {
        SimProcess sim;
        ASSERT_TRUE(StartSimFor(sim, false, {"--live-sequence", "--outage-after", "1.5", "--outage", "3"}));
        const std::string file = Scratch(reconnect ? "outage.dat" : "outage-off.dat");
        std::vector<std::string> arguments = {"record", file, "--values", "16", "--interval", "0.25"};
        if (reconnect)
            arguments.push_back("--reconnect");
        std::vector<std::string> connection = ConnectionOf(sim, false);
        arguments.insert(arguments.end(), connection.begin(), connection.end());
        CliResult result = RunCli(arguments);

        std::string text = ReadWholeFile(file);
        std::istringstream rows(text.substr(text.find("SIG\r\n") + 5));
        std::string date, time;
        std::vector<int> ch0;
        int value = 0, temp = 0, sig = 0;
        while (rows >> date >> time >> value >> temp >> sig)
            ch0.push_back(value);
        for (size_t i = 1; i < ch0.size(); ++i)
            EXPECT_GT(ch0[i], ch0[i - 1]) << "row " << i;
        if (reconnect) {
            EXPECT_EQ(result.exitCode, 0) << result.err;
            EXPECT_EQ(ch0.size(), 16u) << text;
            EXPECT_TRUE(Has(result.err, "Connection lost - reconnecting (attempt 1) ...\n")) << result.err;
            EXPECT_TRUE(Has(result.err, "The link was lost 1 times, ")) << result.err;
        } else {
            EXPECT_EQ(result.exitCode, 1) << result.err;
            EXPECT_LT(ch0.size(), 16u) << text;
            EXPECT_FALSE(Has(result.err, "reconnecting")) << result.err;
        }
    }
}
