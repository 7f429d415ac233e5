#include "framework/dialog.h"

#include <cstdlib>
#include <typeinfo>

#include "controls/btn_enh.h"
#include "controls/sort_list_ctrl.h"
#include "framework/month_cal_ctrl.h"

namespace tolvane {
namespace {

std::unique_ptr<Control> MakeControl(ControlKind kind) {
    switch (kind) {
        case ControlKind::kEnhancedButton:
            return std::make_unique<CBtnEnh>();
        case ControlKind::kMonthCalendar:
            return std::make_unique<CMonthCalCtrl>();
        case ControlKind::kListView:
            return std::make_unique<CSortListCtrl>();
        case ControlKind::kEdit:
            return std::make_unique<CEdit>();
        case ControlKind::kPushButton:
            return std::make_unique<CButton>();
        case ControlKind::kStatic:
        case ControlKind::kIcon:
            break;
    }
    return std::make_unique<CStatic>();
}

const DialogTemplate& TemplateOrDie(int id) {
    const DialogTemplate* dialog = FindDialogTemplate(id);
    if (dialog == nullptr) {
        std::abort();  // every dialog class names one of the program's own templates
    }
    return *dialog;
}

}  // namespace

void DataExchange::Control(int id, tolvane::Control& member) {
    m_dialog.Rebind(id, member);
}

Dialog::Dialog(int templateId) : m_pTemplate(&TemplateOrDie(templateId)) {
    m_strCaption = std::string(m_pTemplate->caption);
}

// Controls bound to members of a derived dialog are gone by now; the backend's views of them
// detach themselves when the window closes, before the dialog ends.
Dialog::~Dialog() = default;

int Dialog::DoModal() {
    return CurrentBackend().RunModal(*this);
}

void Dialog::EndDialog(int result) {
    m_nResult = result;
    m_bEnded = true;
    if (m_pObserver != nullptr) {
        m_pObserver->OnDialogEnded(*this);
    }
}

Control* Dialog::GetDlgItem(int id) const {
    for (Control* control : m_controls) {
        if (control->GetDlgCtrlID() == id) {
            return control;
        }
    }
    return nullptr;
}

void Dialog::SetWindowText(std::string_view caption) {
    m_strCaption = std::string(caption);
    if (m_pObserver != nullptr) {
        m_pObserver->OnDialogCaptionChanged(*this);
    }
}

void Dialog::Create() {
    m_ownedControls.clear();
    m_controls.clear();
    m_systemMenu.clear();
    m_bEnded = false;
    m_nResult = 0;
    for (const ControlTemplate& entry : m_pTemplate->controls) {
        std::unique_ptr<Control> control = MakeControl(entry.kind);
        control->Create(entry);
        m_controls.push_back(control.get());
        m_ownedControls.push_back(std::move(control));
    }
    m_bCreated = true;
    OnInitDialog();
}

void Dialog::Rebind(int id, Control& member) {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        Control* current = m_controls[i];
        if (current->GetDlgCtrlID() != id || current == &member) {
            continue;
        }
        // A member must be of the class the template's kind makes.
        std::unique_ptr<Control> made = MakeControl(current->Kind());
        if (typeid(member) != typeid(*made)) {
            std::abort();
        }
        member.Create(*current->Template());
        m_controls[i] = &member;
        if (auto* list = dynamic_cast<CSortListCtrl*>(&member)) {
            list->PreSubclassWindow(CurrentBackend().GetSysColor(COLOR_BTNFACE),
                                    CurrentBackend().GetSysColor(COLOR_WINDOW));
        }
        return;
    }
}

bool Dialog::OnInitDialog() {
    DataExchange dx(*this);
    DoDataExchange(dx);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnClickEvent(int) {
    return false;
}

bool Dialog::OnNotifyEvent(const Notification&, long*) {
    return false;
}

void Dialog::OnSysCommand(unsigned, long) {}

void Dialog::OnOK() {
    EndDialog(IDOK);
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void Dialog::AppendSystemMenu(unsigned id, std::string_view text) {
    m_systemMenu.push_back({id, std::string(text)});
}

void Dialog::FireClick(int id) {
    if (OnClickEvent(id)) {
        return;
    }
    // A plain push button without a handler sends its command: 1 is OK, 2 is cancel.
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

void Dialog::FireNotify(int id, int code) {
    Notification notification{id, code, GetDlgItem(id)};
    long result = 0;
    OnNotifyEvent(notification, &result);
}

void Dialog::FireSysCommand(unsigned command) {
    OnSysCommand(command, 0);
}

int Dialog::FireKey(int virtualKey) {
    int key = PreTranslateKey(virtualKey);
    if (key == VK_RETURN) {
        OnOK();
    } else if (key == VK_ESCAPE) {
        OnCancel();
    }
    return key;
}

void Dialog::FireClose() {
    // Only a dialog with a system menu has a close box.
    if (HasSystemMenu()) {
        OnCancel();
    }
}

}  // namespace tolvane
