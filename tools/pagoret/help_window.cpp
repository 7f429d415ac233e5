#include "pagoret/help_window.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace tolvane {

HelpWindow::HelpWindow(QTextDocument* document, const QString& title, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_txtHelp = new QTextBrowser(this);
    document->setParent(m_txtHelp);
    m_txtHelp->setDocument(document);
    m_txtHelp->setOpenLinks(false);
    document->setDocumentMargin(18);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    // A large button: the store's computer is often worked by touch.
    close->setMinimumSize(140, 44);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_txtHelp, 1);
    layout->addWidget(buttons);

    QSize size(780, 860);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    }
    resize(size);
    m_txtHelp->setFocus();
}

}  // namespace tolvane
