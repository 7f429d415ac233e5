#pragma once
// The print preview window of tabulo: the report's pages, with Print, Save as PDF, zoom and
// page buttons.
#include <QMainWindow>
#include <QPrinter>

class QLabel;
class QPrintPreviewWidget;

namespace tolvane {

class ReportRenderer;

class PreviewWindow : public QMainWindow {
    Q_OBJECT
  public:
    // The renderer must outlive the window. `defaultPdf` is offered by Save as PDF.
    PreviewWindow(const ReportRenderer& renderer, const QPageLayout& layout,
                  const QString& defaultPdf, QWidget* parent = nullptr);

  private:
    void OnPrint();
    void OnSaveAsPdf();
    void OnPreviewChanged();
    void PaintOn(QPrinter* printer);

    const ReportRenderer& m_renderer;
    QPrinter m_printer;
    QPrintPreviewWidget* m_preview = nullptr;
    QLabel* m_lblPage = nullptr;
    QString m_strDefaultPdf;
};

// Writes the report to a PDF file. False with a message when the file cannot be written.
bool WriteReportPdf(const ReportRenderer& renderer, const QPageLayout& layout, const QString& path,
                    QString* error);

}  // namespace tolvane
