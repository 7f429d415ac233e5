#pragma once
// Fields of the program's comma-separated text files. There is no quoting and no escaping:
// a field is the text between two commas, and only a field followed by a comma is read.
#include <string_view>

namespace tolvane {

// Field n (counted from 0) of a line: the text between the n-th comma (or the start of the
// line, for field 0) and the next comma. Empty when the line is empty, n is negative, or the
// field has no comma after it. The result views `line`, so it lives as long as the line does.
std::string_view GetCsvField(std::string_view line, int n);

}  // namespace tolvane
