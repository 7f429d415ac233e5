// The counting engine of the sales recap: the queue files of the chosen range are read once,
// their item sales counted in memory (SalesTally), and the recap table's cells written once
// at the end, then the total units and subtotals computed from the cells.
//
// The cells end exactly as if every sale had been added to its cells one by one: a Sold cell
// keeps its definition text until the row's first sale and then reads the number of that text
// plus the quantities; a Day cell stays empty until a sale and then reads the quantities.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "app/reports_dlg.h"
#include "framework/backend.h"
#include "host/file_system.h"
#include "host/text.h"
#include "recap/queue_file_reader.h"
#include "recap/queue_line.h"

namespace tolvane {
namespace {

constexpr int kColumnProduct = 0;
constexpr int kColumnPlu = 1;
constexpr int kColumnSold = 3;
constexpr int kColumnUnits = 4;
constexpr int kColumnTotalUnits = 5;
constexpr int kColumnDay1 = 6;

// Counts are ints in the cells. Sums and products are formed in 64 bits and held at the
// limits of an int, so that a cell never holds a number that does not read back as itself.
int ClampCount(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

void CReportsDlg::ScanQueueFiles() {
    CWaitCursor wait;
    std::vector<std::string> names = ListDirectory(m_strRootDir + "BDrive\\QU*.que");
    if (names.empty()) {
        return;
    }
    int startKey = QueueDateKey(m_strStartQueueFile);
    int stopKey = QueueDateKey(m_strStopQueueFile);

    // The files of the range in calendar order of their dates, whatever order the directory
    // lists them in: so Day1 is the first day of the range, also across a year end. Names of
    // one date (which differ only after the date) follow in name order.
    std::vector<std::pair<int, std::string>> taken;
    for (std::string& name : names) {
        if (name.size() < kMinQueueFileNameLength) {
            continue;
        }
        int key = QueueDateKey(name);
        if (startKey <= key && key <= stopKey) {
            taken.emplace_back(key, std::move(name));
        }
    }
    std::sort(taken.begin(), taken.end());

    std::vector<std::string_view> plus;
    plus.reserve(m_nItemCount);
    for (int row = 0; row < m_nItemCount; ++row) {
        plus.push_back(m_List.GetItemText(row, kColumnPlu));
    }
    m_tally.Reset(plus);

    m_nDayCount = 0;
    for (const auto& [key, name] : taken) {
        ++m_nDayCount;
        TallyQueueFile(name);
    }

    m_List.SetRedraw(false);
    WriteTallyToCells();
    ComputeTotalUnits();
    m_List.SetRedraw(true);
}

void CReportsDlg::TallyQueueFile(std::string_view name) {
    // Day7 collects the 7th and every later file of the range.
    if (m_nDayCount > SalesTally::kDayCount) {
        m_nDayCount = SalesTally::kDayCount;
    }
    QueueFileReader reader;
    if (!reader.Open(m_strBDriveDir + std::string(name))) {
        // A vanished or locked file counts nothing; its day number stays used.
        return;
    }
    std::string_view lines;
    while (reader.ReadBlock(&lines)) {
        m_tally.CountLines(lines, m_nDayCount);
    }
    reader.Close();
}

void CReportsDlg::WriteTallyToCells() {
    for (int row = 0; row < m_nItemCount && row < m_tally.RowCount(); ++row) {
        std::int64_t sold = m_tally.SoldQuantity(row);
        if (sold == 0) {
            // Quantities are 1 to 9, so a row without a sale has no count; its cells keep
            // their texts.
            continue;
        }
        std::int64_t start = ParseCount(m_List.GetItemText(row, kColumnSold));
        SetRecapCell(row, kColumnSold, FormatCount(ClampCount(start + sold)));
        for (int day = 1; day <= SalesTally::kDayCount; ++day) {
            std::int64_t quantity = m_tally.DayQuantity(row, day);
            if (quantity == 0) {
                continue;
            }
            int column = kColumnDay1 + day - 1;
            std::int64_t before = ParseCount(m_List.GetItemText(row, column));
            SetRecapCell(row, column, FormatCount(ClampCount(before + quantity)));
        }
    }
}

void CReportsDlg::ComputeTotalUnits() {
    std::int64_t sum = 0;
    for (int row = 0; row < m_nItemCount; ++row) {
        if (m_List.GetItemText(row, kColumnProduct).empty()) {
            // A subtotal row closes its group.
            SetRecapCell(row, kColumnTotalUnits, FormatCount(ClampCount(sum)));
            sum = 0;
            continue;
        }
        std::int64_t total =
            ClampCount(std::int64_t{ParseCount(m_List.GetItemText(row, kColumnSold))} *
                       ParseCount(m_List.GetItemText(row, kColumnUnits)));
        SetRecapCell(row, kColumnTotalUnits, FormatCount(total));
        sum += total;
    }
}

}  // namespace tolvane
