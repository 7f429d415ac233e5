// The recap table: the 13 columns of the main dialog's report list and the one way its cells
// are written.
#include <algorithm>

#include "app/reports_dlg.h"

namespace tolvane {
namespace {

struct RecapColumn {
    const char* title;
    int format;
    int width;  // starting width in pixels; the widening rule makes room for longer texts
};

constexpr RecapColumn kRecapColumns[CReportsDlg::kRecapColumnCount] = {
    {"Product", LVCFMT_LEFT, 25}, {"PLU", LVCFMT_LEFT, 30},    {"Description", LVCFMT_LEFT, 50},
    {"Sold", LVCFMT_RIGHT, 40},   {"Units", LVCFMT_RIGHT, 40}, {"TlUnSold", LVCFMT_RIGHT, 40},
    {"Day1", LVCFMT_RIGHT, 40},   {"Day2", LVCFMT_RIGHT, 40},  {"Day3", LVCFMT_RIGHT, 40},
    {"Day4", LVCFMT_RIGHT, 40},   {"Day5", LVCFMT_RIGHT, 40},  {"Day6", LVCFMT_RIGHT, 40},
    {"Day7", LVCFMT_RIGHT, 40},
};

// A cell is drawn with this much room beside its text.
constexpr int kCellMargin = 15;

constexpr COLORREF kOddRowBack = MakeRgb(255, 255, 180);  // pale yellow
constexpr COLORREF kOddRowText = MakeRgb(0, 0, 0);

}  // namespace

void CReportsDlg::PrepareRecapList() {
    m_List.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_List.SetAltRowBkColor(kOddRowBack);
    m_List.SetAltRowTextColor(kOddRowText);
    m_List.DeleteAllItems();
    while (m_List.DeleteColumn(0)) {
    }
    for (int column = 0; column < kRecapColumnCount; ++column) {
        const RecapColumn& entry = kRecapColumns[column];
        m_List.InsertColumn(column, entry.title, entry.format, entry.width, column);
    }
    m_nColumnCount = kRecapColumnCount;
    for (int column = 0; column < kRecapColumnCount; ++column) {
        m_nColumnWidth[column] = m_List.GetColumnWidth(column);
    }
    // The rows are gone with the list; the count follows, so that nothing visits a row of an
    // earlier run even when the definitions cannot be loaded.
    m_nItemCount = 0;
}

void CReportsDlg::SetRecapCell(int row, int column, std::string_view text) {
    // A cell holds at most kMaxCellText characters; a longer definition field is cut so that
    // its row and its counts are kept.
    text = text.substr(0, std::min(text.size(), kMaxCellText));
    m_List.AddItem(row, column, text);
    if (column < 0 || column >= kRecapColumnCount) {
        return;
    }
    int width = m_List.GetStringWidth(text) + kCellMargin;
    if (width > m_nColumnWidth[column]) {
        m_nColumnWidth[column] = width;
        m_List.SetColumnWidth(column, width);
    }
}

}  // namespace tolvane
