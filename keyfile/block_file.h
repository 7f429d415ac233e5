#pragma once
// Files of the keyed-file library and the transfer of their 256-byte blocks.
//
// Both files of a keyed file are addressed in 128-byte units numbered from 1: unit n starts at
// byte (n - 1) * 128. Every transfer moves one block, the 256 bytes that start at a unit.
// The library reaches its files only through BlockFile, so that a test can serve the bytes
// from memory, count the reads or spoil a byte.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

namespace tolvane {

inline constexpr std::size_t kUnitSize = 128;
inline constexpr std::size_t kBlockSize = 256;

using Block = std::array<std::uint8_t, kBlockSize>;

// Both files begin with a header block at unit 1 whose 16-bit field at offset 8 is the in-use
// flag (1 while a program has the file open), and keep a spare block at unit 3.
inline constexpr std::uint16_t kHeaderUnit = 1;
inline constexpr std::uint16_t kSpareUnit = 3;
inline constexpr std::size_t kInUseFlagOffset = 8;

// An open file, readable and writable at any offset.
class BlockFile {
  public:
    virtual ~BlockFile() = default;

    // Reads up to out.size() bytes at offset. Returns the number of bytes read: fewer when the
    // file ends first or a read fails.
    virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;

    // Writes the bytes at offset, growing the file if needed, and hands them to the system
    // before it returns. Returns the number of bytes written: fewer on failure.
    virtual std::size_t WriteAt(std::uint64_t offset, std::span<const std::uint8_t> in) = 0;
};

// Opens a file, named by a path, for reading and writing without text translation.
// Returns none when the file does not exist or cannot be opened so.
using BlockFileOpener = std::function<std::unique_ptr<BlockFile>(std::string_view path)>;

// Reads the block at unit into block. Returns false with KeyFileError KFE_IO when unit is 0
// (no position) or fewer than 256 bytes could be read.
bool ReadBlock(BlockFile& file, std::uint16_t unit, std::span<std::uint8_t, kBlockSize> block);

// Writes block at unit. Returns false with KeyFileError KFE_IO when unit is 0 or fewer than
// 256 bytes could be written.
bool WriteBlock(BlockFile& file, std::uint16_t unit,
                std::span<const std::uint8_t, kBlockSize> block);

}  // namespace tolvane
