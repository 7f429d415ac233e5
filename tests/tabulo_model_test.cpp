// tabulo's reading of its command line, its report file and its headings.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/windows_1252.h"
#include "tabulo/report_headings.h"
#include "tabulo/report_table.h"
#include "tabulo/tabulo_options.h"

namespace tolvane {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

constexpr ColumnAlign L = ColumnAlign::kLeft;
constexpr ColumnAlign R = ColumnAlign::kRight;
constexpr ColumnAlign C = ColumnAlign::kCenter;

// A heading field as the recap builds it: 64 blanks, texts written at their columns (a later
// text overwrites an earlier one), cut to 64.
std::string Field(std::vector<std::pair<std::size_t, std::string>> texts) {
    std::string field(128, ' ');
    for (const auto& [column, text] : texts) {
        field.replace(column, text.size(), text);
    }
    return field.substr(0, 64);
}

// The recap's location line 2 is right-aligned in 24 columns.
std::string RightAligned24(const std::string& text) {
    return std::string(24 - text.size(), ' ') + text;
}

std::string RecapHeadingArgument(const std::string& location1, const std::string& location2,
                                 const std::string& start, const std::string& stop) {
    std::string location1Padded = location1 + std::string(24 - location1.size(), ' ');
    return Field({{11, "    Item SALES RECAP    "}}) + "\"" +
           Field({{1, location1Padded}, {40, RightAligned24(location2)}}) + "\"" +
           Field({{5, start + "  to "}, {31, stop}});
}

TEST(Windows1252Test, DecodesTheCodePage) {
    EXPECT_EQ(DecodeWindows1252("Caf\xE9 \x80 \x93q\x94 \x81"),
              "Caf\u00E9 \u20AC \u201Cq\u201D \uFFFD");
    EXPECT_EQ(DecodeWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
    struct Case {
        const char* bytes;
        bool valid;
    } kCases[] = {
        {"plain", true},     {"Caf\xC3\xA9", true},       {"\xF0\x9F\x98\x80", true},
        {"Caf\xE9", false},  {"\xC0\x80", false},         {"\xED\xA0\x80", false},
        {"\xE2\x82", false}, {"\xF4\x90\x80\x80", false},
    };
    for (const Case& test : kCases) {
        EXPECT_EQ(IsValidUtf8(test.bytes), test.valid) << test.bytes;
    }
    EXPECT_EQ(DecodeArgumentText("Caf\xE9"), "Caf\u00E9");
    EXPECT_EQ(DecodeArgumentText("Caf\xC3\xA9"), "Caf\u00E9");
}

TEST(TabuloOptionsTest, ReadsSwitchesAnywhere) {
    TabuloOptions options;
    std::string error;
    ASSERT_TRUE(ParseTabuloOptions(
        {"C:\\pos\\r.csv", "-P", "-WLLRc", "heading one", "--pdf", "out.pdf", "heading two"},
        &options, &error))
        << error;
    EXPECT_EQ(options.file, "C:\\pos\\r.csv");
    EXPECT_THAT(options.headings, ElementsAre("heading one", "heading two"));
    EXPECT_TRUE(options.preview);
    EXPECT_TRUE(options.hasAlignments);
    EXPECT_THAT(options.alignments, ElementsAre(L, L, R, C));
    EXPECT_EQ(options.pdfFile, "out.pdf");

    ASSERT_TRUE(ParseTabuloOptions({"--pdf=x.pdf", "-p", "f.csv"}, &options, &error));
    EXPECT_EQ(options.file, "f.csv");
    EXPECT_EQ(options.pdfFile, "x.pdf");
    EXPECT_TRUE(options.preview);
    EXPECT_FALSE(options.hasAlignments);

    // The work sheet's form: no switches at all.
    ASSERT_TRUE(ParseTabuloOptions({"W.csv", "   Manager's", "W.csv\"date"}, &options, &error));
    EXPECT_FALSE(options.preview);
    EXPECT_THAT(options.headings, ElementsAre("   Manager's", "W.csv\"date"));
}

TEST(TabuloOptionsTest, RejectsWhatItCannotUse) {
    struct Case {
        std::vector<std::string> arguments;
        const char* error;
    } kCases[] = {
        {{}, "No report file given."},
        {{"-P", "-WLR"}, "No report file given."},
        {{"", "heading"}, "No report file given."},
        {{"f.csv", "-Q"}, "Unknown switch \"-Q\"."},
        {{"f.csv", "-"}, "Unknown switch \"-\"."},
        {{"f.csv", "-WLXR"}, "Bad column alignment letter 'X' in -W (use L, R or C)."},
        {{"f.csv", "--pdf"}, "--pdf needs the name of the PDF file to write."},
        {{"f.csv", "--pdf", ""}, "--pdf needs the name of the PDF file to write."},
    };
    for (const Case& test : kCases) {
        TabuloOptions options;
        std::string error;
        EXPECT_FALSE(ParseTabuloOptions(test.arguments, &options, &error)) << test.error;
        EXPECT_EQ(error, test.error);
    }
    TabuloOptions options;
    std::string error;
    EXPECT_TRUE(ParseTabuloOptions({"--help"}, &options, &error));
    EXPECT_TRUE(options.help);
}

std::vector<std::string> Joined(const ReportTable& table) {
    std::vector<std::string> lines;
    auto join = [](const std::vector<std::string>& cells) {
        std::string line;
        for (const std::string& cell : cells) {
            line += cell + "|";
        }
        return line;
    };
    lines.push_back(join(table.header));
    for (const auto& row : table.rows) {
        lines.push_back(join(row));
    }
    return lines;
}

TEST(ReportTableTest, SplitsLinesAndFields) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;  // header first; cells each followed by '|'
    } kCases[] = {
        {"recap rows end with two commas",
         "Product,PLU,Sold,\r\nBurger,101,12,,\r\nFries,301,,,\r\n",
         {"Product|PLU|Sold|", "Burger|101|12|", "Fries|301||"}},
        {"bare line feeds and no final line end", "A,B,\n1,2,\n3,4,", {"A|B|", "1|2|", "3|4|"}},
        {"text after the last comma is a field", "A,B\r\n1,2\r\n", {"A|B|", "1|2|"}},
        {"short rows get empty cells, blank lines are skipped",
         "A,B,C,\r\n\r\n1,\r\n  \r\n",
         {"A|B|C|", "1|||"}},
        {"text past the header widens the table",
         "A,B,\r\n1,2,3,\r\n4,\r\n",
         {"A|B||", "1|2|3|", "4|||"}},
        {"empty fields past the header are dropped", "A,B,\r\n1,2,,,,\r\n", {"A|B|", "1|2|"}},
        {"Windows-1252 and control characters",
         "Item,\r\nCr\xE8me \x80\t1\x01,\r\n",
         {"Item|", "Cr\u00E8me \u20AC 1 |"}},
        {"header only", "Item,Mon,\r\n", {"Item|Mon|"}},
    };
    for (const Case& test : kCases) {
        ReportTable table;
        std::string error;
        ASSERT_TRUE(ParseReportTable(test.bytes, &table, &error)) << test.name << ": " << error;
        EXPECT_THAT(Joined(table), ElementsAreArray(test.lines)) << test.name;
    }
}

