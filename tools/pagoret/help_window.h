#pragma once
// The window in which pagoret shows a help document: the text, read-only, and a Close button.
#include <QDialog>

class QTextBrowser;
class QTextDocument;

namespace tolvane {

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    // Shows `document` (which the window takes over) under the given title.
    HelpWindow(QTextDocument* document, const QString& title, QWidget* parent = nullptr);

  private:
    QTextBrowser* m_txtHelp = nullptr;
};

}  // namespace tolvane
