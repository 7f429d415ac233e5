// The store's number and location lines from the store master file.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>

#include "keyfile/index_node.h"
#include "keyfile/key_file_error.h"
#include "keyfile/little_endian.h"
#include "keyfile/store_location.h"
#include "support/keyfile_fixtures.h"
#include "support/temp_drive.h"

namespace tolvane::test {
namespace {

using namespace std::string_literals;

const char kDataPath[] = "C:\\Report\\POS-B";
const char kIndexPath[] = "C:\\Report\\POS-B.XXX";
constexpr int kReservedBlocks = 2;

// "001600", 23 spaces, 11 zero bytes.
std::string StoreKeyArea() {
    return "001600" + std::string(23, ' ') + std::string(11, '\0');
}

std::string Field(const std::string& text) {
    std::string field = text;
    field.resize(24, '\0');
    return field;
}

// A store record whose other bytes are all 'J', so that a field read too far shows.
Block StoreRecord(const std::array<std::string, 4>& lines, std::uint16_t storeNumber) {
    Block record{};
    record.fill('J');
    const std::size_t offsets[] = {22, 46, 70, 94};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string field = Field(lines[i]);
        std::memcpy(&record[offsets[i]], field.data(), 24);
    }
    EncodeU16(&record[212], storeNumber);
    return record;
}

struct StoreFiles {
    std::string data;
    BuiltIndex index;
};

// A data file of three records, the store's in the middle, and an index of key length
// keyLength over them: the store's key with the given status, and where the key is long
// enough to tell them apart, the stores 001500 and 001700 around it.
StoreFiles MakeStoreFiles(int keyLength, const Block& record, std::uint8_t status = 0,
                          const std::string& storeKey = StoreKeyArea()) {
    Block other{};
    other.fill('X');
    DataFilePlan data;
    data.m_nReservedBlocks = kReservedBlocks;
    data.m_records = {other, record, other};
    IndexFilePlan index;
    index.m_nKeyLength = keyLength;
    index.m_nEntriesPerLeaf = 1;  // three leaves under a root
    const auto k = static_cast<std::size_t>(keyLength);
    const auto unit = [](std::size_t i) {
        return static_cast<std::uint16_t>(DataRecordUnit(kReservedBlocks, i));
    };
    index.m_entries.push_back({storeKey.substr(0, k), status, unit(1)});
    if (keyLength >= 4) {
        std::string before = StoreKeyArea();
        before[3] = '5';
        std::string after = StoreKeyArea();
        after[3] = '7';
        index.m_entries.push_back({before.substr(0, k), 0, unit(0)});
        index.m_entries.push_back({after.substr(0, k), 0, unit(2)});
    }
    return {BuildData(data), BuildIndex(index)};
}

StoreLocation Sentinel() {
    StoreLocation location;
    location.m_strLocation1 = location.m_strLocation2 = location.m_strLocation3 =
        location.m_strLocation4 = std::string(24, ' ');
    return location;
}

bool Same(const StoreLocation& a, const StoreLocation& b) {
    return a.m_strStoreNumber == b.m_strStoreNumber && a.m_strLocation1 == b.m_strLocation1 &&
           a.m_strLocation2 == b.m_strLocation2 && a.m_strLocation3 == b.m_strLocation3 &&
           a.m_strLocation4 == b.m_strLocation4;
}

TEST(StoreLocationTest, FillsNumberAndLinesFromTheStoreRecord) {
    const std::string seven = "MAIN ST\0after the zero"s;
    const std::string full = "123456789012345678901234";
    struct Case {
        const char* name;
        int keyLength;
        std::array<std::string, 4> lines;
        std::uint16_t number;
        StoreLocation expected;
    } const kCases[] = {
        {"a store record",
         6,
         {"Brindlemoor Grill", "1600 Harbour Road", "Port Ellen", "Tel 555 0199"},
         1600,
         {"1600", "Brindlemoor Grill", "       1600 Harbour Road", "              Port Ellen",
          "            Tel 555 0199"}},
        {"store number 0xFFFF is unsigned",
         29,
         {"A", "B", "C", "D"},
         0xFFFF,
         {"65535", "A", std::string(23, ' ') + "B", std::string(23, ' ') + "C",
          std::string(23, ' ') + "D"}},
        // Line 1 keeps the characters before the zero byte; the others align them right.
        {"zero byte after seven characters",
         32,
         {seven, seven, seven, seven},
         7,
         {"7", "MAIN ST", std::string(17, ' ') + "MAIN ST", std::string(17, ' ') + "MAIN ST",
          std::string(17, ' ') + "MAIN ST"}},
        {"24 characters without a zero byte",
         1,
         {full, full, full, full},
         12,
         {"12", full, full, full, full}},
        {"empty lines",
         4,
         {"", "", "", ""},
         0,
         {"0", "", std::string(24, ' '), std::string(24, ' '), std::string(24, ' ')}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const StoreFiles files = MakeStoreFiles(c.keyLength, StoreRecord(c.lines, c.number));
        MemoryFileSystem fs;
        auto data = fs.Add(kDataPath, files.data);
        auto index = fs.Add(kIndexPath, files.index.m_bytes);
        StoreLocation location = Sentinel();
        ASSERT_TRUE(LookUpStoreLocation(fs.Opener(), kDataPath, kIndexPath, &location));
        EXPECT_EQ(location.m_strStoreNumber, c.expected.m_strStoreNumber);
        EXPECT_EQ(location.m_strLocation1, c.expected.m_strLocation1);
        EXPECT_EQ(location.m_strLocation2, c.expected.m_strLocation2);
        EXPECT_EQ(location.m_strLocation3, c.expected.m_strLocation3);
        EXPECT_EQ(location.m_strLocation4, c.expected.m_strLocation4);
        // Both closed: the files are as they were, in-use flags 0.
        EXPECT_EQ(data->m_bytes, files.data);
        EXPECT_EQ(index->m_bytes, files.index.m_bytes);
    }
}

TEST(StoreLocationTest, EveryFailureLeavesTheValuesAndClosesBothFiles) {
    const Block record = StoreRecord({"Brindlemoor Grill", "", "", ""}, 1600);
    struct Case {
        const char* name;
        bool dataPresent;
        bool indexPresent;
        StoreFiles files;
        std::function<void(MemoryFile& data, MemoryFile& index, const BuiltIndex&)> spoil;
    };
    const auto none = [](MemoryFile&, MemoryFile&, const BuiltIndex&) {};
    const Case kCases[] = {
        {"no data file", false, true, MakeStoreFiles(6, record), none},
        {"no index file", true, false, MakeStoreFiles(6, record), none},
        {"neither file", false, false, MakeStoreFiles(6, record), none},
        {"the store's entry is void", true, true, MakeStoreFiles(6, record, kVoidStatus), none},
        {"no entry for the store", true, true,
         MakeStoreFiles(6, record, 0, "001601" + std::string(34, ' ')), none},
        // The last three bytes of a 32-byte key are zero bytes, not spaces.
        {"key of spaces where zero bytes belong", true, true,
         MakeStoreFiles(32, record, 0, "001600" + std::string(34, ' ')), none},
        {"record past the end of the data file", true, true, MakeStoreFiles(6, record),
         [](MemoryFile& data, MemoryFile&, const BuiltIndex&) {
             data.m_bytes.resize(data.m_bytes.size() - 2 * 256);  // the store's and the last record
         }},
        {"index spare block unreadable", true, true, MakeStoreFiles(6, record),
         [](MemoryFile&, MemoryFile& index, const BuiltIndex&) { index.m_failReadUnits = {3}; }},
        {"data spare block unreadable", true, true, MakeStoreFiles(6, record),
         [](MemoryFile& data, MemoryFile&, const BuiltIndex&) { data.m_failReadUnits = {3}; }},
        {"index leaf entry count past its block", true, true, MakeStoreFiles(6, record),
         [](MemoryFile&, MemoryFile& index, const BuiltIndex& built) {
             index.m_bytes[MemoryFile::Offset(built.m_levels[1][1]) + 5] = static_cast<char>(250);
         }},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        MemoryFileSystem fs;
        auto data = c.dataPresent ? fs.Add(kDataPath, c.files.data) : MakeMemoryFile(c.files.data);
        auto index = c.indexPresent ? fs.Add(kIndexPath, c.files.index.m_bytes)
                                    : MakeMemoryFile(c.files.index.m_bytes);
        c.spoil(*data, *index, c.files.index);
        const std::string dataBefore = data->m_bytes;
        const std::string indexBefore = index->m_bytes;
        StoreLocation location = Sentinel();
        EXPECT_FALSE(LookUpStoreLocation(fs.Opener(), kDataPath, kIndexPath, &location));
        EXPECT_TRUE(Same(location, Sentinel()));
        EXPECT_EQ(data->m_bytes, dataBefore);
        EXPECT_EQ(index->m_bytes, indexBefore);
        EXPECT_EQ(data.use_count(), c.dataPresent ? 2 : 1) << "data file left open";
        EXPECT_EQ(index.use_count(), c.indexPresent ? 2 : 1) << "index file left open";
    }
}

TEST(StoreLocationTest, FilesLeftInUseAreReadAndCleared) {
    const StoreFiles files = MakeStoreFiles(6, StoreRecord({"Grill", "", "", ""}, 3));
    MemoryFileSystem fs;
    auto data = fs.Add(kDataPath, files.data);
    auto index = fs.Add(kIndexPath, files.index.m_bytes);
    data->SetU16At(8, 1);
    index->SetU16At(8, 1);
    StoreLocation location = Sentinel();
    ASSERT_TRUE(LookUpStoreLocation(fs.Opener(), kDataPath, kIndexPath, &location));
    EXPECT_EQ(location.m_strStoreNumber, "3");
    EXPECT_EQ(data->m_bytes, files.data);
    EXPECT_EQ(index->m_bytes, files.index.m_bytes);
}

TEST(StoreLocationTest, EveryTruncationOfEitherFileIsSafe) {
    const Block record = StoreRecord({"Grill", "Road", "Town", "Phone"}, 1600);
    const StoreFiles files = MakeStoreFiles(6, record);
    StoreLocation good = Sentinel();
    {
        MemoryFileSystem fs;
        fs.Add(kDataPath, files.data);
        fs.Add(kIndexPath, files.index.m_bytes);
        ASSERT_TRUE(LookUpStoreLocation(fs.Opener(), kDataPath, kIndexPath, &good));
    }
    for (bool cutData : {true, false}) {
        const std::string& whole = cutData ? files.data : files.index.m_bytes;
        for (std::size_t length = 0; length < whole.size(); ++length) {
            SCOPED_TRACE(testing::Message() << (cutData ? "data" : "index") << " " << length);
            MemoryFileSystem fs;
            auto data = fs.Add(kDataPath, cutData ? files.data.substr(0, length) : files.data);
            auto index = fs.Add(
                kIndexPath, cutData ? files.index.m_bytes : files.index.m_bytes.substr(0, length));
            const std::string dataBefore = data->m_bytes;
            const std::string indexBefore = index->m_bytes;
            StoreLocation location = Sentinel();
            const bool found = LookUpStoreLocation(fs.Opener(), kDataPath, kIndexPath, &location);
            // The store's record is the data file's last block but one; its leaf is the
            // index's last block but one.
            EXPECT_FALSE(found && length < whole.size() - 256);
            EXPECT_TRUE(Same(location, found ? good : Sentinel()));
            EXPECT_EQ(data->m_bytes, dataBefore);
            EXPECT_EQ(index->m_bytes, indexBefore);
        }
    }
}

TEST(StoreLocationTest, ReadsTheStoreMasterFileByItsWindowsPaths) {
    TempDrive drive;
    const StoreFiles files =
        MakeStoreFiles(32, StoreRecord({"Brindlemoor Grill", "Harbour Road", "", ""}, 1600));
    StoreLocation location = Sentinel();
    EXPECT_FALSE(LookUpStoreLocation(kDataPath, kIndexPath, &location));
    EXPECT_TRUE(Same(location, Sentinel()));

    ASSERT_TRUE(drive.WriteFile(kDataPath, files.data));
    EXPECT_FALSE(LookUpStoreLocation(kDataPath, kIndexPath, &location));
    EXPECT_TRUE(Same(location, Sentinel()));
    EXPECT_EQ(drive.ReadFile(kDataPath), files.data);  // closed again, flag 0

    ASSERT_TRUE(drive.WriteFile(kIndexPath, files.index.m_bytes));
    ASSERT_TRUE(LookUpStoreLocation(kDataPath, kIndexPath, &location));
    EXPECT_EQ(location.m_strStoreNumber, "1600");
    EXPECT_EQ(location.m_strLocation1, "Brindlemoor Grill");
    EXPECT_EQ(location.m_strLocation2, std::string(12, ' ') + "Harbour Road");
    EXPECT_EQ(drive.ReadFile(kDataPath), files.data);
    EXPECT_EQ(drive.ReadFile(kIndexPath), files.index.m_bytes);

    EXPECT_FALSE(OpenIndex("C:\\Report\\POS-C.XXX"));
    EXPECT_EQ(KeyFileError(), KFE_OPEN);
}

}  // namespace
}  // namespace tolvane::test
