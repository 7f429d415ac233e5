#include "tabulo/preview_window.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

#include "tabulo/report_renderer.h"

namespace tolvane {

bool WriteReportPdf(const ReportRenderer& renderer, const QPageLayout& layout, const QString& path,
                    QString* error) {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Tabulo"));
    writer.setTitle(QString::fromStdString(renderer.Content().headings.title));
    writer.setPageLayout(layout);
    if (!renderer.Paint(&writer)) {
        *error = QStringLiteral("Cannot write the PDF file \"%1\".").arg(path);
        return false;
    }
    return true;
}

PreviewWindow::PreviewWindow(const ReportRenderer& renderer, const QPageLayout& layout,
                             const QString& defaultPdf, QWidget* parent)
    : QMainWindow(parent),
      m_renderer(renderer),
      m_printer(QPrinter::HighResolution),
      m_strDefaultPdf(defaultPdf) {
    m_printer.setPageLayout(layout);
    m_printer.setDocName(QString::fromStdString(renderer.Content().headings.title));

    m_preview = new QPrintPreviewWidget(&m_printer, this);
    setCentralWidget(m_preview);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::PaintOn);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this,
            &PreviewWindow::OnPreviewChanged);

    QToolBar* bar = addToolBar(tr("Report"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(24, 24));
    QStyle* st = style();

    QAction* print = bar->addAction(
        QIcon::fromTheme(QStringLiteral("document-print"), st->standardIcon(QStyle::SP_FileIcon)),
        tr("Print..."));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &PreviewWindow::OnPrint);
    QAction* pdf =
        bar->addAction(st->standardIcon(QStyle::SP_DialogSaveButton), tr("Save as PDF..."));
    pdf->setShortcut(QKeySequence::Save);
    connect(pdf, &QAction::triggered, this, &PreviewWindow::OnSaveAsPdf);
    bar->addSeparator();

    QAction* previous = bar->addAction(st->standardIcon(QStyle::SP_ArrowBack), tr("Previous"));
    previous->setShortcut(QKeySequence::MoveToPreviousPage);
    connect(previous, &QAction::triggered, this,
            [this] { m_preview->setCurrentPage(m_preview->currentPage() - 1); });
    m_lblPage = new QLabel(this);
    m_lblPage->setMinimumWidth(90);
    m_lblPage->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_lblPage);
    QAction* next = bar->addAction(st->standardIcon(QStyle::SP_ArrowForward), tr("Next"));
    next->setShortcut(QKeySequence::MoveToNextPage);
    connect(next, &QAction::triggered, this,
            [this] { m_preview->setCurrentPage(m_preview->currentPage() + 1); });
    bar->addSeparator();

    QAction* zoomIn = bar->addAction(tr("Zoom In"));
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    connect(zoomIn, &QAction::triggered, m_preview, [this] { m_preview->zoomIn(); });
    QAction* zoomOut = bar->addAction(tr("Zoom Out"));
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    connect(zoomOut, &QAction::triggered, m_preview, [this] { m_preview->zoomOut(); });
    QAction* fitWidth = bar->addAction(tr("Fit Width"));
    connect(fitWidth, &QAction::triggered, m_preview, &QPrintPreviewWidget::fitToWidth);
    QAction* wholePage = bar->addAction(tr("Whole Page"));
    connect(wholePage, &QAction::triggered, m_preview, &QPrintPreviewWidget::fitInView);
    bar->addSeparator();

    QAction* close = bar->addAction(st->standardIcon(QStyle::SP_DialogCloseButton), tr("Close"));
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence::Close});
    connect(close, &QAction::triggered, this, &QWidget::close);

    const QString title = QString::fromStdString(renderer.Content().headings.title);
    setWindowTitle((title.isEmpty() ? renderer.Content().fileName : title) +
                   QStringLiteral(" - Tabulo"));
    QSize size(1000, 800);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    }
    resize(size);
    m_preview->fitInView();
}

void PreviewWindow::PaintOn(QPrinter* printer) {
    if (!m_renderer.Paint(printer)) {
        QMessageBox::warning(this, QStringLiteral("Tabulo"),
                             tr("The report could not be drawn on this printer."));
    }
}

void PreviewWindow::OnPreviewChanged() {
    m_lblPage->setText(
        tr("Page %1 of %2").arg(m_preview->currentPage()).arg(m_preview->pageCount()));
}

void PreviewWindow::OnPrint() {
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(tr("Print %1").arg(windowTitle()));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_preview->print();
    m_preview->updatePreview();
}

void PreviewWindow::OnSaveAsPdf() {
    QString path = QFileDialog::getSaveFileName(this, tr("Save as PDF"), m_strDefaultPdf,
                                                tr("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    QString error;
    if (!WriteReportPdf(m_renderer, m_printer.pageLayout(), path, &error)) {
        QMessageBox::warning(this, QStringLiteral("Tabulo"), error);
        return;
    }
    m_strDefaultPdf = path;
}

}  // namespace tolvane
