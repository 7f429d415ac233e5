#pragma once
// Writes keyed files: index files and data files in the layouts that the keyed-file library
// reads (index_file.h, index_node.h, data_file.h).
//
// Used by the tests, the demo store generator and the tools to make files; the program itself
// only reads keyed files. Both builders produce the file's bytes; the caller stores them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "keyfile/block_file.h"

namespace tolvane {

// One leaf entry of an index.
struct IndexEntry {
    std::string m_strKey;        // exactly the index's key length of bytes
    std::uint8_t m_nStatus = 0;  // 0xFF = void
    std::uint16_t m_nRecordUnit = 0;
};

struct IndexFilePlan {
    int m_nKeyLength = 0;               // 1 to 32
    std::vector<IndexEntry> m_entries;  // any order; keys must differ
    int m_nEntriesPerLeaf = 0;          // entries packed into each leaf; 0 = as many as fit
    int m_nEntriesPerBranch = 0;        // entries packed into each branch, at least 2;
                                        // 0 = as many as fit
    std::uint8_t m_nLeafKind = 1;       // the kind byte of leaves (any value but 0)
    Block m_spare{};                    // content of the spare block at unit 3
};

// What the index builder made.
struct BuiltIndex {
    std::string m_bytes;
    // The node units of each level, root level first, each level from left to right. Nodes are
    // stored in this order from unit 5 on, one block each.
    std::vector<std::vector<std::uint16_t>> m_levels;
};

// Builds an index file. The entries are sorted by key as unsigned bytes and packed into
// leaves; each level above holds one entry per node of the level below, whose key is the
// first key under that node and whose pointer is its unit, until one node remains: the root.
// The nodes of every level are linked to their right and left neighbours. No entries give a
// root leaf without entries. The header names the root and the key length, with the in-use
// flag 0. Returns false with a reason in *error when the plan cannot be built: key length
// outside 1 to 32, a key of another length, two equal keys, a packing that does not fit in a
// node, or more nodes than 16-bit units can address.
bool BuildIndexFile(const IndexFilePlan& plan, BuiltIndex* built, std::string* error);

struct DataFilePlan {
    int m_nReservedBlocks = 1;     // M: blocks between the header and the first record; the
                                   // first of them is the spare block at unit 3
    std::vector<Block> m_records;  // stored from unit 3 + 2M on, one block each
};

// The unit of the record at recordIndex (0-based) in a data file with reservedBlocks blocks
// reserved: 3 + 2 * (reservedBlocks + recordIndex).
std::uint32_t DataRecordUnit(int reservedBlocks, std::size_t recordIndex);

// Builds a data file: header with M and the in-use flag 0, M zero-filled reserved blocks,
// then the records. Returns false with a reason in *error when M is not 1 to 32766 or a
// record's unit would not fit in 16 bits.
bool BuildDataFile(const DataFilePlan& plan, std::string* bytes, std::string* error);

}  // namespace tolvane
