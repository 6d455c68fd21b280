// Puts and gets: duplicates, names, integers, buffers, and the null store.

#include "ini_test_util.h"

#include <climits>
#include <clocale>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

TEST(IniStore, PuttingATagAgainKeepsOneItemAtTheFirstPlace)
{
    IniText store = Ini_New(0);
    Ini_PutInt(store, "S", "A", 1);
    Ini_PutInt(store, "S", "B", 2);
    Ini_PutInt(store, "S", "C", 3);
    ASSERT_EQ(Ini_PutString(store, "s", "  b  ", "new"), 0);
    EXPECT_EQ(WriteToString(store), "[S]\r\nA = 1\r\nb = \"new\"\r\nC = 3\r\n\r\n");
    Ini_Dispose(store);

    // Duplicates read from a file all go; the put takes the first one's place.
    ScratchDir dir;
    store = ReadStoreFromBytes(dir, "[S]\r\nX = 1\r\nA = 2\r\nx = 3\r\nB = 4\r\nX = 5\r\n");
    ASSERT_EQ(Ini_PutInt(store, "S", "X", 9), 0);
    EXPECT_EQ(WriteToString(store), "[S]\r\nX = 9\r\nA = 2\r\nB = 4\r\n\r\n");
    Ini_Dispose(store);
}

TEST(IniStore, NamesMatchInAnyCaseWithoutSurroundingBlanks)
{
    IniText store = Ini_New(0);
    ASSERT_EQ(Ini_PutString(store, "  General Info\t", " File Type: ", "Parameter File"), 0);
    EXPECT_EQ(GetString(store, "GENERAL INFO", "file type:"), "Parameter File");
    EXPECT_EQ(GetString(store, "general info  ", "\tFILE TYPE:"), "Parameter File");
    EXPECT_EQ(GetString(store, "General", "File Type:"), "<missing>");
    EXPECT_EQ(GetString(store, "General Info", "File"), "<missing>");
    EXPECT_EQ(WriteToString(store), "[General Info]\r\nFile Type: = \"Parameter File\"\r\n\r\n");
    Ini_Dispose(store);
}

