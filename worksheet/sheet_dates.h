#pragma once
// The dates of a work sheet: the week number that names the week's file, the weekday that picks
// the day column, and the date stamp that records when a week's file was created.
#include <string>
#include <string_view>

#include "host/dates.h"

namespace tolvane {

// The week of the year, 1 to 53. Weeks run from Sunday to Saturday and are numbered as the
// Sunday-based week of the year, in which the first Sunday starts week 1; the days before the
// first Sunday (none when 1 January is a Sunday) belong to week 1 as well. So every day of one
// Sunday-to-Saturday week of the year has the same number, and the number goes up by one on
// every Sunday but a first Sunday that falls after 1 January.
int WeekOfYear(const Date& date);

// 1 for Monday up to 6 for Saturday, 7 for Sunday.
int WeekdayNumber(const Date& date);

// "%04d%02d%02d": 5 March 2009 gives "20090305".
std::string DateStamp(const Date& date);

// The date of an 8-digit stamp as DateStamp writes it; false for anything else (other
// lengths, signs, blanks, impossible dates).
bool ParseDateStamp(std::string_view text, Date* date);

}  // namespace tolvane
