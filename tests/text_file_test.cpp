#include "host/text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/file_system.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

// The reader's buffer size: lines around it cross a refill.
constexpr std::size_t kBuffer = 1 << 20;

std::vector<std::string> ReadAllLines(std::string_view path) {
    std::vector<std::string> lines;
    TextFileReader reader;
    if (!reader.Open(path)) {
        ADD_FAILURE() << "cannot open " << path;
        return lines;
    }
    std::string_view line;
    while (reader.ReadLine(&line)) {
        lines.emplace_back(line);
    }
    EXPECT_FALSE(reader.ReadLine(&line)) << "lines after the end";
    return lines;
}

TEST(TextFileReaderTest, SplitsLinesAsThePosWritesThem) {
    TempDrive drive;
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    } kCases[] = {
        {"", {}},
        {"\n", {""}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\rb\r\n", {"a\rb"}},
        {"x\r\r\n", {"x\r"}},
        {"last\r", {"last\r"}},
        {std::string("n\0l\r\n", 5), {std::string("n\0l", 3)}},
    };
    for (const Case& test : kCases) {
        ASSERT_TRUE(drive.WriteFile("C:\\POS\\t.txt", test.bytes));
        EXPECT_EQ(ReadAllLines("c:\\pos\\T.TXT"), test.lines) << testing::PrintToString(test.bytes);
    }
}

TEST(TextFileReaderTest, ReadsLinesLongerThanItsBuffer) {
    TempDrive drive;
    const std::string crAtBoundary(kBuffer - 1, 'a');  // its CR is the buffer's last byte
    const std::string exact(kBuffer, 'b');
    const std::string huge(kBuffer * 5 / 2, 'c');
    std::string bytes = "short\r\n" + crAtBoundary + "\r\n" + exact + "\n" + "x\r\n" + huge;
    ASSERT_TRUE(drive.WriteFile("C:\\BDrive\\QU01012010.QUE", bytes));

    std::vector<std::string> lines = ReadAllLines("C:\\BDrive\\QU01012010.QUE");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "short");
    EXPECT_EQ(lines[1], crAtBoundary);
    EXPECT_EQ(lines[2], exact);
    EXPECT_EQ(lines[3], "x");
    EXPECT_EQ(lines[4], huge);
}

TEST(TextFileReaderTest, ManyLinesAcrossRefills) {
    TempDrive drive;
    std::string bytes;
    std::vector<std::string> expected;
    for (int i = 0; bytes.size() < 3 * kBuffer; ++i) {
        expected.push_back(std::string(static_cast<std::size_t>(i % 251), 'q') + std::to_string(i));
        bytes += expected.back() + "\r\n";
    }
    ASSERT_TRUE(drive.WriteFile("C:\\BDrive\\big.que", bytes));
    EXPECT_EQ(ReadAllLines("C:\\BDrive\\big.que"), expected);
}

TEST(TextFileReaderTest, OpenFailsForMissingFilesAndDirectories) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("C:\\POS\\a.txt", "one\ntwo\n"));
    TextFileReader reader;
    EXPECT_FALSE(reader.Open("C:\\POS\\missing.txt"));
    std::string_view line;
    EXPECT_FALSE(reader.ReadLine(&line));
    EXPECT_FALSE(reader.Open("C:\\POS"));
    // The same reader serves one file after another.
    ASSERT_TRUE(reader.Open("C:\\POS\\a.txt"));
    ASSERT_TRUE(reader.ReadLine(&line));
    EXPECT_EQ(line, "one");
    ASSERT_TRUE(reader.Open("C:\\POS\\a.txt"));
    ASSERT_TRUE(reader.ReadLine(&line));
    EXPECT_EQ(line, "one");
    reader.Close();
    EXPECT_FALSE(reader.ReadLine(&line));
}

TEST(TextFileWriterTest, WritesCrLfLinesAndReplacesOnCommit) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("C:\\Store\\WS\\ws123409.csv", "old\r\n"));
    TextFileWriter writer;
    ASSERT_TRUE(writer.Open("C:\\STORE\\ws\\WS123409.csv"));
    writer.WriteLine("Item,Unit,");
    writer.Write("a,");
    writer.WriteLine("");
    writer.WriteLine("");
    EXPECT_EQ(drive.ReadFile("C:\\Store\\WS\\ws123409.csv"), "old\r\n");
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(drive.ReadFile("C:\\Store\\WS\\ws123409.csv"), "Item,Unit,\r\na,\r\n\r\n");
    EXPECT_THAT(ListDirectory("C:\\Store\\WS\\*"), ElementsAre("ws123409.csv"));
    EXPECT_FALSE(writer.Commit());
}

TEST(TextFileWriterTest, LeavesTheTargetAloneWithoutCommit) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("C:\\pos\\Recap.csv", "old"));
    {
        TextFileWriter writer;
        ASSERT_TRUE(writer.Open("C:\\POS\\Recap.csv"));
        writer.WriteLine("new");
    }
    EXPECT_EQ(drive.ReadFile("C:\\pos\\Recap.csv"), "old");
    EXPECT_THAT(ListDirectory("C:\\POS\\*"), ElementsAre("Recap.csv"));
}

TEST(TextFileWriterTest, FailsWhenTheFileCannotBeCreatedOrPlaced) {
    TempDrive drive;
    TextFileWriter writer;
    EXPECT_FALSE(writer.Open("C:\\Missing\\WS.csv"));
    writer.WriteLine("x");
    EXPECT_FALSE(writer.Commit());
    EXPECT_FALSE(drive.Exists("C:\\Missing"));

    // The target turns into a directory before the commit: the rename fails, the directory
    // stays, and no temporary file is left beside it.
    ASSERT_TRUE(drive.MakeDirectories("C:\\Store"));
    ASSERT_TRUE(writer.Open("C:\\Store\\WS"));
    writer.WriteLine("x");
    ASSERT_TRUE(drive.MakeDirectories("C:\\Store\\WS\\inside"));
    EXPECT_FALSE(writer.Commit());
    EXPECT_TRUE(DirectoryExists("C:\\Store\\WS\\inside"));
    EXPECT_THAT(ListDirectory("C:\\Store\\*"), UnorderedElementsAre("WS"));
}

}  // namespace
}  // namespace tolvane
