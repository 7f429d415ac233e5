#include "keyfile/key_file_writer.h"

#include <algorithm>
#include <cstring>

#include "keyfile/data_file.h"
#include "keyfile/index_node.h"
#include "keyfile/key_search.h"
#include "keyfile/little_endian.h"

namespace tolvane {

namespace {

constexpr std::uint16_t kFirstNodeUnit = 5;
constexpr std::uint32_t kMaxUnit = 0xFFFF;

// One node while the tree is being built: its entries, before units are known.
struct PendingEntry {
    std::string m_strKey;
    std::uint8_t m_nStatus = 0;
    std::uint16_t m_nPointer = 0;  // leaves: record unit
    std::size_t m_nChild = 0;      // branches: index of the child in the level below
};

using PendingNode = std::vector<PendingEntry>;

bool KeyLess(const std::string& a, const std::string& b) {
    return CompareKeys(reinterpret_cast<const std::uint8_t*>(a.data()),
                       reinterpret_cast<const std::uint8_t*>(b.data()), a.size()) < 0;
}

std::vector<PendingNode> Pack(const std::vector<PendingEntry>& entries, std::size_t perNode) {
    std::vector<PendingNode> nodes;
    for (std::size_t i = 0; i < entries.size(); i += perNode) {
        const std::size_t end = std::min(entries.size(), i + perNode);
        nodes.emplace_back(entries.begin() + static_cast<std::ptrdiff_t>(i),
                           entries.begin() + static_cast<std::ptrdiff_t>(end));
    }
    return nodes;
}

bool Fail(std::string* error, std::string reason) {
    if (error != nullptr) {
        *error = std::move(reason);
    }
    return false;
}

void PutBlock(std::string* bytes, std::uint32_t unit, const Block& block) {
    const std::size_t offset = (unit - 1) * kUnitSize;
    if (bytes->size() < offset + kBlockSize) {
        bytes->resize(offset + kBlockSize, '\0');
    }
    std::memcpy(bytes->data() + offset, block.data(), kBlockSize);
}

}  // namespace

bool BuildIndexFile(const IndexFilePlan& plan, BuiltIndex* built, std::string* error) {
    if (plan.m_nKeyLength < 1 || plan.m_nKeyLength > 32) {
        return Fail(error, "key length must be 1 to 32");
    }
    const std::size_t keyLength = static_cast<std::size_t>(plan.m_nKeyLength);
    const std::size_t maxPerNode = MaxEntriesPerNode(keyLength);
    const std::size_t perLeaf =
        plan.m_nEntriesPerLeaf == 0 ? maxPerNode : static_cast<std::size_t>(plan.m_nEntriesPerLeaf);
    const std::size_t perBranch = plan.m_nEntriesPerBranch == 0
                                      ? maxPerNode
                                      : static_cast<std::size_t>(plan.m_nEntriesPerBranch);
    if (plan.m_nEntriesPerLeaf < 0 || perLeaf < 1 || perLeaf > maxPerNode) {
        return Fail(error, "entries per leaf must be 1 to " + std::to_string(maxPerNode));
    }
    // A branch of one entry would never let the levels narrow down to one root.
    if (plan.m_nEntriesPerBranch < 0 || perBranch < 2 || perBranch > maxPerNode) {
        return Fail(error, "entries per branch must be 2 to " + std::to_string(maxPerNode));
    }
    if (plan.m_nLeafKind == kBranchKind) {
        return Fail(error, "the leaf kind must not be the branch kind 0");
    }

    std::vector<PendingEntry> leafEntries;
    for (const IndexEntry& entry : plan.m_entries) {
        if (entry.m_strKey.size() != keyLength) {
            return Fail(error, "key of " + std::to_string(entry.m_strKey.size()) +
                                   " bytes in an index of key length " + std::to_string(keyLength));
        }
        leafEntries.push_back({entry.m_strKey, entry.m_nStatus, entry.m_nRecordUnit, 0});
    }
    std::stable_sort(leafEntries.begin(), leafEntries.end(),
                     [](const PendingEntry& a, const PendingEntry& b) {
                         return KeyLess(a.m_strKey, b.m_strKey);
                     });
    for (std::size_t i = 1; i < leafEntries.size(); ++i) {
        if (!KeyLess(leafEntries[i - 1].m_strKey, leafEntries[i].m_strKey)) {
            return Fail(error, "two entries have the same key");
        }
    }

    // Levels from the leaves up; each branch entry carries the first key of its child, the
    // lower bound of every key under it.
    std::vector<std::vector<PendingNode>> levels;
    levels.push_back(leafEntries.empty() ? std::vector<PendingNode>{PendingNode{}}
                                         : Pack(leafEntries, perLeaf));
    while (levels.back().size() > 1) {
        const std::vector<PendingNode>& below = levels.back();
        std::vector<PendingEntry> branchEntries;
        for (std::size_t i = 0; i < below.size(); ++i) {
            branchEntries.push_back({below[i].front().m_strKey, 0, 0, i});
        }
        levels.push_back(Pack(branchEntries, perBranch));
    }
    std::reverse(levels.begin(), levels.end());  // root level first

    // Units in storage order: root first, then each level from left to right.
    std::size_t nodeCount = 0;
    built->m_levels.assign(levels.size(), {});
    for (std::size_t level = 0; level < levels.size(); ++level) {
        for (std::size_t i = 0; i < levels[level].size(); ++i) {
            const std::uint32_t unit = kFirstNodeUnit + 2 * static_cast<std::uint32_t>(nodeCount);
            if (unit > kMaxUnit) {
                return Fail(error, "too many nodes for 16-bit units");
            }
            built->m_levels[level].push_back(static_cast<std::uint16_t>(unit));
            ++nodeCount;
        }
    }

    std::string& bytes = built->m_bytes;
    bytes.clear();
    Block header{};
    EncodeU16(&header[0], built->m_levels[0][0]);
    EncodeU16(&header[2], static_cast<std::uint16_t>(keyLength));
    PutBlock(&bytes, kHeaderUnit, header);
    PutBlock(&bytes, kSpareUnit, plan.m_spare);

    for (std::size_t level = 0; level < levels.size(); ++level) {
        const bool leaf = level + 1 == levels.size();
        const std::vector<std::uint16_t>& units = built->m_levels[level];
        for (std::size_t i = 0; i < levels[level].size(); ++i) {
            const PendingNode& entries = levels[level][i];
            Block node{};
            node[0] = leaf ? plan.m_nLeafKind : kBranchKind;
            EncodeU16(&node[1], i + 1 < units.size() ? units[i + 1] : 0);
            EncodeU16(&node[3], i > 0 ? units[i - 1] : 0);
            node[5] = static_cast<std::uint8_t>(entries.size());
            for (std::size_t e = 0; e < entries.size(); ++e) {
                const std::size_t offset = EntryOffset(static_cast<int>(e + 1), keyLength);
                std::memcpy(&node[offset], entries[e].m_strKey.data(), keyLength);
                node[offset + keyLength] = entries[e].m_nStatus;
                const std::uint16_t pointer =
                    leaf ? entries[e].m_nPointer : built->m_levels[level + 1][entries[e].m_nChild];
                EncodeU16(&node[offset + keyLength + 1], pointer);
            }
            PutBlock(&bytes, units[i], node);
        }
    }
    return true;
}

std::uint32_t DataRecordUnit(int reservedBlocks, std::size_t recordIndex) {
    return 3 + 2 * (static_cast<std::uint32_t>(reservedBlocks) +
                    static_cast<std::uint32_t>(recordIndex));
}

bool BuildDataFile(const DataFilePlan& plan, std::string* bytes, std::string* error) {
    // The spare block at unit 3 is the first reserved block, so there is at least one.
    if (plan.m_nReservedBlocks < 1 || plan.m_nReservedBlocks > 0x7FFE) {
        return Fail(error, "reserved block count must be 1 to 32766");
    }
    if (!plan.m_records.empty() &&
        DataRecordUnit(plan.m_nReservedBlocks, plan.m_records.size() - 1) > kMaxUnit) {
        return Fail(error, "too many records for 16-bit units");
    }
    bytes->clear();
    Block header{};
    EncodeU16(&header[kReservedBlocksOffset], static_cast<std::uint16_t>(plan.m_nReservedBlocks));
    PutBlock(bytes, kHeaderUnit, header);
    for (int i = 0; i < plan.m_nReservedBlocks; ++i) {
        PutBlock(bytes, kSpareUnit + 2 * static_cast<std::uint32_t>(i), Block{});
    }
    for (std::size_t i = 0; i < plan.m_records.size(); ++i) {
        PutBlock(bytes, DataRecordUnit(plan.m_nReservedBlocks, i), plan.m_records[i]);
    }
    return true;
}

}  // namespace tolvane
