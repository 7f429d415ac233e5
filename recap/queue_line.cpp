#include "recap/queue_line.h"

namespace tolvane {
namespace {

// The leading decimal digits of a piece of the name.
int LeadingDigits(std::string_view name, std::size_t pos, std::size_t count) {
    int value = 0;
    for (std::size_t i = pos; i < pos + count && i < name.size(); ++i) {
        char c = name[i];
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

int QueueDateKey(std::string_view name) {
    int month = LeadingDigits(name, 2, 2);
    int day = LeadingDigits(name, 4, 2);
    int year = LeadingDigits(name, 6, 4);
    return year * 10000 + month * 100 + day;
}

}  // namespace tolvane
