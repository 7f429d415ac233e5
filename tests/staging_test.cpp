// Start-up staging: the files fetched from the POS server and the directories made, for a
// local and a remote server, and the messages when a directory cannot be made.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/reports_dlg.h"
#include "framework/headless_backend.h"
#include "host/file_system.h"
#include "host/system.h"
#include "keyfile/key_file_writer.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

class StagingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetComputerNameSource([] { return std::optional<std::string>("STORE7"); });
    }
    void TearDown() override {
        SetComputerNameSource({});
        SetCommandLine("");
    }

    // Starts the main dialog with a command line, as the program does at start-up.
    void Start(const char* commandLine) {
        SetCommandLine(commandLine);
        CReportsDlg dlg;
        ui->Open(dlg);
    }

    TempDrive drive;
    ScopedHeadlessBackend ui;
};

TEST_F(StagingTest, LocalServerFetchesFromPosAndMakesTheStoreDirectories) {
    drive.MakeDirectories("C:\\report");
    drive.WriteFile("C:\\POS\\POS-B", "data");
    drive.WriteFile("C:\\POS\\POS-B.XXX", "index");
    drive.WriteFile("C:\\POS\\ORDERW.QUE", "orders");
    drive.WriteFile("C:\\POS\\Tolvane.exe", "program");
    Start("");
    EXPECT_EQ(drive.ReadFile("C:\\REPORT\\POS-B"), "data");
    EXPECT_EQ(drive.ReadFile("C:\\REPORT\\POS-B.xxx"), "index");
    EXPECT_EQ(drive.ReadFile("C:\\report\\ORDERW.QUE"), "orders");
    EXPECT_EQ(drive.ReadFile("C:\\report\\Tolvane.exe"), "program");
    EXPECT_TRUE(drive.Exists("C:\\Store\\OutBound"));
    EXPECT_TRUE(ui->Messages().empty());
}

TEST_F(StagingTest, RemoteServerFetchesFromItsShareAndMakesStoreThere) {
    drive.MakeDirectories("C:\\report");
    drive.WriteFile("\\\\REG1\\C\\POS\\POS-B", "remote data");
    drive.WriteFile("\\\\REG1\\C\\POS\\POS-B.xxx", "remote index");
    drive.WriteFile("C:\\POS\\POS-B", "local pos data");
    Start("REG1 X99");
    EXPECT_EQ(drive.ReadFile("C:\\REPORT\\POS-B"), "remote data");
    EXPECT_EQ(drive.ReadFile("C:\\REPORT\\POS-B.xxx"), "remote index");
    EXPECT_TRUE(drive.Exists("\\\\REG1\\C\\Store\\OutBound"));
    EXPECT_FALSE(drive.Exists("C:\\Store"));
}

TEST_F(StagingTest, ProgramCopyIsNeverReplacedButStoreMasterIs) {
    drive.WriteFile("C:\\report\\Tolvane.exe", "old program");
    drive.WriteFile("C:\\REPORT\\POS-B", "old data");
    drive.WriteFile("C:\\REPORT\\POS-B.XXX", "old index");
    drive.WriteFile("C:\\POS\\Tolvane.exe", "new program");
    drive.WriteFile("C:\\POS\\POS-B", "new data");
    Start("");
    EXPECT_EQ(drive.ReadFile("C:\\report\\Tolvane.exe"), "old program");
    EXPECT_EQ(drive.ReadFile("C:\\REPORT\\POS-B"), "new data");
    // No index on the server: the local copy stays in use.
    EXPECT_EQ(drive.ReadFile("C:\\REPORT\\POS-B.XXX"), "old index");
}

TEST_F(StagingTest, OldOrderFileIsDeletedEvenWithoutANewOne) {
    drive.WriteFile("C:\\report\\ORDERW.QUE", "yesterday");
    Start("");
    EXPECT_FALSE(drive.Exists("C:\\report\\ORDERW.QUE"));
}

