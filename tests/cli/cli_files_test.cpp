// Every command over TCP and over a pseudo-terminal, against two fresh simulators with
// the known frame sequence: the window in this process against one, the commands as
// processes against the other. get, hwinfo, record and table write what the window
// writes, dates and times aside; send leaves the sensor with the set the window sends;
// live prints the known frames; ports lists the simulator's port.
#include "cli/cli_test_env.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace
{

struct WrittenFiles {
    std::string parameters, hardware, record, conversionData;
};

// A straight table: only row 1 (0, 0) and row 64 (4095, 4095) in use.
std::string StraightTableFile()
{
    std::ostringstream text;
    text << "[GENERAL INFO]\r\nFILE TYPE: = \"Conversion table\"\r\nSCOPE VERSION: = \"CHROMIX1 Scope "
            "V3.1\"\r\n\r\n";
    for (int row = 1; row <= 64; ++row) {
        int value = row == 1 ? 0 : row == 64 ? 4095 : -1;
        text << "[ROW " << row << "]\r\nACTUAL VALUE = " << value << "\r\nSETVALUE = " << value << "\r\n\r\n";
    }
    return text.str();
}

// The line of the simulator's EEPROM file with this key: "data" holds the conversion
// data it was sent, "parameters" the set it stores.
std::string EepromLine(const std::string &eepromFile, const std::string &key)
{
    std::istringstream lines(ReadWholeFile(eepromFile));
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind(key + " ", 0) == 0)
            return line;
    return std::string();
}

std::string ParameterFileWith(const std::string &changes)
{
    return "[GENERAL INFO]\r\nFILE TYPE: = \"Parameter File\"\r\nSCOPE VERSION: = \"CHROMIX1 Scope "
           "V3.1\"\r\n\r\n"
           "[PARAMETER]\r\nPOWER = 800\r\nPOWER MODE = 0\r\nDYNWIN LO = 3200\r\nDYNWIN HI = 3300\r\n"
           "LED MODE = 0\r\nAVERAGE = 4\r\nINTEGRAL = 1\r\nANALOG OUTMODE = 1\r\nANALOG RANGE = 0\r\n"
           "ANALOG OUT = 0\r\nHOLD = 125\r\nTHRESHOLD MODE = 2\r\nTHRESHOLD TRACING = 0\r\nTT UP = 100\r\n"
           "TT DOWN = 100\r\nTHRESHOLD CALC 1 = 1\r\nTEACH VALUE 1 SIG = 2100\r\nTOLERANCE 1 = 15\r\n"
           "HYSTERESIS 1 = 5\r\nTHRESHOLD CALC 2 = 1\r\nTEACH VALUE 2 SIG = 2000\r\nTOLERANCE 2 = 20\r\n"
           "HYSTERESIS 2 = 10\r\nEXTERN TEACH = 0\r\nDEAD TIME = 0\r\nOPERATING MODE = 0\r\n"
           "SENSITIVITY = 0\r\nREF VALUE CH0 = 2000\r\nADJ CHANNEL OFFSET = 0\r\nCH0 OFFSET = 0\r\n" +
           changes + "\r\n";
}

std::vector<std::string> SimArguments(const std::string &eepromFile)
{
    return {"--live-sequence", "--eeprom", eepromFile};
}

class CliFilesTest : public CliTest, public ::testing::WithParamInterface<bool>
{
  protected:
    bool OverPty() const { return GetParam(); }

