// The reader's line rules and grammar: line ends, long lines, sections, items, comments.

#include "ini_test_util.h"

#include <gtest/gtest.h>

static int LineOf(IniText store, const char *section, const char *tag)
{
    char buffer[8];
    if (Ini_GetStringIntoBuffer(store, section, tag, buffer, sizeof buffer) != 1)
        return -1;
    return Ini_LineOfLastAccess(store);
}

TEST(IniReader, EveryKindOfLineEndEndsALine)
{
    ScratchDir dir;
    const std::string bytes = std::string("[S]\rA = 1\nB = 2\r\nC = 3\n\rD = 4") + '\0' + "E = 5\r\rF = 6";
    IniText store = ReadStoreFromBytes(dir, bytes);
    EXPECT_EQ(GetString(store, "S", "A"), "1");
    EXPECT_EQ(GetString(store, "S", "B"), "2");
    EXPECT_EQ(GetString(store, "S", "C"), "3");
    EXPECT_EQ(GetString(store, "S", "D"), "4");
    EXPECT_EQ(GetString(store, "S", "E"), "5");
    // A file that ends without a line end still yields its last line.
    EXPECT_EQ(GetString(store, "S", "F"), "6");
    // CR LF and LF CR are one line end each; CR CR is two (an empty line between).
    EXPECT_EQ(LineOf(store, "S", "C"), 4);
    EXPECT_EQ(LineOf(store, "S", "D"), 5);
    EXPECT_EQ(LineOf(store, "S", "E"), 6);
    EXPECT_EQ(LineOf(store, "S", "F"), 8);
    Ini_Dispose(store);
}

TEST(IniReader, LineEndPairSplitAcrossReadChunksIsOneLineEnd)
{
    ScratchDir dir;
    const std::string head = "[S]\r\nA = ";
    // The CR falls on the last byte of the first 2048-byte chunk, its LF on the next.
    const std::string bytes = head + std::string(2047 - head.size(), 'x') + "\r\nB = 2\n";
    ASSERT_EQ(bytes[2047], '\r');
    IniText store = ReadStoreFromBytes(dir, bytes);
    EXPECT_EQ(LineOf(store, "S", "B"), 3);
    EXPECT_EQ(GetString(store, "S", "B"), "2");
    Ini_Dispose(store);
}

TEST(IniReader, OverlongLineKeepsItsFirst1024Characters)
{
    ScratchDir dir;
    const std::string bytes = "[S]\r\nK = " + std::string(3000, 'v') + "\r\nN = 1\r\n";
    IniText store = ReadStoreFromBytes(dir, bytes);
    EXPECT_EQ(GetString(store, "S", "K"), std::string(1024 - 4, 'v'));
    EXPECT_EQ(GetString(store, "S", "N"), "1");
    EXPECT_EQ(LineOf(store, "S", "N"), 3);
    Ini_Dispose(store);
}

TEST(IniReader, ItemLinesWithAndWithoutBlanks)
{
    ScratchDir dir;
    IniText store = ReadStoreFromBytes(dir, "[S]\r\n"
                                            "A=1\r\n"
                                            "   B =2\r\n"
                                            "C= 3   \r\n"
                                            "\tD\t=\t4\t\r\n"
                                            "E F = x = y\r\n"
                                            "Empty =\r\n"
                                            "Blank =    \r\n"
                                            "NoSeparator 7\r\n"
                                            "= 8\r\n"
                                            "Quoted = \"  padded  \"\r\n"
                                            "QuotedEmpty = \"\"\r\n"
                                            "OneQuote = \"\r\n");
    EXPECT_EQ(GetString(store, "S", "A"), "1");
    EXPECT_EQ(GetString(store, "S", "B"), "2");
    EXPECT_EQ(GetString(store, "S", "C"), "3");
    EXPECT_EQ(GetString(store, "S", "D"), "4");
    EXPECT_EQ(GetString(store, "S", "E F"), "x = y");
    EXPECT_EQ(GetString(store, "S", "Empty"), "<missing>");
    EXPECT_EQ(GetString(store, "S", "Blank"), "<missing>");
    EXPECT_EQ(GetString(store, "S", "NoSeparator 7"), "<missing>");
    EXPECT_EQ(GetString(store, "S", "Quoted"), "  padded  ");
    EXPECT_EQ(GetString(store, "S", "QuotedEmpty"), "");
    EXPECT_EQ(GetString(store, "S", "OneQuote"), "\"");
    EXPECT_EQ(Ini_NumberOfItems(store, "S"), 8);
    Ini_Dispose(store);
}

