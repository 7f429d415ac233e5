#pragma once
// The counts of one queue scan, kept as integers while the files are read so that the recap
// table's cells are written once, at the end, instead of once per sale.
//
// Each recap row is known by the text of its PLU cell. A sale counts for every row whose PLU
// cell holds exactly the sale's 5 characters (byte for byte, letter case significant); rows
// that share a PLU share one slot of counts. A PLU cell of any other length never matches.
#include <cstdint>
#include <string_view>
#include <vector>

namespace tolvane {

class SalesTally {
  public:
    static constexpr int kDayCount = 7;

    // Starts a new tally for these PLU cell texts, one per recap row in row order. The texts
    // are copied; nothing of an earlier tally remains.
    void Reset(const std::vector<std::string_view>& plus);

    // Adds `quantity` to day `day` (1 to kDayCount) of every row whose PLU is `plu`. A day out
    // of range counts nothing.
    void Add(std::string_view plu, int quantity, int day);
    // Counts one queue file line (without its line ending) into `day` when it is an item sale.
    void CountLine(std::string_view line, int day);

    int RowCount() const { return static_cast<int>(m_rowSlot.size()); }
    // The quantity counted for `row` on `day` (1 to kDayCount); 0 when none.
    std::int64_t DayQuantity(int row, int day) const;
    // The quantity counted for `row` over all days.
    std::int64_t SoldQuantity(int row) const;

  private:
    // The slot of a PLU, or -1 when no row has it.
    int FindSlot(std::uint64_t key) const;
    int SlotOfRow(int row) const;

    std::vector<int> m_rowSlot;            // slot of each row, -1 for a PLU that cannot match
    std::vector<std::uint64_t> m_keys;     // open-addressing table of packed PLUs, 0 = free
    std::vector<int> m_slots;              // slot of each table entry
    std::uint64_t m_mask = 0;              // table size - 1 (the size is a power of two)
    int m_shift = 64;                      // 64 - log2(table size)
    std::vector<std::int64_t> m_quantity;  // kDayCount counts per slot
};

}  // namespace tolvane
