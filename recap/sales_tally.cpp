#include "recap/sales_tally.h"

#include <bit>
#include <cstring>
#include <utility>

#include "recap/line_feed.h"
#include "recap/queue_line.h"

namespace tolvane {
namespace {

// A PLU of 5 bytes packed into one integer, with bit 40 set so that no PLU packs to 0, the
// mark of a free table entry.
std::uint64_t PackPlu(const char* plu) {
    auto byte = [plu](int i) { return std::uint64_t{static_cast<unsigned char>(plu[i])}; };
    return byte(0) | (byte(1) << 8) | (byte(2) << 16) | (byte(3) << 24) | (byte(4) << 32) |
           (std::uint64_t{1} << 40);
}

// The same key for the PLU of a record, which has at least three more characters after it:
// on a little-endian processor one 8-byte load holds the PLU's bytes in PackPlu's order in its
// low 40 bits. The key lives only in memory, so the load's byte order is this processor's.
std::uint64_t PackRecordPlu(const char* plu) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t bytes;
        std::memcpy(&bytes, plu, sizeof bytes);
        return (bytes & 0xFFFFFFFFFFull) | (std::uint64_t{1} << 40);
    } else {
        return PackPlu(plu);
    }
}

}  // namespace

bool SalesTally::Build(const std::vector<std::uint64_t>& keys, std::size_t size, int shift) {
    m_keys.assign(size, 0);
    m_nShift = shift;
    auto place1 = [shift](std::uint64_t key) {
        return static_cast<std::size_t>((key * kMultiplier1) >> shift);
    };
    auto place2 = [shift](std::uint64_t key) {
        return static_cast<std::size_t>((key * kMultiplier2) >> shift);
    };
    for (std::uint64_t key : keys) {
        std::size_t at = place1(key);
        if (m_keys[at] == key || m_keys[place2(key)] == key) {
            continue;  // a PLU on several rows
        }
        // Put the key in its first place; a key found there moves to its other place, and so
        // on, until one lands in a free entry.
        bool placed = false;
        for (int moves = 0; moves < 100 && !placed; ++moves) {
            std::swap(key, m_keys[at]);
            placed = key == 0;
            at = place1(key) == at ? place2(key) : place1(key);
        }
        if (!placed) {
            return false;
        }
    }
    return true;
}

void SalesTally::Reset(const std::vector<std::string_view>& plus) {
    std::vector<std::uint64_t> keys;
    for (std::string_view plu : plus) {
        if (plu.size() == kPluLength) {
            keys.push_back(PackPlu(plu.data()));
        }
    }
    // A quarter full: the keys then find their places at once, and the table of a few
    // hundred PLUs stays within the processor's cache.
    std::size_t size = 64;
    int shift = 58;
    while (size < keys.size() * 4) {
        size *= 2;
        --shift;
    }
    while (!Build(keys, size, shift)) {
        size *= 2;
        --shift;
    }
    m_nSink = size;
    m_rowSlot.assign(plus.size(), -1);
    for (std::size_t row = 0; row < plus.size(); ++row) {
        if (plus[row].size() == kPluLength) {
            m_rowSlot[row] = static_cast<int>(Slot(PackPlu(plus[row].data())));
        }
    }
    m_nOpenDay = 0;
    m_open.assign(size + 1, 0);
    m_quantity.assign(size * kDayCount, 0);
}

void SalesTally::OpenDay(int day) {
    if (m_nOpenDay != 0) {
        for (std::size_t slot = 0; slot < m_nSink; ++slot) {
            m_quantity[slot * kDayCount + (m_nOpenDay - 1)] += m_open[slot];
        }
    }
    std::fill(m_open.begin(), m_open.end(), 0);
    m_nOpenDay = day;
}

void SalesTally::Add(std::string_view plu, int quantity, int day) {
    if (plu.size() != kPluLength || day < 1 || day > kDayCount || m_keys.empty()) {
        return;
    }
    if (day != m_nOpenDay) {
        OpenDay(day);
    }
    m_open[Slot(PackPlu(plu.data()))] += quantity;
}

void SalesTally::CountLine(std::string_view line, int day) {
    QueueSale sale;
    if (ParseQueueSale(line, &sale)) {
        Add(sale.plu, sale.quantity, day);
    }
}

void SalesTally::CountLines(std::string_view lines, int day) {
    if (day < 1 || day > kDayCount || m_keys.empty()) {
        return;
    }
    if (day != m_nOpenDay) {
        OpenDay(day);
    }
    // The loop of the whole scan: one pass over the lines of a block, with nothing called
    // per line. A line is taken to be as long as the one before it, as records are, and only
    // when that is wrong is it searched for its end.
    const char* at = lines.data();
    const char* end = at + lines.size();
    std::size_t guess = 0;  // size of the last line, line feed included
    while (at < end) {
        std::size_t left = static_cast<std::size_t>(end - at);
        const char* lineEnd;
        bool hasLineFeed = true;
        if (guess >= kMinGuessedLineSize && guess <= left && IsLineOfSize(at, guess)) {
            lineEnd = at + guess - 1;
        } else {
            const void* lf = std::memchr(at, '\n', left);
            hasLineFeed = lf != nullptr;
            lineEnd = hasLineFeed ? static_cast<const char*>(lf) : end;
            guess = static_cast<std::size_t>(lineEnd - at) + 1;
        }
        std::size_t length = static_cast<std::size_t>(lineEnd - at);
        if (hasLineFeed && length > 0 && at[length - 1] == '\r') {
            --length;
        }
        // Every record is looked up, sale or not, and adds its quantity, 0 for no sale: a
        // search costs less than a branch that the processor guesses wrong.
        if (length >= kMinQueueLineLength) {
            m_open[Slot(PackRecordPlu(at + kPluOffset))] +=
                SaleQuantity(std::string_view(at, length));
        }
        at = lineEnd + 1;
    }
}

std::int64_t SalesTally::DayQuantity(int row, int day) const {
    if (row < 0 || row >= RowCount() || m_rowSlot[row] < 0 || day < 1 || day > kDayCount) {
        return 0;
    }
    std::size_t slot = static_cast<std::size_t>(m_rowSlot[row]);
    std::int64_t quantity = m_quantity[slot * kDayCount + (day - 1)];
    return day == m_nOpenDay ? quantity + m_open[slot] : quantity;
}

std::int64_t SalesTally::SoldQuantity(int row) const {
    std::int64_t sold = 0;
    for (int day = 1; day <= kDayCount; ++day) {
        sold += DayQuantity(row, day);
    }
    return sold;
}

}  // namespace tolvane
