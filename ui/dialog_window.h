#pragma once
// A real window for a dialog: its controls become widgets placed from the template's dialog
// units, converted with the dialog font's average character size as the platform does. A
// person's clicks, date picks and keys go to the dialog; the dialog's changes to its controls
// come back through their observers.
#include <QDialog>
#include <QPointer>
#include <memory>
#include <vector>

#include "framework/dialog.h"

class QTableView;

namespace tolvane {

class ListModel;

// Dialog base units of a font: average character width and height in pixels.
struct DialogBaseUnits {
    int x;
    int y;
};
DialogBaseUnits BaseUnitsOf(const QFont& font);
// The dialog font of a template (with our metric-compatible substitutes).
QFont DialogFont(const DialogTemplate& dialog);

class DialogWindow : public QDialog, public DialogObserver {
    Q_OBJECT
  public:
    DialogWindow(Dialog& dialog, QWidget* parent);
    ~DialogWindow() override;

    Dialog& CoreDialog() { return m_dialog; }
    QWidget* WidgetOf(int id) const;

    void OnDialogCaptionChanged(Dialog& dialog) override;
    void OnDialogEnded(Dialog& dialog) override;

    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    class Binding;
    QWidget* MakeWidget(Control& control, const QRect& geometry);

    Dialog& m_dialog;
    DialogBaseUnits m_units;
    bool m_bNativeSystemMenu = false;
    std::vector<std::unique_ptr<Binding>> m_bindings;
};

}  // namespace tolvane
