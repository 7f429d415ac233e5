#include "host/csv_fields.h"

namespace tolvane {

std::string_view CsvField(std::string_view line, int n) {
    if (n < 0) {
        return {};
    }
    std::vector<std::string_view> fields = SplitCsvFields(line, static_cast<std::size_t>(n) + 1);
    return static_cast<int>(fields.size()) > n ? fields[n] : std::string_view();
}

std::vector<std::string_view> SplitCsvFields(std::string_view line, std::size_t maxFields) {
    std::vector<std::string_view> fields;
    std::string_view rest = line;
    while (fields.size() < maxFields) {
        std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos) {
            break;  // the text after the last comma ends no field
        }
        fields.push_back(rest.substr(0, comma));
        rest.remove_prefix(comma + 1);
    }
    return fields;
}

}  // namespace tolvane
