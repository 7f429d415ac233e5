#include "recap/sales_tally.h"

#include "recap/queue_line.h"

namespace tolvane {
namespace {

// A PLU of 5 bytes packed into one integer, with bit 40 set so that no PLU packs to 0, the
// mark of a free table entry.
std::uint64_t PackPlu(std::string_view plu) {
    std::uint64_t key = std::uint64_t{1} << 40;
    for (std::size_t i = 0; i < kPluLength; ++i) {
        key |= std::uint64_t{static_cast<unsigned char>(plu[i])} << (8 * i);
    }
    return key;
}

// Fibonacci hashing: the multiplication spreads the five bytes over the high bits, and the
// table index is taken from them.
std::uint64_t HashKey(std::uint64_t key, int shift) {
    return (key * 0x9E3779B97F4A7C15ull) >> shift;
}

}  // namespace

void SalesTally::Reset(const std::vector<std::string_view>& plus) {
    m_rowSlot.assign(plus.size(), -1);
    // At most half full, so that a probe sequence ends soon at a free entry.
    std::size_t size = 16;
    m_shift = 60;
    while (size < plus.size() * 2) {
        size *= 2;
        --m_shift;
    }
    m_keys.assign(size, 0);
    m_slots.assign(size, -1);
    m_mask = size - 1;
    int slotCount = 0;
    for (std::size_t row = 0; row < plus.size(); ++row) {
        if (plus[row].size() != kPluLength) {
            continue;
        }
        std::uint64_t key = PackPlu(plus[row]);
        std::uint64_t at = HashKey(key, m_shift);
        while (m_keys[at] != 0 && m_keys[at] != key) {
            at = (at + 1) & m_mask;
        }
        if (m_keys[at] == 0) {
            m_keys[at] = key;
            m_slots[at] = slotCount++;
        }
        m_rowSlot[row] = m_slots[at];
    }
    m_quantity.assign(static_cast<std::size_t>(slotCount) * kDayCount, 0);
}

int SalesTally::FindSlot(std::uint64_t key) const {
    if (m_keys.empty()) {
        return -1;
    }
    std::uint64_t at = HashKey(key, m_shift);
    while (m_keys[at] != 0) {
        if (m_keys[at] == key) {
            return m_slots[at];
        }
        at = (at + 1) & m_mask;
    }
    return -1;
}

void SalesTally::Add(std::string_view plu, int quantity, int day) {
    if (plu.size() != kPluLength || day < 1 || day > kDayCount) {
        return;
    }
    int slot = FindSlot(PackPlu(plu));
    if (slot >= 0) {
        m_quantity[static_cast<std::size_t>(slot) * kDayCount + (day - 1)] += quantity;
    }
}

void SalesTally::CountLine(std::string_view line, int day) {
    QueueSale sale;
    if (ParseQueueSale(line, &sale)) {
        Add(sale.plu, sale.quantity, day);
    }
}

int SalesTally::SlotOfRow(int row) const {
    return (row >= 0 && row < RowCount()) ? m_rowSlot[row] : -1;
}

std::int64_t SalesTally::DayQuantity(int row, int day) const {
    int slot = SlotOfRow(row);
    if (slot < 0 || day < 1 || day > kDayCount) {
        return 0;
    }
    return m_quantity[static_cast<std::size_t>(slot) * kDayCount + (day - 1)];
}

std::int64_t SalesTally::SoldQuantity(int row) const {
    std::int64_t sold = 0;
    for (int day = 1; day <= kDayCount; ++day) {
        sold += DayQuantity(row, day);
    }
    return sold;
}

}  // namespace tolvane
