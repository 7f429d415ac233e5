#include "host/dates.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(DatesTest, LongDateTextInEnglish) {
    struct Case {
        Date date;
        const char* text;
    } kCases[] = {
        {{2009, 3, 5}, "Thursday, March 05, 2009"},
        {{2000, 2, 29}, "Tuesday, February 29, 2000"},
        {{2004, 2, 29}, "Sunday, February 29, 2004"},
        {{2009, 12, 31}, "Thursday, December 31, 2009"},
        {{2010, 1, 1}, "Friday, January 01, 2010"},
        {{1970, 1, 1}, "Thursday, January 01, 1970"},
        {{1969, 12, 31}, "Wednesday, December 31, 1969"},
        {{2038, 1, 19}, "Tuesday, January 19, 2038"},
        {{2038, 1, 20}, "Wednesday, January 20, 2038"},
        {{2106, 2, 8}, "Monday, February 08, 2106"},
        {{1601, 1, 1}, "Monday, January 01, 1601"},
        {{9999, 12, 31}, "Friday, December 31, 9999"},
        {{2009, 2, 29}, ""},
        {{1900, 2, 29}, ""},
        {{2009, 13, 1}, ""},
        {{2009, 4, 31}, ""},
        {{2009, 1, 0}, ""},
        {{0, 1, 1}, ""},
    };
    for (const Case& test : kCases) {
        EXPECT_EQ(LongDateText(test.date), test.text)
            << test.date.year << "-" << test.date.month << "-" << test.date.day;
    }
}

TEST(DatesTest, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2008));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2009));
    EXPECT_EQ(DaysInMonth(2008, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2009, 4), 30);
    EXPECT_EQ(DaysInMonth(2009, 12), 31);
    EXPECT_EQ(DaysInMonth(2009, 0), 0);
    EXPECT_EQ(DayOfYear({2009, 1, 1}), 1);
    EXPECT_EQ(DayOfYear({2008, 12, 31}), 366);
    EXPECT_EQ(DayOfYear({2009, 3, 1}), 60);
}

TEST(DatesTest, DaysRoundTripOverTheWholeRange) {
    EXPECT_EQ(DaysFromCivil({1970, 1, 1}), 0);
    EXPECT_EQ(DaysFromCivil({1969, 12, 31}), -1);
    EXPECT_EQ(DaysFromCivil({2000, 3, 1}), 11017);
    // Day by day from 1601 to 9999: every date follows the one before, in order.
    Date previous = CivilFromDays(DaysFromCivil({1601, 1, 1}) - 1);
    EXPECT_EQ(previous, (Date{1600, 12, 31}));
    int weekday = DayOfWeek(previous);
    for (long long days = DaysFromCivil({1601, 1, 1}); days <= DaysFromCivil({9999, 12, 31});
         ++days) {
        Date date = CivilFromDays(days);
        ASSERT_TRUE(IsValidDate(date)) << days;
        ASSERT_EQ(DaysFromCivil(date), days);
        bool nextDay = date.day == previous.day + 1 && date.month == previous.month;
        bool nextMonth =
            date.day == 1 && previous.day == DaysInMonth(previous.year, previous.month) &&
            (date.month == previous.month + 1 ||
             (date.month == 1 && previous.month == 12 && date.year == previous.year + 1));
        ASSERT_TRUE(nextDay || nextMonth) << days;
        weekday = (weekday + 1) % 7;
        ASSERT_EQ(DayOfWeek(date), weekday) << days;
        previous = date;
    }
}

}  // namespace
}  // namespace tolvane
