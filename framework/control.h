#pragma once
// The state of one dialog control, kept in memory so that the program's logic never depends on
// the window system. A backend shows the state (Qt widgets) or only keeps it (headless tests);
// it learns of every change through the control's observer.
#include <cstdint>
#include <string>
#include <string_view>

#include "res/dialog_templates.h"

namespace tolvane {

// A colour as the POS platform writes it: 0x00BBGGRR.
using COLORREF = std::uint32_t;
constexpr COLORREF MakeRgb(int red, int green, int blue) {
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(COLORREF color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int GreenOf(COLORREF color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int BlueOf(COLORREF color) {
    return static_cast<int>((color >> 16) & 0xFF);
}

class Control;

enum class ControlChange {
    kVisibility,
    kText,
    kColors,
    kFocus,
    kCalendarSelection,
    kListReset,        // rows, columns or styles changed wholesale
    kListColumns,      // a column was inserted or deleted
    kListColumnWidth,  // column `column` has a new width
    kListRowInserted,  // row `row` was inserted
    kListCell,         // cell (row, column) has a new text
    kListSelection,    // row `row` changed its selected state
};

class ControlObserver {
  public:
    virtual ~ControlObserver() = default;
    virtual void OnControlChanged(Control& control, ControlChange change, int row, int column) = 0;
};

class Control {
  public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int GetDlgCtrlID() const { return m_nId; }
    ControlKind Kind() const { return m_kind; }
    // The template entry the control was created from (nullptr before creation).
    const ControlTemplate* Template() const { return m_pTemplate; }

    void ShowWindow(bool show);
    bool IsWindowVisible() const { return m_bVisible; }

    void SetWindowText(std::string_view text);
    const std::string& GetWindowText() const { return m_strText; }

    // Gives the control the input focus (the backend moves it on screen).
    void SetFocus();

    void SetObserver(ControlObserver* observer) { m_pObserver = observer; }
    ControlObserver* Observer() const { return m_pObserver; }

    // Creates the control from its template entry; called by the dialog.
    virtual void Create(const ControlTemplate& entry);

  protected:
    void Notify(ControlChange change, int row = -1, int column = -1);

  private:
    int m_nId = 0;
    ControlKind m_kind = ControlKind::kStatic;
    const ControlTemplate* m_pTemplate = nullptr;
    bool m_bVisible = true;
    std::string m_strText;
    ControlObserver* m_pObserver = nullptr;
};

// Static text, icon, edit control and plain push button need nothing beyond Control.
class CStatic : public Control {};
class CEdit : public Control {};
class CButton : public Control {};

}  // namespace tolvane
