#include "keyfile/store_location.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

#include "keyfile/data_file.h"
#include "keyfile/index_file.h"
#include "keyfile/key_search.h"
#include "keyfile/little_endian.h"

namespace tolvane {

namespace {

constexpr std::size_t kLineWidth = 24;
constexpr std::size_t kLine1Offset = 22;
constexpr std::size_t kLine2Offset = 46;
constexpr std::size_t kLine3Offset = 70;
constexpr std::size_t kLine4Offset = 94;
constexpr std::size_t kStoreNumberOffset = 212;

// The key area of the store's record: "001600", 23 spaces, 11 zero bytes. Forty bytes cover
// every key length an index may have; the search compares only the key length's worth.
std::array<std::uint8_t, 40> StoreKey() {
    std::array<std::uint8_t, 40> key{};
    std::memcpy(key.data(), "001600", 6);
    std::memset(key.data() + 6, ' ', 23);
    return key;
}

// The bytes of a text field up to its first zero byte.
std::string FieldText(const Block& record, std::size_t offset) {
    const auto* begin = reinterpret_cast<const char*>(&record[offset]);
    const auto* zero = static_cast<const char*>(std::memchr(begin, 0, kLineWidth));
    return std::string(begin, zero != nullptr ? zero : begin + kLineWidth);
}

// A field as "%24.24s" prints it: right-aligned in 24 columns.
std::string RightAlignedField(const Block& record, std::size_t offset) {
    const std::string text = FieldText(record, offset);
    return std::string(kLineWidth - text.size(), ' ') + text;
}

}  // namespace

bool LookUpStoreLocation(const BlockFileOpener& open, std::string_view dataPath,
                         std::string_view indexPath, StoreLocation* out) {
    DataHandle data = OpenDataFile(open(dataPath));
    if (!data) {
        return false;
    }
    IndexHandle index = OpenIndex(open(indexPath));
    if (!index) {
        CloseDataFile(std::move(data));
        return false;
    }

    std::array<std::uint8_t, 40> key = StoreKey();
    std::uint16_t recordUnit = 0;
    std::uint8_t status = 0;
    Block record{};
    const bool found = FindKey(*index, FIND_EXACT, key, &recordUnit, &status) &&
                       ReadDataBlock(*data, recordUnit, record);
    CloseDataFile(std::move(data));
    CloseIndex(std::move(index));
    if (!found) {
        return false;
    }

    out->m_strStoreNumber = std::to_string(DecodeU16(&record[kStoreNumberOffset]));
    out->m_strLocation1 = FieldText(record, kLine1Offset);
    out->m_strLocation2 = RightAlignedField(record, kLine2Offset);
    out->m_strLocation3 = RightAlignedField(record, kLine3Offset);
    out->m_strLocation4 = RightAlignedField(record, kLine4Offset);
    return true;
}

}  // namespace tolvane
