#pragma once
// Data files of the keyed-file library: fixed 256-byte records.
//
// Layout in 256-byte blocks at 128-byte units:
//   unit 1              header: reserved block count M (offset 6), in-use flag (offset 8);
//                       the other bytes are carried unchanged
//   units 3 to 2 + 2M   M reserved blocks; the first, at unit 3, is the spare block, read at
//                       open and written back unchanged at close
//   unit 3 + 2M on      records, one block each, at the units that index entries name
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "keyfile/block_file.h"
#include "keyfile/path_block_file.h"

namespace tolvane {

inline constexpr std::size_t kReservedBlocksOffset = 6;

// One open data file.
struct DataFile {
    std::unique_ptr<BlockFile> m_file;
    std::uint16_t m_nReservedBlocks = 0;  // M, from the header
    std::uint16_t m_nSpareUnit = 0;       // 3 once read; 0 = no spare block held
    Block m_spare{};
};

// Owns an open data file; released by CloseDataFile. Dropping a handle without CloseDataFile
// closes the file but leaves its in-use flag set, as a stopped process would.
using DataHandle = std::unique_ptr<DataFile>;

// Opens a data file over a file opened for reading and writing. Sets KeyFileError to
// KFE_NONE, then: none with KFE_OPEN when file is none; KFE_NO_MEMORY when the handle cannot
// be allocated; KFE_READ when the header or the spare block cannot be read; KFE_WRITE when
// the header cannot be written. A file whose in-use flag is already set opens with
// KFE_IN_USE. The open sets the in-use flag to 1; an open that fails after setting it writes
// the header back as it found it.
DataHandle OpenDataFile(std::unique_ptr<BlockFile> file);

// Opens the data file that a Windows path names (see host/paths.h).
inline DataHandle OpenDataFile(std::string_view path) {
    return OpenDataFile(OpenPathBlockFile(path));
}

// Writes the spare block back (its result ignored), clears the header's in-use flag, closes
// the file and releases the handle. Returns false, with KFE_READ or KFE_WRITE, when the header
// could not be read or written; the file is closed all the same. False for no handle.
bool CloseDataFile(DataHandle data);

// Block transfers of a data file. False with KFE_IO when unit is 0 or the block is not moved
// in full.
bool ReadDataBlock(DataFile& data, std::uint16_t unit, std::span<std::uint8_t, kBlockSize> block);
bool WriteDataBlock(DataFile& data, std::uint16_t unit,
                    std::span<const std::uint8_t, kBlockSize> block);

}  // namespace tolvane
