// tolvane-cli keyfile walk and find, run as a process on index files built with the writer.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "host/paths.h"
#include "keyfile/key_file_writer.h"
#include "support/built_tools.h"
#include "support/program_run.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

using namespace std::string_literals;

constexpr const char* kIndexPath = "C:\\POS\\TEST.XXX";

struct Entry {
    std::string key;
    int status;  // 0xFF: void
    int unit;
};

// Five levels of nodes with three entries a leaf and two a branch. Void entries stand first
// and last, and in a run from the end of one leaf (key012) over a whole leaf (key014 to
// key018) to the start of the next (key020), so a walk must skip them wherever they lie. Keys
// hold zero bytes and bytes above 0x7F to show how they print.
std::vector<Entry> TestEntries() {
    std::vector<Entry> entries = {
        {"\x00\x01"
         "aaaa"s,
         0xFF, 3},
        {"\x00\x7f"
         "zz\xfe\xab"s,
         9, 7},
        {"\xff\xff\xff\xff\xff\xfe"s, 0xFF, 5},
    };
    for (int i = 0; i < 40; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "key%03d", i * 2);
        const bool isVoid = (i >= 6 && i <= 10) || i == 39;
        entries.push_back({key, isVoid ? 0xFF : i % 5, 100 + i});
    }
    return entries;
}

std::string Hex(const std::string& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char c : bytes) {
        text += kDigits[c >> 4];
        text += kDigits[c & 15];
    }
    return text;
}

std::string Line(const Entry& entry) {
    return Hex(entry.key) + " " + std::to_string(entry.status) + " " + std::to_string(entry.unit) +
           "\n";
}

const Entry& EntryOf(const std::vector<Entry>& entries, const std::string& key) {
    for (const Entry& entry : entries) {
        if (entry.key == key) {
            return entry;
        }
    }
    ADD_FAILURE() << "no entry " << key;
    return entries.front();
}

class CliKeyfileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        IndexFilePlan plan;
        plan.m_nKeyLength = 6;
        plan.m_nEntriesPerLeaf = 3;
        plan.m_nEntriesPerBranch = 2;
        for (const Entry& entry : m_entries) {
            plan.m_entries.push_back({entry.key, static_cast<std::uint8_t>(entry.status),
                                      static_cast<std::uint16_t>(entry.unit)});
        }
        std::string error;
        ASSERT_TRUE(BuildIndexFile(plan, &m_built, &error)) << error;
        ASSERT_GE(m_built.m_levels.size(), 5u);
        ASSERT_TRUE(m_drive.WriteFile(kIndexPath, m_built.m_bytes));
    }

    ProgramRun Cli(const std::vector<std::string>& arguments) {
        return RunProgram(CliPath(), arguments);
    }

    TempDrive m_drive;
    std::vector<Entry> m_entries = TestEntries();
    BuiltIndex m_built;
};

