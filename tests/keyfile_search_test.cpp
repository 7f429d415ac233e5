// Key search and walks over indexes of several key lengths and depths.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "keyfile/index_node.h"
#include "keyfile/key_file_error.h"
#include "keyfile/key_search.h"
#include "keyfile/little_endian.h"
#include "support/keyfile_fixtures.h"

namespace tolvane::test {
namespace {

struct TreeCase {
    int keyLength;
    int depth;
    int entries;
    int perLeaf;    // 0 = as many as fit
    int perBranch;  // 0 = as many as fit
};

std::string CaseName(const testing::TestParamInfo<TreeCase>& info) {
    return "Key" + std::to_string(info.param.keyLength) + "Depth" +
           std::to_string(info.param.depth);
}

std::vector<TreeCase> TreeCases() {
    std::vector<TreeCase> cases;
    for (int keyLength : {1, 4, 6, 29, 32}) {
        cases.push_back({keyLength, 1, 7, 0, 0});   // seven entries fit even at key length 32
        cases.push_back({keyLength, 2, 15, 3, 7});  // five leaves under the root
        cases.push_back({keyLength, 3, 15, 2, 3});  // eight leaves, three branches, the root
    }
    return cases;
}

// Entries 3, 4 and 5 are void (with 2 per leaf, 4 and 5 fill a leaf on their own) and so is
// entry 14, the last one where there is one.
const std::set<int> kVoid = {3, 4, 5, 14};

class KeySearchTest : public testing::TestWithParam<TreeCase> {
  protected:
    void SetUp() override {
        const TreeCase& c = GetParam();
        IndexFilePlan plan;
        plan.m_nKeyLength = c.keyLength;
        plan.m_nEntriesPerLeaf = c.perLeaf;
        plan.m_nEntriesPerBranch = c.perBranch;
        for (int i = 0; i < c.entries; ++i) {
            // Live status bytes other than 0 carry no meaning of their own.
            const std::uint8_t status = IsVoid(i) ? kVoidStatus : static_cast<std::uint8_t>(i % 3);
            plan.m_entries.push_back({FamilyKey(c.keyLength, i), status, UnitOf(i)});
        }
        m_built = BuildIndex(plan);
        ASSERT_EQ(m_built.m_levels.size(), static_cast<std::size_t>(c.depth));
        m_file = MakeMemoryFile(m_built.m_bytes);
        m_index = OpenMemoryIndex(m_file);
        ASSERT_TRUE(m_index);
    }

    void TearDown() override {
        if (m_index) {
            EXPECT_TRUE(CloseIndex(std::move(m_index)));
        }
    }

    static std::uint16_t UnitOf(int i) { return static_cast<std::uint16_t>(1001 + 2 * i); }
    static bool IsVoid(int i) { return kVoid.count(i) != 0; }
    int KeyLength() const { return GetParam().keyLength; }
    int Entries() const { return GetParam().entries; }

    std::vector<int> LiveEntries() const {
        std::vector<int> live;
        for (int i = 0; i < Entries(); ++i) {
            if (!IsVoid(i)) {
                live.push_back(i);
            }
        }
        return live;
    }

    // The entry that FIND_AT_OR_BEFORE must report for a search key whose last byte is last:
    // the greatest key not above it (the first key when it is below them all), and from a void
    // one back to the previous live entry; -1 when there is none.
    int AtOrBefore(int last) const {
        int at = 0;
        for (int i = 0; i < Entries(); ++i) {
            if (0x30 + 2 * i <= last) {
                at = i;
            }
        }
        while (at >= 0 && IsVoid(at)) {
            --at;
        }
        return at;
    }

    struct Step {
        bool found = false;
        std::string key;
        std::uint16_t unit = 0;
        std::uint8_t status = 0;
    };

    Step Find(int mode, const std::string& key) {
        std::vector<std::uint8_t> buffer = KeyBuffer(key);
        Step step;
        step.found = FindKey(*m_index, mode, buffer, &step.unit, &step.status);
        step.key = KeyText(buffer, buffer.size());
        return step;
    }

