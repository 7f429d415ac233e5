#pragma once
// The report list of both report windows: a grid of text cells in report view. A click on a
// column header sorts the rows by that column's text (a second click on the same header reverses
// the order); odd display rows are drawn in their own colour pair; the item text background is
// chosen to stand out from the dialog when the system's window and button-face colours coincide.
//
// This class is the list's data and behaviour. A backend shows it (a Qt table view) or only
// keeps it (tests); it learns of every change through the observer.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/control.h"

namespace tolvane {

// Column formats.
inline constexpr int LVCFMT_LEFT = 0;
inline constexpr int LVCFMT_RIGHT = 1;
inline constexpr int LVCFMT_CENTER = 2;
// Column mask flags: which members of a column description are given.
inline constexpr unsigned LVCF_FMT = 0x1;
inline constexpr unsigned LVCF_WIDTH = 0x2;
inline constexpr unsigned LVCF_TEXT = 0x4;
inline constexpr unsigned LVCF_SUBITEM = 0x8;
// Extended list styles.
inline constexpr std::uint32_t LVS_EX_GRIDLINES = 0x1;
inline constexpr std::uint32_t LVS_EX_FULLROWSELECT = 0x20;
// Colour values that are no colour.
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;

// Measures text in pixels as the list draws it.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual int Width(std::string_view text) const = 0;
};

class CSortListCtrl : public Control {
  public:
    struct Column {
        std::string heading;
        int format = LVCFMT_LEFT;
        int width = 0;
        int subItem = 0;
    };

    CSortListCtrl();

    // Inserts a column at `column` whose width is the heading's pixel width plus 15. `subItem`
    // is used only when `mask` has LVCF_SUBITEM; -1 there stands for the column index.
    // Returns the index of the new column, -1 on failure.
    int AddColumn(std::string_view heading, int column, int subItem = -1,
                  unsigned mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM,
                  int format = LVCFMT_LEFT);
    // Inserts a column with a given width in pixels. Returns its index, -1 on failure.
    int InsertColumn(int column, std::string_view heading, int format, int width, int subItem = -1);
    bool DeleteColumn(int column);
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    const Column& GetColumn(int column) const { return m_columns.at(column); }
    int GetColumnWidth(int column) const;
    bool SetColumnWidth(int column, int width);
    // Pixel width of a text in the list's font.
    int GetStringWidth(std::string_view text) const;

    // Sub-item 0 inserts a new row at `row` (appended when beyond the end) with the text in its
    // first column and `row` as its item data, and returns the new row's index or -1. Any other
    // sub-item sets that cell of an existing row and returns nonzero on success.
    int AddItem(int row, int subItem, std::string_view text);
    int InsertItem(int row, std::string_view text);
    bool SetItemText(int row, int column, std::string_view text);
    // The cell's text; empty for a cell never written or a row or column that does not exist.
    const std::string& GetItemText(int row, int column) const;
    int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    bool DeleteAllItems();
    std::uint32_t GetItemData(int row) const;
    bool SetItemData(int row, std::uint32_t data);

    // Selects `row`, first clearing the row selected by the previous SelectItem. Rows that the
    // person selected by a click stay selected.
    void SelectItem(int row);
    // The next selected row after `after` (-1 = from the first row), or -1.
    int GetNextSelected(int after) const;
    bool IsSelected(int row) const;
    // A person's click changed the selected state of a row (backends call this).
    void SetSelectedByUser(int row, bool selected);

    void SetExtendedStyle(std::uint32_t style);
    std::uint32_t GetExtendedStyle() const { return m_nExtendedStyle; }
    void SetAltRowBkColor(COLORREF color);
    void SetAltRowTextColor(COLORREF color);
    COLORREF AltRowBkColor() const { return m_clrAltRowBk; }
    COLORREF AltRowTextColor() const { return m_clrAltRowText; }
    void SetTextBkColor(COLORREF color);
    COLORREF GetTextBkColor() const { return m_clrTextBk; }

    // Chooses the item text background when the list binds to its dialog: when the list has no
    // text background of its own and the system's button-face and window colours are equal, a
    // colour that stands out from both (light faces get white or silver, dark ones grey or black).
    void PreSubclassWindow(COLORREF buttonFace, COLORREF window);

    // Header click: sorts by `column`; a repeated click on the same column reverses the order.
    void OnColumnClick(int column);
    int SortColumn() const { return m_nSortColumn; }
    bool SortAscending() const { return m_bSortAscending; }
    // Case-insensitive byte comparison of two cell texts (only A-Z fold to a-z): negative, zero
    // or positive.
    static int CompareTexts(std::string_view a, std::string_view b);

    // While redraw is off, changes are not announced one by one; turning it on again announces
    // one reset. Used to fill large tables at once.
    void SetRedraw(bool redraw);

    // The measure of the list's font; without one, every character is kHeadlessCharWidth wide.
    void SetTextMeasure(const TextMeasure* measure) { m_pMeasure = measure; }
    static constexpr int kHeadlessCharWidth = 7;

  private:
    struct Row {
        std::vector<std::string> cells;
        std::uint32_t data = 0;
        bool selected = false;
    };

    void Announce(ControlChange change, int row = -1, int column = -1);

    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    int m_nSortColumn = -1;
    // The first sort is ascending; after that only a repeated click on the same column turns
    // the direction.
    bool m_bSortAscending = true;
    int m_nSelectedItem = -1;
    COLORREF m_clrAltRowBk = 0x00FFFFFF;
    COLORREF m_clrAltRowText = 0x00000000;
    COLORREF m_clrTextBk = CLR_DEFAULT;
    std::uint32_t m_nExtendedStyle = 0;
    bool m_bRedraw = true;
    const TextMeasure* m_pMeasure = nullptr;
};

}  // namespace tolvane
