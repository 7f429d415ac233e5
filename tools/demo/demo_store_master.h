#pragma once
// The demo store's store master file: the POS system's keyed file of registers, the store,
// employees, departments, PLUs, tenders, taxes and coupons, read by the program for the
// store's own record.
#include <cstdint>
#include <string>

namespace tolvane {

struct DemoStore {
    int m_nNumber = 1234;
    // The four location lines, each at most 24 characters.
    std::string m_strName = "Brindlemoor Grill";
    std::string m_strStreet = "1420 Harbor View Road";
    std::string m_strCity = "Tolvane Bay, OR 97365";
    std::string m_strPhone = "(541) 555-0142";
};

// Keys are a 6-character record type and a 23-character identifier padded with blanks.
inline constexpr int kStoreMasterKeyLength = 29;
// The store's own record is the one under the record type "001600" with a blank identifier.
inline constexpr const char* kStoreRecordType = "001600";

// Builds the store master file: a few hundred records in a data file, under an index of
// several levels in which a few entries are void (employees who left, coupons withdrawn).
// The store's record holds its location lines at offsets 22, 46, 70 and 94, each ending in a
// zero byte when shorter than 24 characters, and its number at offset 212, low byte first.
// Returns false with a reason when the files cannot be built.
bool BuildStoreMaster(const DemoStore& store, std::uint64_t seed, std::string* dataBytes,
                      std::string* indexBytes, std::string* error);

}  // namespace tolvane
