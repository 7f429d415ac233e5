#pragma once
// The store's own record in the POS system's store master file.
//
// The store master file is a keyed file: data file "C:\Report\POS-B" with its index
// "C:\Report\POS-B.XXX". The store's record is found under the key "001600" padded with
// spaces; its 256 bytes hold four 24-byte location lines at offsets 22, 46, 70 and 94 and the
// store number, an unsigned 16-bit little-endian value, at offset 212.
#include <string>
#include <string_view>

#include "keyfile/block_file.h"
#include "keyfile/path_block_file.h"

namespace tolvane {

struct StoreLocation {
    std::string m_strStoreNumber;  // decimal, 0 to 65535
    std::string m_strLocation1;    // up to 24 characters, ending at the field's first zero byte
    std::string m_strLocation2;    // 24 characters: the field up to its first zero byte,
    std::string m_strLocation3;    //   right-aligned with leading spaces
    std::string m_strLocation4;
};

// Reads the store's record. Opens the data file, then the index file, through open; finds the
// store's key exactly and reads the record it points to. Returns true and fills *out on
// success. Every failure (a file that cannot be opened, no live entry for the key, a record
// that cannot be read) returns false and leaves *out as it was. Both files are closed on every
// outcome, which clears their in-use flags.
bool LookUpStoreLocation(const BlockFileOpener& open, std::string_view dataPath,
                         std::string_view indexPath, StoreLocation* out);

// The same over the files that Windows paths name (see host/paths.h).
inline bool LookUpStoreLocation(std::string_view dataPath, std::string_view indexPath,
                                StoreLocation* out) {
    return LookUpStoreLocation(OpenPathBlockFile, dataPath, indexPath, out);
}

}  // namespace tolvane
