#include <windows.h>

#include <QWidget>

#include "framework/dialog.h"
#include "ui/system_menu.h"

namespace tolvane {

bool InstallSystemMenu(QWidget& window, const Dialog& dialog) {
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (menu == nullptr) {
        return false;
    }
    for (const SystemMenuEntry& entry : dialog.SystemMenu()) {
        if (entry.id == 0) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, MF_STRING, entry.id, entry.text.c_str());
        }
    }
    return true;
}

bool HandleSystemMenuMessage(const QByteArray& eventType, void* message, Dialog& dialog) {
    if (eventType != "windows_generic_MSG") {
        return false;
    }
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND) {
        return false;
    }
    unsigned command = static_cast<unsigned>(msg->wParam) & 0xFFF0;
    for (const SystemMenuEntry& entry : dialog.SystemMenu()) {
        if (entry.id != 0 && entry.id == command) {
            dialog.FireSysCommand(static_cast<unsigned>(msg->wParam));
            return true;
        }
    }
    return false;
}

}  // namespace tolvane
