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

void CReportsDlg::OnClickPrintDisplay() {
    // The printing program always gets the list as it is now.
    WriteRecapFile();
    m_strPrintParameters = BuildPrintParameters(kRecapTitle, m_strRecapFile);
    RunPrintTool();
}

std::string CReportsDlg::BuildPrintParameters(std::string_view title, std::string_view file) const {
    HeadingField titleField;
    titleField.Put(11, title);

    // The second location line begins at column 41, so its 24th character passes the end of
    // the field.
    HeadingField locationField;
    locationField.Put(1, LocationText(m_strLocation1));
    locationField.Put(41, LocationText(m_strLocation2));

    // The stop date stands at column 31 whatever the length of the start date. Most start
    // dates are longer than the 21 characters that leave room for "  to " before it; the
    // stop date is written last and overwrites their end, so the stop date always arrives
    // whole. The start date arrives whole in the recap file's name as well
    // ("Recap" + store + "QUmmddyyyy.QUE.csv").
    HeadingField dateField;
    dateField.Put(5, m_strStartDate + "  to ");
    dateField.Put(31, m_strStopDate);

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
