#include "framework/control.h"

namespace tolvane {

void Control::Create(const ControlTemplate& entry) {
    m_nId = entry.id;
    m_kind = entry.kind;
    m_pTemplate = &entry;
    m_bVisible = true;  // every control of the program's templates is created visible
    m_strText = std::string(entry.caption);
}

void Control::ShowWindow(bool show) {
    m_bVisible = show;
    Notify(ControlChange::kVisibility);
}

void Control::SetWindowText(std::string_view text) {
    m_strText = std::string(text);
    Notify(ControlChange::kText);
}

void Control::SetFocus() {
    Notify(ControlChange::kFocus);
}

void Control::Notify(ControlChange change, int row, int column) {
    if (m_pObserver != nullptr) {
        m_pObserver->OnControlChanged(*this, change, row, column);
    }
}

}  // namespace tolvane
