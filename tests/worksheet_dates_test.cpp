// The dates and names of a work sheet: week numbers, weekday numbers, date stamps, the week
// file's name, the store identifier and the names the sheet may delete or keep files under.
#include <gtest/gtest.h>

#include <string>

#include "host/dates.h"
#include "worksheet/sheet_dates.h"
#include "worksheet/sheet_table.h"

namespace tolvane {
namespace {

struct WeekCase {
    Date date;
    int week;
};

// For each weekday that 1 January can fall on: 1 January, the Saturday before the first Sunday,
// the first Sunday, the Saturday after it, the second Sunday and the last days of the year.
const WeekCase kWeekCases[] = {
    // 2009, 1 January a Thursday, with the examples the week files were first numbered by.
    {{2009, 1, 1}, 1},
    {{2009, 1, 3}, 1},
    {{2009, 1, 4}, 1},
    {{2009, 1, 10}, 1},
    {{2009, 1, 11}, 2},
    {{2009, 3, 5}, 9},
    {{2009, 12, 31}, 52},
    // 2006 starts on a Sunday: plain Sunday weeks from 1, and a week 53 of one day.
    {{2006, 1, 1}, 1},
    {{2006, 1, 7}, 1},
    {{2006, 1, 8}, 2},
    {{2006, 12, 30}, 52},
    {{2006, 12, 31}, 53},
    // 2012 starts on a Sunday and is a leap year.
    {{2012, 1, 1}, 1},
    {{2012, 1, 8}, 2},
    {{2012, 12, 30}, 53},
    {{2012, 12, 31}, 53},
    // 2007 starts on a Monday: 1 to 6 January join the week of the first Sunday.
    {{2007, 1, 1}, 1},
    {{2007, 1, 6}, 1},
    {{2007, 1, 7}, 1},
    {{2007, 1, 13}, 1},
    {{2007, 1, 14}, 2},
    {{2007, 12, 30}, 52},
    {{2007, 12, 31}, 52},
    // 2024 starts on a Monday and is a leap year.
    {{2024, 1, 1}, 1},
    {{2024, 1, 7}, 1},
    {{2024, 1, 14}, 2},
    {{2024, 12, 31}, 52},
    // 2008 Tuesday (leap year).
    {{2008, 1, 1}, 1},
    {{2008, 1, 5}, 1},
    {{2008, 1, 6}, 1},
    {{2008, 1, 12}, 1},
    {{2008, 1, 13}, 2},
    {{2008, 12, 31}, 52},
    // 2014 Wednesday.
    {{2014, 1, 1}, 1},
    {{2014, 1, 5}, 1},
    {{2014, 1, 11}, 1},
    {{2014, 1, 12}, 2},
    {{2014, 12, 31}, 52},
    // 2010 Friday.
    {{2010, 1, 1}, 1},
    {{2010, 1, 3}, 1},
    {{2010, 1, 9}, 1},
    {{2010, 1, 10}, 2},
    {{2010, 3, 4}, 9},
    {{2010, 12, 31}, 52},
    // 2011 Saturday.
    {{2011, 1, 1}, 1},
    {{2011, 1, 2}, 1},
    {{2011, 1, 8}, 1},
    {{2011, 1, 9}, 2},
    {{2011, 12, 31}, 52},
    // 2000 Saturday, leap year: its last day is a Sunday in week 53.
    {{2000, 1, 1}, 1},
    {{2000, 1, 9}, 2},
    {{2000, 12, 30}, 52},
    {{2000, 12, 31}, 53},
};

TEST(WorkSheetDatesTest, WeekOfYearTable) {
    for (const WeekCase& c : kWeekCases) {
        EXPECT_EQ(WeekOfYear(c.date), c.week)
            << c.date.year << "-" << c.date.month << "-" << c.date.day;
    }
}

// Over four centuries of years starting on every weekday: the number starts at 1, stays the
// same within a Sunday-to-Saturday week, goes up by exactly one on each Sunday that starts a
// new week (every Sunday but a first Sunday after 1 January, whose days before it join it),
// never leaves 1..53, and for years starting Tuesday to Saturday equals (W1 + N - 8) / 7 + 1.
TEST(WorkSheetDatesTest, EveryWeekKeepsOneNumberAndWeeksCountUpByOne) {
    for (int year = 1800; year <= 2200; ++year) {
        Date newYear{year, 1, 1};
        int firstWeekday = DayOfWeek(newYear);
        long long first = DaysFromCivil(newYear);
        long long last = DaysFromCivil(Date{year, 12, 31});
        int previous = 0;
        for (long long days = first; days <= last; ++days) {
            Date date = CivilFromDays(days);
            int week = WeekOfYear(date);
            int dayOfYear = static_cast<int>(days - first) + 1;
            if (dayOfYear == 1) {
                ASSERT_EQ(week, 1) << year;
            } else if (DayOfWeek(date) == 0 && dayOfYear > 7) {
                ASSERT_EQ(week, previous + 1) << year << " day " << dayOfYear;
            } else {
                ASSERT_EQ(week, previous) << year << " day " << dayOfYear;
            }
            ASSERT_GE(week, 1);
            ASSERT_LE(week, 53);
            if (firstWeekday >= 2) {
                ASSERT_EQ(week, (firstWeekday + dayOfYear - 8) / 7 + 1) << year;
            }
            previous = week;
        }
        ASSERT_GE(previous, 52) << year;
    }
}

TEST(WorkSheetDatesTest, WeekdayNumberRunsFromMondayToSunday) {
    const struct {
        Date date;
        int number;
    } kCases[] = {
        {{2009, 3, 2}, 1}, {{2009, 3, 3}, 2}, {{2009, 3, 5}, 4},
        {{2009, 3, 7}, 6}, {{2009, 3, 8}, 7}, {{2006, 1, 1}, 7},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(WeekdayNumber(c.date), c.number) << c.date.day;
    }
}

TEST(WorkSheetDatesTest, DateStampWritesAndReadsEightDigits) {
    EXPECT_EQ(DateStamp({2009, 3, 5}), "20090305");
    EXPECT_EQ(DateStamp({987, 12, 1}), "09871201");

    const struct {
        const char* text;
        bool valid;
        Date date;
    } kCases[] = {
        {"20090302", true, {2009, 3, 2}}, {"20000229", true, {2000, 2, 29}},
        {"19000229", false, {}},          {"20091301", false, {}},
        {"20090300", false, {}},          {"2009030", false, {}},
        {"200903021", false, {}},         {" 2009030", false, {}},
        {"2009-3-2", false, {}},          {"", false, {}},
        {"+2009030", false, {}},
    };
    for (const auto& c : kCases) {
        Date date{1, 1, 1};
        EXPECT_EQ(ParseDateStamp(c.text, &date), c.valid) << c.text;
        EXPECT_EQ(date, (c.valid ? c.date : Date{1, 1, 1})) << c.text;
    }
}

TEST(WorkSheetDatesTest, SheetFileNameTakesFourCharactersOfTheStoreAndTwoDigitWeeks) {
    const struct {
        const char* store;
        int week;
        const char* name;
    } kCases[] = {
        {"1234", 9, "C:\\Store\\WS\\WS123409.csv"},
        {"12345", 9, "C:\\Store\\WS\\WS123409.csv"},  // stores 12345 and 12346 share it
        {"12346", 9, "C:\\Store\\WS\\WS123409.csv"},
        {"", 9, "C:\\Store\\WS\\WS09.csv"},
        {"12", 53, "C:\\Store\\WS\\WS1253.csv"},
        {"1234", 1, "C:\\Store\\WS\\WS123401.csv"},
        {"0007", 52, "C:\\Store\\WS\\WS000752.csv"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(SheetFileName(c.store, c.week), c.name);
    }
}

TEST(WorkSheetDatesTest, KeptSheetFileNameAddsTheDateStamp) {
    EXPECT_EQ(KeptSheetFileName("C:\\Store\\WS\\WS123409.csv", "20090302"),
              "C:\\Store\\WS\\WS123409-20090302.csv");
    EXPECT_EQ(KeptSheetFileName("C:\\Store\\WS\\WS123409.csv", "20090302", 2),
              "C:\\Store\\WS\\WS123409-20090302-2.csv");
    EXPECT_EQ(KeptSheetFileName("C:\\Store.d\\WS09", "20090302"), "C:\\Store.d\\WS09-20090302");
}

TEST(WorkSheetDatesTest, StoreIdIsTheSecondWordOfTheCommandLine) {
    const std::string kLong(40, '7');
    const struct {
        std::string commandLine;
        std::string storeId;
    } kCases[] = {
        {"SERVER 1234", "1234"},
        {"", ""},
        {"SERVER", ""},
        {"SERVER   ", ""},
        {"  SERVER\t1234  third fourth fifth", "1234"},
        {"SERVER " + kLong, std::string(31, '7')},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(StoreIdFromCommandLine(c.commandLine), c.storeId) << c.commandLine;
    }
}

TEST(WorkSheetDatesTest, OnlyBareNamesArePlainFileNames) {
    const struct {
        const char* name;
        bool plain;
    } kCases[] = {
        {"1234", true},      {"store.id", true},         {"", false},    {".", false},
        {"..", false},       {"..\\WS.csv", false},      {"a/b", false}, {"\\POS", false},
        {"C:WS.csv", false}, {"C:\\POS\\WS.csv", false}, {"x..", false},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(IsPlainFileName(c.name), c.plain) << c.name;
    }
}

TEST(WorkSheetDatesTest, HeaderLineNamesTheFileColumns) {
    EXPECT_EQ(SheetFileHeaderLine(),
              "Item,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Mdse,Crdts,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Lost,In/Out,"
              "QOH,InvN,Store,Date,Count,");
}

TEST(WorkSheetDatesTest, EntryTargetColumns) {
    const struct {
        int entryColumn;
        int weekday;
        int target;
    } kCases[] = {
        {kDataReceiving, 1, 1},
        {kDataReceiving, 3, 3},
        {kDataReceiving, 4, 4},
        {kDataReceiving, 7, 7},
        {kDataWaste, 1, 10},
        {kDataWaste, 7, 16},
        {kDataCredits, 7, 9},
        {kDataTransfers, 1, 18},
        {kDataQoh, 3, 19},
        {kDataQoh, 0, 19},
        {kDataReceiving, 0, -1},
        {kDataWaste, 8, -1},
        {0, 1, -1},
        {5, 1, -1},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(EntryTargetColumn(c.entryColumn, c.weekday), c.target)
            << c.entryColumn << " on " << c.weekday;
    }
}

}  // namespace
}  // namespace tolvane
