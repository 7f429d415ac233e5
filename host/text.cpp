#include "host/text.h"

#include <climits>

namespace tolvane {

int ParseCount(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' ||
                               text[i] == '\n' || text[i] == '\v' || text[i] == '\f')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulated as a negative number, whose range holds INT_MIN, and clamped per digit so
    // that a cell of a thousand digits cannot overflow.
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 - (text[i] - '0');
        if (value < INT_MIN) {
            value = INT_MIN;
            if (!negative) {
                return INT_MAX;
            }
        }
    }
    if (!negative) {
        return value < -static_cast<long long>(INT_MAX) ? INT_MAX : static_cast<int>(-value);
    }
    return static_cast<int>(value);
}

std::string FormatCount(long long value) {
    return std::to_string(value);
}

}  // namespace tolvane
