#pragma once
// Calendar arithmetic on the proleptic Gregorian calendar, without any time_t limit.
#include <string>

namespace tolvane {

struct Date {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    friend bool operator==(const Date&, const Date&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// A real day of the years 1 to 9999.
bool IsValidDate(const Date& date);
// 0 = Sunday ... 6 = Saturday.
int DayOfWeek(const Date& date);
// 1 for 1 January.
int DayOfYear(const Date& date);
// Days since 1 January 1970 (negative before), and back.
long long DaysFromCivil(const Date& date);
Date CivilFromDays(long long days);

// "%A, %B %d, %Y" with English names: "Thursday, March 05, 2009". Empty for an invalid date.
std::string LongDateText(const Date& date);

}  // namespace tolvane
