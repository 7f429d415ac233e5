#include "host/file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "host/paths.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

// The entries of a host directory, to see that no temporary file was left behind.
std::vector<std::string> Entries(const std::string& windowsDirectory) {
    return ListDirectory(windowsDirectory + "\\*");
}

TEST(ListDirectoryTest, MatchesFilesAndDirectoriesWithoutCase) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("C:\\BDrive\\QU03052009.QUE", "a"));
    ASSERT_TRUE(drive.WriteFile("C:\\BDrive\\qu03062009.que", "b"));
    ASSERT_TRUE(drive.WriteFile("C:\\BDrive\\QU.txt", "c"));
    ASSERT_TRUE(drive.WriteFile("C:\\BDrive\\ORDERW.QUE", "d"));
    ASSERT_TRUE(drive.MakeDirectories("C:\\BDrive\\QUold.que"));

    EXPECT_THAT(ListDirectory("C:\\bdrive\\QU*.que"),
                UnorderedElementsAre("QU03052009.QUE", "qu03062009.que", "QUold.que"));
    EXPECT_THAT(ListDirectory("c:/BDRIVE/*"),
                UnorderedElementsAre("QU03052009.QUE", "qu03062009.que", "QU.txt", "ORDERW.QUE",
                                     "QUold.que"));
    EXPECT_THAT(ListDirectory("C:\\BDrive\\QU0305????.QUE"),
                UnorderedElementsAre("QU03052009.QUE"));
    EXPECT_THAT(ListDirectory("C:\\Missing\\QU*.que"), IsEmpty());
    EXPECT_THAT(ListDirectory("C:\\BDrive\\"), IsEmpty());
}

TEST(ListDirectoryTest, ListsAUncShare) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("\\\\REG1\\C\\BDrive\\QU01012010.QUE", "a"));
    EXPECT_THAT(ListDirectory("\\\\reg1\\c\\bdrive\\qu*.QUE"),
                UnorderedElementsAre("QU01012010.QUE"));
}

TEST(FileStatusTest, TellsFilesFromDirectories) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("C:\\POS\\POS-B", "12345"));
    FileStatus status;
    ASSERT_TRUE(GetFileStatus("c:\\pos\\pos-b", &status));
    EXPECT_FALSE(status.isDirectory);
    EXPECT_EQ(status.size, 5u);
    ASSERT_TRUE(GetFileStatus("C:\\POS", &status));
    EXPECT_TRUE(status.isDirectory);
    EXPECT_FALSE(GetFileStatus("C:\\POS\\missing"));

    EXPECT_TRUE(FileExists("C:\\POS\\POS-B"));
    EXPECT_TRUE(FileExists("C:\\POS"));
    EXPECT_FALSE(FileExists("C:\\POS\\POS-C"));
    EXPECT_TRUE(DirectoryExists("C:\\pos"));
    EXPECT_FALSE(DirectoryExists("C:\\POS\\POS-B"));
    EXPECT_FALSE(DirectoryExists("C:\\Store"));
}

TEST(CopyFileToTest, CopiesReplacesOrKeepsTheDestination) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("\\\\REG1\\C\\POS\\POS-B", "server"));
    ASSERT_TRUE(drive.MakeDirectories("C:\\report"));

    EXPECT_TRUE(CopyFileTo("\\\\REG1\\C\\POS\\POS-B", "C:\\REPORT\\POS-B", true));
    EXPECT_EQ(drive.ReadFile("C:\\report\\POS-B"), "server");
    EXPECT_EQ(HostPath("C:\\REPORT\\POS-B"), drive.DriveC() + "/report/POS-B");

    ASSERT_TRUE(drive.WriteFile("\\\\REG1\\C\\POS\\POS-B", "newer"));
    EXPECT_FALSE(CopyFileTo("\\\\REG1\\C\\POS\\POS-B", "C:\\REPORT\\POS-B", true));
    EXPECT_EQ(drive.ReadFile("C:\\report\\POS-B"), "server");
    EXPECT_TRUE(CopyFileTo("\\\\REG1\\C\\POS\\POS-B", "C:\\REPORT\\pos-b", false));
    EXPECT_EQ(drive.ReadFile("C:\\report\\POS-B"), "newer");
    EXPECT_THAT(Entries("C:\\report"), UnorderedElementsAre("POS-B"));
}

