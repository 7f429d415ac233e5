#pragma once
// The table of a report file as tabulo prints it.
//
// A report file is Windows-1252 text; lines end with CR LF (a bare LF is accepted). Fields are
// separated by commas, without quoting; every field is followed by a comma, so the empty text
// after a line's last comma is not a field. The first line is the header row; blank lines are
// skipped. Cell texts come out as UTF-8, with control characters turned into blanks.
#include <string>
#include <string_view>
#include <vector>

#include "tabulo/tabulo_options.h"

namespace tolvane {

struct ReportTable {
    std::vector<std::string> header;             // one name a column
    std::vector<std::vector<std::string>> rows;  // each exactly header.size() cells
};

// Builds the table from the file's bytes. The column count is the header's, widened when a
// row holds text in further fields (so nothing is dropped); short rows get empty cells, and
// empty fields past the last column are ignored. False with a message when the file holds no
// header row.
bool ParseReportTable(std::string_view bytes, ReportTable* table, std::string* error);

// The alignment of each column: with -W, its letters; otherwise numbers right and text left
// (a column is numeric when each of its non-empty cells is a whole number; a column with no
// values counts as numeric).
std::vector<ColumnAlign> ColumnAlignments(const ReportTable& table, const TabuloOptions& options);

// A caption over a run of header cells, to tell apart columns that carry the same names.
struct ColumnGroup {
    int first = 0;  // first column of the run
    int last = 0;   // last column of the run
    std::string caption;
};

// Groups for the work sheet's two daily runs: Mon..Sun followed by Mdse is "Receiving",
// Mon..Sun followed by Lost is "Waste". Other tables have none.
std::vector<ColumnGroup> FindColumnGroups(const std::vector<std::string>& header);

}  // namespace tolvane