TEST_F(CliKeyfileTest, WalkPrintsEveryLiveEntryOnceInKeyOrder) {
    std::vector<Entry> live;
    for (const Entry& entry : m_entries) {
        if (entry.status != 0xFF) {
            live.push_back(entry);
        }
    }
    std::sort(live.begin(), live.end(), [](const Entry& a, const Entry& b) {
        return std::lexicographical_compare(
            a.key.begin(), a.key.end(), b.key.begin(), b.key.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
    std::string expected;
    for (const Entry& entry : live) {
        expected += Line(entry);
    }
    ASSERT_EQ(live.front().key,
              "\x00\x7f"
              "zz\xfe\xab"s);  // the smallest key is void

    ProgramRun run = Cli({"keyfile", "walk", kIndexPath});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
    // Its first line: key bytes 00 7f 'z' 'z' fe ab, status 9, record unit 7.
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "007f7a7afeab 9 7");

    // The same index by its path on this host.
    EXPECT_EQ(Cli({"keyfile", "walk", HostPath(kIndexPath)}).out, expected);
}

TEST_F(CliKeyfileTest, FindExactlyOrAtOrBefore) {
    struct Case {
        std::vector<std::string> arguments;  // after INDEX
        int exitCode;
        std::string key;  // the entry printed; empty for none
    } const kCases[] = {
        {{"key004"}, 0, "key004"},
        {{"key014"}, 1, ""},                    // stored, but void
        {{"key005"}, 1, ""},                    // not stored
        {{"key005", "--before"}, 0, "key004"},  // between two keys
        {{"--before", "key021"}, 0, "key010"},  // back over a run of void entries
        {{"key"}, 1, ""},                       // padded with zero bytes: "key\0\0\0"
        {{"key", "--before"},
         0,
         "\x00\x7f"
         "zz\xfe\xab"s},
        {{"007f7a7afeab", "--hex"},
         0,
         "\x00\x7f"
         "zz\xfe\xab"s},
        {{"--hex", "--before", "6B6579303037"}, 0, "key006"},  // "key007", upper case digits
        {{"\xff\xff\xff\xff\xff\xff"s, "--before"}, 0, "key076"},
    };
    for (const Case& c : kCases) {
        std::vector<std::string> arguments = {"keyfile", "find", kIndexPath};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        ProgramRun run = Cli(arguments);
        SCOPED_TRACE(Hex(c.arguments.front()));
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_EQ(run.out, c.key.empty() ? "" : Line(EntryOf(m_entries, c.key)));
    }
}

TEST_F(CliKeyfileTest, LeavesTheIndexFileAsItWasEvenWhenMarkedInUseOrReadOnly) {
    std::string bytes = m_built.m_bytes;
    bytes[8] = 1;  // another program has it open
    ASSERT_TRUE(m_drive.WriteFile(kIndexPath, bytes));
    ASSERT_EQ(chmod(HostPath(kIndexPath).c_str(), 0444), 0);

    EXPECT_EQ(Cli({"keyfile", "walk", kIndexPath}).exitCode, 0);
    EXPECT_EQ(Cli({"keyfile", "find", kIndexPath, "key004"}).exitCode, 0);
    EXPECT_EQ(m_drive.ReadFile(kIndexPath), bytes);
}

TEST_F(CliKeyfileTest, UnreadableOrDamagedIndexesFailWithAMessage) {
    std::string wideKeys = m_built.m_bytes;
    wideKeys[2] = 40;  // key length 40
    std::string badRoot = m_built.m_bytes;
    badRoot[0] = '\x70';  // the root node lies beyond the end of the file
    badRoot[1] = '\x01';
    ASSERT_TRUE(m_drive.WriteFile("C:\\POS\\WIDE.XXX", wideKeys));
    ASSERT_TRUE(m_drive.WriteFile("C:\\POS\\BADROOT.XXX", badRoot));
    ASSERT_TRUE(m_drive.WriteFile("C:\\POS\\SHORT.XXX", m_built.m_bytes.substr(0, 300)));

    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    } const kCases[] = {
        {{"walk", "C:\\POS\\MISSING.XXX"}, "C:\\POS\\MISSING.XXX: cannot open the index file"},
        {{"find", "C:\\POS\\MISSING.XXX", "key004"}, "cannot open the index file"},
        {{"walk", "C:\\POS\\WIDE.XXX"}, "the index header gives the key length 40, not 1 to 32"},
        {{"find", "C:\\POS\\WIDE.XXX", "key004"}, "key length 40"},
        {{"walk", "C:\\POS\\BADROOT.XXX"}, "the index cannot be read"},
        {{"find", "C:\\POS\\BADROOT.XXX", "key004", "--before"}, "the index cannot be read"},
        {{"walk", "C:\\POS\\SHORT.XXX"}, "the index cannot be read"},
        {{"walk", "C:\\POS"}, "C:\\POS: "},  // a directory
    };
    for (const Case& c : kCases) {
        std::vector<std::string> arguments = {"keyfile"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        ProgramRun run = Cli(arguments);
        SCOPED_TRACE(c.arguments[1]);
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

TEST_F(CliKeyfileTest, KeyLongerThanTheIndexKeysIsAUsageError) {
    ProgramRun run = Cli({"keyfile", "find", kIndexPath, "key0040"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("KEY has 7 bytes; the keys of this index have 6"), std::string::npos)
        << run.err;
}

}  // namespace
}  // namespace tolvane
