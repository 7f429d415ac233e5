// Corrupt index files: every one ends the operation with a failure code, without reading
// outside a node, looping forever or crashing.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "keyfile/index_file.h"
#include "keyfile/index_node.h"
#include "keyfile/key_file_error.h"
#include "keyfile/key_search.h"
#include "support/keyfile_fixtures.h"

namespace tolvane::test {
namespace {

constexpr int kKeyLength = 6;
constexpr int kEntries = 15;

// Three levels: the root, three branches, eight leaves of two entries (the last holds one).
BuiltIndex ThreeLevelIndex(std::uint8_t status = 0) {
    IndexFilePlan plan;
    plan.m_nKeyLength = kKeyLength;
    plan.m_nEntriesPerLeaf = 2;
    plan.m_nEntriesPerBranch = 3;
    for (int i = 0; i < kEntries; ++i) {
        plan.m_entries.push_back(
            {FamilyKey(kKeyLength, i), status, static_cast<std::uint16_t>(3 + 2 * i)});
    }
    return BuildIndex(plan);
}

std::size_t NodeOffset(std::uint16_t unit) {
    return MemoryFile::Offset(unit);
}

// Offset in the file of the pointer of entry e (1-based) of the node at unit.
std::size_t PointerOffset(std::uint16_t unit, int e) {
    return NodeOffset(unit) + EntryOffset(e, kKeyLength) + kKeyLength + 1;
}

// What a run of operations ended with.
struct Outcome {
    bool failed = false;  // some operation returned false with a code other than KFE_NONE
    KeyFileCode code = KFE_NONE;
    std::vector<std::string> keys;  // keys reported by the walk
};

// Calls FindKey with mode until it returns false; gives up (and fails the test) after far
// more calls than any walk over a tree with 16-bit units could take.
Outcome Walk(IndexFile& index, int mode, std::vector<std::uint8_t>& key) {
    Outcome outcome;
    std::uint16_t unit = 0;
    std::uint8_t status = 0;
    for (long calls = 0; calls < 5'000'000; ++calls) {
        if (!FindKey(index, mode, key, &unit, &status)) {
            outcome.code = KeyFileError();
            outcome.failed = outcome.code != KFE_NONE;
            return outcome;
        }
        if (outcome.keys.size() < 100) {
            outcome.keys.push_back(KeyText(key, kKeyLength));
        }
    }
    ADD_FAILURE() << "walk did not end";
    return outcome;
}

Outcome Search(IndexFile& index, int mode, int i) {
    std::vector<std::uint8_t> key = KeyBuffer(FamilyKey(kKeyLength, i));
    std::uint16_t unit = 0;
    std::uint8_t status = 0;
    Outcome outcome;
    FindKey(index, mode, key, &unit, &status);
    outcome.code = KeyFileError();
    outcome.failed = outcome.code != KFE_NONE;
    return outcome;
}

Outcome WalkFrom(IndexFile& index, std::uint8_t last, int mode) {
    std::vector<std::uint8_t> key = KeyBuffer(FamilyKeyWithLastByte(kKeyLength, last));
    std::uint16_t unit = 0;
    std::uint8_t status = 0;
    if (!FindKey(index, FIND_AT_OR_BEFORE, key, &unit, &status)) {
        Outcome outcome;
        outcome.code = KeyFileError();
        outcome.failed = outcome.code != KFE_NONE;
        return outcome;
    }
    return Walk(index, mode, key);
}

Outcome WalkForward(IndexFile& index) {
    return WalkFrom(index, 0x20, FIND_NEXT);
}
Outcome WalkBackward(IndexFile& index) {
    return WalkFrom(index, 0xFF, FIND_PREVIOUS);
}

TEST(CorruptIndexTest, EachCorruptionEndsTheOperationWithAnIoError) {
    struct Case {
        const char* name;
        std::uint8_t status;  // status byte of every entry
        std::function<void(MemoryFile&, const BuiltIndex&)> spoil;
        std::function<Outcome(IndexFile&)> run;
    };
    const auto leaf = [](const BuiltIndex& b, int i) {
        return b.m_levels[2][static_cast<std::size_t>(i)];
    };
    const auto branch = [](const BuiltIndex& b, int i) {
        return b.m_levels[1][static_cast<std::size_t>(i)];
    };
    const auto setCount = [](MemoryFile& f, std::uint16_t unit, int count) {
        f.m_bytes[NodeOffset(unit) + 5] = static_cast<char>(count);
    };
    const auto search = [](int i) {
        return [i](IndexFile& index) { return Search(index, FIND_EXACT, i); };
    };
    const Case kCases[] = {
        // 6 + 255 * 9 bytes would run far past the 256-byte node.
        {"leaf entry count past the block, on the search path", 0,
         [&](MemoryFile& f, const BuiltIndex& b) { setCount(f, leaf(b, 0), 255); }, search(0)},
        // 6 + 28 * 9 = 258: two bytes too many.
        {"leaf entry count just past the block", 0,
         [&](MemoryFile& f, const BuiltIndex& b) { setCount(f, leaf(b, 3), 28); }, search(6)},
        {"leaf entry count past the block, reached forward", 0,
         [&](MemoryFile& f, const BuiltIndex& b) { setCount(f, leaf(b, 1), 255); }, WalkForward},
        {"leaf entry count past the block, reached backward", 0,
         [&](MemoryFile& f, const BuiltIndex& b) { setCount(f, leaf(b, 6), 200); }, WalkBackward},
        {"branch entry count past the block", 0,
         [&](MemoryFile& f, const BuiltIndex& b) { setCount(f, branch(b, 0), 255); }, search(0)},
        {"branch pointer of unit 0", 0,
         [&](MemoryFile& f, const BuiltIndex& b) {
             f.SetU16At(PointerOffset(b.m_levels[0][0], 2), 0);
         },
         search(7)},
        {"branch entries none", 0,
         [&](MemoryFile& f, const BuiltIndex& b) { setCount(f, branch(b, 2), 0); }, search(14)},
        {"branch pointer past the end of the file", 0,
         [&](MemoryFile& f, const BuiltIndex& b) {
             f.SetU16At(PointerOffset(branch(b, 1), 1), 4001);
         },
         search(6)},
        {"branch that points to itself: no leaf within 9 levels", 0,
         [&](MemoryFile& f, const BuiltIndex& b) {
             f.SetU16At(PointerOffset(b.m_levels[0][0], 1), b.m_levels[0][0]);
         },
         search(0)},
        {"right link past the end of the file", 0,
         [&](MemoryFile& f, const BuiltIndex& b) { f.SetU16At(NodeOffset(leaf(b, 2)) + 1, 4001); },
         WalkForward},
        {"left link of unit 1, the header, whose count does not fit", 0,
         [&](MemoryFile& f, const BuiltIndex& b) {
             f.SetU16At(NodeOffset(leaf(b, 5)) + 3, 1);
             f.m_bytes[5] = static_cast<char>(200);
         },
         WalkBackward},
        {"right link back to its own leaf", 0,
         [&](MemoryFile& f, const BuiltIndex& b) {
             f.SetU16At(NodeOffset(leaf(b, 4)) + 1, leaf(b, 4));
         },
         WalkForward},
        {"right links in a ring of live entries", 0,
         [&](MemoryFile& f, const BuiltIndex& b) {
             f.SetU16At(NodeOffset(leaf(b, 7)) + 1, leaf(b, 0));
         },
         WalkForward},
        {"left links in a ring of live entries", 0,
         [&](MemoryFile& f, const BuiltIndex& b) {
             f.SetU16At(NodeOffset(leaf(b, 0)) + 3, leaf(b, 7));
         },
         WalkBackward},
        // Nothing live to report: one call goes round the ring until the step limit.
        {"right links in a ring of void entries", kVoidStatus,
         [&](MemoryFile& f, const BuiltIndex& b) {
             f.SetU16At(NodeOffset(leaf(b, 7)) + 1, leaf(b, 0));
         },
         [](IndexFile& index) {
             std::vector<std::uint8_t> key = KeyBuffer(FamilyKey(kKeyLength, 0));
             std::uint16_t unit = 0;
             std::uint8_t status = 0;
             EXPECT_FALSE(FindKey(index, FIND_EXACT, key, &unit, &status));  // onto leaf 0
             return Walk(index, FIND_NEXT, key);
         }},
        {"left links in a ring of void entries", kVoidStatus,
         [&](MemoryFile& f, const BuiltIndex& b) {
             f.SetU16At(NodeOffset(leaf(b, 0)) + 3, leaf(b, 7));
         },
         [](IndexFile& index) { return Search(index, FIND_AT_OR_BEFORE, 9); }},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const BuiltIndex built = ThreeLevelIndex(c.status);
        auto file = MakeMemoryFile(built.m_bytes);
        c.spoil(*file, built);
        const std::string spoilt = file->m_bytes;
        IndexHandle index = OpenMemoryIndex(file);
        ASSERT_TRUE(index);
        const Outcome outcome = c.run(*index);
        EXPECT_TRUE(outcome.failed);
        EXPECT_EQ(outcome.code, KFE_IO);

        // A walk cannot go on from a node that failed; a new search can.
        std::vector<std::uint8_t> key = KeyBuffer(FamilyKey(kKeyLength, 0));
        std::uint16_t unit = 0;
        std::uint8_t status = 0;
        if (!index->m_bCurrentValid) {
            EXPECT_FALSE(FindKey(*index, FIND_NEXT, key, &unit, &status));
            EXPECT_EQ(KeyFileError(), KFE_IO);
            EXPECT_FALSE(FindKey(*index, FIND_PREVIOUS, key, &unit, &status));
            EXPECT_EQ(KeyFileError(), KFE_IO);
        }
        EXPECT_TRUE(CloseIndex(std::move(index)));
        EXPECT_EQ(file->m_bytes, spoilt);
    }
}

TEST(CorruptIndexTest, WalkAroundARingStopsAfterAtMostEveryUnitOnce) {
    const BuiltIndex built = ThreeLevelIndex();
    auto file = MakeMemoryFile(built.m_bytes);
    file->SetU16At(NodeOffset(built.m_levels[2][7]) + 1, built.m_levels[2][0]);
    IndexHandle index = OpenMemoryIndex(file);
    ASSERT_TRUE(index);
    const Outcome outcome = WalkForward(*index);
    EXPECT_EQ(outcome.code, KFE_IO);
    // The ring is walked once correctly before it comes round.
    ASSERT_GE(outcome.keys.size(), static_cast<std::size_t>(kEntries));
    for (int i = 1; i < kEntries; ++i) {
        EXPECT_EQ(outcome.keys[static_cast<std::size_t>(i - 1)], FamilyKey(kKeyLength, i));
    }
    EXPECT_TRUE(CloseIndex(std::move(index)));
}

// Every operation that the program can run on an index, on an index that may be spoilt.
// Returns true when some operation failed with a code.
bool RunEverything(const std::shared_ptr<MemoryFile>& file, bool* opened) {
    IndexHandle index = OpenMemoryIndex(file);
    *opened = index != nullptr;
    if (!index) {
        EXPECT_NE(KeyFileError(), KFE_NONE);
        return true;
    }
    bool failed = false;
    for (int i = 0; i < kEntries; ++i) {
        failed |= Search(*index, FIND_EXACT, i).failed;
        failed |= Search(*index, FIND_AT_OR_BEFORE, i).failed;
    }
    failed |= WalkForward(*index).failed;
    failed |= WalkBackward(*index).failed;
    std::vector<std::uint8_t> key(kKeyLength, 0);
    failed |= Walk(*index, FIND_NEXT, key).failed;
    EXPECT_TRUE(CloseIndex(std::move(index)));
    return failed;
}

TEST(CorruptIndexTest, EveryTruncationFailsWithACodeAndLeavesTheFileAsItWas) {
    const std::string bytes = ThreeLevelIndex().m_bytes;
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        auto file = MakeMemoryFile(bytes.substr(0, length));
        bool opened = false;
        EXPECT_TRUE(RunEverything(file, &opened));
        if (!opened) {
            EXPECT_EQ(KeyFileError(), KFE_READ);
        }
        EXPECT_EQ(file->m_bytes, bytes.substr(0, length));
    }
}

TEST(CorruptIndexTest, AnyByteSpoiltEndsEveryOperationAndTheCloseRestoresTheFile) {
    const std::string bytes = ThreeLevelIndex().m_bytes;
    testing::internal::CaptureStdout();  // a spoilt key length prints its message
    for (std::size_t offset = 0; offset < bytes.size(); ++offset) {
        const auto original = static_cast<std::uint8_t>(bytes[offset]);
        for (std::uint8_t value :
             {std::uint8_t{0x00}, std::uint8_t{0xFF}, static_cast<std::uint8_t>(original ^ 0x01),
              static_cast<std::uint8_t>(original ^ 0x80)}) {
            SCOPED_TRACE(testing::Message() << "offset " << offset << " value " << int{value});
            std::string spoilt = bytes;
            spoilt[offset] = static_cast<char>(value);
            auto file = MakeMemoryFile(spoilt);
            bool opened = false;
            RunEverything(file, &opened);
            // Only the in-use flag may differ: a clean close leaves it 0.
            if (opened) {
                spoilt[8] = spoilt[9] = '\0';
            }
            EXPECT_EQ(file->m_bytes, spoilt);
        }
    }
    testing::internal::GetCapturedStdout();
}

}  // namespace
}  // namespace tolvane::test
