#pragma once
// The dialog base: one class per dialog template. The dialog creates its controls from the
// template, binds the controls it names to its members by id (data exchange), and routes a
// person's actions to its handlers through event tables. Everything a dialog does to the screen
// goes through its controls and the backend, so the same dialog runs on screen and in tests.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/backend.h"
#include "framework/control.h"
#include "res/dialog_templates.h"

namespace tolvane {

class Dialog;

// A notification that a control sends its dialog.
inline constexpr int NM_CLICK = -2;
inline constexpr int MCN_SELECT = -746;

struct Notification {
    int idFrom = 0;
    int code = 0;
    Control* from = nullptr;
};

// Virtual keys a dialog sees.
inline constexpr int VK_TAB = 9;
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_ESCAPE = 27;

// System menu command of the About entry.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Event tables: a dialog lists its handlers by control id.
template <class D>
struct ClickEntry {
    int id;
    void (D::*handler)();
};

template <class D>
struct NotifyEntry {
    int code;
    int id;
    void (D::*handler)(const Notification& notification, long* result);
};

template <class D, std::size_t N>
bool DispatchClick(D& dialog, const ClickEntry<D> (&table)[N], int id) {
    for (const ClickEntry<D>& entry : table) {
        if (entry.id == id) {
            (dialog.*entry.handler)();
            return true;
        }
    }
    return false;
}

template <class D, std::size_t N>
bool DispatchNotify(D& dialog, const NotifyEntry<D> (&table)[N], const Notification& notification,
                    long* result) {
    for (const NotifyEntry<D>& entry : table) {
        if (entry.code == notification.code && entry.id == notification.idFrom) {
            (dialog.*entry.handler)(notification, result);
            return true;
        }
    }
    return false;
}

// Binds dialog members to the controls of the template.
class DataExchange {
  public:
    explicit DataExchange(Dialog& dialog) : m_dialog(dialog) {}
    // Makes `member` the control `id` of the dialog. The member takes the control's template
    // state (caption, visibility); it must be of the control's kind.
    void Control(int id, tolvane::Control& member);

  private:
    Dialog& m_dialog;
};

// A dialog menu entry that the dialog adds to its system menu (id 0 = separator).
struct SystemMenuEntry {
    unsigned id;
    std::string text;
};

class DialogObserver {
  public:
    virtual ~DialogObserver() = default;
    virtual void OnDialogCaptionChanged(Dialog& dialog) = 0;
    virtual void OnDialogEnded(Dialog& dialog) = 0;
};

class Dialog {
  public:
    explicit Dialog(int templateId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally through the current backend; returns the EndDialog result.
    int DoModal();
    void EndDialog(int result);
    bool IsEnded() const { return m_bEnded; }
    int ModalResult() const { return m_nResult; }

    const DialogTemplate& Template() const { return *m_pTemplate; }
    int TemplateId() const { return m_pTemplate->id; }

    // The control with this id, or nullptr.
    Control* GetDlgItem(int id) const;
    // All controls in creation order (after Create).
    const std::vector<Control*>& Controls() const { return m_controls; }

    void SetWindowText(std::string_view caption);
    const std::string& GetWindowText() const { return m_strCaption; }
    const std::vector<SystemMenuEntry>& SystemMenu() const { return m_systemMenu; }
    bool HasSystemMenu() const { return (m_pTemplate->style & kDialogSysMenu) != 0; }

    void SetObserver(DialogObserver* observer) { m_pObserver = observer; }

    // --- Used by backends ---
    // Creates the controls from the template and runs OnInitDialog.
    void Create();
    bool IsCreated() const { return m_bCreated; }
    // A person's actions.
    void FireClick(int id);
    void FireNotify(int id, int code);
    void FireSysCommand(unsigned command);
    // A key pressed in the dialog: the dialog may translate it first (PreTranslateKey), then
    // Enter is the OK command and Escape the cancel command. Returns the key after translation
    // so that the backend can act on Tab.
    int FireKey(int virtualKey);
    // The close box of the caption: the cancel command.
    void FireClose();

  protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx);
    virtual bool OnClickEvent(int id);
    virtual bool OnNotifyEvent(const Notification& notification, long* result);
    virtual void OnSysCommand(unsigned command, long parameter);
    // Changes a key before the dialog handles it; the default passes it on unchanged.
    virtual int PreTranslateKey(int virtualKey) { return virtualKey; }
    virtual void OnOK();
    virtual void OnCancel();

    void AppendSystemMenu(unsigned id, std::string_view text);

  private:
    friend class DataExchange;
    void Rebind(int id, Control& member);

    const DialogTemplate* m_pTemplate;
    std::vector<std::unique_ptr<Control>> m_ownedControls;
    std::vector<Control*> m_controls;
    std::vector<SystemMenuEntry> m_systemMenu;
    std::string m_strCaption;
    DialogObserver* m_pObserver = nullptr;
    bool m_bCreated = false;
    bool m_bEnded = false;
    int m_nResult = 0;
};

}  // namespace tolvane
