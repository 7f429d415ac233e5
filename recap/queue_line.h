#pragma once
// The two things the recap reads from the POS queue files: the date in a queue file's name and
// the item sales in its lines.
//
// A queue file is named "QU" + month (2 digits) + day (2 digits) + year (4 digits) + ".QUE".
// Its lines are records with fields at fixed offsets; the recap reads only these:
//   offset  8, 1 character: line type, "1" for an item line
//   offset 28, 1 character: quantity, one decimal digit
//   offset 29, 1 character: void mark, "V" (upper case only) for a voided item
//   offset 30, 5 characters: PLU
// A line shorter than kMinQueueLineLength characters is no record.
#include <string_view>

namespace tolvane {

inline constexpr std::size_t kMinQueueLineLength = 100;
inline constexpr std::size_t kLineTypeOffset = 8;
inline constexpr std::size_t kQuantityOffset = 28;
inline constexpr std::size_t kVoidOffset = 29;
inline constexpr std::size_t kPluOffset = 30;
inline constexpr std::size_t kPluLength = 5;
// Names shorter than this cannot hold the date and the extension.
inline constexpr std::size_t kMinQueueFileNameLength = 14;

struct QueueSale {
    int quantity = 0;      // 1 to 9
    std::string_view plu;  // the 5 characters at offset 30, viewing the line
};

// The quantity that `line` (without its line ending) counts: for an item sale, the digit 1 to
// 9 at offset 28; 0 for any other line. An item sale is at least 100 characters long, has "1"
// at offset 8 and no "V" at offset 29. Inline and without branches on the line's characters:
// the scan asks this of every line of a year of files, and their kinds follow no pattern that
// a processor could predict.
inline int SaleQuantity(std::string_view line) {
    if (line.size() < kMinQueueLineLength) {
        return 0;
    }
    // The quantity is one character read as a number: only the digits 1 to 9 are a quantity
    // above zero; a blank, a sign, a letter or "0" counts nothing.
    unsigned digit = static_cast<unsigned char>(line[kQuantityOffset]) - unsigned{'1'};
    bool sale = (line[kLineTypeOffset] == '1') & (line[kVoidOffset] != 'V') & (digit < 9);
    unsigned all = 0u - static_cast<unsigned>(sale);  // all bits set for a sale, else none
    return static_cast<int>((digit + 1) & all);
}

// True when `line` is an item sale (SaleQuantity above 0); then *sale holds its quantity and
// its PLU, the 5 characters at offset 30.
inline bool ParseQueueSale(std::string_view line, QueueSale* sale) {
    int quantity = SaleQuantity(line);
    if (quantity == 0) {
        return false;
    }
    sale->quantity = quantity;
    sale->plu = line.substr(kPluOffset, kPluLength);
    return true;
}

// The date key of a queue file name: year * 10000 + month * 100 + day, from the characters at
// positions 6-9, 2-3 and 4-5. Each piece is read as its leading decimal digits (none gives 0),
// so the keys of real dates compare in calendar order. A name too short for a piece reads that
// piece as 0.
int QueueDateKey(std::string_view name);

}  // namespace tolvane
