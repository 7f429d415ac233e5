#include "host/system.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>

#include "support/scoped_env.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

TEST(SystemTest, SourcesCanBeReplacedAndRestored) {
    SetComputerNameSource([] { return std::optional<std::string>("REG1"); });
    SetClockSource([] { return LocalDateTime{2009, 3, 5, 14, 30, 0}; });
    SetCurrentDirectorySource([] { return std::string("C:\\POS"); });
    EXPECT_EQ(ComputerName(), "REG1");
    EXPECT_EQ(Now().year, 2009);
    EXPECT_EQ(Now().hour, 14);
    EXPECT_EQ(CurrentDirectory(), "C:\\POS");

    SetComputerNameSource([] { return std::optional<std::string>(); });
    EXPECT_FALSE(ComputerName().has_value());

    SetComputerNameSource(nullptr);
    SetClockSource(nullptr);
    SetCurrentDirectorySource(nullptr);
    char host[HOST_NAME_MAX + 1] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    std::string expected = host;
    EXPECT_EQ(ComputerName(), expected.substr(0, expected.find('.')));
    LocalDateTime now = Now();
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
}

TEST(SystemTest, CurrentDirectoryIsAWindowsPathOnDriveC) {
    TempDrive drive;
    ASSERT_TRUE(drive.MakeDirectories("C:\\POS\\Sub"));
    ASSERT_TRUE(drive.MakeDirectories("\\\\REG1\\C\\POS"));
    {
        ScopedCurrentDirectory cwd(drive.DriveC() + "/POS/Sub");
        ASSERT_TRUE(cwd.ok());
        EXPECT_EQ(CurrentDirectory(), "C:\\POS\\Sub");
    }
    {
        ScopedCurrentDirectory cwd(drive.DriveC());
        ASSERT_TRUE(cwd.ok());
        EXPECT_EQ(CurrentDirectory(), "C:\\");
    }
    {
        ScopedCurrentDirectory cwd(drive.Unc() + "/REG1/C/POS");
        ASSERT_TRUE(cwd.ok());
        EXPECT_EQ(CurrentDirectory(), "\\\\REG1\\C\\POS");
    }
    {
        ScopedCurrentDirectory cwd(drive.Root());
        ASSERT_TRUE(cwd.ok());
        char real[PATH_MAX];
        ASSERT_NE(realpath(drive.Root().c_str(), real), nullptr);
        EXPECT_EQ(CurrentDirectory(), real);
    }
}

}  // namespace
}  // namespace tolvane
