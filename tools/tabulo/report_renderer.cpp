#include "tabulo/report_renderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace tolvane {
namespace {

// Text is measured on an image of printer resolution, so that the choice of orientation made
// before printing matches the layout on the printer.
constexpr double kMeasureDpi = 1200.0;
constexpr double kTitlePoints = 15.0;
constexpr double kHeadingPoints = 10.5;
constexpr double kFooterPoints = 7.5;
constexpr double kPointStep = 0.25;

const QColor kHeaderFill(0xE2, 0xE7, 0xEE);
const QColor kGroupFill(0xCF, 0xD8, 0xE3);
const QColor kAltRowFill(0xF3, 0xF5, 0xF8);
const QColor kGridColor(0xC8, 0xCE, 0xD6);
const QColor kBorderColor(0x7A, 0x86, 0x94);
const QColor kFooterColor(0x55, 0x5F, 0x6A);

QFont ReportFont(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    // Unhinted glyphs scale evenly, so widths measured at one resolution hold at another.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

Qt::Alignment ToQt(ColumnAlign align) {
    switch (align) {
        case ColumnAlign::kRight:
            return Qt::AlignRight;
        case ColumnAlign::kCenter:
            return Qt::AlignHCenter;
        case ColumnAlign::kLeft:
            break;
    }
    return Qt::AlignLeft;
}

// Number of QChar units of text, from `from`, that fit in width (at least one character, and
// never half of a surrogate pair).
int FittingPrefix(const QString& text, int from, const QFontMetricsF& fm, double width) {
    double used = 0;
    int i = from;
    while (i < text.size()) {
        const int length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        used += fm.horizontalAdvance(text.mid(i, length));
        if (used > width && i > from) {
            break;
        }
        i += length;
    }
    return i - from;
}

// Breaks text into lines no wider than width: at blanks where it can, inside a word where a
// word alone is too wide. Always at least one line.
QStringList WrapText(const QString& text, const QFontMetricsF& fm, double width) {
    if (text.isEmpty() || fm.horizontalAdvance(text) <= width) {
        return {text};
    }
    QStringList lines;
    QString line;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (fm.horizontalAdvance(candidate) <= width) {
            line = candidate;
            continue;
        }
        if (!line.isEmpty()) {
            lines << line;
            line.clear();
        }
        int from = 0;
        while (fm.horizontalAdvance(word.mid(from)) > width) {
            const int n = FittingPrefix(word, from, fm, width);
            lines << word.mid(from, n);
            from += n;
        }
        line = word.mid(from);
    }
    if (!line.isEmpty() || lines.isEmpty()) {
        lines << line;
    }
    return lines;
}

int LineCount(const QString& text, const QFontMetricsF& fm, double width) {
    if (text.isEmpty() || fm.horizontalAdvance(text) <= width) {
        return 1;
    }
    return static_cast<int>(WrapText(text, fm, width).size());
}

QString EnglishDateTime(const QDateTime& when) {
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(when, QStringLiteral("dddd, MMMM dd, yyyy  h:mm AP"));
}

}  // namespace

struct ReportRenderer::TableFit {
    double points = kBodyPoints;
    std::vector<double> widths;           // device pixels, one a column
    std::vector<std::vector<int>> bands;  // the columns of each band of pages
    bool repeatsFirst = false;            // every band after the first starts with column 0
    bool wrapped = false;
};

struct ReportRenderer::Slice {
    int row = 0;
    int firstLine = 0;
    int lineCount = 0;
};

struct ReportRenderer::Page {
    int band = 0;
    std::vector<Slice> slices;
};

ReportRenderer::ReportRenderer(ReportContent content) : m_content(std::move(content)) {
    for (const std::string& name : m_content.table.header) {
        m_header << QString::fromStdString(name);
    }
    m_rows.reserve(m_content.table.rows.size());
    for (const auto& row : m_content.table.rows) {
        QStringList cells;
        for (const std::string& cell : row) {
            cells << QString::fromStdString(cell);
        }
        m_rows.push_back(std::move(cells));
    }
    m_title = QString::fromStdString(m_content.headings.title);
    if (m_title.isEmpty()) {
        m_title = m_content.fileName;
    }
    m_content.alignments.resize(m_header.size(), ColumnAlign::kLeft);
}

