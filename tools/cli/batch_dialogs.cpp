#include "batch_dialogs.h"

namespace tolvane {

bool CBatchReportsDlg::OnInitDialog() {
    Dialog::OnInitDialog();  // binds the controls; no system menu without a window
    StartUp(m_strBatchCommandLine, false);
    return true;
}

bool CBatchWorkSheetDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_strStoreId = m_strBatchStoreId;
    SetupSheetColumns();
    SetSheetDate(m_date);
    m_nEntryColumn = kDataReceiving;
    PreviewSheet();
    return true;
}

}  // namespace tolvane
