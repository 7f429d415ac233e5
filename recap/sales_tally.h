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
    // of range counts nothing. Counting is quickest when the sales of one day come together,
    // as they do file by file.
    void Add(std::string_view plu, int quantity, int day);
    // Counts one queue file line (without its line ending) into `day` when it is an item sale.
    void CountLine(std::string_view line, int day);
    // Counts every line of a run of lines, each ending at a line feed (the last one may have
    // none), as CountLine does; a carriage return before a line feed is no part of its line.
    void CountLines(std::string_view lines, int day);

    int RowCount() const { return static_cast<int>(m_rowSlot.size()); }
    // The quantity counted for `row` on `day` (1 to kDayCount); 0 when none.
    std::int64_t DayQuantity(int row, int day) const;
    // The quantity counted for `row` over all days.
    std::int64_t SoldQuantity(int row) const;

  private:
    // The two places of a key in the table: multiplicative hashes, each spreading the five
    // bytes over the high bits from which the place is taken.
    static constexpr std::uint64_t kMultiplier1 = 0x9E3779B97F4A7C15ull;
    static constexpr std::uint64_t kMultiplier2 = 0xC2B2AE3D27D4EB4Full;

    // Places the keys in a table of `size` entries (a power of two). False when they do not
    // fit; the caller then tries a larger table.
    bool Build(const std::vector<std::uint64_t>& keys, std::size_t size, int shift);
    std::size_t Slot(std::uint64_t key) const {
        std::size_t first = static_cast<std::size_t>((key * kMultiplier1) >> m_nShift);
        std::size_t second = static_cast<std::size_t>((key * kMultiplier2) >> m_nShift);
        // Chosen by masks, not branches: whether a line's PLU is listed, and in which place,
        // cannot be predicted, and a mispredicted branch costs more than the two reads.
        std::size_t inFirst = std::size_t{0} - static_cast<std::size_t>(m_keys[first] == key);
        std::size_t inSecond =
            (std::size_t{0} - static_cast<std::size_t>(m_keys[second] == key)) & ~inFirst;
        return (first & inFirst) | (second & inSecond) | (m_nSink & ~(inFirst | inSecond));
    }
    // Makes `day` the open day, folding the counts of the previous one into m_quantity.
    void OpenDay(int day);

    std::vector<int> m_rowSlot;  // slot of each row, -1 for a PLU that cannot match
    // The rows' packed PLUs (0 = free) in a two-choice (cuckoo) table: a PLU sits in one of
    // its two places, so a search reads two entries and takes no branch. A PLU's slot is its
    // place; m_nSink is the slot of every PLU that no row has.
    std::vector<std::uint64_t> m_keys;
    std::size_t m_nSink = 0;
    int m_nShift = 64;  // 64 - log2(table size)
    // The day being counted has one count per slot, side by side: a file's sales all go to
    // one day, and a small array stays in the processor's cache while the file streams past.
    int m_nOpenDay = 0;
    std::vector<std::int64_t> m_open;      // table size + 1 counts (the sink's last)
    std::vector<std::int64_t> m_quantity;  // kDayCount counts per slot, the open day left out
};

}  // namespace tolvane
