#pragma once
// The headings that tabulo prints at the top of every page, made readable from the heading
// arguments it is given.
//
// Each heading argument may carry several headings separated by literal double quotes (the
// sales recap passes its three 64-column fields as one argument; the work sheet repeats its
// file path before its date heading). The pieces between the quotes are taken in order; a
// piece that is blank or names the report file is dropped. The first piece is the title; each
// further piece becomes one heading line:
//   - a date range, "<long date>  to <long date>" as the recap lays it into a 64-column field
//     (start from column 5, stop from column 31, where a long start date is overwritten by the
//     stop date), is re-laid as "<start>  to  <stop>"; a start date whose year was overwritten
//     gets its year back from the report file's name (...QUmmddyyyy...) or else from the
//     weekday: the year nearest the stop date (not after it, where one fits) whose date falls
//     on that weekday;
//   - a 64-column location field (columns 25 to 40 blank) gives two pieces: columns 0 to 40
//     and columns 41 to 63;
//   - any other text is split into pieces at runs of three or more blanks.
// All texts are trimmed of blanks. Arguments are decoded as UTF-8 when they are well-formed
// UTF-8, else as Windows-1252.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

struct HeadingLine {
    std::vector<std::string> pieces;  // non-empty texts, printed side by side with a wide gap
};

struct ReportHeadings {
    std::string title;  // empty when no heading was given
    std::vector<HeadingLine> lines;
};

// `file` is the report file as given on the command line; `sameFile`, when given, also tells
// a piece that names the report file in another way (another spelling of its path).
ReportHeadings LayOutHeadings(const std::vector<std::string>& arguments, std::string_view file,
                              const std::function<bool(std::string_view)>& sameFile = {});

}  // namespace tolvane
