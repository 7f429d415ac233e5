#pragma once
// The demo store's POS queue files: one file per business day, "QUmmddyyyy.QUE", of
// 128-character records ending in CRLF.
//
// Record layout (offsets from 0):
//   0  ticket number (6 digits)      30  PLU (5)
//   6  register (2 digits)           35  description (20)
//   8  line type: 0 ticket opened,   55  unit price (8, dollars and cents)
//      1 item, 2 modifier, 5 tender, 63  amount (9)
//      9 ticket total                72  business date MMDDYYYY (8)
//   9  time HH:MM:SS (8)             80  group number (2)
//  17  employee number (4)           82  tax flag T or N (1)
//  21  table (3), 24 guests (2)      83  blanks to the end
//  26  order type DI, TO or DT (2)
//  28  quantity (one digit)
//  29  void mark: V for a voided item
#include <cstdint>
#include <string>

#include "host/dates.h"

namespace tolvane {

inline constexpr std::size_t kQueueRecordLength = 128;

// The queue file of one day: about `averageTickets` tickets (more at the weekend), from
// breakfast to closing. Some items are voided, some lines carry a quantity that counts
// nothing ("0" or a blank: price checks and open items), modifiers and tenders are other
// line types, and now and then a special is rung that is on no report. The same seed and
// date always give the same file.
std::string DemoQueueFileText(const Date& date, int averageTickets, std::uint64_t seed);

}  // namespace tolvane
