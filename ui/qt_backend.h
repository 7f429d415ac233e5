#pragma once
// The backend that gives a person real windows: each modal dialog is a Qt dialog window.
#include <map>

#include "framework/backend.h"

class QWidget;

namespace tolvane {

class DialogWindow;

class QtBackend : public UiBackend {
  public:
    int RunModal(Dialog& dialog) override;
    int ShowMessageBox(Dialog* owner, std::string_view text, std::string_view title,
                       MessageIcon icon) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    COLORREF GetSysColor(int index) const override;

    // Creates and initialises a dialog and shows it without a modal loop (smoke tests render
    // it). The window is owned by the caller.
    DialogWindow* Show(Dialog& dialog);
    // The window of a dialog that runs now, or nullptr.
    DialogWindow* WindowOf(const Dialog* dialog) const;

  private:
    std::map<const Dialog*, DialogWindow*> m_windows;
};

}  // namespace tolvane