    WrittenFiles WindowFiles(const std::string &table)
    {
        SimProcess sim;
        std::string eeprom = Scratch("window-eeprom.txt");
        StartWindowWithSim(sim, SimArguments(eeprom));

        g_app.paraMemory = PARA_MEMORY_FILE;
        ChooseFile(Scratch("window.ini"));
        Press(g_app.mainPanel, MAINP_SEND);

        ChooseFile(Scratch("window-hw.ini"));
        Press(g_app.mainPages[PAGE_CONNECTION], TABCONN_HWINFO);

        int recorder = g_app.mainPages[PAGE_RECORDER];
        Commit(recorder, TABREC_MODE, 0);
        Commit(recorder, TABREC_VALUES, 3);
        SetCtrlVal(recorder, TABREC_INTERVAL, 0.25);
        ChooseFile(Scratch("window.dat"));
        Press(recorder, TABREC_SELFILE);
        Answer(1);
        Press(recorder, TABREC_START);

        ChooseFile(table);
        Press(g_app.mainPages[PAGE_CONVERSION_TABLE], TABCONV_LOADFILE);
        Press(g_app.convPanel, CONVP_SAVEDATAEE);

        return {ReadWholeFile(Scratch("window.ini")), ReadWholeFile(Scratch("window-hw.ini")),
                ReadWholeFile(Scratch("window.dat")), EepromLine(eeprom, "data")};
    }

    void StartWindowWithSim(SimProcess &sim, const std::vector<std::string> &simArguments)
    {
        std::vector<std::string> arguments = simArguments;
        if (OverPty())
            arguments.insert(arguments.end(), {"--pty", dir + "/ports/COM" + std::to_string(kCliComPort)});
        else
            arguments.insert(arguments.end(), {"--tcp", "0"});
        ASSERT_TRUE(StartSim(sim, arguments));
        StartWithSettings(OverPty() ? SerialSettingsFile(kCliComPort) : TcpSettingsFile(sim.tcpPort));
        ResetPopups();
    }

    // The window loads the file with GET and stores it with SEND, both to EEPROM.
    std::string SetTheWindowStores(const std::string &file)
    {
        SimProcess sim;
        std::string eeprom = Scratch("window-eeprom.txt");
        StartWindowWithSim(sim, {"--eeprom", eeprom});
        g_app.paraMemory = PARA_MEMORY_FILE;
        ChooseFile(file);
        Press(g_app.mainPanel, MAINP_GET);
        g_app.paraMemory = PARA_MEMORY_EEPROM;
        Press(g_app.mainPanel, MAINP_SEND);
        StopProgram();
        started = false;
        return EepromLine(eeprom, "parameters");
    }

    std::vector<std::string> WithConnection(std::vector<std::string> arguments, const SimProcess &sim) const
    {
        std::vector<std::string> connection = ConnectionOf(sim, OverPty());
        arguments.insert(arguments.end(), connection.begin(), connection.end());
        return arguments;
    }

    WrittenFiles CommandFiles(const std::string &table)
    {
        SimProcess sim;
        std::string eeprom = Scratch("cli-eeprom.txt");
        EXPECT_TRUE(StartSimFor(sim, OverPty(), SimArguments(eeprom)));
        auto run = [&](const std::vector<std::string> &arguments) {
            CliResult result = RunCli(WithConnection(arguments, sim));
            EXPECT_EQ(result.exitCode, 0) << arguments[0] << ": " << result.err;
            return result;
        };
        run({"get", Scratch("cli.ini")});
        run({"hwinfo", Scratch("cli-hw.ini")});
        CliResult record = run({"record", Scratch("cli.dat"), "--values", "3", "--interval", "0.25"});
        EXPECT_TRUE(Has(record.err, "File has been saved!\nRows written: 3, rows not written: 0\n"))
            << record.err;
        run({"table", table});
        return {ReadWholeFile(Scratch("cli.ini")), ReadWholeFile(Scratch("cli-hw.ini")),
                ReadWholeFile(Scratch("cli.dat")), EepromLine(eeprom, "data")};
    }
};

} // namespace

