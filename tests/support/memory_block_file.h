#pragma once
// Keyed files held in memory for tests: the bytes can be inspected and spoilt, the reads
// counted, and reads or writes made to fail.
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "keyfile/block_file.h"

namespace tolvane::test {

// The bytes of one file and what has been done to it. Shared between the test and every
// BlockFile opened over it, so it outlives the handles.
struct MemoryFile {
    std::string m_bytes;
    std::vector<std::uint16_t> m_readUnits;   // unit of every read, in order
    std::vector<std::uint16_t> m_writeUnits;  // unit of every write, in order
    bool m_bFailReads = false;
    bool m_bFailWrites = false;
    std::set<std::uint16_t> m_failReadUnits;  // reads at these units return nothing

    // The 16-bit little-endian value at offset, and writing one.
    std::uint16_t U16At(std::size_t offset) const;
    void SetU16At(std::size_t offset, std::uint16_t value);
    // The 256 bytes of the block at unit.
    std::string BlockAt(std::uint16_t unit) const;
    // Byte offset of a unit.
    static std::size_t Offset(std::uint16_t unit) { return (unit - 1) * kUnitSize; }
};

std::shared_ptr<MemoryFile> MakeMemoryFile(std::string bytes);

// A BlockFile over a MemoryFile.
std::unique_ptr<BlockFile> OpenMemoryFile(std::shared_ptr<MemoryFile> file);

// Files by path; a path that was never added cannot be opened.
class MemoryFileSystem {
  public:
    std::shared_ptr<MemoryFile> Add(const std::string& path, std::string bytes);
    // Opens the files added so far by their exact paths.
    BlockFileOpener Opener() const;

  private:
    std::map<std::string, std::shared_ptr<MemoryFile>> m_files;
};

}  // namespace tolvane::test