TEST(ReportTableTest, NeedsAHeaderRow) {
    for (const std::string bytes : {"", "\r\n\r\n", "   \n"}) {
        ReportTable table;
        std::string error;
        EXPECT_FALSE(ParseReportTable(bytes, &table, &error));
        EXPECT_EQ(error, "The report file is empty: it has no header row.");
    }
}

TEST(ReportTableTest, AlignsColumns) {
    ReportTable table;
    std::string error;
    ASSERT_TRUE(ParseReportTable(
        "Item,Mon,Tue,QOH,InvN,Note,\r\nBuns,12,,-3,4711,x1,\r\nCups, 005 ,,+7,4712,,\r\n", &table,
        &error));
    TabuloOptions options;
    // Numbers right, text left; a column with no values yet lines up with the numbers.
    EXPECT_THAT(ColumnAlignments(table, options), ElementsAre(L, R, R, R, R, L));
    // -W letters by column: extra letters ignored, missing ones left.
    options.hasAlignments = true;
    options.alignments = {R, C, L};
    EXPECT_THAT(ColumnAlignments(table, options), ElementsAre(R, C, L, L, L, L));
    options.alignments = {L, R, R, R, R, R, R, R, R};
    EXPECT_THAT(ColumnAlignments(table, options), ElementsAre(L, R, R, R, R, R));
}

