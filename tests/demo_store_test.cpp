// The demo store: tolvane-demo run as a process into a fresh drive C:, then the program's main
// dialog (headless) and tolvane-cli at work on it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/reports_dlg.h"
#include "framework/headless_backend.h"
#include "host/file_system.h"
#include "host/paths.h"
#include "host/process.h"
#include "support/built_tools.h"
#include "support/program_run.h"
#include "support/recap_fixture.h"
#include "support/recap_reference.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

constexpr int kIdSalesRecap = 1002;
constexpr int kIdCalendar = 1004;
constexpr int kIdPrintDisplay = 1044;

// Ten days of about forty tickets: enough for voids and odd quantities, quick to make.
std::vector<std::string> DemoArguments(const std::string& directory, const std::string& seed) {
    return {directory,
            "--today",
            "2009-09-07",
            "--days",
            "10",
            "--tickets",
            "40",
            "--seed",
            seed,
            "--tabulo",
            std::string(TOLVANE_TEST_PROGRAM_DIR) + "/print_tool_recorder",
            "--pagoret",
            std::string(TOLVANE_TEST_PROGRAM_DIR) + "/sheet_program_stub",
            "--help-doc",
            std::string(TOLVANE_SOURCE_DIR) + "/res/WorkSheetInv.rtf"};
}

std::vector<std::string> SplitLines(const std::string& text, const std::string& ending) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(ending, start)) != std::string::npos;
         start = end + ending.size()) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the last line has no line ending";
    return lines;
}

// Every file under a directory with its bytes, by its path relative to it.
std::map<std::string, std::string> Files(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            std::string bytes;
            ReadFileBytes(entry.path().string(), &bytes);
            files[fs::relative(entry.path(), root).string()] = bytes;
        }
    }
    return files;
}

class DemoStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetCommandLine("");
        ProgramRun run = RunProgram(DemoPath(), DemoArguments(m_drive.DriveC(), "7"));
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }

    ProgramRun Cli(const std::vector<std::string>& arguments) {
        return RunProgram(CliPath(), arguments);
    }

    TempDrive m_drive;
};

TEST_F(DemoStoreTest, WritesACompleteDriveC) {
    const std::vector<std::string> definitions =
        SplitLines(m_drive.ReadFile("C:\\POS\\Brindlemoor_Sales_Recap.csv"), "\r\n");
    ASSERT_FALSE(definitions.empty());
    EXPECT_EQ(definitions.front(), "ITEM,PLU,DESCRIPTION,SOLD,UNITS,");
    std::set<std::string> plus;
    int items = 0;
    int subtotals = 0;
    for (std::size_t i = 1; i < definitions.size(); ++i) {
        const std::string& line = definitions[i];
        if (line.starts_with(",,")) {
            ++subtotals;
            continue;
        }
        ++items;
        const std::string plu = line.substr(line.find(',') + 1, 5);
        EXPECT_EQ(line.substr(line.find(',') + 6, 1), ",") << line;  // 5 characters
        EXPECT_TRUE(plus.insert(plu).second) << line;
    }
    EXPECT_GE(items, 130);
    EXPECT_LE(items, 170);
    EXPECT_GE(subtotals, 8);
    EXPECT_TRUE(definitions.back().starts_with(",,")) << "the last group has its subtotal";

    // Ten queue files up to today, of records of 128 characters with CRLF endings.
    std::vector<std::string> names = ListDirectory("C:\\BDrive\\QU*.QUE");
    std::sort(names.begin(), names.end());
    EXPECT_THAT(names, ::testing::ElementsAre("QU08292009.QUE", "QU08302009.QUE", "QU08312009.QUE",
                                              "QU09012009.QUE", "QU09022009.QUE", "QU09032009.QUE",
                                              "QU09042009.QUE", "QU09052009.QUE", "QU09062009.QUE",
                                              "QU09072009.QUE"));
    int counted = 0;
    int voided = 0;
    int badQuantity = 0;
    std::set<char> types;
    for (const std::string& name : names) {
        for (const std::string& line :
             SplitLines(m_drive.ReadFile("C:\\BDrive\\" + name), "\r\n")) {
            ASSERT_EQ(line.size(), 128u);
            types.insert(line[8]);
            if (line[8] != '1') {
                continue;
            }
            EXPECT_EQ(line.substr(72, 8), name.substr(2, 8));  // the business date
            if (line[29] == 'V') {
                ++voided;
            } else if (line[28] < '1' || line[28] > '9') {
                ++badQuantity;
            } else if (plus.contains(line.substr(30, 5))) {
                ++counted;
            }
        }
    }
    EXPECT_EQ(types, (std::set<char>{'0', '1', '2', '5', '9'}));
    EXPECT_GT(counted, 500);
    EXPECT_GT(voided, 0);
    EXPECT_GT(badQuantity, 0);

    EXPECT_FALSE(m_drive.ReadFile("C:\\POS\\WS.csv").empty());
    // The outside programs where the program starts them, ready to run.
    for (const char* program :
         {"C:\\POS\\QVL_Tabulo.exe", "C:\\report\\Tabulo.exe", "C:\\POS\\Pagoret.exe"}) {
        EXPECT_EQ(access(HostPath(program).c_str(), X_OK), 0) << program;
    }
    EXPECT_EQ(m_drive.ReadFile("C:\\POS\\WorkSheetInv.rtf"),
              m_drive.ReadFile(std::string(TOLVANE_SOURCE_DIR) + "/res/WorkSheetInv.rtf"));
    // The store master file, on the POS directory and as an earlier start left it in
    // C:\report, has an index of more than one level: its root is a branch.
    const std::string index = m_drive.ReadFile("C:\\POS\\POS-B.xxx");
    EXPECT_EQ(m_drive.ReadFile("C:\\report\\POS-B.xxx"), index);
    EXPECT_EQ(m_drive.ReadFile("C:\\report\\POS-B"), m_drive.ReadFile("C:\\POS\\POS-B"));
    const std::size_t root =
        (static_cast<unsigned char>(index[0]) | static_cast<unsigned char>(index[1]) << 8);
    ASSERT_LT((root - 1) * 128, index.size());
    EXPECT_EQ(index[(root - 1) * 128], 0) << "the root is a branch node";
}

