#include "host/dates.h"

#include <cstdio>

namespace tolvane {

namespace {

constexpr const char* kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

// Floor division, so that days before 1970 fall into the right era and weekday.
long long FloorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const Date& date) {
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

// The civil-date algorithms of Howard Hinnant: years counted from March, so that the leap
// day is the last day of the counted year, in eras of 400 years (146097 days).
long long DaysFromCivil(const Date& date) {
    long long y = static_cast<long long>(date.year) - (date.month <= 2 ? 1 : 0);
    long long era = FloorDiv(y, 400);
    long long yearOfEra = y - era * 400;                                          // [0, 399]
    long long monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;  // [0, 11]
    long long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;          // [0, 365]
    long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date CivilFromDays(long long days) {
    days += 719468;
    long long era = FloorDiv(days, 146097);
    long long dayOfEra = days - era * 146097;  // [0, 146096]
    long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
    long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long long monthFromMarch = (5 * dayOfYear + 2) / 153;  // [0, 11]
    Date date;
    date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

int DayOfWeek(const Date& date) {
    // 1 January 1970 was a Thursday (4).
    long long days = DaysFromCivil(date);
    return static_cast<int>(days + 4 - FloorDiv(days + 4, 7) * 7);
}

int DayOfYear(const Date& date) {
    return static_cast<int>(DaysFromCivil(date) - DaysFromCivil(Date{date.year, 1, 1})) + 1;
}

std::string LongDateText(const Date& date) {
    if (!IsValidDate(date)) {
        return {};
    }
    char text[64];
    std::snprintf(text, sizeof text, "%s, %s %02d, %d", kDayNames[DayOfWeek(date)],
                  kMonthNames[date.month - 1], date.day, date.year);
    return text;
}

}  // namespace tolvane
