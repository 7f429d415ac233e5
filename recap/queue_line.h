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
inline constexpr std::size_t kPluLength = 5;
// Names shorter than this cannot hold the date and the extension.
inline constexpr std::size_t kMinQueueFileNameLength = 14;

struct QueueSale {
    int quantity = 0;      // 1 to 9
    std::string_view plu;  // the 5 characters at offset 30, viewing the line
};

// True when `line` (without its line ending) is a counted item sale: at least 100 characters,
// "1" at offset 8, no "V" at offset 29, and a quantity digit 1 to 9 at offset 28. Then *sale
// holds the quantity and the PLU.
bool ParseQueueSale(std::string_view line, QueueSale* sale);

// The date key of a queue file name: year * 10000 + month * 100 + day, from the characters at
// positions 6-9, 2-3 and 4-5. Each piece is read as its leading decimal digits (none gives 0),
// so the keys of real dates compare in calendar order. A name too short for a piece reads that
// piece as 0.
int QueueDateKey(std::string_view name);

}  // namespace tolvane
