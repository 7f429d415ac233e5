#pragma once
// The entry rules of the daily values keypad, apart from its window: the entry buffer and its
// limit, Correct entry, storing an entry, and the moves between rows. Each operation returns
// what the keypad's window must change, so the rules can be run and checked without a window.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// What the keypad reads and writes of the work sheet's table.
class KeypadSheet {
  public:
    virtual ~KeypadSheet() = default;
    // The text of a cell; empty for a cell never written and a row that does not exist.
    virtual std::string GetSheetCell(int row, int column) const = 0;
    // Sets a cell of an existing row (column 0 would add a row; the keypad never writes it).
    virtual void SetSheetCell(int row, int column, std::string_view text) = 0;
    // Recomputes the row's week total of a daily data type (1 or 10); nothing for others.
    virtual void UpdateGroupTotal(int row, int column) = 0;
};

// New texts for the keypad's window; a member left empty keeps what the window shows.
struct KeypadDisplay {
    std::optional<std::string> value;        // the edit control
    std::optional<std::string> description;  // the item description
};

class KeypadEntry {
  public:
    // An entry holds at most this many digits; a digit beyond it is dropped.
    static constexpr std::size_t kMaxDigits = 7;

    // The keypad on data type `entryColumn` (1 Receiving, 9 Credits, 10 Waste, 18 Transfers,
    // 19 QOH) for weekday `weekdayNumber` (1 Monday ... 7 Sunday), over a table of `rowCount`
    // rows, starting at `startRow` with an empty buffer. `sheet` must outlive the entry.
    KeypadEntry(KeypadSheet& sheet, int entryColumn, int weekdayNumber, int rowCount, int startRow);

    // The column that entries write: the weekday's column of Receiving or Waste, else the data
    // type's own column; -1 when the data type is unknown (then nothing is ever written).
    int TargetColumn() const { return m_nTargetColumn; }
    int Row() const { return m_nRow; }
    const std::string& Entry() const { return m_strEntry; }

    // A digit button: appends the digit (any other character is ignored) and shows the buffer.
    KeypadDisplay AppendDigit(char digit);
    // Correct entry: takes the buffer's last digit back; on an empty buffer it changes nothing,
    // so a stored value on show stays on show.
    KeypadDisplay CorrectEntry();
    // Enter: stores the buffer in the current row's target cell (an empty buffer erases the
    // cell's value), recomputes the row's week total, and moves down.
    KeypadDisplay Enter();
    // Down: the next row; from the last row back to the first.
    KeypadDisplay Down();
    // Up: the previous row; the first row stays the first row.
    KeypadDisplay Up();

  private:
    KeypadDisplay ShowEntry();
    KeypadDisplay ShowCurrentRow();

    KeypadSheet& m_sheet;
    int m_nEntryColumn;
    int m_nTargetColumn;
    int m_nRowCount;
    int m_nRow;
    std::string m_strEntry;
    bool m_bBackspace = false;
};

}  // namespace tolvane
