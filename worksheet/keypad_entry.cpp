#include "worksheet/keypad_entry.h"

#include "worksheet/sheet_table.h"

namespace tolvane {

KeypadEntry::KeypadEntry(KeypadSheet& sheet, int entryColumn, int weekdayNumber, int rowCount,
                         int startRow)
    : m_sheet(sheet),
      m_nEntryColumn(entryColumn),
      m_nTargetColumn(EntryTargetColumn(entryColumn, weekdayNumber)),
      m_nRowCount(rowCount < 0 ? 0 : rowCount),
      m_nRow(startRow) {}

KeypadDisplay KeypadEntry::AppendDigit(char digit) {
    if (digit < '0' || digit > '9') {
        return {};
    }
    m_strEntry.push_back(digit);
    return ShowEntry();
}

KeypadDisplay KeypadEntry::CorrectEntry() {
    m_bBackspace = true;
    return ShowEntry();
}

KeypadDisplay KeypadEntry::Enter() {
    // Column 0 is the description, and writing it would add a row: never a target.
    if (m_nTargetColumn > 0) {
        m_sheet.SetSheetCell(m_nRow, m_nTargetColumn, m_strEntry);
        m_sheet.UpdateGroupTotal(m_nRow, m_nEntryColumn);
    }
    return Down();
}

KeypadDisplay KeypadEntry::Down() {
    ++m_nRow;
    // At or past the end (an empty table has no last row) the walk starts over at the top.
    if (m_nRow >= m_nRowCount) {
        m_nRow = 0;
    }
    return ShowCurrentRow();
}

KeypadDisplay KeypadEntry::Up() {
    --m_nRow;
    if (m_nRow < 0 || m_nRow > m_nRowCount) {
        m_nRow = 0;
    }
    return ShowCurrentRow();
}

KeypadDisplay KeypadEntry::ShowEntry() {
    // The buffer is cut after the append, so an eighth digit shows up nowhere.
    if (m_strEntry.size() > kMaxDigits) {
        m_strEntry.resize(kMaxDigits);
    }
    if (m_bBackspace) {
        m_bBackspace = false;
        if (m_strEntry.empty()) {
            // Leaves the edit control alone: after a row change it shows the stored value,
            // which stays on show.
            return {};
        }
        m_strEntry.pop_back();
    }
    return {m_strEntry, std::nullopt};
}

KeypadDisplay KeypadEntry::ShowCurrentRow() {
    KeypadDisplay display;
    display.value = m_nTargetColumn > 0 ? m_sheet.GetSheetCell(m_nRow, m_nTargetColumn) : "";
    display.description = m_sheet.GetSheetCell(m_nRow, 0);
    m_strEntry.clear();
    return display;
}

}  // namespace tolvane
