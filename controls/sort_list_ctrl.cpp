#include "controls/sort_list_ctrl.h"

#include <algorithm>

namespace tolvane {
namespace {

const std::string kEmpty;

unsigned char FoldCase(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

CSortListCtrl::CSortListCtrl() = default;

int CSortListCtrl::AddColumn(std::string_view heading, int column, int subItem, unsigned mask,
                             int format) {
    int width = GetStringWidth(heading) + 15;
    int sub = (mask & LVCF_SUBITEM) != 0 ? subItem : column;
    return InsertColumn(column, heading, (mask & LVCF_FMT) != 0 ? format : LVCFMT_LEFT,
                        (mask & LVCF_WIDTH) != 0 ? width : 0, sub);
}

int CSortListCtrl::InsertColumn(int column, std::string_view heading, int format, int width,
                                int subItem) {
    if (column < 0) {
        return -1;
    }
    int at = std::min(column, GetColumnCount());
    Column entry{std::string(heading), format, std::max(width, 0), subItem < 0 ? at : subItem};
    m_columns.insert(m_columns.begin() + at, std::move(entry));
    for (Row& row : m_rows) {
        if (static_cast<int>(row.cells.size()) > at) {
            row.cells.insert(row.cells.begin() + at, std::string());
        }
    }
    Announce(ControlChange::kListColumns);
    return at;
}

bool CSortListCtrl::DeleteColumn(int column) {
    if (column < 0 || column >= GetColumnCount()) {
        return false;
    }
    m_columns.erase(m_columns.begin() + column);
    for (Row& row : m_rows) {
        if (static_cast<int>(row.cells.size()) > column) {
            row.cells.erase(row.cells.begin() + column);
        }
    }
    Announce(ControlChange::kListColumns);
    return true;
}

int CSortListCtrl::GetColumnWidth(int column) const {
    if (column < 0 || column >= GetColumnCount()) {
        return 0;
    }
    return m_columns[column].width;
}

bool CSortListCtrl::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= GetColumnCount()) {
        return false;
    }
    m_columns[column].width = std::max(width, 0);
    Announce(ControlChange::kListColumnWidth, -1, column);
    return true;
}

int CSortListCtrl::GetStringWidth(std::string_view text) const {
    if (m_pMeasure != nullptr) {
        return m_pMeasure->Width(text);
    }
    return static_cast<int>(text.size()) * kHeadlessCharWidth;
}

int CSortListCtrl::AddItem(int row, int subItem, std::string_view text) {
    if (subItem == 0) {
        int index = InsertItem(row, text);
        if (index >= 0) {
            m_rows[index].data = static_cast<std::uint32_t>(row);
        }
        return index;
    }
    return SetItemText(row, subItem, text) ? 1 : 0;
}

int CSortListCtrl::InsertItem(int row, std::string_view text) {
    if (row < 0) {
        return -1;
    }
    int at = std::min(row, GetItemCount());
    Row entry;
    entry.cells.emplace_back(text);
    m_rows.insert(m_rows.begin() + at, std::move(entry));
    Announce(ControlChange::kListRowInserted, at);
    return at;
}

bool CSortListCtrl::SetItemText(int row, int column, std::string_view text) {
    if (row < 0 || row >= GetItemCount() || column < 0 || column >= std::max(GetColumnCount(), 1)) {
        return false;
    }
    std::vector<std::string>& cells = m_rows[row].cells;
    if (static_cast<int>(cells.size()) <= column) {
        cells.resize(column + 1);
    }
    cells[column].assign(text);
    Announce(ControlChange::kListCell, row, column);
    return true;
}

const std::string& CSortListCtrl::GetItemText(int row, int column) const {
    if (row < 0 || row >= GetItemCount() || column < 0) {
        return kEmpty;
    }
    const std::vector<std::string>& cells = m_rows[row].cells;
    return column < static_cast<int>(cells.size()) ? cells[column] : kEmpty;
}

bool CSortListCtrl::DeleteAllItems() {
    m_rows.clear();
    Announce(ControlChange::kListReset);
    return true;
}

std::uint32_t CSortListCtrl::GetItemData(int row) const {
    return (row >= 0 && row < GetItemCount()) ? m_rows[row].data : 0;
}

bool CSortListCtrl::SetItemData(int row, std::uint32_t data) {
    if (row < 0 || row >= GetItemCount()) {
        return false;
    }
    m_rows[row].data = data;
    return true;
}

void CSortListCtrl::SelectItem(int row) {
    if (m_nSelectedItem >= 0 && m_nSelectedItem < GetItemCount()) {
        m_rows[m_nSelectedItem].selected = false;
        Announce(ControlChange::kListSelection, m_nSelectedItem);
    }
    m_nSelectedItem = row;
    if (row >= 0 && row < GetItemCount()) {
        m_rows[row].selected = true;
        Announce(ControlChange::kListSelection, row);
    }
}

int CSortListCtrl::GetNextSelected(int after) const {
    for (int row = std::max(after + 1, 0); row < GetItemCount(); ++row) {
        if (m_rows[row].selected) {
            return row;
        }
    }
    return -1;
}

bool CSortListCtrl::IsSelected(int row) const {
    return row >= 0 && row < GetItemCount() && m_rows[row].selected;
}

void CSortListCtrl::SetSelectedByUser(int row, bool selected) {
    if (row >= 0 && row < GetItemCount() && m_rows[row].selected != selected) {
        m_rows[row].selected = selected;
        Announce(ControlChange::kListSelection, row);
    }
}

void CSortListCtrl::SetExtendedStyle(std::uint32_t style) {
    m_nExtendedStyle = style;
    Announce(ControlChange::kListReset);
}

void CSortListCtrl::SetAltRowBkColor(COLORREF color) {
    m_clrAltRowBk = color;
    Announce(ControlChange::kListReset);
}

void CSortListCtrl::SetAltRowTextColor(COLORREF color) {
    m_clrAltRowText = color;
    Announce(ControlChange::kListReset);
}

void CSortListCtrl::SetTextBkColor(COLORREF color) {
    m_clrTextBk = color;
    Announce(ControlChange::kListReset);
}

void CSortListCtrl::PreSubclassWindow(COLORREF buttonFace, COLORREF window) {
    if (m_clrTextBk != CLR_NONE && m_clrTextBk != CLR_DEFAULT) {
        return;
    }
    if (buttonFace != window) {
        return;
    }
    int sum = RedOf(buttonFace) + GreenOf(buttonFace) + BlueOf(buttonFace);
    if (sum > 382) {
        SetTextBkColor(buttonFace == 0x00FFFFFF ? 0x00C0C0C0 : 0x00FFFFFF);
    } else {
        SetTextBkColor(buttonFace == 0x00535353 ? 0x00000000 : 0x00535353);
    }
}

int CSortListCtrl::CompareTexts(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char ca = FoldCase(static_cast<unsigned char>(a[i]));
        unsigned char cb = FoldCase(static_cast<unsigned char>(b[i]));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

void CSortListCtrl::OnColumnClick(int column) {
    if (column == m_nSortColumn) {
        m_bSortAscending = !m_bSortAscending;
    }
    m_nSortColumn = column;
    // Every sort first numbers the rows in their present order, so each row's item data is
    // the display index it had just before the sort.
    for (int row = 0; row < GetItemCount(); ++row) {
        m_rows[row].data = static_cast<std::uint32_t>(row);
    }
    // A stable sort keeps rows with equal texts in their present order.
    std::stable_sort(m_rows.begin(), m_rows.end(), [this, column](const Row& a, const Row& b) {
        const std::string& textA =
            column < static_cast<int>(a.cells.size()) ? a.cells[column] : kEmpty;
        const std::string& textB =
            column < static_cast<int>(b.cells.size()) ? b.cells[column] : kEmpty;
        int order = CompareTexts(textA, textB);
        return m_bSortAscending ? order < 0 : order > 0;
    });
    Announce(ControlChange::kListReset);
}

void CSortListCtrl::SetRedraw(bool redraw) {
    m_bRedraw = redraw;
    if (redraw) {
        Announce(ControlChange::kListReset);
    }
}

void CSortListCtrl::Announce(ControlChange change, int row, int column) {
    if (m_bRedraw) {
        Notify(change, row, column);
    }
}

}  // namespace tolvane