TEST(IniReader, SectionLines)
{
    ScratchDir dir;
    IniText store = ReadStoreFromBytes(dir, "Orphan = 0\r\n"
                                            "[  First Section  ]\r\n"
                                            "A = 1\r\n"
                                            "[Skipped] trailing text\r\n"
                                            "B = 2\r\n"
                                            "[NoClose\r\n"
                                            "[   ]\r\n"
                                            "[a]b]   \r\n"
                                            "C = 3\r\n"
                                            "[first section]\r\n"
                                            "A = second\r\n"
                                            "D = 4\r\n");
    EXPECT_EQ(Ini_NumberOfSections(store), 3);
    std::string name;
    ASSERT_EQ(Ini_NthSectionName(store, 1, &name), 1);
    EXPECT_EQ(name, "First Section");
    // Items after an ignored section line belong to the section before it.
    EXPECT_EQ(GetString(store, "FIRST SECTION", "b"), "2");
    EXPECT_EQ(Ini_NumberOfItems(store, "First Section"), 2);
    EXPECT_EQ(GetString(store, "Skipped", "B"), "<missing>");
    EXPECT_EQ(GetString(store, "a]b", "C"), "3");
    // Two sections of the same name: gets find the items of the first.
    EXPECT_EQ(GetString(store, "first section", "A"), "1");
    EXPECT_EQ(GetString(store, "first section", "D"), "<missing>");
    // Items before the first section are dropped.
    EXPECT_EQ(GetString(store, "", "Orphan"), "<missing>");
    Ini_Dispose(store);
}

TEST(IniReader, ContinuationItemsAreJoined)
{
    ScratchDir dir;
    IniText store = ReadStoreFromBytes(dir, "[S]\r\n"
                                            "Lone Line0001 = \"alone\"\r\n"
                                            "A Line0001 = \"aa\"\r\n"
                                            "A Line0002 = \"bb\"\r\n"
                                            "B Line0001 = \"cc\"\r\n"
                                            "B Line0002 = \"dd\"\r\n"
                                            "B Line0003 = \"ee\"\r\n"
                                            "C Line1 = x\r\n"
                                            "plain = y\r\n"
                                            "C Line0002 = z\r\n"
                                            "NotDigits Line0001x = w\r\n");
    EXPECT_EQ(GetString(store, "S", "Lone"), "alone");
    EXPECT_EQ(GetString(store, "S", "Lone Line0001"), "<missing>");
    // A run ends at the next " Line0001".
    EXPECT_EQ(GetString(store, "S", "A"), "aabb");
    EXPECT_EQ(GetString(store, "S", "B"), "ccddee");
    // A run ends at any item that is not a continuation.
    EXPECT_EQ(GetString(store, "S", "C"), "x");
    EXPECT_EQ(GetString(store, "S", "C Line0002"), "z");
    EXPECT_EQ(GetString(store, "S", "NotDigits Line0001x"), "w");
    EXPECT_EQ(Ini_NumberOfItems(store, "S"), 7);
    Ini_Dispose(store);
}

TEST(IniReader, NamesLongerThan255AreCut)
{
    ScratchDir dir;
    const std::string section(300, 's');
    const std::string tag(400, 't');
    IniText store = ReadStoreFromBytes(dir, "[" + section + "]\r\n" + tag + " = 1\r\n");
    const std::string cutSection = section.substr(0, 255);
    const std::string cutTag = tag.substr(0, 255);
    EXPECT_EQ(GetString(store, cutSection.c_str(), cutTag.c_str()), "1");
    // Written back and read again, the cut names stay as they are.
    const std::string text = WriteToString(store);
    EXPECT_EQ(text, "[" + cutSection + "]\r\n" + cutTag + " = 1\r\n\r\n");
    Ini_Dispose(store);
}