TEST_F(DemoStoreTest, TheSameSeedGivesTheSameStore) {
    const std::string root = m_drive.Root();
    ASSERT_EQ(RunProgram(DemoPath(), DemoArguments(root + "/same", "7")).exitCode, 0);
    ASSERT_EQ(RunProgram(DemoPath(), DemoArguments(root + "/seed8", "8")).exitCode, 0);
    const auto first = Files(m_drive.DriveC());
    EXPECT_EQ(Files(root + "/same"), first);
    const auto seed8 = Files(root + "/seed8");
    EXPECT_NE(seed8.at("BDrive/QU09072009.QUE"), first.at("BDrive/QU09072009.QUE"));
    // A day's sales do not depend on how many days were made around it.
    ASSERT_EQ(RunProgram(DemoPath(), {root + "/oneday", "--today", "2009-09-07", "--days", "1",
                                      "--tickets", "40", "--seed", "7"})
                  .exitCode,
              0);
    const auto oneDay = Files(root + "/oneday");
    // Definitions, items, the store master file twice over, and today's queue file.
    EXPECT_EQ(oneDay.size(), 7u);
    EXPECT_EQ(oneDay.at("BDrive/QU09072009.QUE"), first.at("BDrive/QU09072009.QUE"));
}

TEST_F(DemoStoreTest, TheMainDialogFindsTheStoreRecapsTheWeekAndPrintsIt) {
    ScopedHeadlessBackend ui;
    CReportsDlg dialog;
    ui->Open(dialog);
    EXPECT_EQ(dialog.m_strStoreNumber, "1234");
    EXPECT_EQ(dialog.m_strLocation1, "Brindlemoor Grill");
    EXPECT_EQ(dialog.m_strLocation2, "   1420 Harbor View Road");
    EXPECT_EQ(dialog.m_strLocation3, "   Tolvane Bay, OR 97365");
    EXPECT_EQ(dialog.m_strLocation4, "          (541) 555-0142");

    ASSERT_TRUE(Click(dialog, kIdSalesRecap));
    ASSERT_TRUE(SelectDate(dialog, kIdCalendar, {2009, 9, 1}));
    ASSERT_TRUE(SelectDate(dialog, kIdCalendar, {2009, 9, 7}));
    EXPECT_THAT(ui->MessageTexts(), ::testing::IsEmpty());

    // The same table as a plain scan of the files, cell by cell; and real sales in it.
    CReportsDlg plain;
    plain.m_strRootDir = dialog.m_strRootDir;
    plain.m_strBDriveDir = dialog.m_strBDriveDir;
    plain.m_strStartQueueFile = dialog.m_strStartQueueFile;
    plain.m_strStopQueueFile = dialog.m_strStopQueueFile;
    plain.PrepareRecapList();
    plain.LoadSalesDefinitions();
    ReferenceScanQueueFiles(plain);
    ASSERT_EQ(dialog.m_nItemCount, plain.m_nItemCount);
    int sold = 0;
    int daysWithSales = 0;
    for (int row = 0; row < dialog.m_nItemCount; ++row) {
        EXPECT_EQ(RecapRow(dialog, row), RecapRow(plain, row)) << "row " << row;
        sold += std::atoi(dialog.m_List.GetItemText(row, 3).c_str());
        for (int day = 6; day <= 12; ++day) {
            daysWithSales += dialog.m_List.GetItemText(row, day).empty() ? 0 : 1;
        }
    }
    EXPECT_GT(sold, 300);
    EXPECT_GT(daysWithSales, 200);

    // Print Display starts the printing program in c:\pos with the recap file and the
    // headings of this store and week.
    ASSERT_TRUE(Click(dialog, kIdPrintDisplay));
    const std::string recorded = HostPath("C:\\POS\\print_tool_args.txt");
    for (int i = 0; i < 500 && !fs::exists(recorded); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const std::string& parameters = dialog.m_strPrintParameters;
    EXPECT_TRUE(
        parameters.starts_with("C:\\pos\\Recap1234QU09012009.QUE.csv  -P -WLLLRRRRRRRRRRRLL "))
        << parameters;
    for (const char* text : {"Item SALES RECAP", "Brindlemoor Grill", "1420 Harbor View Road",
                             "Tuesday, September 01, 2009", "Monday, September 07, 2009"}) {
        EXPECT_NE(parameters.find(text), std::string::npos) << text;
    }
    std::vector<std::string> expected = {HostPath("C:\\POS")};
    for (const std::string& argument : SplitCommandLine(parameters)) {
        expected.push_back(argument);
    }
    EXPECT_EQ(SplitLines(m_drive.ReadFile("C:\\POS\\print_tool_args.txt"), "\n"), expected);

    // The batch recap of the same week is the file that Print Display handed on.
    ProgramRun run =
        Cli({"recap", "2009-09-01", "2009-09-07", "--output", m_drive.Root() + "/batch.csv"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(m_drive.ReadFile(m_drive.Root() + "/batch.csv"),
              m_drive.ReadFile("C:\\pos\\Recap1234QU09012009.QUE.csv"));
}

TEST_F(DemoStoreTest, TheCommandLineReadsTheStoreMasterFile) {
    ProgramRun store = Cli({"store"});
    EXPECT_EQ(store.exitCode, 0) << store.err;
    EXPECT_EQ(store.out,
              "1234\nBrindlemoor Grill\n   1420 Harbor View Road\n   Tolvane Bay, OR 97365\n"
              "          (541) 555-0142\n");

    // Every live entry once, in ascending order: a few hundred, the store's among them.
    ProgramRun walk = Cli({"keyfile", "walk", "C:\\POS\\POS-B.xxx"});
    EXPECT_EQ(walk.exitCode, 0) << walk.err;
    const std::vector<std::string> entries = SplitLines(walk.out, "\n");
    EXPECT_GE(entries.size(), 200u);
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end()));
    EXPECT_EQ(std::set<std::string>(entries.begin(), entries.end()).size(), entries.size());
    const std::string storeKey = "001600" + std::string(23, ' ');
    ProgramRun find = Cli({"keyfile", "find", "C:\\POS\\POS-B.xxx", storeKey});
    EXPECT_EQ(find.exitCode, 0) << find.err;
    std::string blanks;
    for (int i = 0; i < 23; ++i) {
        blanks += "20";
    }
    EXPECT_TRUE(find.out.starts_with("303031363030" + blanks + " 0 ")) << find.out;
    EXPECT_NE(std::find(entries.begin(), entries.end(), find.out.substr(0, find.out.size() - 1)),
              entries.end());

    // This week's work sheet, fresh from the demo store's items.
    ProgramRun sheet = Cli({"worksheet", "--date", "2009-09-07", "--store", "1234"});
    EXPECT_EQ(sheet.exitCode, 0) << sheet.err;
    const std::vector<std::string> lines = SplitLines(sheet.out, "\n");
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "week 36");
    EXPECT_EQ(lines[1], "weekday 1");
    EXPECT_EQ(lines[2], "file C:\\Store\\WS\\WS123436.csv");
    EXPECT_EQ(lines.size() - 4, SplitLines(m_drive.ReadFile("C:\\POS\\WS.csv"), "\r\n").size());
    EXPECT_FALSE(m_drive.Exists("C:\\Store"));
}

