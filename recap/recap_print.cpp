// Printing the recap: the recap file goes to the report-printing program with three heading
// fields that carry the title, the store's location lines and the date range.
#include <algorithm>
#include <string>

#include "app/reports_dlg.h"
#include "host/process.h"

namespace tolvane {
namespace {

constexpr const char* kRecapTitle = "    Item SALES RECAP    ";
constexpr const char* kPrintTool = "QVL_Tabulo.exe";
constexpr const char* kPrintToolDirectory = "c:\\pos";
// The printing program's switches, passed exactly as it expects them.
constexpr const char* kPrintSwitches = "  -P -WLLLRRRRRRRRRRRLL ";

// A heading field is 64 characters between double quotes.
constexpr std::size_t kHeadingWidth = 64;
// Location lines are 24 characters; a shorter one is filled with blanks.
constexpr std::size_t kLocationWidth = 24;

// A field of blanks into which texts are written at fixed columns; a later text overwrites
// an earlier one where they meet, and whatever passes the field's end is cut.
class HeadingField {
  public:
    HeadingField() : m_text(kHeadingWidth, ' ') {}

    void Put(std::size_t column, std::string_view text) {
        for (std::size_t i = 0; i < text.size() && column + i < kHeadingWidth; ++i) {
            m_text[column + i] = text[i];
        }
    }

    // The field between its double quotes.
    std::string Quoted() const { return '"' + m_text + '"'; }

  private:
    std::string m_text;
};

std::string LocationText(std::string_view location) {
    std::string text(location.substr(0, std::min(location.size(), kLocationWidth)));
    text.resize(kLocationWidth, ' ');
    return text;
}

}  // namespace

DateHeadingColumns LayOutDateHeading(std::size_t startLength) {
    // The start date with its "  to " stands from column 5 and the stop date from column 31
    // while the start date has at most 21 characters. Long weekday and month names make it up
    // to 29, and then the two would overlap: the start date moves left as far as it must
    // (down to column 0) and the stop date follows it after "  to ". Two dates of 29
    // characters and the "  to " take 63 columns, so both always arrive whole.
    constexpr std::size_t kStart = 5;
    constexpr std::size_t kStop = 31;
    constexpr std::size_t kJoin = 5;  // "  to "
    DateHeadingColumns columns{kStart, kStop};
    if (kStart + startLength + kJoin > kStop) {
        columns.start = startLength + kJoin >= kStop ? 0 : kStop - kJoin - startLength;
        columns.stop = std::max(kStop, columns.start + startLength + kJoin);
    }
    return columns;
}

void CReportsDlg::OnClickPrintDisplay() {
    // The printing program always gets the list as it is now.
    WriteRecapFile();
    m_strPrintParameters = BuildPrintParameters(kRecapTitle, m_strRecapFile);
    RunPrintTool();
}

std::string CReportsDlg::BuildPrintParameters(std::string_view title, std::string_view file) const {
    HeadingField titleField;
    titleField.Put(11, title);

    // Line 1 stands in columns 1 to 24. Line 2 ends at the field's last column, so all 24 of
    // its characters are printed: lines 2 to 4 are right-aligned, and a line 2 from column 41
    // would lose exactly the last character of the text.
    HeadingField locationField;
    locationField.Put(1, LocationText(m_strLocation1));
    locationField.Put(kHeadingWidth - kLocationWidth, LocationText(m_strLocation2));

    HeadingField dateField;
    const DateHeadingColumns columns = LayOutDateHeading(m_strStartDate.size());
    dateField.Put(columns.start, m_strStartDate + "  to ");
    dateField.Put(columns.stop, m_strStopDate);

    std::string parameters(file);
    parameters += kPrintSwitches;
    parameters += titleField.Quoted();
    parameters += locationField.Quoted();
    parameters += dateField.Quoted();
    return parameters;
}

void CReportsDlg::RunPrintTool() {
    int result = ShellStart(kPrintTool, m_strPrintParameters, kPrintToolDirectory);
    if (result <= 32) {
        AfxMessageBox("Error Executing Shell Execute HDM350 ");
    }
}

}  // namespace tolvane
