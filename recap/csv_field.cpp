#include "recap/csv_field.h"

namespace tolvane {

std::string_view GetCsvField(std::string_view line, int n) {
    if (line.empty() || n < 0) {
        return {};
    }
    std::string_view rest = line;
    for (int i = 0;; ++i) {
        std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos) {
            // The last piece of a line is no field unless a comma closes it.
            return {};
        }
        if (i == n) {
            return rest.substr(0, comma);
        }
        rest.remove_prefix(comma + 1);
    }
}

}  // namespace tolvane