    // Walks with mode until it reports nothing; the entries reported, by index in the family.
    std::vector<int> Walk(int mode) {
        std::vector<int> seen;
        std::string buffer(static_cast<std::size_t>(KeyLength()), '\0');
        for (int guard = 0; guard < 100; ++guard) {
            Step step = Find(mode, buffer);
            if (!step.found) {
                EXPECT_EQ(KeyFileError(), KFE_NONE);
                return seen;
            }
            buffer = step.key;
            seen.push_back(IndexOfKey(step.key, step.unit));
        }
        ADD_FAILURE() << "walk did not end";
        return seen;
    }

    // The family index of a reported key, checked against the record unit reported with it.
    int IndexOfKey(const std::string& key, std::uint16_t unit) {
        const int i = (static_cast<std::uint8_t>(key.back()) - 0x30) / 2;
        EXPECT_EQ(key, FamilyKey(KeyLength(), i));
        EXPECT_EQ(unit, UnitOf(i));
        return i;
    }

    BuiltIndex m_built;
    std::shared_ptr<MemoryFile> m_file;
    IndexHandle m_index;
};

TEST_P(KeySearchTest, ExactFindsEachLiveKeyAndRejectsVoidOnes) {
    for (int i = 0; i < Entries(); ++i) {
        SCOPED_TRACE(i);
        const Step step = Find(FIND_EXACT, FamilyKey(KeyLength(), i));
        EXPECT_EQ(KeyFileError(), KFE_NONE);
        EXPECT_EQ(step.found, !IsVoid(i));
        EXPECT_EQ(step.unit, UnitOf(i));
        EXPECT_EQ(step.status, IsVoid(i) ? kVoidStatus : i % 3);
    }
}

TEST_P(KeySearchTest, ExactMissIsNoErrorAndLeavesTheKeyBuffer) {
    std::vector<std::uint8_t> lasts = {0x20, 0xFF};
    for (int i = 0; i < Entries(); ++i) {
        lasts.push_back(static_cast<std::uint8_t>(0x31 + 2 * i));
    }
    for (std::uint8_t last : lasts) {
        SCOPED_TRACE(static_cast<int>(last));
        const std::string key = FamilyKeyWithLastByte(KeyLength(), last);
        const Step step = Find(FIND_EXACT, key);
        EXPECT_FALSE(step.found);
        EXPECT_EQ(KeyFileError(), KFE_NONE);
        EXPECT_EQ(step.key, key);
    }
}

TEST_P(KeySearchTest, AtOrBeforeReportsTheGreatestLiveKeyNotAbove) {
    // Below every key, at each key, between each pair, above every key.
    std::vector<int> lasts = {0x20, 0xFF};
    for (int i = 0; i < Entries(); ++i) {
        lasts.push_back(0x30 + 2 * i);
        lasts.push_back(0x31 + 2 * i);
    }
    for (int last : lasts) {
        SCOPED_TRACE(last);
        const Step step = Find(FIND_AT_OR_BEFORE,
                               FamilyKeyWithLastByte(KeyLength(), static_cast<std::uint8_t>(last)));
        EXPECT_EQ(KeyFileError(), KFE_NONE);
        const int expected = AtOrBefore(last);
        ASSERT_EQ(step.found, expected >= 0);
        if (expected >= 0) {
            EXPECT_EQ(IndexOfKey(step.key, step.unit), expected);
        }
    }
}

TEST_P(KeySearchTest, ForwardWalkReportsEveryLiveKeyOnceThenStepsBackFromTheEnd) {
    const std::vector<int> live = LiveEntries();
    const Step first = Find(FIND_AT_OR_BEFORE, FamilyKeyWithLastByte(KeyLength(), 0x20));
    ASSERT_TRUE(first.found);
    std::vector<int> seen = {IndexOfKey(first.key, first.unit)};
    for (int i : Walk(FIND_NEXT)) {
        seen.push_back(i);
    }
    EXPECT_EQ(seen, live);

    // Asking again past the end changes nothing: one step back is still the last live key.
    EXPECT_FALSE(Find(FIND_NEXT, FamilyKey(KeyLength(), 0)).found);
    EXPECT_FALSE(Find(FIND_NEXT, FamilyKey(KeyLength(), 0)).found);
    const Step back = Find(FIND_PREVIOUS, FamilyKey(KeyLength(), 0));
    ASSERT_TRUE(back.found);
    EXPECT_EQ(IndexOfKey(back.key, back.unit), live.back());
}

TEST_P(KeySearchTest, BackwardWalkReportsEveryLiveKeyInDescendingOrder) {
    std::vector<int> live = LiveEntries();
    const Step last = Find(FIND_AT_OR_BEFORE, FamilyKeyWithLastByte(KeyLength(), 0xFF));
    ASSERT_TRUE(last.found);
    std::vector<int> seen = {IndexOfKey(last.key, last.unit)};
    for (int i : Walk(FIND_PREVIOUS)) {
        seen.push_back(i);
    }
    EXPECT_EQ(seen, std::vector<int>(live.rbegin(), live.rend()));

    EXPECT_FALSE(Find(FIND_PREVIOUS, FamilyKey(KeyLength(), 0)).found);
    EXPECT_FALSE(Find(FIND_PREVIOUS, FamilyKey(KeyLength(), 0)).found);
    const Step forward = Find(FIND_NEXT, FamilyKey(KeyLength(), 0));
    ASSERT_TRUE(forward.found);
    EXPECT_EQ(IndexOfKey(forward.key, forward.unit), live.front());
}

TEST_P(KeySearchTest, WalkContinuesFromWhereASearchStopped) {
    // From entry 2 the next live entry lies past the void ones, in another leaf when leaves
    // hold fewer than seven entries.
    ASSERT_TRUE(Find(FIND_EXACT, FamilyKey(KeyLength(), 2)).found);
    const Step next = Find(FIND_NEXT, FamilyKey(KeyLength(), 0));
    ASSERT_TRUE(next.found);
    EXPECT_EQ(IndexOfKey(next.key, next.unit), 6);
    const Step previous = Find(FIND_PREVIOUS, FamilyKey(KeyLength(), 0));
    ASSERT_TRUE(previous.found);
    EXPECT_EQ(IndexOfKey(previous.key, previous.unit), 2);
}

INSTANTIATE_TEST_SUITE_P(Trees, KeySearchTest, testing::ValuesIn(TreeCases()), CaseName);

// A one-leaf index of 3-byte keys that differ in letter case.
class LetterCaseTest : public testing::Test {
  protected:
    void SetUp() override {
        IndexFilePlan plan;
        plan.m_nKeyLength = 3;
        plan.m_entries = {{"abc", 0, 21}, {"ABC", 0, 23}, {"AbC", 0, 25}, {"ABc", 0, 27}};
        m_file = MakeMemoryFile(BuildIndex(plan).m_bytes);
        m_index = OpenMemoryIndex(m_file);
        ASSERT_TRUE(m_index);
    }