ReportRenderer::TableFit ReportRenderer::FitTable(QPaintDevice* device, double pageWidth) const {
    const int columns = static_cast<int>(m_header.size());
    const double pixelsPerPoint = device->logicalDpiX() / 72.0;

    auto naturalWidths = [&](double points) {
        const QFontMetricsF fm(ReportFont(points, false), device);
        const QFontMetricsF bold(ReportFont(points, true), device);
        const double pad = 0.35 * points * pixelsPerPoint;
        std::vector<double> widths(columns, 0.0);
        for (int c = 0; c < columns; ++c) {
            widths[c] = bold.horizontalAdvance(m_header[c]);
        }
        for (const QStringList& row : m_rows) {
            for (int c = 0; c < columns; ++c) {
                if (!row[c].isEmpty()) {
                    widths[c] = std::max(widths[c], fm.horizontalAdvance(row[c]));
                }
            }
        }
        for (double& w : widths) {
            w = std::ceil(w + 2 * pad + 1);
        }
        // A group caption needs room over its columns too.
        for (const ColumnGroup& group : m_content.groups) {
            if (group.first < 0 || group.last >= columns || group.first > group.last) {
                continue;
            }
            double span = 0;
            for (int c = group.first; c <= group.last; ++c) {
                span += widths[c];
            }
            const double needed =
                bold.horizontalAdvance(QString::fromStdString(group.caption)) + 2 * pad + 1;
            if (span < needed) {
                const double extra = (needed - span) / (group.last - group.first + 1);
                for (int c = group.first; c <= group.last; ++c) {
                    widths[c] = std::ceil(widths[c] + extra);
                }
            }
        }
        return widths;
    };
    auto total = [](const std::vector<double>& widths) {
        double sum = 0;
        for (double w : widths) {
            sum += w;
        }
        return sum;
    };
    auto allColumns = [columns] {
        std::vector<int> band(columns);
        for (int c = 0; c < columns; ++c) {
            band[c] = c;
        }
        return band;
    };

    TableFit fit;
    fit.widths = naturalWidths(kBodyPoints);
    const double fullWidth = total(fit.widths);
    if (fullWidth <= pageWidth) {
        fit.bands.push_back(allColumns());
        return fit;
    }
    // Text widths scale with the font size, so the first guess is close; step from there.
    double points = std::floor(kBodyPoints * pageWidth / fullWidth / kPointStep) * kPointStep;
    points = std::clamp(points, kMinimumPoints, kBodyPoints - kPointStep);
    std::vector<double> widths = naturalWidths(points);
    if (total(widths) <= pageWidth) {
        while (points + kPointStep < kBodyPoints) {
            std::vector<double> larger = naturalWidths(points + kPointStep);
            if (total(larger) > pageWidth) {
                break;
            }
            points += kPointStep;
            widths = std::move(larger);
        }
    } else {
        while (points - kPointStep >= kMinimumPoints && total(widths) > pageWidth) {
            points -= kPointStep;
            widths = naturalWidths(points);
        }
    }
    fit.points = points;
    fit.widths = widths;
    if (total(widths) <= pageWidth) {
        fit.bands.push_back(allColumns());
        return fit;
    }

    // Still too wide at the smallest size: columns give up width and wrap their text between
    // words. Each keeps at least its longest word; the room above that is shared out in
    // proportion to what each column would need on one line.
    const QFontMetricsF fm(ReportFont(points, false), device);
    const QFontMetricsF fmBold(ReportFont(points, true), device);
    const double pad = 0.35 * points * pixelsPerPoint;
    std::vector<double> longestWord(columns, 0.0);
    auto measureWords = [&](const QString& text, const QFontMetricsF& metrics, double* widest) {
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            *widest = std::max(*widest, metrics.horizontalAdvance(word));
        }
    };
    for (int c = 0; c < columns; ++c) {
        measureWords(m_header[c], fmBold, &longestWord[c]);
        for (const QStringList& row : m_rows) {
            measureWords(row[c], fm, &longestWord[c]);
        }
    }
    // A word wider than half the page is junk rather than a word; it may break anywhere.
    fit.wrapped = true;
    std::vector<double> floors(columns);
    double floorSum = 0;
    double slack = 0;
    for (int c = 0; c < columns; ++c) {
        floors[c] = std::min(
            {widths[c], std::ceil(longestWord[c] + 2 * pad + 1), std::floor(pageWidth / 2)});
        floorSum += floors[c];
        slack += widths[c] - floors[c];
    }
    if (floorSum <= pageWidth) {
        const double share = slack > 0 ? (pageWidth - floorSum) / slack : 0;
        for (int c = 0; c < columns; ++c) {
            fit.widths[c] = std::floor(floors[c] + (widths[c] - floors[c]) * share);
        }
        fit.bands.push_back(allColumns());
        return fit;
    }

    // Too many columns for one page: bands of columns, one after the other, each as wide as
    // the page allows. The first column (an item's name, as a rule) starts every band, so
    // that each row can be told on every page, unless it is too wide to spare.
    for (int c = 0; c < columns; ++c) {
        fit.widths[c] = std::min(widths[c], std::floor(pageWidth));
    }
    const bool repeatFirst = columns > 1 && fit.widths[0] <= pageWidth / 3;
    if (repeatFirst) {
        for (int c = 1; c < columns; ++c) {
            fit.widths[c] = std::min(fit.widths[c], std::floor(pageWidth - fit.widths[0]));
        }
    }
    std::vector<int> band;
    double used = 0;
    for (int c = 0; c < columns; ++c) {
        const bool onlyFirst = repeatFirst && band.size() == 1 && c > 0;
        if (!band.empty() && !onlyFirst && used + fit.widths[c] > pageWidth) {
            fit.bands.push_back(std::move(band));
            band.clear();
            used = 0;
            if (repeatFirst) {
                band.push_back(0);
                used = fit.widths[0];
            }
        }
        band.push_back(c);
        used += fit.widths[c];
    }
    fit.bands.push_back(std::move(band));
    fit.repeatsFirst = repeatFirst;
    return fit;
}