TEST(CopyFileToTest, FailsWithoutHarmWhenSourceOrTargetDirectoryIsMissing) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("C:\\report\\ORDERW.QUE", "old"));
    EXPECT_FALSE(CopyFileTo("\\\\REG1\\C\\POS\\ORDERS.QUE", "C:\\report\\ORDERW.QUE", false));
    EXPECT_EQ(drive.ReadFile("C:\\report\\ORDERW.QUE"), "old");
    EXPECT_FALSE(CopyFileTo("C:\\report\\ORDERW.QUE", "C:\\nodir\\ORDERW.QUE", false));
    // A directory is not a file to copy, and is not replaced by a copy.
    ASSERT_TRUE(drive.MakeDirectories("C:\\Store"));
    EXPECT_FALSE(CopyFileTo("C:\\Store", "C:\\report\\Store", false));
    EXPECT_FALSE(CopyFileTo("C:\\report\\ORDERW.QUE", "C:\\Store", false));
    EXPECT_TRUE(DirectoryExists("C:\\Store"));
    EXPECT_THAT(Entries("C:\\report"), UnorderedElementsAre("ORDERW.QUE"));
}

TEST(CopyFileToTest, KeepsTheExecutableBit) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("C:\\POS\\Tolvane.exe", "#!/bin/sh\n"));
    ASSERT_EQ(chmod(HostPath("C:\\POS\\Tolvane.exe").c_str(), 0755), 0);
    ASSERT_TRUE(drive.MakeDirectories("C:\\report"));
    ASSERT_TRUE(CopyFileTo("C:\\POS\\Tolvane.exe", "C:\\report\\Tolvane.exe", true));
    struct stat info;
    ASSERT_EQ(stat(HostPath("C:\\report\\Tolvane.exe").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);
}

TEST(RemoveFileTest, RemovesFilesButNeverDirectories) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("C:\\report\\ORDERW.QUE", "x"));
    EXPECT_TRUE(RemoveFile("c:\\REPORT\\orderw.que"));
    EXPECT_FALSE(drive.Exists("C:\\report\\ORDERW.QUE"));
    EXPECT_FALSE(RemoveFile("C:\\report\\ORDERW.QUE"));
    EXPECT_FALSE(RemoveFile("C:\\report"));
    EXPECT_TRUE(DirectoryExists("C:\\report"));
}

TEST(CreateOneDirectoryTest, MakesOneLevelOnly) {
    TempDrive drive;
    EXPECT_FALSE(CreateOneDirectory("C:\\Store\\OutBound"));
    EXPECT_FALSE(DirectoryExists("C:\\Store"));
    EXPECT_TRUE(CreateOneDirectory("C:\\Store"));
    EXPECT_FALSE(CreateOneDirectory("C:\\STORE"));  // exists already, whatever the case
    EXPECT_TRUE(CreateOneDirectory("C:\\store\\OutBound"));
    EXPECT_EQ(HostPath("C:\\STORE\\OUTBOUND"), drive.DriveC() + "/Store/OutBound");
    ASSERT_TRUE(drive.WriteFile("C:\\report", "a file in the way"));
    EXPECT_FALSE(CreateOneDirectory("C:\\report"));
}

TEST(RenameFileTest, ReplacesTheDestination) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("C:\\a.txt", "a"));
    ASSERT_TRUE(drive.WriteFile("C:\\b.txt", "b"));
    EXPECT_TRUE(RenameFile("C:\\A.TXT", "C:\\B.TXT"));
    EXPECT_EQ(drive.ReadFile("C:\\b.txt"), "a");
    EXPECT_FALSE(drive.Exists("C:\\a.txt"));
    EXPECT_FALSE(RenameFile("C:\\a.txt", "C:\\c.txt"));
}

TEST(ReadFileBytesTest, ReadsEveryByte) {
    TempDrive drive;
    std::string bytes("\0\r\n\xff", 4);
    ASSERT_TRUE(drive.WriteFile("C:\\POS\\bin", bytes));
    std::string read = "stale";
    ASSERT_TRUE(ReadFileBytes("C:\\pos\\BIN", &read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(ReadFileBytes("C:\\POS\\missing", &read));
    EXPECT_FALSE(ReadFileBytes("C:\\POS", &read));
}

}  // namespace
}  // namespace tolvane
