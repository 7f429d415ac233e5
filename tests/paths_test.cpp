#include "host/paths.h"

#include <gtest/gtest.h>

#include "support/scoped_env.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

TEST(HostPathTest, MapsDrivesAndUncAndMatchesExistingComponentsWithoutCase) {
    TempDrive drive;
    ASSERT_TRUE(drive.MakeDirectories(drive.DriveC() + "/pos/sub"));
    ASSERT_TRUE(drive.WriteFile(drive.DriveC() + "/pos/ws.csv", "x"));
    ASSERT_TRUE(drive.MakeDirectories(drive.Unc() + "/reg1/c/bdrive"));
    const std::string c = drive.DriveC();
    const std::string parent = drive.Root();

    struct Case {
        std::string windows;
        std::string host;
    } kCases[] = {
        {"C:\\POS\\WS.csv", c + "/pos/ws.csv"},
        {"c:/Pos/Ws.CSV", c + "/pos/ws.csv"},
        {"C:\\POS\\\\SUB\\", c + "/pos/sub"},
        {"C:\\", c},
        {"C:", c},
        {"\\POS\\WS.csv", c + "/pos/ws.csv"},
        // Missing components keep the case written, also below an existing one.
        {"C:\\Store\\WS\\WS123409.csv", c + "/Store/WS/WS123409.csv"},
        {"C:\\POS\\New\\File.TXT", c + "/pos/New/File.TXT"},
        {"D:\\Data\\x", parent + "/drive_d/Data/x"},
        {"e:\\", parent + "/drive_e"},
        {"\\\\REG1\\C\\BDrive\\QU01012010.QUE", drive.Unc() + "/reg1/c/bdrive/QU01012010.QUE"},
        {"//REG1/C/POS", drive.Unc() + "/reg1/c/POS"},
        {"\\\\OTHER\\Share", drive.Unc() + "/OTHER/Share"},
        {"C:\\.\\POS\\.\\ws.csv", c + "/pos/ws.csv"},
        {"C:\\POS\\SUB\\..\\WS.csv", c + "/pos/ws.csv"},
        {"C:\\New\\..\\POS", c + "/pos"},
        // ".." never leaves the drive, nor the server and share of a UNC path.
        {"C:\\..\\..\\POS", c + "/pos"},
        {"\\\\REG1\\C\\..\\..\\..\\x", drive.Unc() + "/reg1/c/x"},
        // A host path is kept as it is, backslashes included.
        {"/tmp/Some\\Name", "/tmp/Some\\Name"},
        {"/", "/"},
    };
    for (const Case& test : kCases) {
        EXPECT_EQ(HostPath(test.windows), test.host) << test.windows;
    }
}

TEST(HostPathTest, PrefersTheExactNameOverAnotherCase) {
    TempDrive drive;
    ASSERT_TRUE(drive.MakeDirectories(drive.DriveC() + "/Data"));
    ASSERT_TRUE(drive.MakeDirectories(drive.DriveC() + "/data"));
    EXPECT_EQ(HostPath("C:\\data"), drive.DriveC() + "/data");
    EXPECT_EQ(HostPath("C:\\Data"), drive.DriveC() + "/Data");
    std::string other = HostPath("C:\\DATA");
    EXPECT_TRUE(other == drive.DriveC() + "/Data" || other == drive.DriveC() + "/data") << other;
}

TEST(HostPathTest, RelativePathsStartInTheCurrentDirectory) {
    TempDrive drive;
    ASSERT_TRUE(drive.WriteFile("C:\\work\\pos\\ws.csv", "x"));
    ScopedCurrentDirectory cwd(drive.DriveC() + "/work");
    ASSERT_TRUE(cwd.ok());
    EXPECT_EQ(HostPath("POS\\WS.CSV"), drive.DriveC() + "/work/pos/ws.csv");
    EXPECT_EQ(HostPath("..\\work\\new"), drive.DriveC() + "/work/new");
}

TEST(HostPathTest, ReadsTheEnvironmentOnEveryCall) {
    ScopedEnv unc("TOLVANE_UNC_ROOT", std::nullopt);
    {
        ScopedEnv driveC("TOLVANE_DRIVE_C", "/srv/c/");
        EXPECT_EQ(DriveCRoot(), "/srv/c");
        EXPECT_EQ(HostPath("D:\\x"), "/srv/drive_d/x");
    }
    ScopedEnv driveC("TOLVANE_DRIVE_C", std::nullopt);
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/xdg");
        EXPECT_EQ(DriveCRoot(), "/xdg/tolvane/drive_c");
        EXPECT_EQ(UncRoot(), "/xdg/tolvane/unc");
    }
    ScopedEnv xdg("XDG_DATA_HOME", "");
    ScopedEnv home("HOME", "/home/pos");
    EXPECT_EQ(DriveCRoot(), "/home/pos/.local/share/tolvane/drive_c");
    EXPECT_EQ(HostPath("\\\\S\\C\\f"), "/home/pos/.local/share/tolvane/unc/S/C/f");
}

TEST(WildcardTest, MatchesAsADirectoryListing) {
    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    } kCases[] = {
        {"QU*.que", "QU03052009.QUE", true},
        {"QU*.que", "qu03052009.que", true},
        {"QU*.que", "QU.que", true},
        {"QU*.que", "QU03052009.QUE.bak", false},
        {"QU*.que", "XQU1.que", false},
        {"*", "", true},
        {"*", "anything", true},
        {"?", "", false},
        {"a?c", "ABC", true},
        {"a?c", "ac", false},
        {"*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
        {"*.*", "name.ext", true},
        {"*x", "xax", true},
        {"", "", true},
        {"", "a", false},
    };
    for (const Case& test : kCases) {
        EXPECT_EQ(MatchesWildcard(test.pattern, test.name), test.matches)
            << test.pattern << " " << test.name;
    }
}

TEST(WildcardTest, EqualsNoCaseComparesLettersOnly) {
    EXPECT_TRUE(EqualsNoCase("REG1", "reg1"));
    EXPECT_FALSE(EqualsNoCase("REG1", "reg"));
    EXPECT_FALSE(EqualsNoCase("[", "{"));  // 0x5B and 0x7B differ by the case bit only
}

}  // namespace
}  // namespace tolvane
