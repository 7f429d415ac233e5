#pragma once
// The layout of a node of the index tree: one 256-byte block.
//
//   offset 0  1 byte   kind: 0 = branch node, any other value = leaf node
//   offset 1  2 bytes  unit of the right neighbour on the same level, 0 = none
//   offset 3  2 bytes  unit of the left neighbour on the same level, 0 = none
//   offset 5  1 byte   number of entries
//   offset 6           the entries in ascending key order, each key length + 3 bytes:
//                      key bytes, status byte (0xFF = void), 2-byte pointer (child node
//                      unit in a branch, data record unit in a leaf)
#include <cstddef>
#include <cstdint>
#include <span>

#include "keyfile/block_file.h"

namespace tolvane {

inline constexpr std::size_t kNodeHeaderSize = 6;
inline constexpr std::uint8_t kBranchKind = 0;
inline constexpr std::uint8_t kVoidStatus = 0xFF;

bool NodeIsLeaf(const Block& node);
std::uint16_t NodeRightLink(const Block& node);
std::uint16_t NodeLeftLink(const Block& node);
int NodeEntryCount(const Block& node);

// Bytes of one entry for a key length.
std::size_t EntrySize(std::size_t keyLength);

// Most entries that fit in a node for a key length: (256 - 6) / (key length + 3).
std::size_t MaxEntriesPerNode(std::size_t keyLength);

// True when the node's entry count fits in the block for a key length:
// 6 + count * (key length + 3) <= 256. Only nodes that pass may have their entries read.
bool NodeEntriesFit(const Block& node, std::size_t keyLength);

// Offset in the node of the entry at a 1-based position.
// REQUIRES: 1 <= position <= the node's entry count, and NodeEntriesFit.
std::size_t EntryOffset(int position, std::size_t keyLength);

}  // namespace tolvane
