#pragma once
// Numbers in text, as every file and cell of the program reads and writes them.
#include <string>
#include <string_view>

namespace tolvane {

// Skips leading blanks (space, tab, CR, LF, VT, FF), takes an optional sign and then decimal
// digits; anything else ends the number; no digits gives 0. Saturates instead of overflowing.
int ParseCount(std::string_view text);

// "%d".
std::string FormatCount(long long value);

}  // namespace tolvane
