#pragma once
// Lays out and paints a report (headings, table, page footer) on pages: a printer, a PDF file
// or a print preview.
//
// Every page carries the headings, the column header row (with the group captions, if any),
// and a footer with the print date, the report file's name and "Page n of m". The table is
// set at 9 points; when it is wider than the page the font shrinks, down to 6 points; when it
// is still too wide the widest columns wrap their text onto more lines, and a table too wide
// even for that is printed in bands of columns, one band after the other. No text is ever cut
// off: a row taller than a page goes on over the next page.
#include <QDateTime>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <vector>

#include "tabulo/report_headings.h"
#include "tabulo/report_table.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace tolvane {

struct ReportContent {
    ReportHeadings headings;
    ReportTable table;
    std::vector<ColumnAlign> alignments;  // one a column
    std::vector<ColumnGroup> groups;
    QString fileName;  // shown in the footer
    QDateTime printed;
};

class ReportRenderer {
  public:
    explicit ReportRenderer(ReportContent content);

    // The page layout to print on pages of this size: portrait when the table fits across a
    // portrait page at full size, else landscape.
    QPageLayout PreferredPageLayout(const QPageSize& pageSize) const;

    // Paints every page on a device whose page layout is set. False when painting cannot
    // begin (for example the PDF file cannot be created).
    bool Paint(QPagedPaintDevice* device) const;

    // Facts about the last layout, for the caller's report.
    struct Summary {
        int pages = 0;
        double fontPoints = 0;
        int bands = 0;
        bool wrapped = false;
    };
    Summary LastSummary() const { return m_summary; }

    const ReportContent& Content() const { return m_content; }

    static constexpr double kBodyPoints = 9.0;
    static constexpr double kMinimumPoints = 6.0;
    static constexpr double kMarginMillimetres = 12.7;

  private:
    struct TableFit;
    struct Page;
    struct Slice;
    TableFit FitTable(QPaintDevice* device, double pageWidth) const;

    ReportContent m_content;
    QStringList m_header;
    std::vector<QStringList> m_rows;
    QString m_title;
    mutable Summary m_summary;
};

}  // namespace tolvane
