// The node cache: which nodes stay and which one a miss replaces, seen through the reads
// that reach the file.
#include <gtest/gtest.h>

#include <vector>

#include "keyfile/index_file.h"
#include "keyfile/key_file_error.h"
#include "keyfile/key_search.h"
#include "support/keyfile_fixtures.h"

namespace tolvane::test {
namespace {

// Twenty leaves of one entry each under one root.
class NodeCacheTest : public testing::Test {
  protected:
    void SetUp() override {
        IndexFilePlan plan;
        plan.m_nKeyLength = 4;
        plan.m_nEntriesPerLeaf = 1;
        for (int i = 0; i < 20; ++i) {
            plan.m_entries.push_back({FamilyKey(4, i), 0, static_cast<std::uint16_t>(3 + 2 * i)});
        }
        m_built = BuildIndex(plan);
        ASSERT_EQ(m_built.m_levels.size(), 2u);
        m_file = MakeMemoryFile(m_built.m_bytes);
        m_index = OpenMemoryIndex(m_file);
        ASSERT_TRUE(m_index);
        m_file->m_readUnits.clear();
    }

    void TearDown() override { EXPECT_TRUE(CloseIndex(std::move(m_index))); }

    std::uint16_t Leaf(int i) const { return m_built.m_levels[1][static_cast<std::size_t>(i)]; }

    // Loads leaf i; true when that took a read of the file.
    bool LoadReads(int i) {
        const std::size_t before = m_file->m_readUnits.size();
        EXPECT_TRUE(LoadNode(*m_index, Leaf(i)));
        EXPECT_EQ(m_index->m_nCurrentUnit, Leaf(i));
        EXPECT_EQ(std::string(m_index->m_current.begin(), m_index->m_current.end()),
                  m_file->BlockAt(Leaf(i)));
        return m_file->m_readUnits.size() != before;
    }

    BuiltIndex m_built;
    std::shared_ptr<MemoryFile> m_file;
    IndexHandle m_index;
};

std::vector<int> Range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) {
        v.push_back(i);
    }
    return v;
}

std::vector<int> Concat(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(NodeCacheTest, MissReplacesTheSlotThatOtherLoadsHaveAgedMost) {
    struct Case {
        const char* name;
        std::vector<int> loads;   // leaves loaded in this order
        std::size_t reads;        // reads those loads took
        std::vector<int> cached;  // leaves then served without a read
        int evicted;              // a leaf then read again, or -1
    } const kCases[] = {
        {"twelve nodes fit", Range(0, 11), 12, Range(0, 11), -1},
        {"the thirteenth replaces the first filled", Range(0, 12), 13, Range(1, 12), 0},
        // One hit leaves leaf 0 at age 11 and raises leaf 1 to 11: on the tie the lower slot
        // goes, so the leaf just used is replaced (a least-recently-used cache would keep it).
        {"a hit does not refresh its slot", Concat(Range(0, 11), {0, 12}), 13, Range(1, 12), 0},
        // Two hits on leaf 0 age leaf 1 past it.
        {"others age on every load that asks for another node", Concat(Range(0, 11), {0, 0, 12}),
         13, Concat({0}, Range(2, 12)), 1},
        {"a reloaded node replaces the next oldest", Concat(Range(0, 12), {0}), 14,
         Concat({0}, Range(2, 12)), 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        // Each case on a freshly opened index.
        ASSERT_TRUE(CloseIndex(std::move(m_index)));
        m_index = OpenMemoryIndex(m_file);
        ASSERT_TRUE(m_index);
        m_file->m_readUnits.clear();

        for (int leaf : c.loads) {
            LoadReads(leaf);
        }
        EXPECT_EQ(m_file->m_readUnits.size(), c.reads);
        for (int leaf : c.cached) {
            EXPECT_FALSE(LoadReads(leaf)) << "leaf " << leaf << " was not cached";
        }
        if (c.evicted >= 0) {
            EXPECT_TRUE(LoadReads(c.evicted)) << "leaf " << c.evicted << " was still cached";
        }
    }
}

TEST_F(NodeCacheTest, LoadOfUnitZeroFailsWithoutTouchingFreeSlots) {
    SetKeyFileError(KFE_NONE);
    EXPECT_FALSE(LoadNode(*m_index, 0));
    EXPECT_EQ(KeyFileError(), KFE_IO);
    for (const NodeSlot& slot : m_index->m_cache) {
        EXPECT_EQ(slot.m_nUnit, 0);
    }
}

TEST(NodeCacheDescentTest, RepeatedSearchesAreServedFromTheCache) {
    IndexFilePlan plan;
    plan.m_nKeyLength = 29;
    plan.m_nEntriesPerLeaf = 2;
    plan.m_nEntriesPerBranch = 2;
    for (int i = 0; i < 8; ++i) {
        plan.m_entries.push_back({FamilyKey(29, i), 0, static_cast<std::uint16_t>(3 + 2 * i)});
    }
    const BuiltIndex built = BuildIndex(plan);
    ASSERT_EQ(built.m_levels.size(), 3u);
    auto file = MakeMemoryFile(built.m_bytes);
    IndexHandle index = OpenMemoryIndex(file);
    ASSERT_TRUE(index);
    file->m_readUnits.clear();

    auto search = [&](int i) {
        std::vector<std::uint8_t> key = KeyBuffer(FamilyKey(29, i));
        std::uint16_t unit = 0;
        std::uint8_t status = 0;
        EXPECT_TRUE(FindKey(*index, FIND_EXACT, key, &unit, &status));
        const std::vector<std::uint16_t> reads = file->m_readUnits;
        file->m_readUnits.clear();
        return reads;
    };
    // The open read the root directly, not into the cache: the first descent reads it again.
    EXPECT_EQ(search(0), (std::vector<std::uint16_t>{built.m_levels[0][0], built.m_levels[1][0],
                                                     built.m_levels[2][0]}));
    EXPECT_EQ(search(0), std::vector<std::uint16_t>{});
    EXPECT_EQ(search(1), std::vector<std::uint16_t>{});
    EXPECT_EQ(search(2), std::vector<std::uint16_t>{built.m_levels[2][1]});
    EXPECT_EQ(search(7), (std::vector<std::uint16_t>{built.m_levels[1][1], built.m_levels[2][3]}));
    EXPECT_TRUE(CloseIndex(std::move(index)));
}

}  // namespace
}  // namespace tolvane::test