QPageLayout ReportRenderer::PreferredPageLayout(const QPageSize& pageSize) const {
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                            kMarginMillimetres);
    QPageLayout portrait(pageSize, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
    QImage measure(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(kMeasureDpi / 0.0254));
    measure.setDotsPerMeterX(dotsPerMeter);
    measure.setDotsPerMeterY(dotsPerMeter);
    const double width = portrait.paintRectPixels(static_cast<int>(kMeasureDpi)).width();
    const TableFit fit = FitTable(&measure, width);
    if (fit.points >= kBodyPoints && fit.bands.size() == 1 && !fit.wrapped) {
        return portrait;
    }
    QPageLayout landscape = portrait;
    landscape.setOrientation(QPageLayout::Landscape);
    return landscape;
}

bool ReportRenderer::Paint(QPagedPaintDevice* device) const {
    QPainter painter;
    if (!painter.begin(device)) {
        return false;
    }
    const double pixelsPerPoint = device->logicalDpiY() / 72.0;
    const double pageWidth = device->width();
    const double pageHeight = device->height();
    const TableFit fit = FitTable(device, pageWidth);

    const QFont body = ReportFont(fit.points, false);
    const QFont bold = ReportFont(fit.points, true);
    const QFont titleFont = ReportFont(kTitlePoints, true);
    const QFont headingFont = ReportFont(kHeadingPoints, false);
    const QFont footerFont = ReportFont(kFooterPoints, false);
    const QFontMetricsF fm(body, device);
    const QFontMetricsF fmBold(bold, device);
    const QFontMetricsF fmTitle(titleFont, device);
    const QFontMetricsF fmHeading(headingFont, device);
    const QFontMetricsF fmFooter(footerFont, device);
    const double pad = 0.35 * fit.points * pixelsPerPoint;
    const double lineHeight = fm.lineSpacing();
    const double rowPad = std::ceil(0.22 * lineHeight);
    const double thin = std::max(1.0, 0.5 * pixelsPerPoint);

    // The heading block, the same on every page: lines of pieces set side by side.
    struct HeadingRow {
        QStringList pieces;
        bool title = false;
    };
    std::vector<HeadingRow> headingRows;
    for (const QString& line : WrapText(m_title, fmTitle, pageWidth)) {
        headingRows.push_back({{line}, true});
    }
    const double pieceGap = 3 * fmHeading.horizontalAdvance(QLatin1Char('M'));
    for (const HeadingLine& line : m_content.headings.lines) {
        QStringList pieces;
        double width = 0;
        for (const std::string& piece : line.pieces) {
            pieces << QString::fromStdString(piece);
            width +=
                fmHeading.horizontalAdvance(pieces.back()) + (pieces.size() > 1 ? pieceGap : 0);
        }
        if (width <= pageWidth) {
            headingRows.push_back({pieces, false});
            continue;
        }
        for (const QString& piece : pieces) {
            for (const QString& part : WrapText(piece, fmHeading, pageWidth)) {
                headingRows.push_back({{part}, false});
            }
        }
    }
    double headingHeight = 0;
    for (const HeadingRow& row : headingRows) {
        headingHeight += row.title ? fmTitle.lineSpacing() : fmHeading.lineSpacing();
    }
    headingHeight += 0.6 * fmTitle.lineSpacing();
    const double footerHeight = fmFooter.lineSpacing() + 6 * pixelsPerPoint;

    // Per band: the header row's lines, the group row and the room left for rows.
    struct BandLayout {
        double x0 = 0;
        double width = 0;
        double groupHeight = 0;
        double headerHeight = 0;
        std::vector<QStringList> headerLines;  // by position in the band
        double bodyRoom = 0;
    };
    std::vector<BandLayout> bands(fit.bands.size());
    for (std::size_t b = 0; b < fit.bands.size(); ++b) {
        BandLayout& band = bands[b];
        int maxLines = 1;
        for (int c : fit.bands[b]) {
            band.width += fit.widths[c];
            band.headerLines.push_back(WrapText(m_header[c], fmBold, fit.widths[c] - 2 * pad));
            maxLines = std::max(maxLines, static_cast<int>(band.headerLines.back().size()));
        }
        band.x0 = std::max(0.0, (pageWidth - band.width) / 2);
        band.headerHeight = maxLines * lineHeight + 2 * rowPad;
        for (const ColumnGroup& group : m_content.groups) {
            for (int c : fit.bands[b]) {
                if (c >= group.first && c <= group.last) {
                    band.groupHeight = lineHeight + 2 * rowPad;
                }
            }
        }
        band.bodyRoom =
            pageHeight - footerHeight - headingHeight - band.groupHeight - band.headerHeight;
    }

    // Pagination: rows stay whole when they fit on a page; a row taller than a page goes on
    // over the next pages, line by line.
    std::vector<Page> pages;
    bool anyWrapped = false;
    for (std::size_t b = 0; b < fit.bands.size(); ++b) {
        const BandLayout& band = bands[b];
        Page page{static_cast<int>(b), {}};
        double used = 0;
        auto flush = [&] {
            pages.push_back(std::move(page));
            page = Page{static_cast<int>(b), {}};
            used = 0;
        };
        for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
            int lines = 1;
            for (int c : fit.bands[b]) {
                lines = std::max(lines, LineCount(m_rows[r][c], fm, fit.widths[c] - 2 * pad));
            }
            anyWrapped = anyWrapped || lines > 1;
            const double height = lines * lineHeight + 2 * rowPad;
            if (height <= band.bodyRoom - used) {
                page.slices.push_back({r, 0, lines});
                used += height;
                continue;
            }
            if (height <= band.bodyRoom) {
                flush();
                page.slices.push_back({r, 0, lines});
                used = height;
                continue;
            }
            int first = 0;
            while (first < lines) {
                int fitting = static_cast<int>((band.bodyRoom - used - 2 * rowPad) / lineHeight);
                if (fitting < 1 && !page.slices.empty()) {
                    flush();
                    continue;
                }
                fitting = std::max(fitting, 1);  // a page too small for one line still moves on
                const int count = std::min(fitting, lines - first);
                page.slices.push_back({r, first, count});
                used += count * lineHeight + 2 * rowPad;
                first += count;
                if (first < lines) {
                    flush();
                }
            }
        }
        if (!page.slices.empty() || m_rows.empty()) {
            flush();
        }
    }

    m_summary.pages = static_cast<int>(pages.size());
    m_summary.fontPoints = fit.points;
    m_summary.bands = static_cast<int>(fit.bands.size());
    m_summary.wrapped = anyWrapped;

    const QString printed = QStringLiteral("Printed ") + EnglishDateTime(m_content.printed);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            device->newPage();
        }
        const Page& page = pages[p];
        const BandLayout& band = bands[page.band];
        const std::vector<int>& columns = fit.bands[page.band];

        // Headings.
        double y = 0;
        painter.setPen(Qt::black);
        for (const HeadingRow& row : headingRows) {
            const QFontMetricsF& metrics = row.title ? fmTitle : fmHeading;
            painter.setFont(row.title ? titleFont : headingFont);
            double width = 0;
            for (int i = 0; i < row.pieces.size(); ++i) {
                width += metrics.horizontalAdvance(row.pieces[i]) + (i > 0 ? pieceGap : 0);
            }
            double x = std::max(0.0, (pageWidth - width) / 2);
            for (const QString& piece : row.pieces) {
                const double w = metrics.horizontalAdvance(piece);
                painter.drawText(QRectF(x, y, w + 1, metrics.lineSpacing()),
                                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, piece);
                x += w + pieceGap;
            }
            y += metrics.lineSpacing();
        }
        y = headingHeight;

        // Group captions over their columns.
        const double tableTop = y;
        if (band.groupHeight > 0) {
            for (const ColumnGroup& group : m_content.groups) {
                double x = band.x0;
                double left = -1;
                double spanWidth = 0;
                for (int c : columns) {
                    if (c >= group.first && c <= group.last) {
                        left = left < 0 ? x : left;
                        spanWidth += fit.widths[c];
                    }
                    x += fit.widths[c];
                }
                if (left < 0) {
                    continue;
                }
                const QRectF rect(left, y, spanWidth, band.groupHeight);
                painter.fillRect(rect, kGroupFill);
                painter.setPen(QPen(kBorderColor, thin));
                painter.drawRect(rect);
                painter.setPen(Qt::black);
                painter.setFont(bold);
                painter.drawText(rect, Qt::AlignCenter | Qt::TextDontClip,
                                 QString::fromStdString(group.caption));
            }
            y += band.groupHeight;
        }

        // Column header row.
        const double headerTop = y;
        painter.fillRect(QRectF(band.x0, y, band.width, band.headerHeight), kHeaderFill);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        {
            double x = band.x0;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const int c = columns[i];
                const QStringList& lines = band.headerLines[i];
                for (int l = 0; l < lines.size(); ++l) {
                    painter.drawText(
                        QRectF(x + pad, y + rowPad + l * lineHeight, fit.widths[c] - 2 * pad,
                               lineHeight),
                        ToQt(m_content.alignments[c]) | Qt::AlignVCenter | Qt::TextDontClip,
                        lines[l]);
                }
                x += fit.widths[c];
            }
        }
        y += band.headerHeight;

        // Rows.
        painter.setFont(body);
        for (const Slice& slice : page.slices) {
            const double height = slice.lineCount * lineHeight + 2 * rowPad;
            if (slice.row % 2 == 1) {
                painter.fillRect(QRectF(band.x0, y, band.width, height), kAltRowFill);
            }
            double x = band.x0;
            painter.setPen(Qt::black);
            for (int c : columns) {
                const QString& text = m_rows[slice.row][c];
                if (!text.isEmpty()) {
                    const QStringList lines = WrapText(text, fm, fit.widths[c] - 2 * pad);
                    for (int l = 0; l < slice.lineCount; ++l) {
                        const int index = slice.firstLine + l;
                        if (index >= lines.size()) {
                            break;
                        }
                        painter.drawText(
                            QRectF(x + pad, y + rowPad + l * lineHeight, fit.widths[c] - 2 * pad,
                                   lineHeight),
                            ToQt(m_content.alignments[c]) | Qt::AlignVCenter | Qt::TextDontClip,
                            lines[index]);
                    }
                }
                x += fit.widths[c];
            }
            y += height;
            painter.setPen(QPen(kGridColor, thin));
            painter.drawLine(QPointF(band.x0, y), QPointF(band.x0 + band.width, y));
        }
        if (m_rows.empty()) {
            QFont note = body;
            note.setItalic(true);
            painter.setFont(note);
            painter.setPen(kFooterColor);
            painter.drawText(QRectF(band.x0, y, band.width, lineHeight + 2 * rowPad),
                             Qt::AlignCenter | Qt::TextDontClip, QStringLiteral("(no rows)"));
            y += lineHeight + 2 * rowPad;
        }

        // Grid: column rules, and a frame around header and rows.
        painter.setPen(QPen(kGridColor, thin));
        double x = band.x0;
        for (std::size_t i = 0; i + 1 < columns.size(); ++i) {
            x += fit.widths[columns[i]];
            painter.drawLine(QPointF(x, headerTop), QPointF(x, y));
        }
        painter.setPen(QPen(kBorderColor, thin));
        painter.drawLine(QPointF(band.x0, headerTop + band.headerHeight),
                         QPointF(band.x0 + band.width, headerTop + band.headerHeight));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(band.x0, tableTop + band.groupHeight, band.width,
                                y - tableTop - band.groupHeight));

        // Footer.
        const double footerTop = pageHeight - fmFooter.lineSpacing();
        painter.setPen(QPen(kGridColor, thin));
        painter.drawLine(QPointF(0, footerTop - 3 * pixelsPerPoint),
                         QPointF(pageWidth, footerTop - 3 * pixelsPerPoint));
        painter.setFont(footerFont);
        painter.setPen(kFooterColor);
        const QRectF footer(0, footerTop, pageWidth, fmFooter.lineSpacing());
        QString middle = m_content.fileName;
        if (fit.bands.size() > 1) {
            const int firstShown =
                (fit.repeatsFirst && page.band > 0) ? columns[1] : columns.front();
            middle +=
                QStringLiteral("  (columns %1 to %2)").arg(firstShown + 1).arg(columns.back() + 1);
        }
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, printed);
        painter.drawText(footer, Qt::AlignHCenter | Qt::AlignVCenter, middle);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size()));
    }
    return painter.end();
}

}  // namespace tolvane
