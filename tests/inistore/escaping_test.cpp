// String values survive the file: every special character is escaped on put and
// turned back on get, through a written and re-read file.

#include "ini_test_util.h"

#include <gtest/gtest.h>

TEST(IniEscaping, SpecialCharactersRoundTripThroughAFile)
{
    ScratchDir dir;
    const std::string path = dir.Path("escape.ini");
    const std::string original = "tab\tcr\rlf\nquote\"backslash\\bell\x07"
                                 "esc\x1b"
                                 "del\x7f"
                                 "umlaut\xc3\xa4 end";
    IniText store = Ini_New(0);
    ASSERT_EQ(Ini_PutString(store, "S", "V", original.c_str()), 0);
    ASSERT_EQ(Ini_WriteToFile(store, path.c_str()), 0);
    Ini_Dispose(store);

    const std::string bytes = ReadBytes(path);
    EXPECT_NE(
        bytes.find("V = \"tab\\tcr\\rlf\\nquote\\\"backslash\\\\bell\\x07esc\\x1bdel\\x7fumlaut\xc3\xa4 "
                   "end\"\r\n"),
        std::string::npos)
        << bytes;

    store = Ini_New(0);
    ASSERT_EQ(Ini_ReadFromFile(store, path.c_str()), 0);
    EXPECT_EQ(GetString(store, "S", "V"), original);
    Ini_Dispose(store);
}

TEST(IniEscaping, ReadingTurnsEscapesBack)
{
    ScratchDir dir;
    IniText store = ReadStoreFromBytes(dir, "[S]\r\n"
                                            "other = \"a\\qb\\;c\"\r\n"
                                            "hex = \"\\x4A\\x6b\"\r\n"
                                            "shorthex = \"\\x4\"\r\n"
                                            "nothex = \"\\xzz\"\r\n"
                                            "lone = \"end\\\"\r\n"
                                            "bare = C:\\\\dir\\\\file.ini\r\n"
                                            "quote = \"say \\\"hi\\\"\"\r\n");
    EXPECT_EQ(GetString(store, "S", "other"), "aqb;c");
    EXPECT_EQ(GetString(store, "S", "hex"), "Jk");
    EXPECT_EQ(GetString(store, "S", "shorthex"), "x4");
    EXPECT_EQ(GetString(store, "S", "nothex"), "xzz");
    EXPECT_EQ(GetString(store, "S", "lone"), "end\\");
    EXPECT_EQ(GetString(store, "S", "bare"), "C:\\dir\\file.ini");
    EXPECT_EQ(GetString(store, "S", "quote"), "say \"hi\"");
    Ini_Dispose(store);
}

TEST(IniEscaping, EscapedFormIsWhatLongValuesAreSplitIn)
{
    // 40 tabs become 80 stored characters: exactly one line, no continuation.
    IniText store = Ini_New(0);
    Ini_PutString(store, "S", "T", std::string(40, '\t').c_str());
    Ini_PutString(store, "S", "U", std::string(41, '\t').c_str());
    const std::string text = WriteToString(store);
    std::string eighty;
    for (int i = 0; i < 40; ++i)
        eighty += "\\t";
    EXPECT_NE(text.find("T = \"" + eighty + "\"\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("U Line0001 = \"" + eighty + "\"\r\nU Line0002 = \"\\t\"\r\n"), std::string::npos)
        << text;
    Ini_Dispose(store);
}
