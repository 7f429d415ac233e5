#include "ui/qt_backend.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>

#include "framework/dialog.h"
#include "ui/ansi_text.h"
#include "ui/dialog_window.h"

namespace tolvane {
namespace {

COLORREF FromQColor(const QColor& color) {
    return MakeRgb(color.red(), color.green(), color.blue());
}

}  // namespace

DialogWindow* QtBackend::WindowOf(const Dialog* dialog) const {
    auto found = m_windows.find(dialog);
    return found != m_windows.end() ? found->second : nullptr;
}

int QtBackend::RunModal(Dialog& dialog) {
    dialog.Create();
    if (dialog.IsEnded()) {
        return dialog.ModalResult();
    }
    QWidget* parent = QApplication::activeModalWidget();
    DialogWindow window(dialog, parent);
    window.setModal(true);
    m_windows[&dialog] = &window;
    window.exec();
    m_windows.erase(&dialog);
    if (!dialog.IsEnded()) {
        dialog.EndDialog(IDCANCEL);
    }
    return dialog.ModalResult();
}

DialogWindow* QtBackend::Show(Dialog& dialog) {
    dialog.Create();
    auto* window = new DialogWindow(dialog, nullptr);
    window->show();
    return window;
}

int QtBackend::ShowMessageBox(Dialog* owner, std::string_view text, std::string_view title,
                              MessageIcon icon) {
    QWidget* parent = WindowOf(owner);
    if (parent == nullptr) {
        parent = QApplication::activeModalWidget();
    }
    QMessageBox box(icon == MessageIcon::kExclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    FromAnsi(title), FromAnsi(text), QMessageBox::Ok, parent);
    // A message box is read and dismissed with a finger too.
    box.setStyleSheet(
        QStringLiteral("QLabel{font-size:12pt;} QPushButton{min-width:90px;"
                       "min-height:36px;font-size:11pt;}"));
    // The hourglass of a long job must not hide the pointer from the message box.
    int overrides = 0;
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
        ++overrides;
    }
    box.exec();
    while (overrides-- > 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    return IDOK;
}

void QtBackend::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtBackend::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

COLORREF QtBackend::GetSysColor(int index) const {
    QPalette palette = QApplication::palette();
    if (index == COLOR_WINDOW) {
        return FromQColor(palette.color(QPalette::Base));
    }
    return FromQColor(palette.color(QPalette::Button));
}

}  // namespace tolvane
