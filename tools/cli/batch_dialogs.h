#pragma once
// The program's two report dialogs as a batch run opens them: the same dialogs, with the same
// operations, started without the steps that only a person at the store needs.
#include <string>

#include "app/reports_dlg.h"
#include "host/dates.h"
#include "worksheet/work_sheet_dlg.h"

namespace tolvane {

// The main dialog as start-up leaves it, but without the file staging: the server comes from
// `commandLine` (a server name, or empty for this computer), the queue directory is set and
// the store is looked up in the store master file already on this computer.
class CBatchReportsDlg : public CReportsDlg {
  public:
    explicit CBatchReportsDlg(std::string commandLine) : m_strBatchCommandLine(commandLine) {}

  protected:
    bool OnInitDialog() override;

  private:
    std::string m_strBatchCommandLine;
};

// The work sheet dialog opened on a given date for a given store, filled as it would open that
// day but without writing any file (PreviewSheet). It does not clear the leftover file that
// the program removes from its current directory when the sheet opens.
class CBatchWorkSheetDlg : public CWorkSheetDlg {
  public:
    CBatchWorkSheetDlg(const Date& date, std::string storeId)
        : m_date(date), m_strBatchStoreId(std::move(storeId)) {}

  protected:
    bool OnInitDialog() override;

  private:
    Date m_date;
    std::string m_strBatchStoreId;
};

}  // namespace tolvane
