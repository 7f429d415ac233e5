// The keyed-file writer: the layouts it produces and the specs it refuses.
#include <gtest/gtest.h>

#include "keyfile/data_file.h"
#include "keyfile/index_node.h"
#include "keyfile/key_file_writer.h"
#include "keyfile/little_endian.h"
#include "support/keyfile_fixtures.h"

namespace tolvane::test {
namespace {

Block NodeAt(const BuiltIndex& built, std::uint16_t unit) {
    Block node{};
    const std::string bytes = built.m_bytes.substr(MemoryFile::Offset(unit), kBlockSize);
    std::copy(bytes.begin(), bytes.end(), node.begin());
    return node;
}

std::string EntryKey(const Block& node, int position, int keyLength) {
    const std::size_t offset = EntryOffset(position, static_cast<std::size_t>(keyLength));
    return std::string(node.begin() + static_cast<std::ptrdiff_t>(offset),
                       node.begin() + static_cast<std::ptrdiff_t>(offset) + keyLength);
}

TEST(KeyFileWriterTest, IndexLevelsAreLinkedAndBranchKeysAreLowerBounds) {
    IndexFilePlan plan;
    plan.m_nKeyLength = 4;
    plan.m_nEntriesPerLeaf = 2;
    plan.m_nEntriesPerBranch = 2;
    // Given out of order; stored in ascending unsigned byte order, so 0x80 comes last.
    for (int i : {6, 0, 4, 2, 1, 5, 3}) {
        plan.m_entries.push_back({FamilyKey(4, i), 0, static_cast<std::uint16_t>(100 + i)});
    }
    plan.m_entries.push_back({"Bri\x80", kVoidStatus, 200});
    const BuiltIndex built = BuildIndex(plan);
    ASSERT_EQ(built.m_levels.size(), 3u);
    EXPECT_EQ(built.m_levels[0].size(), 1u);
    EXPECT_EQ(built.m_levels[1].size(), 2u);
    EXPECT_EQ(built.m_levels[2].size(), 4u);
    EXPECT_EQ(built.m_levels[0][0], 5);  // the root is the first node
    EXPECT_EQ(DecodeU16(reinterpret_cast<const std::uint8_t*>(built.m_bytes.data())), 5);
    EXPECT_EQ(DecodeU16(reinterpret_cast<const std::uint8_t*>(built.m_bytes.data()) + 2), 4);

    std::vector<std::string> leafKeys;
    for (std::size_t level = 0; level < built.m_levels.size(); ++level) {
        const std::vector<std::uint16_t>& units = built.m_levels[level];
        for (std::size_t i = 0; i < units.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "level " << level << " node " << i);
            const Block node = NodeAt(built, units[i]);
            EXPECT_EQ(NodeIsLeaf(node), level == 2);
            EXPECT_EQ(NodeRightLink(node), i + 1 < units.size() ? units[i + 1] : 0);
            EXPECT_EQ(NodeLeftLink(node), i > 0 ? units[i - 1] : 0);
            for (int e = 1; e <= NodeEntryCount(node); ++e) {
                const std::size_t offset = EntryOffset(e, 4);
                const std::uint16_t pointer = DecodeU16(&node[offset + 5]);
                if (level == 2) {
                    leafKeys.push_back(EntryKey(node, e, 4));
                    continue;
                }
                // A branch entry carries its child's first key.
                EXPECT_EQ(EntryKey(node, e, 4), EntryKey(NodeAt(built, pointer), 1, 4));
                EXPECT_EQ(NodeIsLeaf(NodeAt(built, pointer)), level == 1);
            }
        }
    }
    std::vector<std::string> expected;
    for (int i = 0; i < 7; ++i) {
        expected.push_back(FamilyKey(4, i));
    }
    expected.push_back("Bri\x80");
    EXPECT_EQ(leafKeys, expected);
    // The void entry keeps its status.
    const Block last = NodeAt(built, built.m_levels[2][3]);
    EXPECT_EQ(last[EntryOffset(2, 4) + 4], kVoidStatus);
}

TEST(KeyFileWriterTest, DataRecordsFollowTheReservedBlocks) {
    DataFilePlan plan;
    plan.m_nReservedBlocks = 3;
    Block a{};
    a.fill(0xAA);
    Block b{};
    b.fill(0xBB);
    plan.m_records = {a, b};
    const std::string bytes = BuildData(plan);
    EXPECT_EQ(DataRecordUnit(3, 0), 9u);
    EXPECT_EQ(DataRecordUnit(3, 1), 11u);
    ASSERT_EQ(bytes.size(), 12u * 128);
    EXPECT_EQ(bytes.substr(8 * 128, 256), std::string(256, '\xAA'));
    EXPECT_EQ(bytes.substr(10 * 128, 256), std::string(256, '\xBB'));
    EXPECT_EQ(DecodeU16(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 6), 3);
    EXPECT_EQ(bytes.substr(0, 6), std::string(6, '\0'));
    EXPECT_EQ(bytes.substr(8, 2), std::string(2, '\0'));  // not in use
}

TEST(KeyFileWriterTest, RefusesWhatCannotBeBuilt) {
    const auto plan = [](int keyLength, std::vector<IndexEntry> entries, int perLeaf = 0,
                         int perBranch = 0) {
        IndexFilePlan s;
        s.m_nKeyLength = keyLength;
        s.m_entries = std::move(entries);
        s.m_nEntriesPerLeaf = perLeaf;
        s.m_nEntriesPerBranch = perBranch;
        return s;
    };
    struct Case {
        const char* name;
        IndexFilePlan plan;
    } const kCases[] = {
        {"key length 0", plan(0, {})},
        {"key length 33", plan(33, {})},
        {"key of another length", plan(4, {{"ABC", 0, 7}})},
        {"equal keys", plan(4, {{"ABCD", 0, 7}, {"ABCD", 0, 9}})},
        {"more per leaf than fit", plan(32, {}, 8)},
        {"one per branch", plan(4, {}, 1, 1)},
        {"more per branch than fit", plan(4, {}, 1, 36)},
        // One entry per leaf and two per branch: 40000 leaves need more units than exist.
        {"more nodes than units",
         [&] {
             IndexFilePlan s = plan(4, {}, 1, 2);
             for (int i = 0; i < 40000; ++i) {
                 std::string key(4, '\0');
                 EncodeU16(reinterpret_cast<std::uint8_t*>(key.data()),
                           static_cast<std::uint16_t>(i));
                 std::swap(key[0], key[1]);  // big-endian sorts as the number does
                 s.m_entries.push_back({key, 0, 7});
             }
             return s;
         }()},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        BuiltIndex built;
        std::string error;
        EXPECT_FALSE(BuildIndexFile(c.plan, &built, &error));
        EXPECT_FALSE(error.empty());
    }
    std::string bytes;
    std::string error;
    DataFilePlan data;
    data.m_nReservedBlocks = 0;
    EXPECT_FALSE(BuildDataFile(data, &bytes, &error));
    data.m_nReservedBlocks = 1;
    data.m_records.assign(32767, Block{});  // the last would start at unit 65537
    EXPECT_FALSE(BuildDataFile(data, &bytes, &error));
    data.m_records.resize(32766);  // the last starts at unit 65535
    EXPECT_TRUE(BuildDataFile(data, &bytes, &error)) << error;
}

}  // namespace
}  // namespace tolvane::test
