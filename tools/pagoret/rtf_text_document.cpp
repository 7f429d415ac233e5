#include "pagoret/rtf_text_document.h"

#include <QColor>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

namespace tolvane {
namespace {

Qt::Alignment ToQt(RtfAlign align) {
    switch (align) {
        case RtfAlign::kCenter:
            return Qt::AlignHCenter;
        case RtfAlign::kRight:
            return Qt::AlignRight;
        case RtfAlign::kJustify:
            return Qt::AlignJustify;
        case RtfAlign::kLeft:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

void BuildTextDocument(const RtfDocument& document, double dotsPerInch, QTextDocument* target) {
    const auto pixels = [dotsPerInch](int twips) { return twips * dotsPerInch / 1440.0; };
    target->clear();
    QTextCursor cursor(target);
    bool first = true;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        const RtfParagraphFormat& pf = paragraph.format;
        QTextBlockFormat block;
        block.setAlignment(ToQt(pf.align));
        block.setLeftMargin(pixels(pf.leftIndent));
        block.setRightMargin(pixels(pf.rightIndent));
        block.setTextIndent(pixels(pf.firstIndent));
        block.setTopMargin(pixels(pf.spaceBefore));
        block.setBottomMargin(pixels(pf.spaceAfter));
        // RTF measures tab stops from the left margin; Qt measures them from where the
        // block's first line starts, that is after the left indent and the first-line indent.
        const int lineStart = pf.leftIndent + pf.firstIndent;
        QList<QTextOption::Tab> tabs;
        for (int stop : pf.tabStops) {
            tabs.append(QTextOption::Tab(pixels(stop - lineStart), QTextOption::LeftTab));
        }
        // A hanging indent without tab stops tabs to the indent, as word processors do, so
        // that "\bullet\tab text" lines up the text of every line.
        if (tabs.isEmpty() && pf.firstIndent < 0) {
            tabs.append(QTextOption::Tab(pixels(-pf.firstIndent), QTextOption::LeftTab));
        }
        block.setTabPositions(tabs);
        if (first) {
            cursor.setBlockFormat(block);
            first = false;
        } else {
            cursor.insertBlock(block);
        }
        for (const RtfRun& run : paragraph.runs) {
            QTextCharFormat chr;
            chr.setFontWeight(run.format.bold ? QFont::Bold : QFont::Normal);
            chr.setFontItalic(run.format.italic);
            chr.setFontUnderline(run.format.underline);
            chr.setFontPointSize(run.format.fontSize / 2.0);
            if (run.format.color) {
                chr.setForeground(QColor::fromRgb(static_cast<QRgb>(*run.format.color)));
            }
            QString text = QString::fromStdString(run.text);
            text.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
            cursor.insertText(text, chr);
        }
    }
}

}  // namespace tolvane
