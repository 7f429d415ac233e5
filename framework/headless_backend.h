#pragma once
// The backend of the tests: dialogs, controls and message boxes live in memory only. A test acts
// as the person at the store (click a button, pick a date, press a key) and reads what the
// screen would show. A nested modal dialog runs the script that the test gave for its template,
// so no modal run ever blocks.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/backend.h"
#include "host/dates.h"

namespace tolvane {

class HeadlessBackend : public UiBackend {
  public:
    struct Message {
        std::string text;
        std::string title;
        MessageIcon icon;
        int ownerTemplate;  // template id of the owner dialog, 0 for none
    };
    using Script = std::function<void(Dialog&)>;

    // The next modal run of a dialog with this template runs `script` after the dialog is
    // initialised. Scripts for one template run in the order they were given. A modal run with
    // no script left ends at once with IDCANCEL, as if the person closed it.
    void ExpectModal(int templateId, Script script);
    // Creates and initialises a dialog without a modal loop, for tests that act on the top
    // dialog themselves.
    void Open(Dialog& dialog);

    int RunModal(Dialog& dialog) override;
    int ShowMessageBox(Dialog* owner, std::string_view text, std::string_view title,
                       MessageIcon icon) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    COLORREF GetSysColor(int index) const override;

    void SetSysColor(int index, COLORREF color) { m_sysColors[index] = color; }

    const std::vector<Message>& Messages() const { return m_messages; }
    // The texts of the message boxes shown so far.
    std::vector<std::string> MessageTexts() const;
    void ClearMessages() { m_messages.clear(); }
    // Template ids of the modal runs so far, in order.
    const std::vector<int>& ModalRuns() const { return m_modalRuns; }
    int WaitCursorDepth() const { return m_nWaitDepth; }
    // How many times the wait cursor was shown.
    int WaitCursorShows() const { return m_nWaitShows; }
    // True once the wait cursor has been shown.
    bool WaitCursorWasShown() const { return m_nWaitShows > 0; }

  private:
    std::map<int, std::deque<Script>> m_scripts;
    std::vector<Message> m_messages;
    std::vector<int> m_modalRuns;
    std::map<int, COLORREF> m_sysColors;
    int m_nWaitDepth = 0;
    int m_nWaitShows = 0;
};

// Installs a fresh headless backend for the lifetime of a test and restores the previous one.
class ScopedHeadlessBackend {
  public:
    ScopedHeadlessBackend();
    ~ScopedHeadlessBackend();
    HeadlessBackend& operator*() { return m_backend; }
    HeadlessBackend* operator->() { return &m_backend; }

  private:
    HeadlessBackend m_backend;
    UiBackend* m_previous;
};

// A person's actions on a dialog. Each returns false (and does nothing) when the person could
// not do it: the control is missing, hidden, or of another kind.
bool Click(Dialog& dialog, int id);
bool SelectDate(Dialog& dialog, int calendarId, const Date& date);
bool ClickList(Dialog& dialog, int listId, int row);
bool ClickHeader(Dialog& dialog, int listId, int column);
bool SelectRowByClick(Dialog& dialog, int listId, int row);
// Presses a key; returns the key the dialog acted on after its own translation.
int PressKey(Dialog& dialog, int virtualKey);
bool CloseBox(Dialog& dialog);

// What the screen shows.
bool IsVisible(const Dialog& dialog, int id);
std::string CaptionOf(const Dialog& dialog, int id);

}  // namespace tolvane
