// The written text: exact bytes, continuation items for long values, item order.

#include "ini_test_util.h"

#include <gtest/gtest.h>

TEST(IniWriter, ExactBytesOfAWrittenFile)
{
    ScratchDir dir;
    const std::string path = dir.Path("PanelSettings.cfg");
    IniText store = Ini_New(0);
    Ini_PutString(store, "GENERAL INFO", "FILE TYPE:", "Panel Settings");
    Ini_PutString(store, "GENERAL INFO", "PANEL ID:", "");
    Ini_PutInt(store, "GENERAL INFO", "LANGUAGE", 1);
    Ini_PutInt(store, "IP ADDRESSES", "LIST ITEMS", 0);
    Ini_PutInt(store, "COMMUNICATION SETTINGS", "COMPORT", -1);
    Ini_PutString(store, "COMMUNICATION SETTINGS", "PORT NUMBER", "5000");
    ASSERT_EQ(Ini_WriteToFile(store, path.c_str()), 0);
    Ini_Dispose(store);
    EXPECT_EQ(ReadBytes(path), "[GENERAL INFO]\r\n"
                               "FILE TYPE: = \"Panel Settings\"\r\n"
                               "PANEL ID: = \"\"\r\n"
                               "LANGUAGE = 1\r\n"
                               "\r\n"
                               "[IP ADDRESSES]\r\n"
                               "LIST ITEMS = 0\r\n"
                               "\r\n"
                               "[COMMUNICATION SETTINGS]\r\n"
                               "COMPORT = -1\r\n"
                               "PORT NUMBER = \"5000\"\r\n"
                               "\r\n");
    EXPECT_EQ(dir.Listing(), "PanelSettings.cfg;");

    // An empty store gives an empty file.
    store = Ini_New(0);
    ASSERT_EQ(Ini_WriteToFile(store, path.c_str()), 0);
    Ini_Dispose(store);
    EXPECT_EQ(ReadBytes(path), "");
}

TEST(IniWriter, LongValueIsWrittenAsContinuationItemsAndReadBackAsOne)
{
    ScratchDir dir;
    const std::string path = dir.Path("long.ini");
    const std::string value81 = std::string(80, 'a') + "b";
    const std::string value200(200, 'c');
    IniText store = Ini_New(0);
    Ini_PutString(store, "DIRECTORIES", "PARAMETER FILE", value81.c_str());
    Ini_PutString(store, "DIRECTORIES", "EXACT", std::string(80, 'e').c_str());
    Ini_PutString(store, "DIRECTORIES", "LONGER", value200.c_str());
    ASSERT_EQ(Ini_WriteToFile(store, path.c_str()), 0);
    Ini_Dispose(store);

    EXPECT_EQ(ReadBytes(path), "[DIRECTORIES]\r\n"
                               "PARAMETER FILE Line0001 = \"" +
                                   std::string(80, 'a') +
                                   "\"\r\n"
                                   "PARAMETER FILE Line0002 = \"b\"\r\n"
                                   "EXACT = \"" +
                                   std::string(80, 'e') +
                                   "\"\r\n"
                                   "LONGER Line0001 = \"" +
                                   std::string(80, 'c') + "\"\r\nLONGER Line0002 = \"" +
                                   std::string(80, 'c') + "\"\r\nLONGER Line0003 = \"" +
                                   std::string(40, 'c') + "\"\r\n\r\n");

    store = Ini_New(0);
    ASSERT_EQ(Ini_ReadFromFile(store, path.c_str()), 0);
    EXPECT_EQ(GetString(store, "DIRECTORIES", "PARAMETER FILE"), value81);
    EXPECT_EQ(GetString(store, "DIRECTORIES", "LONGER"), value200);
    EXPECT_EQ(GetString(store, "DIRECTORIES", "PARAMETER FILE Line0001"), "<missing>");
    EXPECT_EQ(Ini_NumberOfItems(store, "DIRECTORIES"), 3);
    Ini_Dispose(store);
}

