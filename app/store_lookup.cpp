// The store's number and location lines, read at start-up from the store master file that the
// staging has just fetched.
#include "app/reports_dlg.h"
#include "keyfile/store_location.h"

namespace tolvane {

void CReportsDlg::LookUpStoreLocation() {
    StoreLocation location;
    if (!tolvane::LookUpStoreLocation("C:\\Report\\POS-B", "C:\\Report\\POS-B.XXX", &location)) {
        return;  // not found: the lines stay blank and the store number empty
    }
    m_strStoreNumber = location.m_strStoreNumber;
    m_strLocation1 = location.m_strLocation1;
    m_strLocation2 = location.m_strLocation2;
    m_strLocation3 = location.m_strLocation3;
    m_strLocation4 = location.m_strLocation4;
}

}  // namespace tolvane
