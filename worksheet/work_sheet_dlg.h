#pragma once
// The Daily Work Sheet window (template 136): the week's inventory sheet of one store.
#include "framework/dialog.h"

namespace tolvane {

class CWorkSheetDlg : public Dialog {
  public:
    CWorkSheetDlg() : Dialog(IDD_WORKSHEET) {}

    // The date the opener chose; the dialog works on today's date all the same.
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
};

}  // namespace tolvane
