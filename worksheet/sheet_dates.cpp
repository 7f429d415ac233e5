#include "worksheet/sheet_dates.h"

#include <cstdio>

namespace tolvane {

int WeekOfYear(const Date& date) {
    int dayIndex = DayOfYear(date) - 1;  // 0 for 1 January
    int weekday = DayOfWeek(date);       // 0 for Sunday
    // The Sunday-based week: the first Sunday of the year starts week 1 and earlier days are in
    // week 0. Week 0 is only the tail of the last year's final week, so it joins week 1 rather
    // than get a number of its own (this also keeps week 0 out of the file names).
    int sundayWeek = (dayIndex + 7 - weekday) / 7;
    return sundayWeek < 1 ? 1 : sundayWeek;
}

int WeekdayNumber(const Date& date) {
    int weekday = DayOfWeek(date);
    return weekday == 0 ? 7 : weekday;
}

std::string DateStamp(const Date& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    return text;
}

bool ParseDateStamp(std::string_view text, Date* date) {
    if (text.size() != 8) {
        return false;
    }
    int value[8];
    for (std::size_t i = 0; i < 8; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value[i] = text[i] - '0';
    }
    Date parsed;
    parsed.year = value[0] * 1000 + value[1] * 100 + value[2] * 10 + value[3];
    parsed.month = value[4] * 10 + value[5];
    parsed.day = value[6] * 10 + value[7];
    if (!IsValidDate(parsed)) {
        return false;
    }
    *date = parsed;
    return true;
}

}  // namespace tolvane
