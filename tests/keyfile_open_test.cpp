// Opening and closing index and data files: the in-use flag, the spare block, every open and
// close failure, and the block transfers.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>

#include "keyfile/data_file.h"
#include "keyfile/index_file.h"
#include "keyfile/key_file_error.h"
#include "keyfile/key_search.h"
#include "keyfile/stdio_block_file.h"
#include "support/keyfile_fixtures.h"

namespace {

// Lets a test make the library's allocation of a handle fail. Only nothrow allocations are
// affected, and only while a test has asked for it.
int g_failNothrowAllocations = 0;

}  // namespace

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (g_failNothrowAllocations > 0) {
        --g_failNothrowAllocations;
        return nullptr;
    }
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}

namespace tolvane::test {
namespace {

enum class Kind { kIndex, kData };

std::string KindName(const testing::TestParamInfo<Kind>& info) {
    return info.param == Kind::kIndex ? "Index" : "Data";
}

// A small valid file of each kind, with recognisable bytes in its spare block.
std::string ValidBytes(Kind kind) {
    Block spare{};
    for (std::size_t i = 0; i < spare.size(); ++i) {
        spare[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    if (kind == Kind::kIndex) {
        IndexFilePlan plan;
        plan.m_nKeyLength = 6;
        plan.m_nEntriesPerLeaf = 2;
        plan.m_spare = spare;
        for (int i = 0; i < 5; ++i) {
            plan.m_entries.push_back({FamilyKey(6, i), 0, static_cast<std::uint16_t>(7 + 2 * i)});
        }
        return BuildIndex(plan).m_bytes;
    }
    DataFilePlan plan;
    plan.m_nReservedBlocks = 2;
    plan.m_records.assign(3, Block{});
    std::string bytes = BuildData(plan);
    std::copy(spare.begin(), spare.end(), bytes.begin() + 256);
    return bytes;
}

// Either kind of handle, so that one test covers both.
struct Handles {
    IndexHandle index;
    DataHandle data;
};

bool Open(Kind kind, const std::shared_ptr<MemoryFile>& file, Handles* handles) {
    if (kind == Kind::kIndex) {
        handles->index = OpenIndex(OpenMemoryFile(file));
        return handles->index != nullptr;
    }
    handles->data = OpenDataFile(OpenMemoryFile(file));
    return handles->data != nullptr;
}

bool Close(Kind kind, Handles* handles) {
    return kind == Kind::kIndex ? CloseIndex(std::move(handles->index))
                                : CloseDataFile(std::move(handles->data));
}

bool OpenMissing(Kind kind) {
    return kind == Kind::kIndex ? OpenIndex(std::unique_ptr<BlockFile>()) != nullptr
                                : OpenDataFile(std::unique_ptr<BlockFile>()) != nullptr;
}

class OpenCloseTest : public testing::TestWithParam<Kind> {
  protected:
    Kind kind() const { return GetParam(); }
};

TEST_P(OpenCloseTest, OpenSetsTheInUseFlagAndCloseClearsIt) {
    auto file = MakeMemoryFile(ValidBytes(kind()));
    Handles handles;
    ASSERT_TRUE(Open(kind(), file, &handles));
    EXPECT_EQ(KeyFileError(), KFE_NONE);
    EXPECT_EQ(file->U16At(8), 1);
    EXPECT_TRUE(Close(kind(), &handles));
    EXPECT_EQ(file->U16At(8), 0);
}

TEST_P(OpenCloseTest, FlagAlreadySetOpensWithInUse) {
    for (std::uint16_t flag : {1, 0x0100, 0xFFFF}) {
        SCOPED_TRACE(flag);
        auto file = MakeMemoryFile(ValidBytes(kind()));
        file->SetU16At(8, flag);
        Handles handles;
        ASSERT_TRUE(Open(kind(), file, &handles));
        EXPECT_EQ(KeyFileError(), KFE_IN_USE);
        EXPECT_EQ(file->U16At(8), 1);
        EXPECT_TRUE(Close(kind(), &handles));
        EXPECT_EQ(file->U16At(8), 0);
    }
}

TEST_P(OpenCloseTest, MissingFileIsAnOpenError) {
    SetKeyFileError(KFE_IO);
    EXPECT_FALSE(OpenMissing(kind()));
    EXPECT_EQ(KeyFileError(), KFE_OPEN);
}

TEST_P(OpenCloseTest, HandleThatCannotBeAllocatedIsAMemoryError) {
    auto file = MakeMemoryFile(ValidBytes(kind()));
    Handles handles;
    g_failNothrowAllocations = 1;
    const bool opened = Open(kind(), file, &handles);
    g_failNothrowAllocations = 0;
    EXPECT_FALSE(opened);
    EXPECT_EQ(KeyFileError(), KFE_NO_MEMORY);
    EXPECT_EQ(file->m_bytes, ValidBytes(kind()));
}

struct OpenFailure {
    const char* name;
    bool indexOnly;
    std::uint16_t flagBefore;
    void (*spoil)(MemoryFile& file);
    KeyFileCode code;
};

const OpenFailure kOpenFailures[] = {
    {"empty file", false, 0, [](MemoryFile& f) { f.m_bytes.clear(); }, KFE_READ},
    {"header cut short", false, 0, [](MemoryFile& f) { f.m_bytes.resize(200); }, KFE_READ},
    {"header not writable", false, 0, [](MemoryFile& f) { f.m_bFailWrites = true; }, KFE_WRITE},
    {"spare block unreadable", false, 0, [](MemoryFile& f) { f.m_failReadUnits = {3}; }, KFE_READ},
    {"spare block unreadable, flag set", false, 1, [](MemoryFile& f) { f.m_failReadUnits = {3}; },
     KFE_READ},
    {"root node unreadable", true, 0, [](MemoryFile& f) { f.m_failReadUnits = {5}; }, KFE_READ},
    {"root node unreadable, flag set", true, 1, [](MemoryFile& f) { f.m_failReadUnits = {5}; },
     KFE_READ},
    {"root unit 0", true, 0, [](MemoryFile& f) { f.SetU16At(0, 0); }, KFE_READ},
    {"root unit past the end", true, 0, [](MemoryFile& f) { f.SetU16At(0, 901); }, KFE_READ},
    // Twelve entries of nine bytes need 114 bytes: fits. 255 of them do not.
    {"root entry count past its block", true, 0,
     [](MemoryFile& f) { f.m_bytes[MemoryFile::Offset(5) + 5] = static_cast<char>(255); },
     KFE_READ},
};

TEST_P(OpenCloseTest, FailedOpenReportsItsStepAndPutsTheHeaderBack) {
    for (const OpenFailure& c : kOpenFailures) {
        if (c.indexOnly && kind() != Kind::kIndex) {
            continue;
        }
        SCOPED_TRACE(c.name);
        auto file = MakeMemoryFile(ValidBytes(kind()));
        file->SetU16At(8, c.flagBefore);
        c.spoil(*file);
        const std::string before = file->m_bytes;
        Handles handles;
        EXPECT_FALSE(Open(kind(), file, &handles));
        EXPECT_EQ(KeyFileError(), c.code);
        // Whatever the failure, the file is as it was: the flag that the open set is undone
        // and a flag that someone else had set stays.
        file->m_bFailWrites = false;
        EXPECT_EQ(file->m_bytes, before);
    }
}

TEST_P(OpenCloseTest, CloseThatCannotUpdateTheHeaderFailsButReleases) {
    struct Case {
        const char* name;
        void (*spoil)(MemoryFile& file);
        KeyFileCode code;
    } const kCases[] = {
        {"header unreadable", [](MemoryFile& f) { f.m_failReadUnits = {1}; }, KFE_READ},
        {"header not writable", [](MemoryFile& f) { f.m_bFailWrites = true; }, KFE_WRITE},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        auto file = MakeMemoryFile(ValidBytes(kind()));
        Handles handles;
        ASSERT_TRUE(Open(kind(), file, &handles));
        c.spoil(*file);
        EXPECT_FALSE(Close(kind(), &handles));
        EXPECT_EQ(KeyFileError(), c.code);
        EXPECT_EQ(file->U16At(8), 1);
        EXPECT_EQ(file.use_count(), 1) << "the file was not closed";
    }
}

TEST_P(OpenCloseTest, SpareBlockAndUninterpretedHeaderBytesAreCarriedUnchanged) {
    auto file = MakeMemoryFile(ValidBytes(kind()));
    // Fill every header byte that the library does not interpret.
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        const bool interpreted = (i >= 8 && i < 10) || (kind() == Kind::kIndex && i < 4) ||
                                 (kind() == Kind::kData && i >= 6 && i < 8);
        if (!interpreted) {
            file->m_bytes[i] = static_cast<char>(0xA0 + i % 16);
        }
    }
    const std::string original = file->m_bytes;
    Handles handles;
    ASSERT_TRUE(Open(kind(), file, &handles));
    if (kind() == Kind::kIndex) {
        std::uint16_t unit = 0;
        std::uint8_t status = 0;
        std::vector<std::uint8_t> key = KeyBuffer(FamilyKey(6, 3));
        EXPECT_TRUE(FindKey(*handles.index, FIND_EXACT, key, &unit, &status));
    }
    // Whatever happens to the spare block while the file is open, the close writes back what
    // the open read.
    file->m_bytes[MemoryFile::Offset(3) + 17] ^= 0x55;
    EXPECT_TRUE(Close(kind(), &handles));
    EXPECT_EQ(file->m_bytes, original);
    for (std::uint16_t unit : file->m_writeUnits) {
        EXPECT_TRUE(unit == 1 || unit == 3) << "wrote unit " << unit;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, OpenCloseTest, testing::Values(Kind::kIndex, Kind::kData),
                         KindName);

TEST(BlockTransferTest, UnitZeroAndShortBlocksAreIoErrors) {
    // Header, two reserved blocks, then records at units 7 and 9; cut in the middle of the
    // second record.
    DataFilePlan plan;
    plan.m_nReservedBlocks = 2;
    Block first{};
    first.fill(0x11);
    Block second{};
    second.fill(0x22);
    plan.m_records = {first, second};
    std::string bytes = BuildData(plan);
    ASSERT_EQ(bytes.size(), 10u * 128);
    bytes.resize(bytes.size() - 1);
    auto file = MakeMemoryFile(bytes);
    DataHandle data = OpenDataFile(OpenMemoryFile(file));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->m_nReservedBlocks, 2);

    struct Case {
        std::uint16_t unit;
        bool read;
        std::uint8_t firstByte;
        std::uint8_t lastByte;
    } const kCases[] = {
        {7, true, 0x11, 0x11},
        {8, true, 0x11, 0x22},  // a block may start at any unit, straddling two records
        {9, false, 0, 0},       // one byte short
        {0, false, 0, 0},
        {60000, false, 0, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.unit);
        Block block{};
        SetKeyFileError(KFE_NONE);
        EXPECT_EQ(ReadDataBlock(*data, c.unit, block), c.read);
        EXPECT_EQ(KeyFileError(), c.read ? KFE_NONE : KFE_IO);
        if (c.read) {
            EXPECT_EQ(block.front(), c.firstByte);
            EXPECT_EQ(block.back(), c.lastByte);
        }
    }

    Block block{};
    block.fill(0x33);
    SetKeyFileError(KFE_NONE);
    EXPECT_FALSE(WriteDataBlock(*data, 0, block));
    EXPECT_EQ(KeyFileError(), KFE_IO);
    EXPECT_TRUE(WriteDataBlock(*data, 9, block));
    EXPECT_EQ(file->BlockAt(9), std::string(256, '\x33'));
    file->m_bFailWrites = true;
    SetKeyFileError(KFE_NONE);
    EXPECT_FALSE(WriteDataBlock(*data, 7, block));
    EXPECT_EQ(KeyFileError(), KFE_IO);
    file->m_bFailWrites = false;
    EXPECT_TRUE(CloseDataFile(std::move(data)));

    auto indexFile = MakeMemoryFile(ValidBytes(Kind::kIndex));
    IndexHandle index = OpenIndex(OpenMemoryFile(indexFile));
    ASSERT_TRUE(index);
    SetKeyFileError(KFE_NONE);
    EXPECT_FALSE(ReadIndexBlock(*index, 0, block));
    EXPECT_EQ(KeyFileError(), KFE_IO);
    SetKeyFileError(KFE_NONE);
    EXPECT_FALSE(WriteIndexBlock(*index, 0, block));
    EXPECT_EQ(KeyFileError(), KFE_IO);
    SetKeyFileError(KFE_NONE);
    EXPECT_FALSE(ReadIndexBlock(*index, 60000, block));
    EXPECT_EQ(KeyFileError(), KFE_IO);
    EXPECT_TRUE(ReadIndexBlock(*index, 5, block));
    EXPECT_EQ(std::string(block.begin(), block.end()), indexFile->BlockAt(5));
    EXPECT_TRUE(CloseIndex(std::move(index)));
}

// The same through real files of this host.
class HostFileTest : public testing::Test {
  protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("tolvane_keyfile_" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path m_dir;
};

TEST_F(HostFileTest, OpenSearchAndCloseLeaveTheFileAsItWas) {
    const std::string bytes = ValidBytes(Kind::kIndex);
    const std::string path = Write("POS-B.XXX", bytes);
    IndexHandle index = OpenIndex(OpenStdioBlockFile(path));
    ASSERT_TRUE(index);
    EXPECT_EQ(Read(path).substr(8, 2), std::string("\x01\x00", 2));
    std::vector<std::uint8_t> key = KeyBuffer(FamilyKey(6, 4));
    std::uint16_t unit = 0;
    std::uint8_t status = 0;
    EXPECT_TRUE(FindKey(*index, FIND_EXACT, key, &unit, &status));
    EXPECT_EQ(unit, 15);
    EXPECT_TRUE(CloseIndex(std::move(index)));
    EXPECT_EQ(Read(path), bytes);

    const std::string dataBytes = ValidBytes(Kind::kData);
    const std::string dataPath = Write("POS-B", dataBytes);
    DataHandle data = OpenDataFile(OpenStdioBlockFile(dataPath));
    ASSERT_TRUE(data);
    Block record{};
    EXPECT_TRUE(ReadDataBlock(*data, 7, record));
    EXPECT_FALSE(ReadDataBlock(*data, 12, record));  // the last record is at unit 11
    EXPECT_EQ(KeyFileError(), KFE_IO);
    EXPECT_TRUE(CloseDataFile(std::move(data)));
    EXPECT_EQ(Read(dataPath), dataBytes);
}

TEST_F(HostFileTest, MissingFileIsAnOpenError) {
    EXPECT_FALSE(OpenIndex(OpenStdioBlockFile((m_dir / "missing.XXX").string())));
    EXPECT_EQ(KeyFileError(), KFE_OPEN);
    EXPECT_FALSE(OpenDataFile(OpenStdioBlockFile((m_dir / "missing").string())));
    EXPECT_EQ(KeyFileError(), KFE_OPEN);
}

}  // namespace
}  // namespace tolvane::test
