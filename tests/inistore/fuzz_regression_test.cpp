// Inputs that once stopped the fuzz target (fuzz/fuzz_ini_reader.cpp), replayed through
// the same steps: read, look up every item, write, read again.

#include "ini_test_util.h"

#include <gtest/gtest.h>

// Two sections of one name, the second holding a long unquoted value followed by an item
// whose tag has the form of a continuation item. The listing by name reaches only the
// first section; the second must still survive writing and reading.
TEST(IniFuzzRegression, SecondSectionOfTheSameNameSurvivesARoundTrip)
{
    std::string value;
    for (int i = 0; i < 45; ++i)
        value += "k ";
    value += "n = y";
    const std::string input = "[S]\r\nLone Line0001 = \"alone\"\r\n"
                              "[T]\r\nC B 3\r\n\r\n; the end\r\n"
                              "[T]\r\nK = " +
                              value + "\r\nC Line0002 = z\r\n";
    IniText store = Ini_New(0);
    ASSERT_EQ(Ini_ReadFromMemory(store, input.data(), input.size()), 0);
    EXPECT_EQ(Ini_NumberOfSections(store), 3);
    EXPECT_EQ(Ini_NumberOfItems(store, "T"), 0);
    EXPECT_EQ(GetString(store, "S", "Lone"), "alone");

    const std::string written = WriteToString(store);
    EXPECT_NE(written.find("; the end\r\n[T]\r\nK Line0001 = \""), std::string::npos) << written;
    IniText again = Ini_New(0);
    ASSERT_EQ(Ini_ReadFromMemory(again, written.data(), written.size()), 0);
    EXPECT_EQ(Ini_NumberOfSections(again), 3);
    EXPECT_EQ(WriteToString(again).substr(0, written.find("K Line0001")),
              written.substr(0, written.find("K Line0001")));
    Ini_Dispose(again);
    Ini_Dispose(store);
}
