#pragma once
// Small builders for the sales recap tests: queue file lines and a dialog that is ready to run
// a recap on a temporary drive C:.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "app/reports_dlg.h"
#include "framework/headless_backend.h"
#include "support/temp_drive.h"

namespace tolvane {

// A queue file record: blanks, with the line type at offset 8, the quantity at 28, the void
// mark at 29 and the PLU from 30, `length` characters long (cut there when shorter).
inline std::string QueueLine(std::string_view plu, char quantity = '1', char voidMark = ' ',
                             char type = '1', std::size_t length = 128) {
    std::string line(std::max<std::size_t>(length, 35), ' ');
    line[8] = type;
    line[28] = quantity;
    line[29] = voidMark;
    line.replace(30, std::min<std::size_t>(plu.size(), 5), plu.substr(0, 5));
    line.resize(length);
    return line;
}

// Lines joined with CRLF endings.
inline std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Columns 0 to 12 of a recap row, joined by commas.
inline std::string RecapRow(const CReportsDlg& dlg, int row) {
    std::string text;
    for (int column = 0; column < CReportsDlg::kRecapColumnCount; ++column) {
        text += (column > 0 ? "," : "") + dlg.m_List.GetItemText(row, column);
    }
    return text;
}

// A main dialog, never opened, set up as start-up leaves it on a store computer that is its own
// POS server, with the recap's range given by its first and last day.
class RecapDialogFixture {
  public:
    RecapDialogFixture() {
        m_dlg.m_strRootDir = "C:\\";
        m_dlg.m_strBDriveDir = "C:\\BDrive\\";
        m_drive.MakeDirectories("C:\\BDrive");
        m_drive.MakeDirectories("C:\\pos");
    }

    void WriteDefinitions(const std::vector<std::string>& lines) {
        m_drive.WriteFile("C:\\POS\\Brindlemoor_Sales_Recap.csv", JoinLines(lines));
    }
    void WriteQueue(const Date& date, const std::vector<std::string>& lines) {
        m_drive.WriteFile("C:\\BDrive\\" + QueueFileName(date), JoinLines(lines));
    }
    // The recap run without the display: list, definitions, scan.
    void RunRecap(const Date& start, const Date& stop) {
        m_dlg.m_strStartQueueFile = QueueFileName(start);
        m_dlg.m_strStopQueueFile = QueueFileName(stop);
        m_dlg.PrepareRecapList();
        m_dlg.LoadSalesDefinitions();
        m_dlg.ScanQueueFiles();
    }
    const std::string& Cell(int row, int column) const {
        return m_dlg.m_List.GetItemText(row, column);
    }
    std::string Row(int row) const { return RecapRow(m_dlg, row); }

  protected:
    TempDrive m_drive;
    ScopedHeadlessBackend m_backend;
    CReportsDlg m_dlg;
};

}  // namespace tolvane
