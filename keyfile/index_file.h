#pragma once
// Index files of the keyed-file library: opening, closing, block transfers and the node cache.
//
// An index file holds a B+-tree whose leaf entries map fixed-length keys to record units of a
// data file. Layout in 256-byte blocks at 128-byte units:
//   unit 1  header: root node unit (offset 0), key length 1 to 32 (offset 2), in-use flag
//           (offset 8); the other bytes are carried unchanged
//   unit 3  spare block: read at open, written back unchanged at close
//   others  tree nodes (see index_node.h)
// The library only reads the tree. Its only writes are the header's in-use flag and the spare
// block, written back as it was read.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "keyfile/block_file.h"
#include "keyfile/path_block_file.h"

namespace tolvane {

inline constexpr int kNodeCacheSlots = 12;

// One slot of the node cache.
struct NodeSlot {
    std::uint16_t m_nUnit = 0;  // unit of the node held; 0 = slot free
    std::int16_t m_nAge = 0;    // node loads since the slot was filled that asked for another node
    Block m_node{};
};

// One open index file. The current node with its position is the cursor of the key search
// (key_search.h): a search leaves it on the leaf entry where it stopped and the walking
// modes move it from there.
struct IndexFile {
    std::unique_ptr<BlockFile> m_file;
    std::uint16_t m_nRootUnit = 0;   // from the header
    std::uint16_t m_nKeyLength = 0;  // from the header, as stored (may lie outside 1 to 32)
    std::uint16_t m_nSpareUnit = 0;  // kSpareUnit once read; 0 = no spare block held
    Block m_spare{};

    std::uint16_t m_nCurrentUnit = 0;
    Block m_current{};             // the current node buffer
    int m_nPosition = 0;           // 1-based entry position; 0 before the first entry,
                                   // entry count + 1 after the last
    bool m_bCurrentValid = false;  // false after a node failed to load: the buffer holds
                                   // nothing usable and walking from it is refused

    // Link steps taken by the current walk in one direction (+1 forward, -1 backward). A
    // tree has at most 65535 distinct node units, so a walk that takes more steps than that
    // has met a node twice: the links form a cycle.
    int m_nWalkDirection = 0;
    std::uint32_t m_nWalkSteps = 0;

    std::array<NodeSlot, kNodeCacheSlots> m_cache{};
};

// Owns an open index file; released by CloseIndex. Dropping a handle without CloseIndex
// closes the file but leaves its in-use flag set, as a stopped process would.
using IndexHandle = std::unique_ptr<IndexFile>;

// Opens an index over a file opened for reading and writing. Sets KeyFileError to KFE_NONE,
// then: none with KFE_OPEN when file is none; KFE_NO_MEMORY when the handle cannot be
// allocated; KFE_READ when the header, the root node or the spare block cannot be read, or
// the root node's entry count does not fit in its block; KFE_WRITE when the header cannot be
// written. A file whose in-use flag is already set opens with KFE_IN_USE. The open sets the
// in-use flag to 1; an open that fails after setting it writes the header back as it found it.
// The cursor starts on the root node's first entry.
IndexHandle OpenIndex(std::unique_ptr<BlockFile> file);

// Opens the index file that a Windows path names (see host/paths.h).
inline IndexHandle OpenIndex(std::string_view path) {
    return OpenIndex(OpenPathBlockFile(path));
}

// Writes the spare block back (its result ignored), clears the header's in-use flag, closes
// the file and releases the handle. Returns false, with KFE_READ or KFE_WRITE, when the header
// could not be read or written; the file is closed all the same. False for no handle.
bool CloseIndex(IndexHandle index);

// Block transfers of an index file. False with KFE_IO when unit is 0 or the block is not
// moved in full.
bool ReadIndexBlock(IndexFile& index, std::uint16_t unit,
                    std::span<std::uint8_t, kBlockSize> block);
bool WriteIndexBlock(IndexFile& index, std::uint16_t unit,
                     std::span<const std::uint8_t, kBlockSize> block);

// Makes the node at unit the current node, from the node cache when it holds it, else from the
// file (and then caches it). Every occupied slot that does not hold unit ages by one; a hit
// does not change the age of its slot. Returns false with KFE_IO when unit is 0, the block
// cannot be read or its entry count does not fit in the block; the cursor is then unusable.
bool LoadNode(IndexFile& index, std::uint16_t unit);

// Stores the current node in the cache: in the slot that already holds its unit, else in the
// first free slot, else in the slot with the greatest age (the lowest such slot on a tie).
// The slot's age becomes 0. Always succeeds.
bool CacheNode(IndexFile& index);

}  // namespace tolvane
