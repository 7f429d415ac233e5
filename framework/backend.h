#pragma once
// What a dialog needs from the window system: running a modal dialog, message boxes, the wait
// cursor and the system colours. The Qt backend gives a person real windows; the headless
// backend keeps everything in memory for tests. The headless backend is in force until a
// program installs another.
#include <string>
#include <string_view>

#include "framework/control.h"

namespace tolvane {

class Dialog;

enum class MessageIcon { kNone, kExclamation };

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// System colour indexes.
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_BTNFACE = 15;

class UiBackend {
  public:
    virtual ~UiBackend() = default;
    // Creates the dialog's controls, initialises it and runs it until it ends; returns the
    // result given to EndDialog.
    virtual int RunModal(Dialog& dialog) = 0;
    // Shows a message box with an OK button; returns IDOK.
    virtual int ShowMessageBox(Dialog* owner, std::string_view text, std::string_view title,
                               MessageIcon icon) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    virtual COLORREF GetSysColor(int index) const = 0;
};

UiBackend& CurrentBackend();
// Installs a backend (nullptr restores the headless default). The caller keeps ownership.
void SetBackend(UiBackend* backend);

// The application's name: the executable's file name without its extension. It titles every
// message box.
const std::string& AppName();
void SetAppNameFromPath(std::string_view executablePath);

// The application's main window (nullptr when there is none).
Dialog* MainWindow();
void SetMainWindow(Dialog* dialog);

// The application's command line: the text after the program's name.
const std::string& CommandLine();
void SetCommandLine(std::string_view text);

// Shows a message box titled with the application's name, with an OK button and the
// exclamation icon, owned by the main window.
int AfxMessageBox(std::string_view text);

// Shows the hourglass while it lives.
class CWaitCursor {
  public:
    CWaitCursor() { CurrentBackend().BeginWaitCursor(); }
    ~CWaitCursor() { CurrentBackend().EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

}  // namespace tolvane
