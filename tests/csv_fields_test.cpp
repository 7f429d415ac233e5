#include "host/csv_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tolvane {
namespace {

TEST(CsvFieldsTest, FieldsAreTheTextsBeforeEachComma) {
    const struct {
        const char* line;
        int n;
        const char* field;
    } kCases[] = {
        {"Hamburger Buns,4711,", 0, "Hamburger Buns"},
        {"Hamburger Buns,4711,", 1, "4711"},
        {"Hamburger Buns,4711", 1, ""},  // no comma after it
        {"Hamburger Buns,4711,", 2, ""},
        {"no comma", 0, ""},
        {",,x,", 1, ""},
        {",,x,", 2, "x"},
        {"", 0, ""},
        {"a,b,", -1, ""},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(CsvField(c.line, c.n), c.field) << c.line << " #" << c.n;
    }
}

TEST(CsvFieldsTest, SplitStopsAtTheLastCommaOrTheLimit) {
    using Fields = std::vector<std::string_view>;
    EXPECT_EQ(SplitCsvFields("a,,c,tail", 10), (Fields{"a", "", "c"}));
    EXPECT_EQ(SplitCsvFields("a,b,c,d,", 2), (Fields{"a", "b"}));
    EXPECT_EQ(SplitCsvFields("tail only", 5), Fields{});
    EXPECT_EQ(SplitCsvFields(",", 5), Fields{""});
}

}  // namespace
}  // namespace tolvane
