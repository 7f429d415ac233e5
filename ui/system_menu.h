#pragma once
// The dialog's own entries in the window's system menu. Windows has a system menu that a
// program can add to; X11 and Wayland desktops give a program none, so there the entries open
// from the dialog's context menu instead (DialogWindow::contextMenuEvent).
#include <QByteArray>

class QWidget;

namespace tolvane {

class Dialog;

// Appends the dialog's entries to the native system menu. Returns false where the desktop has
// no system menu for a program to add to.
bool InstallSystemMenu(QWidget& window, const Dialog& dialog);

// Handles a native window message; true when it was a command of one of the dialog's own
// system menu entries, which has then been sent to the dialog.
bool HandleSystemMenuMessage(const QByteArray& eventType, void* message, Dialog& dialog);

}  // namespace tolvane