TEST(IniStore, NamesThatCouldNotBeReadBackAreRefused)
{
    IniText store = Ini_New(0);
    const std::string longName(256, 'n');
    EXPECT_EQ(Ini_PutInt(store, nullptr, "T", 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_PutInt(store, "S", nullptr, 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_PutInt(store, "   ", "T", 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_PutInt(store, "S", "", 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_PutInt(store, "S", "A=B", 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_PutInt(store, "S", "[T]", 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_PutInt(store, "S", ";T", 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_PutInt(store, "S\r\n[X]", "T", 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_PutInt(store, "S", "T\nU", 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_PutInt(store, longName.c_str(), "T", 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_PutInt(store, "S", longName.c_str(), 1), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(Ini_NumberOfSections(store), 0);
    // What the files of the program use is fine, ';' and '=' inside section names too.
    EXPECT_EQ(Ini_PutInt(store, "ROW 64", "ACTUAL VALUE", 4095), 0);
    EXPECT_EQ(Ini_PutInt(store, "a=b;c", "IP ADDR 10", 1), 0);
    EXPECT_EQ(Ini_PutInt(store, longName.substr(1).c_str(), longName.substr(1).c_str(), 1), 0);
    Ini_Dispose(store);
}

TEST(IniStore, GetIntAcceptsOnlyPlainDecimalIntegers)
{
    ScratchDir dir;
    IniText store = ReadStoreFromBytes(dir, "[N]\r\n"
                                            "plain = 42\r\n"
                                            "negative = -17\r\n"
                                            "plus = +8\r\n"
                                            "blanks = \"  12  \"\r\n"
                                            "tabs = \"\t-3\t\"\r\n"
                                            "quoted = \"5000\"\r\n"
                                            "max = 2147483647\r\n"
                                            "min = -2147483648\r\n"
                                            "over = 2147483648\r\n"
                                            "under = -2147483649\r\n"
                                            "huge = 99999999999999999999999\r\n"
                                            "double = --5\r\n"
                                            "plusminus = +-5\r\n"
                                            "spacedsign = - 5\r\n"
                                            "signonly = -\r\n"
                                            "junk = 12abc\r\n"
                                            "inner = 1 2\r\n"
                                            "hex = 0x10\r\n"
                                            "decimal = 1.5\r\n"
                                            "blank = \"   \"\r\n"
                                            "empty = \"\"\r\n");
    struct Case {
        const char *tag;
        int result;
        int value;
    };
    const Case cases[] = {
        {"plain", 1, 42},
        {"negative", 1, -17},
        {"plus", 1, 8},
        {"blanks", 1, 12},
        {"tabs", 1, -3},
        {"quoted", 1, 5000},
        {"max", 1, INT_MAX},
        {"min", 1, INT_MIN},
        {"over", INI_ERR_INVALID_INTEGER, 0},
        {"under", INI_ERR_INVALID_INTEGER, 0},
        {"huge", INI_ERR_INVALID_INTEGER, 0},
        {"double", INI_ERR_INVALID_INTEGER, 0},
        {"plusminus", INI_ERR_INVALID_INTEGER, 0},
        {"spacedsign", INI_ERR_INVALID_INTEGER, 0},
        {"signonly", INI_ERR_INVALID_INTEGER, 0},
        {"junk", INI_ERR_INVALID_INTEGER, 0},
        {"inner", INI_ERR_INVALID_INTEGER, 0},
        {"hex", INI_ERR_INVALID_INTEGER, 0},
        {"decimal", INI_ERR_INVALID_INTEGER, 0},
        {"blank", 0, 0},
        {"empty", 0, 0},
        {"missing", 0, 0},
    };
    for (const Case &c : cases) {
        int value = 777;
        EXPECT_EQ(Ini_GetInt(store, "N", c.tag, &value), c.result) << c.tag;
        // The output changes only when the value was found and valid.
        EXPECT_EQ(value, c.result == 1 ? c.value : 777) << c.tag;
    }
    EXPECT_EQ(Ini_GetInt(store, "N", "plain", nullptr), INI_ERR_INVALID_ARGUMENT);
    Ini_Dispose(store);

    store = Ini_New(0);
    Ini_PutInt(store, "N", "min", INT_MIN);
    int value = 0;
    EXPECT_EQ(Ini_GetInt(store, "N", "min", &value), 1);
    EXPECT_EQ(value, INT_MIN);
    Ini_Dispose(store);
}

TEST(IniStore, DoublesAreWrittenBareWithADecimalPointInAnyLocale)
{
    ScratchDir dir;
    // A German locale writes 0,001 with printf; the store must not follow it.
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    IniText store = Ini_New(0);
    Ini_PutDouble(store, "RECORDER", "a", 0.001);
    Ini_PutDouble(store, "RECORDER", "b", 1.5);
    Ini_PutDouble(store, "RECORDER", "c", 24.0);
    EXPECT_EQ(Ini_PutDouble(store, "RECORDER", "d", NAN), INI_ERR_INVALID_ARGUMENT);
    EXPECT_EQ(WriteToString(store), "[RECORDER]\r\na = 0.001\r\nb = 1.5\r\nc = 24\r\n\r\n") << german;
    Ini_Dispose(store);
    std::setlocale(LC_NUMERIC, "C");

    store = ReadStoreFromBytes(dir, "[N]\r\nplain = 0.25\r\nplus = +2\r\nexp = -1e3\r\nquoted = \" 7.5 \"\r\n"
                                    "comma = 0,5\r\njunk = 1.5h\r\ninf = inf\r\nblank = \" \"\r\n");
    struct Case {
        const char *tag;
        int result;
        double value;
    };
    const Case cases[] = {
        {"plain", 1, 0.25},
        {"plus", 1, 2.0},
        {"exp", 1, -1000.0},
        {"quoted", 1, 7.5},
        {"comma", INI_ERR_INVALID_NUMBER, -9.0},
        {"junk", INI_ERR_INVALID_NUMBER, -9.0},
        {"inf", INI_ERR_INVALID_NUMBER, -9.0},
        {"blank", 0, -9.0},
        {"missing", 0, -9.0},
    };
    for (const Case &c : cases) {
        double value = -9.0;
        EXPECT_EQ(Ini_GetDouble(store, "N", c.tag, &value), c.result) << c.tag;
        EXPECT_EQ(value, c.value) << c.tag;
    }
    Ini_Dispose(store);
}

TEST(IniStore, GetStringCutsToTheBufferSize)
{
    IniText store = Ini_New(0);
    Ini_PutString(store, "S", "T", "abcdef");
    Ini_PutString(store, "S", "Escaped", "a\tb");
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(Ini_GetStringIntoBuffer(store, "S", "T", buffer, 4), 1);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(buffer[4], 'x');
    // The cut counts unescaped characters.
    EXPECT_EQ(Ini_GetStringIntoBuffer(store, "S", "Escaped", buffer, 3), 1);
    EXPECT_STREQ(buffer, "a\t");
    EXPECT_EQ(Ini_GetStringIntoBuffer(store, "S", "T", buffer, 1), 1);
    EXPECT_STREQ(buffer, "");
    std::strcpy(buffer, "old");
    EXPECT_EQ(Ini_GetStringIntoBuffer(store, "S", "missing", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    std::strcpy(buffer, "old");
    EXPECT_EQ(Ini_GetStringIntoBuffer(store, "S", "T", buffer, 0), INI_ERR_INVALID_ARGUMENT);
    EXPECT_STREQ(buffer, "old");
    EXPECT_EQ(Ini_GetStringIntoBuffer(store, "S", "T", nullptr, 8), INI_ERR_INVALID_ARGUMENT);
    // A null value is stored as empty.
    EXPECT_EQ(Ini_PutString(store, "S", "T", nullptr), 0);
    EXPECT_EQ(GetString(store, "S", "T"), "");
    Ini_Dispose(store);
}

static int NoLine(void *, std::string *)
{
    return 0;
}

static int IgnoreLine(void *, const std::string &)
{
    return 0;
}

TEST(IniStore, NullStoreGivesMinus65FromEveryOperation)
{
    char buffer[4] = "abc";
    int value = 5;
    std::string name;
    EXPECT_EQ(Ini_ReadFromFile(nullptr, "x.ini"), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_WriteToFile(nullptr, "x.ini"), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_PutString(nullptr, "S", "T", "v"), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_PutInt(nullptr, "S", "T", 1), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_GetStringIntoBuffer(nullptr, "S", "T", buffer, sizeof buffer), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_GetInt(nullptr, "S", "T", &value), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_NumberOfSections(nullptr), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_NthSectionName(nullptr, 1, &name), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_NumberOfItems(nullptr, "S"), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_NthItemName(nullptr, "S", 1, &name), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_LineOfLastAccess(nullptr), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_SetMaxValueLineLength(nullptr, 80), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_ReadGeneric(nullptr, NoLine, nullptr), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_WriteGeneric(nullptr, IgnoreLine, nullptr), INI_ERR_NULL_STORE);
    EXPECT_EQ(Ini_ReadFromMemory(nullptr, "", 0), INI_ERR_NULL_STORE);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(value, 5);
    Ini_Dispose(nullptr);
}

TEST(IniStore, ListingWalksSectionsAndItemsInOrder)
{
    IniText store = Ini_New(0);
    Ini_PutInt(store, "ROW 1", "ACTUAL VALUE", 0);
    Ini_PutInt(store, "ROW 1", "SETVALUE", 0);
    Ini_PutInt(store, "ROW 2", "ACTUAL VALUE", -1);
    std::string name;
    EXPECT_EQ(Ini_NumberOfSections(store), 2);
    EXPECT_EQ(Ini_NthSectionName(store, 2, &name), 1);
    EXPECT_EQ(name, "ROW 2");
    EXPECT_EQ(Ini_NthSectionName(store, 0, &name), 0);
    EXPECT_EQ(Ini_NthSectionName(store, 3, &name), 0);
    EXPECT_EQ(Ini_NumberOfItems(store, "row 1"), 2);
    EXPECT_EQ(Ini_NumberOfItems(store, "ROW 3"), 0);
    EXPECT_EQ(Ini_NthItemName(store, "ROW 1", 2, &name), 1);
    EXPECT_EQ(name, "SETVALUE");
    EXPECT_EQ(Ini_NthItemName(store, "ROW 1", 3, &name), 0);
    Ini_Dispose(store);
}
