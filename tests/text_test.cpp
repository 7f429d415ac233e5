#include "host/text.h"

#include <gtest/gtest.h>

#include <climits>

namespace tolvane {
namespace {

TEST(ParseCountTest, ReadsAsTheCellsNeed) {
    struct Case {
        std::string text;
        int value;
    } kCases[] = {
        {"", 0},
        {"abc", 0},
        {"12", 12},
        {"  \t\r\n\v\f-7", -7},
        {"+5", 5},
        {"-", 0},
        {"+-3", 0},
        {"42abc", 42},
        {"4 2", 4},
        {"007", 7},
        {"\xa0"
         "5",
         0},  // only the C blanks are skipped
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {std::string(1000, '9'), INT_MAX},
        {"-" + std::string(1000, '9'), INT_MIN},
    };
    for (const Case& test : kCases) {
        EXPECT_EQ(ParseCount(test.text), test.value) << test.text;
    }
}

TEST(FormatCountTest, WritesPlainDecimal) {
    EXPECT_EQ(FormatCount(0), "0");
    EXPECT_EQ(FormatCount(-15), "-15");
    EXPECT_EQ(FormatCount(1234567890123LL), "1234567890123");
}

}  // namespace
}  // namespace tolvane