    IndexHandle m_index;
    std::shared_ptr<MemoryFile> m_file;
};

TEST_F(LetterCaseTest, KeysThatDifferOnlyInCaseAreDifferentKeys) {
    struct Case {
        const char* search;
        int mode;
        bool found;
        const char* reported;
        std::uint16_t unit;
    } const kCases[] = {
        {"ABC", FIND_EXACT, true, "ABC", 23},
        {"ABc", FIND_EXACT, true, "ABc", 27},
        {"AbC", FIND_EXACT, true, "AbC", 25},
        {"abc", FIND_EXACT, true, "abc", 21},
        {"aBC", FIND_EXACT, false, "aBC", 0},
        // Upper case sorts first: "ABC" < "ABc" < "AbC" < "aBC" < "abc".
        {"aBC", FIND_AT_OR_BEFORE, true, "AbC", 25},
        {"Abc", FIND_AT_OR_BEFORE, true, "AbC", 25},
        {"ABD", FIND_AT_OR_BEFORE, true, "ABC", 23},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.search) + " mode " + std::to_string(c.mode));
        std::vector<std::uint8_t> key = KeyBuffer(c.search);
        std::uint16_t unit = 0;
        std::uint8_t status = 0;
        EXPECT_EQ(FindKey(*m_index, c.mode, key, &unit, &status), c.found);
        EXPECT_EQ(KeyText(key, 3), c.reported);
        if (c.found) {
            EXPECT_EQ(unit, c.unit);
        }
    }
    EXPECT_TRUE(CloseIndex(std::move(m_index)));
}