TEST(DemoGeneratorTest, BadArgumentsAreUsageErrorsAndAnUnwritableDirectoryAFailure) {
    TempDrive drive;
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    } const kCases[] = {
        {{}, 2, "DIR is missing"},
        {{"a", "b"}, 2, "give one DIR only"},
        {{"d", "--today", "2009-02-30"}, 2, "--today \"2009-02-30\" is no date"},
        {{"d", "--days", "-1"}, 2, "--days needs a number"},
        {{"d", "--days", "12x"}, 2, "--days needs a number"},
        {{"d", "--seed", "seven"}, 2, "--seed needs a whole number"},
        {{"d", "--tickets", "0"}, 2, "--tickets needs a number"},
        {{"d", "--today", "0001-01-05", "--days", "10"}, 2, "before the year 1"},
        {{"d", "--colour"}, 2, "unknown option --colour"},
        {{drive.Root() + "/file/drive"}, 3, "cannot make the directory"},
        {{drive.Root() + "/d", "--tabulo", drive.Root() + "/none"}, 3, "cannot copy"},
    };
    drive.WriteFile(drive.Root() + "/file", "not a directory");
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.message);
        ProgramRun run = RunProgram(DemoPath(), c.arguments, {}, 60000, drive.Root());
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace tolvane
