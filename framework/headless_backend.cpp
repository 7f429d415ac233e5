#include "framework/headless_backend.h"

#include "controls/sort_list_ctrl.h"
#include "framework/dialog.h"
#include "framework/month_cal_ctrl.h"

namespace tolvane {

void HeadlessBackend::ExpectModal(int templateId, Script script) {
    m_scripts[templateId].push_back(std::move(script));
}

void HeadlessBackend::Open(Dialog& dialog) {
    dialog.Create();
}

int HeadlessBackend::RunModal(Dialog& dialog) {
    m_modalRuns.push_back(dialog.TemplateId());
    dialog.Create();
    if (!dialog.IsEnded()) {
        std::deque<Script>& scripts = m_scripts[dialog.TemplateId()];
        if (!scripts.empty()) {
            Script script = std::move(scripts.front());
            scripts.pop_front();
            script(dialog);
        }
    }
    if (!dialog.IsEnded()) {
        dialog.EndDialog(IDCANCEL);
    }
    return dialog.ModalResult();
}

int HeadlessBackend::ShowMessageBox(Dialog* owner, std::string_view text, std::string_view title,
                                    MessageIcon icon) {
    m_messages.push_back(
        {std::string(text), std::string(title), icon, owner != nullptr ? owner->TemplateId() : 0});
    return IDOK;
}

void HeadlessBackend::BeginWaitCursor() {
    ++m_nWaitDepth;
    ++m_nWaitShows;
}

void HeadlessBackend::EndWaitCursor() {
    if (m_nWaitDepth > 0) {
        --m_nWaitDepth;
    }
}

COLORREF HeadlessBackend::GetSysColor(int index) const {
    auto found = m_sysColors.find(index);
    if (found != m_sysColors.end()) {
        return found->second;
    }
    return index == COLOR_WINDOW ? 0x00FFFFFF : 0x00F0F0F0;
}

std::vector<std::string> HeadlessBackend::MessageTexts() const {
    std::vector<std::string> texts;
    for (const Message& message : m_messages) {
        texts.push_back(message.text);
    }
    return texts;
}

ScopedHeadlessBackend::ScopedHeadlessBackend() : m_previous(&CurrentBackend()) {
    SetBackend(&m_backend);
}

ScopedHeadlessBackend::~ScopedHeadlessBackend() {
    SetBackend(m_previous);
}

namespace {

Control* Reachable(Dialog& dialog, int id) {
    Control* control = dialog.GetDlgItem(id);
    if (control == nullptr || !control->IsWindowVisible() || dialog.IsEnded()) {
        return nullptr;
    }
    return control;
}

}  // namespace

bool Click(Dialog& dialog, int id) {
    Control* control = Reachable(dialog, id);
    if (control == nullptr || (control->Kind() != ControlKind::kEnhancedButton &&
                               control->Kind() != ControlKind::kPushButton)) {
        return false;
    }
    dialog.FireClick(id);
    return true;
}

bool SelectDate(Dialog& dialog, int calendarId, const Date& date) {
    auto* calendar = dynamic_cast<CMonthCalCtrl*>(Reachable(dialog, calendarId));
    if (calendar == nullptr || !IsValidDate(date)) {
        return false;
    }
    calendar->SetCurSel(date);
    dialog.FireNotify(calendarId, MCN_SELECT);
    return true;
}

bool ClickList(Dialog& dialog, int listId, int row) {
    auto* list = dynamic_cast<CSortListCtrl*>(Reachable(dialog, listId));
    if (list == nullptr) {
        return false;
    }
    if (row >= 0 && row < list->GetItemCount()) {
        list->SetSelectedByUser(row, true);
    }
    dialog.FireNotify(listId, NM_CLICK);
    return true;
}

bool ClickHeader(Dialog& dialog, int listId, int column) {
    auto* list = dynamic_cast<CSortListCtrl*>(Reachable(dialog, listId));
    if (list == nullptr || column < 0 || column >= list->GetColumnCount()) {
        return false;
    }
    list->OnColumnClick(column);
    return true;
}

bool SelectRowByClick(Dialog& dialog, int listId, int row) {
    auto* list = dynamic_cast<CSortListCtrl*>(Reachable(dialog, listId));
    if (list == nullptr || row < 0 || row >= list->GetItemCount()) {
        return false;
    }
    list->SetSelectedByUser(row, true);
    return true;
}

int PressKey(Dialog& dialog, int virtualKey) {
    return dialog.FireKey(virtualKey);
}

bool CloseBox(Dialog& dialog) {
    if (!dialog.HasSystemMenu() || dialog.IsEnded()) {
        return false;
    }
    dialog.FireClose();
    return true;
}

bool IsVisible(const Dialog& dialog, int id) {
    Control* control = dialog.GetDlgItem(id);
    return control != nullptr && control->IsWindowVisible();
}

std::string CaptionOf(const Dialog& dialog, int id) {
    Control* control = dialog.GetDlgItem(id);
    return control != nullptr ? control->GetWindowText() : std::string();
}

}  // namespace tolvane