TEST(IniWriter, LongUnquotedValuesKeepBlanksAtPieceEdges)
{
    // An unquoted value read from a file, long enough to be split where pieces would
    // begin or end with a blank: reading the pieces back must not trim them.
    ScratchDir dir;
    const std::string value = std::string(79, 'x') + "  y" + std::string(78, 'z') + " \t w";
    IniText store = ReadStoreFromBytes(dir, "[S]\r\nK = " + value + "\r\n");
    ASSERT_EQ(GetString(store, "S", "K"), value);
    const std::string path = dir.Path("again.ini");
    ASSERT_EQ(Ini_WriteToFile(store, path.c_str()), 0);
    Ini_Dispose(store);
    store = Ini_New(0);
    ASSERT_EQ(Ini_ReadFromFile(store, path.c_str()), 0);
    EXPECT_EQ(GetString(store, "S", "K"), value);
    Ini_Dispose(store);
}

static void ExpectNoLineLongerThan1024(const std::string &text)
{
    size_t lineStart = 0;
    while (lineStart < text.size()) {
        const size_t end = text.find("\r\n", lineStart);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LE(end - lineStart, 1024u);
        lineStart = end + 2;
    }
}

TEST(IniWriter, LongTagsAndTheLineLimit)
{
    IniText store = Ini_New(0);
    const std::string tag(250, 'T');
    ASSERT_EQ(Ini_PutString(store, "S", tag.c_str(), std::string(100, 'v').c_str()), 0);
    std::string text = WriteToString(store);
    // The tag of a continuation item is cut to 246 characters so that it stays within 255.
    EXPECT_EQ(text, "[S]\r\n" + std::string(246, 'T') + " Line0001 = \"" + std::string(80, 'v') + "\"\r\n" +
                        std::string(246, 'T') + " Line0002 = \"" + std::string(20, 'v') + "\"\r\n\r\n");
    Ini_Dispose(store);

    // Without a value line limit, a value is still never cut: it is split at 1024.
    store = Ini_New(0);
    ASSERT_EQ(Ini_SetMaxValueLineLength(store, 0), 0);
    ASSERT_EQ(Ini_PutString(store, "S", "Short", std::string(500, 's').c_str()), 0);
    ASSERT_EQ(Ini_PutString(store, "S", "Huge", std::string(3000, 'h').c_str()), 0);
    text = WriteToString(store);
    Ini_Dispose(store);
    EXPECT_NE(text.find("Short = \"" + std::string(500, 's') + "\"\r\n"), std::string::npos);
    ExpectNoLineLongerThan1024(text);

    store = Ini_New(0);
    ASSERT_EQ(Ini_ReadFromMemory(store, text.data(), text.size()), 0);
    EXPECT_EQ(GetString(store, "S", "Huge"), std::string(3000, 'h'));
    EXPECT_EQ(Ini_NumberOfItems(store, "S"), 2);
    Ini_Dispose(store);
}

TEST(IniWriter, OrderOfPutsIsKeptUnlessTheStoreSorts)
{
    IniText store = Ini_New(0);
    Ini_PutInt(store, "Zulu", "b", 1);
    Ini_PutInt(store, "Alpha", "z", 2);
    Ini_PutInt(store, "Zulu", "a", 3);
    EXPECT_EQ(WriteToString(store), "[Zulu]\r\nb = 1\r\na = 3\r\n\r\n[Alpha]\r\nz = 2\r\n\r\n");
    Ini_Dispose(store);

    IniText sorted = Ini_New(1);
    Ini_PutInt(sorted, "Zulu", "b", 1);
    Ini_PutInt(sorted, "Alpha", "z", 2);
    Ini_PutInt(sorted, "zulu", "A", 3);
    EXPECT_EQ(WriteToString(sorted), "[Alpha]\r\nz = 2\r\n\r\n[Zulu]\r\nA = 3\r\nb = 1\r\n\r\n");
    Ini_Dispose(sorted);

    ScratchDir dir;
    const std::string path = dir.Path("unsorted.ini");
    WriteBytes(path, "[b]\r\ny = 1\r\nx = 2\r\n[a]\r\nk = 3\r\n");
    sorted = Ini_New(1);
    ASSERT_EQ(Ini_ReadFromFile(sorted, path.c_str()), 0);
    EXPECT_EQ(WriteToString(sorted), "[a]\r\nk = 3\r\n\r\n[b]\r\nx = 2\r\ny = 1\r\n\r\n");
    Ini_Dispose(sorted);
}
