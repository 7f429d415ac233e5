// Start-up staging: fetch the POS files from the server into the report directory and make
// sure the store directories exist.
#include <string>

#include "app/reports_dlg.h"
#include "host/file_system.h"

namespace tolvane {
namespace {

// The order file is the POS system's pending order queue, ORDERW.QUE in its POS directory:
// the local copy carries the same name, so the same file is fetched.
constexpr const char* kOrderFileSource = "ORDERW.QUE";

}  // namespace

bool CReportsDlg::DirectoryExists(std::string_view path) {
    return tolvane::DirectoryExists(path);
}

bool CReportsDlg::MakeDirectory(std::string_view path) {
    return CreateOneDirectory(path);
}

void CReportsDlg::StageFiles() {
    const std::string pos = m_strRootDir + "POS\\";

    const char* orderFile = "C:\\report\\ORDERW.QUE";
    if (FileExists(orderFile)) {
        RemoveFile(orderFile);
    }
    CopyFileTo(pos + kOrderFileSource, orderFile, false);

    // The program's own copy is fetched once and never replaced afterwards.
    const char* program = "C:\\report\\Tolvane.exe";
    if (!FileExists(program)) {
        CopyFileTo(pos + "Tolvane.exe", program, false);
    }

    if (FileExists(pos + "POS-B")) {
        CopyFileTo(pos + "POS-B", "C:\\REPORT\\POS-B", false);
    }
    if (FileExists(pos + "POS-B.xxx")) {
        CopyFileTo(pos + "POS-B.xxx", "C:\\REPORT\\POS-B.xxx", false);
    }

    const std::string store = m_strRootDir + "Store";
    if (!DirectoryExists(store) && !MakeDirectory(store)) {
        AfxMessageBox("Store CREATE failed-- C:\\Store DIR");
        return;
    }
    const std::string outbound = store + "\\OutBound";
    if (!DirectoryExists(outbound) && !MakeDirectory(outbound)) {
        AfxMessageBox("Store-OutBound failed-- C:\\Store DIR");
    }
    const char* report = "C:\\report";
    if (!DirectoryExists(report) && !MakeDirectory(report)) {
        AfxMessageBox("Report CREATE failed-- C:\\report DIR");
    }
}

}  // namespace tolvane
