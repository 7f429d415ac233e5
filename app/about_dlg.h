#pragma once
// The About box: template 100, nothing of its own.
#include "framework/dialog.h"

namespace tolvane {

class CAboutDlg : public Dialog {
  public:
    CAboutDlg() : Dialog(IDD_ABOUTBOX) {}
};

}  // namespace tolvane
