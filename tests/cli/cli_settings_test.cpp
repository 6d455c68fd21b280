// Without connection options a command connects as the connection page stored it, in
// the stored language and with the stored sensor identification; the options win over
// them; the panel settings file is read and never written.
#include "cli/cli_test_env.h"

#include "support/program_fixture.h"

#include <gtest/gtest.h>

namespace
{

std::string StoredGermanSerialSettings()
{
    std::string settings = SerialSettingsFile(kCliComPort);
    settings.replace(settings.find("LANGUAGE = 1"), 12, "PANEL ID: = \"line7\"\r\nLANGUAGE = 0");
    return settings;
}

} // namespace

using CliSettingsTest = CliTest;

TEST_F(CliSettingsTest, TheStoredConnectionLanguageAndIdServeUnlessOptionsSayOtherwise)
{
    SimProcess sim;
    ASSERT_TRUE(StartSimFor(sim, true));
    const std::string settingsPath = programDir + "/PanelSettings.cfg";
    const std::string settings = StoredGermanSerialSettings();
    WriteWholeFile(settingsPath, settings);

    CliResult stored = RunCli({"record", Scratch("stored.dat"), "--values", "1"});
    EXPECT_EQ(stored.exitCode, 0) << stored.err;
    EXPECT_TRUE(Has(stored.err, "Verbindungsaufbau!\n")) << stored.err;
    EXPECT_EQ(ReadWholeFile(Scratch("stored.dat"))
                  .rfind("\nErgebnisse von ... aufzeichnen:CHROMIX1 Scope V3.1\r\n"
                         "Fenster ID:line7\r\n",
                         0),
              0u);

    CliResult given = RunCli({"record", Scratch("given.dat"), "--values", "1", "--lang", "en", "--id", "S9"});
    EXPECT_EQ(given.exitCode, 0) << given.err;
    EXPECT_TRUE(Has(given.err, "Try to connect!\n")) << given.err;
    EXPECT_EQ(ReadWholeFile(Scratch("given.dat"))
                  .rfind("\nRecord results of: CHROMIX1 Scope V3.1\r\nPanel ID: S9\r\n", 0),
              0u);

    EXPECT_EQ(ReadWholeFile(settingsPath), settings);
}
