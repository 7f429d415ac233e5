#include "tabulo/report_headings.h"

#include <cstdlib>

#include "host/windows_1252.h"

namespace tolvane {
namespace {

constexpr const char* kWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

// Columns of the recap's date field: the start date is written from column 5, the stop date
// from column 31; the location field holds line 1 in columns 1 to 24 and line 2 in columns 40
// to 63, with columns 25 to 39 blank between them. (Older fields began line 2 at column 41; the
// same split reads them too.)
constexpr std::size_t kStopDateColumn = 31;
constexpr std::size_t kFixedFieldWidth = 64;
constexpr std::size_t kLocationGapFirst = 25;
constexpr std::size_t kLocationSecondColumn = 40;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Days since 1 January 1970 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int WeekdayOf(long long y, int m, int d) {  // 0 = Sunday
    const long long days = DaysFromCivil(y, m, d);
    return static_cast<int>(((days % 7) + 7 + 4) % 7);  // 1 January 1970 was a Thursday
}

bool IsValidDate(long long y, int m, int d) {
    static const int kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1) {
        return false;
    }
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= kLength[m - 1] + ((m == 2 && leap) ? 1 : 0);
}

// A long date "%A, %B %d, %Y" as far as it could be read.
struct LongDate {
    int weekday = 0;
    int month = 0;
    int day = 0;
    std::string year;  // the digits present: 4 when whole, fewer when the text was cut
};

std::size_t MatchName(std::string_view text, const char* const* names, int count, int* index) {
    for (int i = 0; i < count; ++i) {
        const std::string_view name(names[i]);
        if (text.substr(0, name.size()) == name) {
            *index = i;
            return name.size();
        }
    }
    return 0;
}

// Reads a long date from the start of text. With partialYear the year may have 0 to 4 digits
// (a date cut off at the end of text). Returns the number of characters read, 0 when text does
// not start with a long date.
std::size_t ReadLongDate(std::string_view text, bool partialYear, LongDate* date) {
    std::size_t pos = MatchName(text, kWeekdays, 7, &date->weekday);
    if (pos == 0 || text.substr(pos, 2) != ", ") {
        return 0;
    }
    pos += 2;
    const std::size_t monthLength = MatchName(text.substr(pos), kMonths, 12, &date->month);
    if (monthLength == 0) {
        return 0;
    }
    date->month += 1;
    pos += monthLength;
    if (pos >= text.size() || text[pos] != ' ') {
        return 0;
    }
    ++pos;
    int dayDigits = 0;
    date->day = 0;
    while (pos < text.size() && IsDigit(text[pos]) && dayDigits < 2) {
        date->day = date->day * 10 + (text[pos] - '0');
        ++pos;
        ++dayDigits;
    }
    if (dayDigits == 0 || text.substr(pos, 2) != ", ") {
        return 0;
    }
    pos += 2;
    date->year.clear();
    while (pos < text.size() && IsDigit(text[pos]) && date->year.size() < 4) {
        date->year.push_back(text[pos]);
        ++pos;
    }
    if (date->year.size() < 4 && !(partialYear && pos == text.size())) {
        return 0;
    }
    return pos;
}

std::string FormatLongDate(const LongDate& date) {
    std::string text = std::string(kWeekdays[date.weekday]) + ", " + kMonths[date.month - 1] + " ";
    if (date.day < 10) {
        text += '0';
    }
    text += std::to_string(date.day) + ", " + date.year;
    return text;
}

bool DateIsConsistent(const LongDate& date) {
    const long long year = std::atoll(date.year.c_str());
    return IsValidDate(year, date.month, date.day) &&
           WeekdayOf(year, date.month, date.day) == date.weekday;
}

// The year of the report file's name "...QUmmddyyyy...", when it names this month and day.
std::string YearFromFileName(std::string_view file, const LongDate& start) {
    for (std::size_t i = 0; i + 10 <= file.size(); ++i) {
        if ((file[i] != 'Q' && file[i] != 'q') || (file[i + 1] != 'U' && file[i + 1] != 'u')) {
            continue;
        }
        const std::string_view digits = file.substr(i + 2, 8);
        bool allDigits = true;
        for (char c : digits) {
            allDigits = allDigits && IsDigit(c);
        }
        if (!allDigits) {
            continue;
        }
        const int month = (digits[0] - '0') * 10 + (digits[1] - '0');
        const int day = (digits[2] - '0') * 10 + (digits[3] - '0');
        const std::string year(digits.substr(4, 4));
        if (month == start.month && day == start.day && year.rfind(start.year, 0) == 0) {
            return year;
        }
    }
    return {};
}

// Completes the year of a start date whose last digits were overwritten. Empty when no year
// fits.
std::string CompleteYear(const LongDate& start, const LongDate& stop, std::string_view file) {
    LongDate candidate = start;
    candidate.year = YearFromFileName(file, start);
    if (!candidate.year.empty() && DateIsConsistent(candidate)) {
        return candidate.year;
    }
    // The same day of the year falls on the same weekday again only after five years or more,
    // so for any range shorter than that the nearest fitting year is the right one. A start
    // lies before its stop as a rule, so years up to the stop date come first.
    const long long stopYear = std::atoll(stop.year.c_str());
    const long long stopDays = DaysFromCivil(stopYear, stop.month, stop.day);
    for (const bool notAfterStop : {true, false}) {
        std::string best;
        long long bestDistance = 0;
        for (long long year = stopYear - 100; year <= stopYear + 100; ++year) {
            if (year < 1000 || year > 9999) {
                continue;
            }
            candidate.year = std::to_string(year);
            if (candidate.year.rfind(start.year, 0) != 0 || !DateIsConsistent(candidate)) {
                continue;
            }
            const long long days = DaysFromCivil(year, start.month, start.day);
            if (notAfterStop && days > stopDays) {
                continue;
            }
            const long long distance = std::llabs(days - stopDays);
            if (best.empty() || distance < bestDistance) {
                best = candidate.year;
                bestDistance = distance;
            }
        }
        if (!best.empty()) {
            return best;
        }
    }
    return {};
}

std::string DateRangeText(const std::string& start, const std::string& stop) {
    return start + "  to  " + stop;
}

// A whole "<start> to <stop>" in trimmed text, whatever the blanks around "to".
bool ReadPlainDateRange(std::string_view text, std::string* out) {
    LongDate start;
    LongDate stop;
    std::size_t pos = ReadLongDate(text, false, &start);
    if (pos == 0) {
        return false;
    }
    const std::size_t blanks = pos;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    if (pos == blanks || text.substr(pos, 2) != "to") {
        return false;
    }
    pos += 2;
    const std::size_t afterTo = pos;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    if (pos == afterTo) {
        return false;
    }
    const std::size_t stopLength = ReadLongDate(text.substr(pos), false, &stop);
    if (stopLength == 0 || pos + stopLength != text.size()) {
        return false;
    }
    *out = DateRangeText(FormatLongDate(start), FormatLongDate(stop));
    return true;
}

// The recap's date field, where the stop date stands at column 31 and may have overwritten
// the end of the start date and of its "  to ".
bool ReadFixedDateRange(std::string_view field, std::string_view file, std::string* out) {
    if (field.size() <= kStopDateColumn) {
        return false;
    }
    const std::string_view stopText = Trim(field.substr(kStopDateColumn));
    LongDate stop;
    if (ReadLongDate(stopText, false, &stop) != stopText.size() || stopText.empty()) {
        return false;
    }
    std::string_view startText = field.substr(0, kStopDateColumn);
    while (!startText.empty() && startText.front() == ' ') {
        startText.remove_prefix(1);
    }
    // What is left of the start date: the date, maybe cut, then blanks and the beginning of
    // "to" when the date was short enough to leave room.
    while (!startText.empty() && startText.back() == ' ') {
        startText.remove_suffix(1);
    }
    for (std::string_view tail : {" to", " t"}) {
        if (startText.size() > tail.size() &&
            startText.substr(startText.size() - tail.size()) == tail) {
            startText.remove_suffix(tail.size());
            break;
        }
    }
    while (!startText.empty() && startText.back() == ' ') {
        startText.remove_suffix(1);
    }
    LongDate start;
    if (ReadLongDate(startText, true, &start) != startText.size() || startText.empty()) {
        return false;
    }
    std::string startShown;
    if (start.year.size() == 4) {
        startShown = FormatLongDate(start);
    } else {
        const std::string year = CompleteYear(start, stop, file);
        if (year.empty()) {
            startShown = std::string(startText) + "...";
        } else {
            start.year = year;
            startShown = FormatLongDate(start);
        }
    }
    *out = DateRangeText(startShown, FormatLongDate(stop));
    return true;
}

bool IsFixedLocationField(std::string_view field) {
    if (field.size() != kFixedFieldWidth || field[0] != ' ') {
        return false;
    }
    for (std::size_t i = kLocationGapFirst; i < kLocationSecondColumn; ++i) {
        if (field[i] != ' ') {
            return false;
        }
    }
    return true;
}

std::vector<std::string> SplitAtWideGaps(std::string_view text) {
    std::vector<std::string> pieces;
    text = Trim(text);
    while (!text.empty()) {
        const std::size_t gap = text.find("   ");
        pieces.emplace_back(Trim(text.substr(0, gap)));
        if (gap == std::string_view::npos) {
            break;
        }
        text = Trim(text.substr(gap));
    }
    return pieces;
}

bool SamePath(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size() || a.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        x = (x >= 'a' && x <= 'z') ? static_cast<char>(x - 'a' + 'A') : (x == '/' ? '\\' : x);
        y = (y >= 'a' && y <= 'z') ? static_cast<char>(y - 'a' + 'A') : (y == '/' ? '\\' : y);
        if (x != y) {
            return false;
        }
    }
    return true;
}

