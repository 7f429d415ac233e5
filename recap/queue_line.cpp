#include "recap/queue_line.h"

namespace tolvane {
namespace {

constexpr std::size_t kTypeOffset = 8;
constexpr std::size_t kQuantityOffset = 28;
constexpr std::size_t kVoidOffset = 29;
constexpr std::size_t kPluOffset = 30;

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

bool ParseQueueSale(std::string_view line, QueueSale* sale) {
    if (line.size() < kMinQueueLineLength) {
        return false;
    }
    if (line[kTypeOffset] != '1' || line[kVoidOffset] == 'V') {
        return false;
    }
    // The quantity is one character read as a number: only the digits 1 to 9 are a quantity
    // above zero; a blank, a sign, a letter or "0" counts nothing.
    char quantity = line[kQuantityOffset];
    if (quantity < '1' || quantity > '9') {
        return false;
    }
    sale->quantity = quantity - '0';
    sale->plu = line.substr(kPluOffset, kPluLength);
    return true;
}

int QueueDateKey(std::string_view name) {
    int month = LeadingDigits(name, 2, 2);
    int day = LeadingDigits(name, 4, 2);
    int year = LeadingDigits(name, 6, 4);
    return year * 10000 + month * 100 + day;
}

}  // namespace tolvane
