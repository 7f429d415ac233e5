#include "app/reports_app.h"

#include "app/reports_dlg.h"
#include "framework/backend.h"

namespace tolvane {

bool CReportsApp::InitInstance() {
    CReportsDlg dialog;
    SetMainWindow(&dialog);
    dialog.DoModal();
    SetMainWindow(nullptr);
    return false;
}

}  // namespace tolvane
