// The recap file: the recap table as a CSV file, for the store's records and for the
// report-printing program.
#include <string>

#include "app/reports_dlg.h"
#include "host/text_file.h"

namespace tolvane {
namespace {

// "TlUnitsSold" here, where the list says "TlUnSold": the file's readers know this header.
constexpr const char* kRecapHeader =
    "Product,PLU,Description,Sold,Units,TlUnitsSold,Day1,Day2,Day3,Day4,Day5,Day6,Day7,";

}  // namespace

void CReportsDlg::OnClickWriteFile() {
    WriteRecapFile();
}

void CReportsDlg::WriteRecapFile() {
    m_strRecapFile = RecapFilePath();
    // A file that cannot be written is passed over without a message: Print Display still
    // hands the path on.
    WriteRecapTable(m_strRecapFile);
}

std::string CReportsDlg::RecapFilePath() const {
    return "C:\\pos\\Recap" + m_strStoreNumber + m_strStartQueueFile + ".csv";
}

bool CReportsDlg::WriteRecapTable(std::string_view path) const {
    // The file is written beside its place and renamed over the earlier one, so a failure
    // never leaves a torn file.
    TextFileWriter writer;
    if (!writer.Open(path)) {
        return false;
    }
    writer.WriteLine(kRecapHeader);
    std::string line;
    for (int row = 0; row < m_nItemCount; ++row) {
        line.clear();
        for (int column = 0; column < kRecapColumnCount; ++column) {
            line += m_List.GetItemText(row, column);
            line += ',';
        }
        line += ',';
        writer.WriteLine(line);
    }
    return writer.Commit();
}

}  // namespace tolvane