TEST_F(StagingTest, MissingReportDirectoryIsMadeAndCopiesSucceedNextTime) {
    drive.WriteFile("C:\\POS\\POS-B", "data");
    Start("");
    EXPECT_TRUE(drive.Exists("C:\\report"));
    EXPECT_FALSE(drive.Exists("C:\\REPORT\\POS-B"));
    Start("");
    EXPECT_EQ(drive.ReadFile("C:\\REPORT\\POS-B"), "data");
}

TEST_F(StagingTest, DirectoriesThatCannotBeMadeAreReported) {
    struct Case {
        const char* blocker;  // a plain file where a directory must go
        std::vector<std::string> messages;
        bool reportMade;
    } cases[] = {
        {"C:\\Store", {"Store CREATE failed-- C:\\Store DIR"}, false},
        {"C:\\Store\\OutBound", {"Store-OutBound failed-- C:\\Store DIR"}, true},
        {"C:\\report", {"Report CREATE failed-- C:\\report DIR"}, false},
    };
    for (const Case& c : cases) {
        TempDrive fresh;
        ui->ClearMessages();
        fresh.WriteFile(c.blocker, "in the way");
        Start("");
        EXPECT_EQ(ui->MessageTexts(), c.messages) << c.blocker;
        EXPECT_EQ(DirectoryExists("C:\\report"), c.reportMade) << c.blocker;
    }
}

// The store master file as the POS server holds it: the store's record among others.
void WriteStoreMaster(const TempDrive& drive, const std::string& dir) {
    auto text = [](Block& record, std::size_t offset, std::string_view value) {
        std::copy(value.begin(), value.end(), record.begin() + offset);
    };
    Block other{};
    Block store{};
    text(store, 22, "Brindlemoor Grill");
    text(store, 46, "12 Harbour Road");
    store[212] = 0xD2;  // 1234, little-endian
    store[213] = 0x04;
    DataFilePlan data;
    data.m_records = {other, store};
    std::string key = "001600" + std::string(23, ' ') + std::string(11, '\0');
    IndexFilePlan index;
    index.m_nKeyLength = 29;
    index.m_entries = {
        {key.substr(0, 29), 0, static_cast<std::uint16_t>(DataRecordUnit(1, 1))},
        {"001500" + std::string(23, ' '), 0, static_cast<std::uint16_t>(DataRecordUnit(1, 0))}};
    std::string dataBytes;
    BuiltIndex built;
    std::string error;
    ASSERT_TRUE(BuildDataFile(data, &dataBytes, &error)) << error;
    ASSERT_TRUE(BuildIndexFile(index, &built, &error)) << error;
    drive.WriteFile(dir + "POS-B", dataBytes);
    drive.WriteFile(dir + "POS-B.XXX", built.m_bytes);
}

TEST_F(StagingTest, StartUpReadsTheStoreFromTheFilesItHasJustFetched) {
    drive.MakeDirectories("C:\\report");
    WriteStoreMaster(drive, "\\\\REG1\\C\\POS\\");
    SetCommandLine("REG1");
    CReportsDlg dlg;
    ui->Open(dlg);
    EXPECT_EQ(dlg.m_strStoreNumber, "1234");
    EXPECT_EQ(dlg.m_strLocation1, "Brindlemoor Grill");
    EXPECT_EQ(dlg.m_strLocation2, std::string(9, ' ') + "12 Harbour Road");
    EXPECT_EQ(dlg.m_strLocation3, std::string(24, ' '));
    // Both files were closed: the in-use flag of each header is clear again.
    EXPECT_EQ(drive.ReadFile("C:\\REPORT\\POS-B").at(8), '\0');
    EXPECT_EQ(drive.ReadFile("C:\\REPORT\\POS-B.XXX").at(8), '\0');
}

TEST_F(StagingTest, WithoutAStoreMasterFileTheStoreStaysBlank) {
    CReportsDlg dlg;
    ui->Open(dlg);
    EXPECT_EQ(dlg.m_strStoreNumber, "");
    EXPECT_EQ(dlg.m_strLocation1, std::string(24, ' '));
    EXPECT_EQ(dlg.m_strLocation4, std::string(24, ' '));
}

}  // namespace
}  // namespace tolvane
