#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recap/queue_file_reader.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

constexpr std::size_t kBuffer = QueueFileReader::kBufferSize;

// The blocks of a file, as the reader hands them out.
std::vector<std::string> Blocks(std::string_view path) {
    QueueFileReader reader;
    std::vector<std::string> blocks;
    if (!reader.Open(path)) {
        return blocks;
    }
    std::string_view block;
    while (reader.ReadBlock(&block)) {
        blocks.emplace_back(block);
    }
    return blocks;
}

std::string Joined(const std::vector<std::string>& blocks) {
    std::string text;
    for (const std::string& block : blocks) {
        text += block;
    }
    return text;
}

TEST(QueueFileReaderTest, HandsOutWholeLines) {
    TempDrive drive;
    std::string big;
    for (int i = 0; big.size() < 3 * kBuffer; ++i) {
        big += std::string(60 + i % 90, static_cast<char>('a' + i % 26)) + "\r\n";
    }
    struct Case {
        const char* name;
        std::string bytes;
    } kCases[] = {
        {"empty", ""},
        {"one line", "abc\r\n"},
        {"last line without a line feed", "abc\ndef\r"},
        {"blank lines", "\n\n\r\n"},
        {"several buffers", big},
        {"several buffers, no final line feed", big + "tail"},
    };
    for (const Case& test : kCases) {
        SCOPED_TRACE(test.name);
        ASSERT_TRUE(drive.WriteFile("C:\\BDrive\\QU01012010.QUE", test.bytes));
        std::vector<std::string> blocks = Blocks("C:\\BDrive\\QU01012010.QUE");
        EXPECT_EQ(Joined(blocks), test.bytes);
        for (std::size_t i = 0; i + 1 < blocks.size(); ++i) {
            EXPECT_EQ(blocks[i].back(), '\n') << "block " << i;
        }
        if (test.bytes.size() > kBuffer) {
            EXPECT_GT(blocks.size(), 1u);
        }
    }
}

TEST(QueueFileReaderTest, CutsALineLongerThanTheBuffer) {
    TempDrive drive;
    const std::string longLine = std::string(kBuffer + 500, 'x');
    ASSERT_TRUE(
        drive.WriteFile("C:\\BDrive\\QU01012010.QUE", "first\n" + longLine + "\r\nlast\r\n"));
    EXPECT_EQ(Joined(Blocks("C:\\BDrive\\QU01012010.QUE")),
              "first\n" + std::string(kBuffer, 'x') + "\nlast\r\n");

    // A line that fills the buffer to the byte, and one that runs to the end of the file.
    ASSERT_TRUE(drive.WriteFile("C:\\BDrive\\QU01022010.QUE",
                                std::string(kBuffer, 'y') + "\nnext\n" + longLine));
    EXPECT_EQ(Joined(Blocks("C:\\BDrive\\QU01022010.QUE")),
              std::string(kBuffer, 'y') + "\nnext\n" + std::string(kBuffer, 'x') + "\n");
}

TEST(QueueFileReaderTest, OpensOnlyFiles) {
    TempDrive drive;
    ASSERT_TRUE(drive.MakeDirectories("C:\\BDrive\\QU01012010.QUE"));
    QueueFileReader reader;
    EXPECT_FALSE(reader.Open("C:\\BDrive\\QU01012010.QUE"));
    EXPECT_FALSE(reader.Open("C:\\BDrive\\QU01022010.QUE"));
    std::string_view block;
    EXPECT_FALSE(reader.ReadBlock(&block));
}

}  // namespace
}  // namespace tolvane
