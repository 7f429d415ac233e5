#pragma once
// Fields of the program's CSV lines. Every field that is to be read is followed by a comma, the
// last one included: field n is the text between the n-th comma (or the start of the line, for
// field 0) and the next comma. A field with no comma after it reads as empty, and text after a
// line's last comma is never a field. There is no quoting.
#include <cstddef>
#include <string_view>
#include <vector>

namespace tolvane {

// Field n (counted from 0) of a line; empty when n is negative or the line has fewer than n + 1
// commas. The view points into `line`.
std::string_view CsvField(std::string_view line, int n);

// The first `maxFields` comma-terminated fields of a line, in order (fewer when the line has
// fewer commas). The views point into `line`.
std::vector<std::string_view> SplitCsvFields(std::string_view line, std::size_t maxFields);

}  // namespace tolvane