HeadingLine LayOutLine(std::string_view piece, std::string_view file) {
    HeadingLine line;
    std::string dateRange;
    if (ReadPlainDateRange(Trim(piece), &dateRange) ||
        ReadFixedDateRange(piece, file, &dateRange)) {
        line.pieces.push_back(DecodeArgumentText(dateRange));
    } else if (IsFixedLocationField(piece)) {
        for (std::string_view part :
             {piece.substr(0, kLocationSecondColumn), piece.substr(kLocationSecondColumn)}) {
            part = Trim(part);
            if (!part.empty()) {
                line.pieces.push_back(DecodeArgumentText(part));
            }
        }
    } else {
        for (const std::string& part : SplitAtWideGaps(piece)) {
            line.pieces.push_back(DecodeArgumentText(part));
        }
    }
    return line;
}

}  // namespace

ReportHeadings LayOutHeadings(const std::vector<std::string>& arguments, std::string_view file,
                              const std::function<bool(std::string_view)>& sameFile) {
    std::vector<std::string_view> pieces;
    for (const std::string& argument : arguments) {
        std::string_view rest(argument);
        while (true) {
            const std::size_t quote = rest.find('"');
            const std::string_view piece = rest.substr(0, quote);
            const bool namesFile = SamePath(piece, file) || (sameFile && sameFile(Trim(piece)));
            if (!Trim(piece).empty() && !namesFile) {
                pieces.push_back(piece);
            }
            if (quote == std::string_view::npos) {
                break;
            }
            rest.remove_prefix(quote + 1);
        }
    }
    ReportHeadings headings;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i == 0) {
            headings.title = DecodeArgumentText(Trim(pieces[0]));
            continue;
        }
        HeadingLine line = LayOutLine(pieces[i], file);
        if (!line.pieces.empty()) {
            headings.lines.push_back(std::move(line));
        }
    }
    return headings;
}

}  // namespace tolvane