TEST(CompareKeysTest, ComparesUnsignedBytesOverTheGivenLength) {
    const std::uint8_t a[] = {0x41, 0x80, 0x01};
    const std::uint8_t b[] = {0x41, 0x7F, 0xFF};
    EXPECT_EQ(CompareKeys(a, b, 0), 0);
    EXPECT_EQ(CompareKeys(a, b, 1), 0);
    EXPECT_EQ(CompareKeys(a, b, 3), 1);  // 0x80 is above 0x7F as an unsigned byte
    EXPECT_EQ(CompareKeys(b, a, 3), -1);
    const std::uint8_t zero[] = {0x00};
    const std::uint8_t high[] = {0xFF};
    EXPECT_EQ(CompareKeys(zero, high, 1), -255);
}

TEST(FindKeyTest, ModesOutsideOneToFourAreRefused) {
    IndexFilePlan plan;
    plan.m_nKeyLength = 4;
    plan.m_entries = {{"KEY1", 0, 9}};
    auto file = MakeMemoryFile(BuildIndex(plan).m_bytes);
    IndexHandle index = OpenMemoryIndex(file);
    ASSERT_TRUE(index);
    for (int mode : {0, 5, -1, 255}) {
        SCOPED_TRACE(mode);
        std::vector<std::uint8_t> key = KeyBuffer("KEY1");
        std::uint16_t unit = 77;
        std::uint8_t status = 77;
        EXPECT_FALSE(FindKey(*index, mode, key, &unit, &status));
        EXPECT_EQ(KeyFileError(), KFE_BAD_MODE);
        EXPECT_EQ(unit, 77);
        EXPECT_EQ(KeyText(key, 4), "KEY1");
    }
    // A key buffer shorter than the compared length cannot be searched for.
    std::vector<std::uint8_t> shortKey = KeyBuffer("KEY");
    std::uint16_t unit = 0;
    std::uint8_t status = 0;
    EXPECT_FALSE(FindKey(*index, FIND_EXACT, shortKey, &unit, &status));
    EXPECT_EQ(KeyFileError(), KFE_BAD_MODE);
    // The next call starts with a clean code.
    std::vector<std::uint8_t> key = KeyBuffer("KEY1");
    EXPECT_TRUE(FindKey(*index, FIND_EXACT, key, &unit, &status));
    EXPECT_EQ(KeyFileError(), KFE_NONE);
    EXPECT_TRUE(CloseIndex(std::move(index)));
}

TEST(FindKeyTest, EmptyRootLeafReportsNothing) {
    IndexFilePlan plan;
    plan.m_nKeyLength = 6;
    auto file = MakeMemoryFile(BuildIndex(plan).m_bytes);
    IndexHandle index = OpenMemoryIndex(file);
    ASSERT_TRUE(index);
    for (int mode : {FIND_EXACT, FIND_AT_OR_BEFORE, FIND_NEXT, FIND_PREVIOUS}) {
        SCOPED_TRACE(mode);
        std::vector<std::uint8_t> key = KeyBuffer("001600");
        std::uint16_t unit = 5;
        std::uint8_t status = 5;
        EXPECT_FALSE(FindKey(*index, mode, key, &unit, &status));
        EXPECT_EQ(KeyFileError(), KFE_NONE);
        EXPECT_EQ(KeyText(key, 6), "001600");
    }
    EXPECT_TRUE(CloseIndex(std::move(index)));
}