TEST(IniReader, CommentsAreKeptAndWrittenBack)
{
    ScratchDir dir;
    const std::string file = "; written by the scope\r\n"
                             "; second header line\r\n"
                             "\r\n"
                             "; about the section\r\n"
                             "[S]\r\n"
                             "; about A\r\n"
                             "A = 1\r\n"
                             "B = \"two\"\r\n"
                             "\r\n"
                             "[T]\r\n"
                             "C = 3\r\n"
                             "\r\n"
                             "; the end\r\n";
    IniText store = ReadStoreFromBytes(dir, file);
    EXPECT_EQ(WriteToString(store), file);
    Ini_Dispose(store);

    // Leading blanks before ';' and other line ends are tidied on writing.
    store = ReadStoreFromBytes(dir, "   ; header\n\n[S]\n  ;note\nA = 1\n");
    EXPECT_EQ(WriteToString(store), "; header\r\n\r\n[S]\r\n;note\r\nA = 1\r\n\r\n");
    Ini_Dispose(store);

    // A comment before a dropped item is dropped with it.
    store = ReadStoreFromBytes(dir, "; orphan note\r\nOrphan = 1\r\n[S]\r\nA = 1\r\n");
    EXPECT_EQ(WriteToString(store), "[S]\r\nA = 1\r\n\r\n");
    Ini_Dispose(store);
}

static int FailOnThirdLine(void *context, std::string *line)
{
    int *count = static_cast<int *>(context);
    static const char *const kLines[] = {"[Partial]", "Item = 1"};
    if (++*count > 2)
        return INI_ERR_READ;
    *line = kLines[*count - 1];
    return 1;
}

TEST(IniReader, FailuresLeaveTheStoreAsItWas)
{
    ScratchDir dir;
    IniText store = Ini_New(0);
    Ini_PutInt(store, "Keep", "Value", 7);
    EXPECT_EQ(Ini_ReadFromFile(store, dir.Path("missing.ini").c_str()), INI_ERR_OPEN);
    EXPECT_EQ(Ini_ReadFromFile(store, dir.Dir().c_str()), INI_ERR_OPEN);
    EXPECT_EQ(Ini_ReadFromFile(store, nullptr), INI_ERR_OPEN);
    EXPECT_EQ(Ini_ReadFromFile(store, ""), INI_ERR_OPEN);
    // Reading this process's memory from address 0 fails after the file was opened.
    EXPECT_EQ(Ini_ReadFromFile(store, "/proc/self/mem"), INI_ERR_READ);
    int lines = 0;
    EXPECT_EQ(Ini_ReadGeneric(store, FailOnThirdLine, &lines), INI_ERR_READ);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(Ini_NumberOfSections(store), 1);
    EXPECT_EQ(WriteToString(store), "[Keep]\r\nValue = 7\r\n\r\n");
    Ini_Dispose(store);
}

TEST(IniReader, ByteOrderMarkAtTheStartIsSkipped)
{
    ScratchDir dir;
    IniText store =
        ReadStoreFromBytes(dir, "\xEF\xBB\xBF[GENERAL INFO]\r\nFILE TYPE: = \"Panel Settings\"\r\n");
    EXPECT_EQ(GetString(store, "GENERAL INFO", "FILE TYPE:"), "Panel Settings");
    Ini_Dispose(store);
}

TEST(IniReader, MemoryAndFileGiveTheSameStore)
{
    ScratchDir dir;
    const std::string bytes = "; h\r\n\r\n[S]\rA = 1\n\rB Line0001 = x\nB Line0002 = y\r\n; t";
    IniText fromFile = ReadStoreFromBytes(dir, bytes);
    IniText fromMemory = Ini_New(0);
    ASSERT_EQ(Ini_ReadFromMemory(fromMemory, bytes.data(), bytes.size()), 0);
    EXPECT_EQ(WriteToString(fromMemory), WriteToString(fromFile));
    EXPECT_EQ(GetString(fromMemory, "S", "B"), "xy");
    Ini_Dispose(fromFile);
    Ini_Dispose(fromMemory);
}