TEST(ReportTableTest, GroupsTheWorkSheetsDailyColumns) {
    ReportTable sheet;
    std::string error;
    ASSERT_TRUE(ParseReportTable(
        "Item,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Mdse,Crdts,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Lost,In/Out,QOH,"
        "InvN,Store,Date,Count,\r\n",
        &sheet, &error));
    const auto groups = FindColumnGroups(sheet.header);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].first, 1);
    EXPECT_EQ(groups[0].last, 8);
    EXPECT_EQ(groups[0].caption, "Receiving");
    EXPECT_EQ(groups[1].first, 10);
    EXPECT_EQ(groups[1].last, 17);
    EXPECT_EQ(groups[1].caption, "Waste");

    EXPECT_TRUE(FindColumnGroups({"Product", "PLU", "Day1", "Day2"}).empty());
    EXPECT_TRUE(FindColumnGroups({"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}).empty());
    EXPECT_TRUE(
        FindColumnGroups({"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun", "Total"}).empty());
}

TEST(ReportHeadingsTest, ReLaysTheRecapsDateField) {
    struct Case {
        const char* start;
        const char* stop;
        const char* file;
        const char* shown;
    } kCases[] = {
        // Short start dates leave room for "  to " before column 31.
        {"Friday, May 01, 2009", "Monday, May 04, 2009", "",
         "Friday, May 01, 2009  to  Monday, May 04, 2009"},
        {"Monday, March 02, 2009", "Saturday, March 07, 2009", "",
         "Monday, March 02, 2009  to  Saturday, March 07, 2009"},
        {"Tuesday, March 03, 2009", "Saturday, March 07, 2009", "",
         "Tuesday, March 03, 2009  to  Saturday, March 07, 2009"},
        {"Thursday, March 05, 2009", "Saturday, March 07, 2009", "",
         "Thursday, March 05, 2009  to  Saturday, March 07, 2009"},
        {"Thursday, August 06, 2009", "Friday, August 07, 2009", "",
         "Thursday, August 06, 2009  to  Friday, August 07, 2009"},
        {"Thursday, October 01, 2009", "Friday, October 02, 2009", "",
         "Thursday, October 01, 2009  to  Friday, October 02, 2009"},
        // 27 to 29 characters: the stop date has overwritten the end of the start's year.
        {"Saturday, February 28, 2009", "Sunday, March 01, 2009", "",
         "Saturday, February 28, 2009  to  Sunday, March 01, 2009"},
        {"Wednesday, December 31, 2008", "Thursday, January 01, 2009", "",
         "Wednesday, December 31, 2008  to  Thursday, January 01, 2009"},
        {"Wednesday, September 30, 2009", "Thursday, October 01, 2009", "",
         "Wednesday, September 30, 2009  to  Thursday, October 01, 2009"},
        // The recap file's name carries the start date, so its year is exact even where the
        // weekday alone would mislead: a stop date before the start, a range of years.
        {"Saturday, September 12, 2009", "Monday, March 02, 2009",
         "C:\\pos\\Recap1234QU09122009.QUE.csv",
         "Saturday, September 12, 2009  to  Monday, March 02, 2009"},
        {"Wednesday, September 30, 2015", "Monday, October 30, 2023",
         "C:\\pos\\Recap1234QU09302015.QUE.csv",
         "Wednesday, September 30, 2015  to  Monday, October 30, 2023"},
        // Without it, the nearest year before the stop date whose September 30 is a Wednesday.
        {"Wednesday, September 30, 2015", "Monday, October 30, 2023", "",
         "Wednesday, September 30, 2020  to  Monday, October 30, 2023"},
    };
    for (const Case& test : kCases) {
        const std::string argument =
            RecapHeadingArgument("Brindlemoor #1234", "100 Main Street", test.start, test.stop);
        const ReportHeadings headings = LayOutHeadings({argument}, test.file);
        EXPECT_EQ(headings.title, "Item SALES RECAP");
        ASSERT_EQ(headings.lines.size(), 2u) << test.start;
        EXPECT_THAT(headings.lines[1].pieces, ElementsAre(test.shown)) << test.start;
    }
}

TEST(ReportHeadingsTest, SplitsTheLocationField) {
    // Location line 2 is right-aligned in the 24 columns from column 40 of 64.
    ReportHeadings headings =
        LayOutHeadings({RecapHeadingArgument("Brindlemoor #1234", "100 Main Street",
                                             "Friday, May 01, 2009", "Monday, May 04, 2009")},
                       "");
    ASSERT_EQ(headings.lines.size(), 2u);
    EXPECT_THAT(headings.lines[0].pieces, ElementsAre("Brindlemoor #1234", "100 Main Street"));

    // Blank location lines (store not found) leave no line.
    headings = LayOutHeadings(
        {RecapHeadingArgument("", "", "Friday, May 01, 2009", "Monday, May 04, 2009")}, "");
    ASSERT_EQ(headings.lines.size(), 1u);
    EXPECT_THAT(headings.lines[0].pieces,
                ElementsAre("Friday, May 01, 2009  to  Monday, May 04, 2009"));

    // A first line with runs of blanks inside stays whole: the columns decide.
    headings = LayOutHeadings(
        {Field({{11, "Title"}}) + "\"" + Field({{1, "Unit   7"}, {40, "Mall"}})}, "");
    ASSERT_EQ(headings.lines.size(), 1u);
    EXPECT_THAT(headings.lines[0].pieces, ElementsAre("Unit   7", "Mall"));
}

TEST(ReportHeadingsTest, DropsTheWorkSheetsRepeatedPath) {
    const std::string path = "C:\\Store\\WS\\WS123409.csv";
    for (const std::string& file : {path, std::string("c:/store/ws/ws123409.CSV")}) {
        const ReportHeadings headings =
            LayOutHeadings({"   Manager's Daily Control Record",
                            path + "\"Thursday, March 05, 2009             Location# 1234"},
                           file);
        EXPECT_EQ(headings.title, "Manager's Daily Control Record");
        ASSERT_EQ(headings.lines.size(), 1u);
        EXPECT_THAT(headings.lines[0].pieces,
                    ElementsAre("Thursday, March 05, 2009", "Location# 1234"));
    }
}

TEST(ReportHeadingsTest, TakesOtherHeadingsAsGiven) {
    ReportHeadings headings = LayOutHeadings({}, "f.csv");
    EXPECT_EQ(headings.title, "");
    EXPECT_TRUE(headings.lines.empty());

    headings =
        LayOutHeadings({"  Caf\xE9 report  ", "\"\"", "Lone line", "Not a date  to  x"}, "f.csv");
    EXPECT_EQ(headings.title, "Caf\u00E9 report");
    ASSERT_EQ(headings.lines.size(), 2u);
    EXPECT_THAT(headings.lines[0].pieces, ElementsAre("Lone line"));
    EXPECT_THAT(headings.lines[1].pieces, ElementsAre("Not a date  to  x"));

    // A date field whose start date is not a date is shown as it stands.
    headings =
        LayOutHeadings({"T", Field({{5, "Someday  to "}, {31, "Monday, May 04, 2009"}})}, "f.csv");
    ASSERT_EQ(headings.lines.size(), 1u);
    EXPECT_THAT(headings.lines[0].pieces, ElementsAre("Someday  to", "Monday, May 04, 2009"));
}

}  // namespace
}  // namespace tolvane