TEST_P(CliFilesTest, GetHwinfoRecordAndTableWriteWhatTheWindowWrites)
{
    std::string table = Scratch("table.ini");
    WriteWholeFile(table, StraightTableFile());
    WrittenFiles window = WindowFiles(table);
    WrittenFiles command = CommandFiles(table);
    EXPECT_FALSE(std::filesystem::exists(programDir + "/PanelSettings.cfg"))
        << "no command writes the settings";

    ASSERT_NE(window.parameters.find("FILE TYPE: = \"Parameter File\""), std::string::npos);
    EXPECT_EQ(command.parameters, window.parameters);
    ASSERT_NE(window.hardware.find("[HARDWARE INFO]"), std::string::npos);
    EXPECT_EQ(command.hardware, window.hardware);
    std::string expectedRecord =
        "\nRecord results of: CHROMIX1 Scope V3.1\r\n\r\nDATE\tTIME\tCH0\tTEMP\tSIG\r\n"
        "DATE\tTIME\t1000\t1780\t3000\r\nDATE\tTIME\t1001\t1781\t2999\r\n"
        "DATE\tTIME\t1002\t1782\t2998\r\n";
    EXPECT_EQ(WithoutDatesAndTimes(window.record), expectedRecord);
    EXPECT_EQ(WithoutDatesAndTimes(command.record), expectedRecord);
    ASSERT_EQ(window.conversionData.rfind("data 0 4 8 12 ", 0), 0u) << window.conversionData;
    EXPECT_EQ(command.conversionData, window.conversionData);
}

// A consistent set is stored as it is; a set that breaks a rule is stored as the rule
// corrected it, and the command says which field the rule changed.
TEST_P(CliFilesTest, SendLeavesTheSensorWithTheSetTheWindowSends)
{
    struct SendCase {
        const char *changes;
        int exitCode;
        const char *told;
    };
    const SendCase cases[] = {
        {"GAIN = 5\r\nDIGITAL OUTMODE = 1\r\n", 0, ""},
        {"GAIN = 9\r\nDIGITAL OUTMODE = 3\r\n", 4,
         "The parameter form changed values of the file (dependency rules, value ranges):\n"
         "  DIGITAL OUTMODE: file 3, sent 1\n"},
    };
    for (const SendCase &c : cases) {
        std::string file = Scratch("send.ini");
        WriteWholeFile(file, ParameterFileWith(c.changes));
        std::string window = SetTheWindowStores(file);
        ASSERT_EQ(window.rfind("parameters 800 0 3200 3300 0 ", 0), 0u) << window;

        SimProcess sim;
        std::string eeprom = Scratch("cli-eeprom.txt");
        ASSERT_TRUE(StartSimFor(sim, OverPty(), {"--eeprom", eeprom}));
        CliResult result = RunCli(WithConnection({"send", "--eeprom", file}, sim));
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_TRUE(Has(result.err, c.told)) << result.err;
        EXPECT_EQ(EepromLine(eeprom, "parameters"), window) << c.changes;
    }
}

// The header line, then one row per frame exactly as the record file writes it.
TEST_P(CliFilesTest, LivePrintsTheKnownFramesAsRecordFileRows)
{
    SimProcess sim;
    ASSERT_TRUE(StartSimFor(sim, OverPty(), {"--live-sequence"}));
    // Over the pseudo-terminal the port is named by its device path, with its baud rate.
    std::vector<std::string> arguments = {"live", "--count", "3"};
    std::string device = programDir + "/ports/COM" + std::to_string(kCliComPort);
    if (OverPty())
        arguments.insert(arguments.end(), {"--serial", device, "--baud", "115200"});
    CliResult result = RunCli(OverPty() ? arguments : WithConnection(arguments, sim));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(WithoutDatesAndTimes(result.out),
              "DATE\tTIME\tCH0\tTEMP\tSIG\r\nDATE\tTIME\t1000\t1780\t3000\r\n"
              "DATE\tTIME\t1001\t1781\t2999\r\nDATE\tTIME\t1002\t1782\t2998\r\n");
    if (OverPty()) {
        CliResult ports = RunCli({"ports"});
        EXPECT_EQ(ports.exitCode, 0) << ports.err;
        EXPECT_TRUE(Has(ports.out, "Following COM PORTS are available:\n")) << ports.out;
        EXPECT_TRUE(Has(ports.out, "\nCOM" + std::to_string(kCliComPort) + "  /dev/pts/")) << ports.out;
    }
}

INSTANTIATE_TEST_SUITE_P(OverTcpAndPty, CliFilesTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return info.param ? "Pty" : "Tcp";
                         });