TEST(FindKeyTest, EmptyLeavesOnTheWayArePassedOver) {
    // Three leaves of 2, 0 and 2 entries; a walk across the middle one reports only the keys.
    IndexFilePlan plan;
    plan.m_nKeyLength = 2;
    plan.m_nEntriesPerLeaf = 2;
    plan.m_entries = {{"AA", 0, 11}, {"BB", 0, 13}, {"CC", 0, 15},
                      {"DD", 0, 17}, {"EE", 0, 19}, {"FF", 0, 21}};
    BuiltIndex built = BuildIndex(plan);
    ASSERT_EQ(built.m_levels.size(), 2u);
    auto file = MakeMemoryFile(built.m_bytes);
    // Empty the middle leaf: its unused entry bytes still hold "CC" and "DD".
    file->m_bytes[MemoryFile::Offset(built.m_levels[1][1]) + 5] = 0;
    IndexHandle index = OpenMemoryIndex(file);
    ASSERT_TRUE(index);

    struct Case {
        const char* start;
        int mode;
        std::vector<std::string> expected;
    } const kCases[] = {
        {"AA", FIND_NEXT, {"BB", "EE", "FF"}},
        {"FF", FIND_PREVIOUS, {"EE", "BB", "AA"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.start);
        std::vector<std::uint8_t> key = KeyBuffer(c.start);
        std::uint16_t unit = 0;
        std::uint8_t status = 0;
        ASSERT_TRUE(FindKey(*index, FIND_EXACT, key, &unit, &status));
        std::vector<std::string> seen;
        while (FindKey(*index, c.mode, key, &unit, &status)) {
            seen.push_back(KeyText(key, 2));
        }
        EXPECT_EQ(KeyFileError(), KFE_NONE);
        EXPECT_EQ(seen, c.expected);
    }
    // At or before a key that the empty leaf's branch entry covers: back to the last live key.
    std::vector<std::uint8_t> key = KeyBuffer("CD");
    std::uint16_t unit = 0;
    std::uint8_t status = 0;
    ASSERT_TRUE(FindKey(*index, FIND_AT_OR_BEFORE, key, &unit, &status));
    EXPECT_EQ(KeyText(key, 2), "BB");
    EXPECT_EQ(unit, 13);
    EXPECT_TRUE(CloseIndex(std::move(index)));
}

// An index of one leaf with two entries, made by hand because its key length lies outside
// what the writer accepts.
std::string IndexWithKeyLength(int keyLength, const std::string& key1, const std::string& key2) {
    std::string bytes(5 * 128 + 256, '\0');
    auto* b = reinterpret_cast<std::uint8_t*>(bytes.data());
    EncodeU16(b, 5);
    EncodeU16(b + 2, static_cast<std::uint16_t>(keyLength));
    std::uint8_t* node = b + 4 * 128;
    node[0] = 1;
    node[5] = 2;
    const std::size_t size = static_cast<std::size_t>(keyLength) + 3;
    std::copy(key1.begin(), key1.end(), node + 6);
    EncodeU16(node + 6 + keyLength + 1, 31);
    std::copy(key2.begin(), key2.end(), node + 6 + size);
    EncodeU16(node + 6 + size + keyLength + 1, 33);
    return bytes;
}

TEST(FindKeyTest, KeyLengthOutsideOneTo32IsReportedAndComparedOverTheLimitedLength) {
    struct Case {
        int keyLength;
        std::string key1, key2, search;
        std::uint16_t unit;
        const char* message;
    } const kCases[] = {
        // 40-byte keys compare over their first 32 bytes: the search matches the second key
        // though its last 8 bytes differ.
        {40, std::string(32, 'a') + "xxxxxxxx", std::string(32, 'b') + "yyyyyyyy",
         std::string(32, 'b') + "zzzzzzzz", 33, "\nkey size error (insert): 40  32"},
        // Key length 0 compares one byte, which is the entry's status byte.
        {0, "", "", std::string(1, '\0'), 31, "\nkey size error (insert): 0  1"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.keyLength);
        auto file = MakeMemoryFile(IndexWithKeyLength(c.keyLength, c.key1, c.key2));
        IndexHandle index = OpenMemoryIndex(file);
        ASSERT_TRUE(index);
        std::vector<std::uint8_t> key = KeyBuffer(c.search);
        std::uint16_t unit = 0;
        std::uint8_t status = 0;
        testing::internal::CaptureStdout();
        const bool found = FindKey(*index, FIND_EXACT, key, &unit, &status);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.message);
        EXPECT_TRUE(found);
        EXPECT_EQ(unit, c.unit);
        EXPECT_TRUE(CloseIndex(std::move(index)));
    }
}

}  // namespace
}  // namespace tolvane::test
