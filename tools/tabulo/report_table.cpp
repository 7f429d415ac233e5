#include "tabulo/report_table.h"

#include "host/windows_1252.h"

namespace tolvane {
namespace {

std::string DecodeCell(std::string_view bytes) {
    std::string cell = DecodeWindows1252(bytes);
    for (char& c : cell) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return cell;
}

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            // The text after the last comma is a field only when there is some.
            if (start < line.size()) {
                fields.push_back(DecodeCell(line.substr(start)));
            }
            break;
        }
        fields.push_back(DecodeCell(line.substr(start, comma - start)));
        start = comma + 1;
    }
    return fields;
}

bool IsBlank(std::string_view line) {
    for (char c : line) {
        if (c != ' ' && c != '\t') {
            return false;
        }
    }
    return true;
}

bool IsWholeNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++digits;
    }
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    return digits > 0 && i == text.size();
}

}  // namespace

bool ParseReportTable(std::string_view bytes, ReportTable* table, std::string* error) {
    *table = ReportTable{};
    std::vector<std::vector<std::string>> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = (end == std::string_view::npos) ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!IsBlank(line)) {
            lines.push_back(SplitFields(line));
        }
        start = next;
    }
    if (lines.empty()) {
        *error = "The report file is empty: it has no header row.";
        return false;
    }

    std::size_t columns = lines[0].size();
    for (std::size_t r = 1; r < lines.size(); ++r) {
        const auto& fields = lines[r];
        for (std::size_t c = fields.size(); c > columns; --c) {
            if (!fields[c - 1].empty()) {
                columns = c;
                break;
            }
        }
    }
    table->header = std::move(lines[0]);
    table->header.resize(columns);
    table->rows.reserve(lines.size() - 1);
    for (std::size_t r = 1; r < lines.size(); ++r) {
        lines[r].resize(columns);
        table->rows.push_back(std::move(lines[r]));
    }
    return true;
}

std::vector<ColumnAlign> ColumnAlignments(const ReportTable& table, const TabuloOptions& options) {
    const std::size_t columns = table.header.size();
    std::vector<ColumnAlign> aligns(columns, ColumnAlign::kLeft);
    if (options.hasAlignments) {
        for (std::size_t c = 0; c < columns && c < options.alignments.size(); ++c) {
            aligns[c] = options.alignments[c];
        }
        return aligns;
    }
    for (std::size_t c = 0; c < columns; ++c) {
        bool numeric = true;
        for (const auto& row : table.rows) {
            if (!row[c].empty() && !IsWholeNumber(row[c])) {
                numeric = false;
                break;
            }
        }
        // A column with no values yet (a day still to come) lines up with the number columns.
        aligns[c] = numeric ? ColumnAlign::kRight : ColumnAlign::kLeft;
    }
    return aligns;
}

std::vector<ColumnGroup> FindColumnGroups(const std::vector<std::string>& header) {
    static const char* const kDays[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    struct Known {
        const char* total;
        const char* caption;
    };
    static const Known kKnown[] = {{"Mdse", "Receiving"}, {"Lost", "Waste"}};

    std::vector<ColumnGroup> groups;
    for (std::size_t c = 0; c + 8 <= header.size(); ++c) {
        bool days = true;
        for (int d = 0; d < 7 && days; ++d) {
            days = header[c + d] == kDays[d];
        }
        if (!days) {
            continue;
        }
        for (const Known& known : kKnown) {
            if (header[c + 7] == known.total) {
                groups.push_back(
                    {static_cast<int>(c), static_cast<int>(c + 7), std::string(known.caption)});
                break;
            }
        }
    }
    return groups;
}

}  // namespace tolvane
