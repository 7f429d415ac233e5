// The Daily Work Sheet as the manager meets it: picked on the main dialog with a date, entries
// on the keypad, Save, opened again, Print and Help, and the main dialog afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/reports_dlg.h"
#include "framework/headless_backend.h"
#include "host/paths.h"
#include "host/process.h"
#include "support/sheet_test_env.h"
#include "worksheet/daily_values_dlg.h"
#include "worksheet/work_sheet_dlg.h"

namespace tolvane {
namespace {

// The lines of a file written by the stand-in program.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::string CanonicalHostPath(const char* windowsPath) {
    return std::filesystem::canonical(HostPath(windowsPath)).string();
}

// Presses keypad buttons by name: digits, E Enter, C Correct entry, D Down, U Up.
void Press(Dialog& keypad, std::string_view keys) {
    const std::map<char, int> kIds = {
        {'0', 1042}, {'1', 1027}, {'2', 1028}, {'3', 1029}, {'4', 1030}, {'5', 1031}, {'6', 1032},
        {'7', 1038}, {'8', 1039}, {'9', 1040}, {'E', 1036}, {'C', 1037}, {'D', 1044}, {'U', 1043},
    };
    for (char key : keys) {
        EXPECT_TRUE(Click(keypad, kIds.at(key))) << key;
    }
}

HeadlessBackend::Script Keys(std::string keys) {
    return [keys](Dialog& keypad) { Press(keypad, keys); };
}

class WorkSheetFlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        env.drive.WriteFile(kSpecFile,
                            "Hamburger Buns,4711,\r\nCheese Slices,4712,\r\nLettuce,4713,\r\n");
        ui->Open(main);
        SetMainWindow(&main);
    }
    void TearDown() override { SetMainWindow(nullptr); }

    // Daily Work Sheet, then a date on the calendar; the sheet runs `script` while it is open.
    void RunSheet(std::function<void(CWorkSheetDlg&)> script, Date chosen = {2009, 3, 2}) {
        ui->ExpectModal(IDD_WORKSHEET,
                        [script](Dialog& dialog) { script(static_cast<CWorkSheetDlg&>(dialog)); });
        ASSERT_TRUE(Click(main, 1001));
        ASSERT_TRUE(SelectDate(main, 1004, chosen));
    }

    void ExpectSelectionLayout() {
        std::set<int> visible;
        for (int id : {1000, 1001, 1002, 1003, 1004, 1005, 1026, 1034, 1037, 1038, 1044}) {
            if (IsVisible(main, id)) {
                visible.insert(id);
            }
        }
        EXPECT_EQ(visible, (std::set<int>{1000, 1001, 1002, 1034}));
        EXPECT_EQ(CaptionOf(main, 1034), "Select PROCESS to continue");
        EXPECT_FALSE(main.m_bWorkSheet || main.m_bSalesRecap || main.m_bStartChosen ||
                     main.m_bStopChosen);
    }

    SheetTestEnv env;
    ScopedHeadlessBackend ui;
    CReportsDlg main;
};

TEST_F(WorkSheetFlowTest, EntriesSavedAndOpenedAgain) {
    RunSheet([&](CWorkSheetDlg& sheet) {
        // Today, Thursday 5 March 2009, not the chosen 2 March.
        EXPECT_EQ(sheet.GetWindowText(),
                  " Select Data Type---Current Date Thursday, March 05, 2009");
        EXPECT_EQ(CaptionOf(sheet, 1034), "Week Of Year 9   Thursday, March 05, 2009");
        EXPECT_EQ(sheet.m_nDay, 5);
        EXPECT_EQ(sheet.m_strStoreId, "1234");
        EXPECT_EQ(sheet.m_strSheetFile, kWeekFile);
        EXPECT_EQ(sheet.m_strCurrentDir, "C:\\POS");
        EXPECT_FALSE(CloseBox(sheet));  // no system menu, no close box

        ui->ExpectModal(IDD_DAILY_VALUES, [](Dialog& dialog) {
            auto& keypad = static_cast<CDailyValuesDlg&>(dialog);
            EXPECT_EQ(CaptionOf(keypad, 1034), " Day 4 ");
            EXPECT_EQ(CaptionOf(keypad, 1035), "Hamburger Buns");
            EXPECT_EQ(keypad.m_nRowCount, 3);
            Press(keypad, "12E3E");
        });
        ASSERT_TRUE(Click(sheet, 1038));  // Receiving
        EXPECT_TRUE(sheet.m_lstSheet.IsSelected(1));
        EXPECT_EQ(sheet.GetSheetCell(1, 8), "3");

        ui->ExpectModal(IDD_DAILY_VALUES, Keys("D5E"));
        ASSERT_TRUE(Click(sheet, 1039));  // Waste
        EXPECT_EQ(sheet.m_nEntryColumn, 10);

        // A click on row 2 opens the keypad on the last data type, at the first row.
        ui->ExpectModal(IDD_DAILY_VALUES, Keys("0007E"));
        ASSERT_TRUE(ClickList(sheet, 1026, 2));
        ASSERT_TRUE(Click(sheet, 1042));  // Save

        ui->ExpectModal(IDD_DAILY_VALUES, Keys("9E"));
        ASSERT_TRUE(Click(sheet, 1041));  // QOH, after the save
        EXPECT_EQ(sheet.GetSheetCell(0, 19), "9");
        ASSERT_TRUE(Click(sheet, 1043));  // Ignore
        EXPECT_EQ(sheet.ModalResult(), IDCANCEL);
    });
    EXPECT_EQ(ui->ModalRuns(), (std::vector<int>{IDD_WORKSHEET, IDD_DAILY_VALUES, IDD_DAILY_VALUES,
                                                 IDD_DAILY_VALUES, IDD_DAILY_VALUES}));
    EXPECT_TRUE(ui->Messages().empty());
    ExpectSelectionLayout();
    const std::string kSaved =
        kHeader +
        SheetLine({{0, "Hamburger Buns"},
                   {4, "12"},
                   {8, "12"},
                   {13, "0007"},
                   {17, "7"},
                   {20, "4711"},
                   {21, "1234"},
                   {22, "20090305"},
                   {23, "0"}}) +
        SheetLine({{0, "Cheese Slices"},
                   {4, "3"},
                   {8, "3"},
                   {13, "5"},
                   {17, "5"},
                   {20, "4712"},
                   {21, "1234"},
                   {22, "20090305"},
                   {23, "1"}}) +
        SheetLine({{0, "Lettuce"}, {20, "4713"}, {21, "1234"}, {22, "20090305"}, {23, "2"}});
    EXPECT_EQ(env.drive.ReadFile(kWeekFile), kSaved);

    // Opened again the next day: the same week's file, without the unsaved QOH.
    env.SetToday({2009, 3, 6});
    RunSheet(
        [&](CWorkSheetDlg& sheet) {
            EXPECT_EQ(sheet.m_strSheetFile, kWeekFile);
            EXPECT_EQ(sheet.GetSheetCell(0, 4), "12");
            EXPECT_EQ(sheet.GetSheetCell(0, 19), "");
            ui->ExpectModal(IDD_DAILY_VALUES, [](Dialog& keypad) {
                EXPECT_EQ(CaptionOf(keypad, 1034), " Day 5 ");
                EXPECT_EQ(CaptionOf(keypad, 1033), "");
                Press(keypad, "2E");
            });
            ASSERT_TRUE(ClickList(sheet, 1026, 1));  // Receiving, the type a sheet opens on
            EXPECT_EQ(sheet.GetSheetCell(0, 5), "2");
            EXPECT_EQ(sheet.GetSheetCell(0, 8), "14");
            EXPECT_EQ(PressKey(sheet, VK_RETURN), VK_RETURN);  // closes, without saving
            EXPECT_TRUE(sheet.IsEnded());
        },
        {2012, 7, 1});
    EXPECT_EQ(env.drive.ReadFile(kWeekFile), kSaved);
    ExpectSelectionLayout();
}

TEST_F(WorkSheetFlowTest, EveryWayOutLeavesTheMainDialogInItsSelectionLayout) {
    const std::string created = [&] {
        RunSheet([](CWorkSheetDlg& sheet) { Click(sheet, 1043); });
        return env.drive.ReadFile(kWeekFile);
    }();
    ASSERT_FALSE(created.empty());
    const struct {
        const char* way;
        std::function<void(CWorkSheetDlg&)> close;
        int result;
    } kWays[] = {
        {"Ignore", [](CWorkSheetDlg& sheet) { Click(sheet, 1043); }, IDCANCEL},
        {"Enter", [](CWorkSheetDlg& sheet) { PressKey(sheet, VK_RETURN); }, IDOK},
        {"Escape", [](CWorkSheetDlg& sheet) { PressKey(sheet, VK_ESCAPE); }, IDCANCEL},
    };
    for (const auto& way : kWays) {
        int result = 0;
        RunSheet([&](CWorkSheetDlg& sheet) {
            ui->ExpectModal(IDD_DAILY_VALUES, Keys("55E"));
            Click(sheet, 1045);  // Credits
            EXPECT_EQ(sheet.GetSheetCell(0, 9), "55");
            way.close(sheet);
            EXPECT_TRUE(sheet.IsEnded()) << way.way;
            result = sheet.ModalResult();
        });
        EXPECT_EQ(result, way.result) << way.way;
        ExpectSelectionLayout();
        EXPECT_EQ(env.drive.ReadFile(kWeekFile), created) << way.way;
    }
    EXPECT_TRUE(ui->Messages().empty());
}

TEST_F(WorkSheetFlowTest, PrintSavesAndStartsThePrintingProgram) {
    ASSERT_TRUE(env.InstallProgramStub("c:\\report\\Tabulo.exe"));
    const std::string kParameters =
        "C:\\Store\\WS\\WS123409.csv \"   Manager's Daily Control Record\" "
        "\"C:\\Store\\WS\\WS123409.csv\"\"Thursday, March 05, 2009             Location# 1234\"";
    ASSERT_EQ(kParameters.size(), 140u);
    RunSheet([&](CWorkSheetDlg& sheet) {
        ui->ExpectModal(IDD_DAILY_VALUES, Keys("4E"));
        Click(sheet, 1038);
        EXPECT_EQ(sheet.BuildPrintParameters(), kParameters);
        ASSERT_TRUE(Click(sheet, 1044));
        EXPECT_EQ(ui->WaitCursorShows(), 1);
        EXPECT_EQ(ui->WaitCursorDepth(), 0);
        Click(sheet, 1043);
    });
    EXPECT_TRUE(ui->Messages().empty());
    EXPECT_EQ(env.drive.ReadFile(kWeekFile).substr(kHeader.size(), 20), "Hamburger Buns,,,,4,");

    std::vector<std::string> run = Lines(env.WaitForFile("c:\\report\\Tabulo.exe.run"));
    ASSERT_FALSE(run.empty());
    EXPECT_EQ(run[0], CanonicalHostPath("c:\\report"));
    std::vector<std::string> arguments(run.begin() + 1, run.end());
    EXPECT_EQ(arguments, SplitCommandLine(kParameters));
}

TEST(SheetPrintParametersTest, PiecesFollowEachOtherExactly) {
    EXPECT_EQ(SheetPrintParameters("C:\\Store\\WS\\WS09.csv", "Sunday, March 01, 2009", ""),
              "C:\\Store\\WS\\WS09.csv \"   Manager's Daily Control Record\" "
              "\"C:\\Store\\WS\\WS09.csv\"\"Sunday, March 01, 2009             Location# \"");
    std::string file = "C:\\Store\\WS\\WS123401.csv";
    std::string date = "Wednesday, September 30, 2009";
    EXPECT_EQ(SheetPrintParameters(file, date, "12345").size(),
              2 * file.size() + date.size() + 5 + 64);
}

TEST_F(WorkSheetFlowTest, PrintThatCannotStartSaysSoAndKeepsTheSave) {
    RunSheet([&](CWorkSheetDlg& sheet) {
        ui->ExpectModal(IDD_DAILY_VALUES, Keys("4E"));
        Click(sheet, 1038);
        ASSERT_TRUE(Click(sheet, 1044));
        // Without a sheet file nothing is started and nothing is said.
        sheet.m_strSheetFile = "C:\\Store\\WS\\WS999999.csv";
        sheet.PrintSheet();
        EXPECT_EQ(ui->WaitCursorDepth(), 0);
        Click(sheet, 1043);
    });
    ASSERT_EQ(ui->MessageTexts(),
              std::vector<std::string>{"Error Executing Shell Execute WorkSheet "});
    EXPECT_EQ(ui->Messages()[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(ui->Messages()[0].ownerTemplate, IDD_REPORTS_DIALOG);
    EXPECT_EQ(env.drive.ReadFile(kWeekFile).substr(kHeader.size(), 20), "Hamburger Buns,,,,4,");
}

TEST_F(WorkSheetFlowTest, HelpRunsTheHelpProgramAndTellsOnlyExitCodeOne) {
    ASSERT_TRUE(env.InstallProgramStub("C:\\POS\\Pagoret.exe"));
    const struct {
        int exitCode;
        std::vector<std::string> messages;
    } kCases[] = {
        {0, {}},
        {1, {"Zelm32.Exe returned an error"}},
        {2, {}},
    };
    for (const auto& c : kCases) {
        env.drive.WriteFile("C:\\POS\\Pagoret.exe.exit", std::to_string(c.exitCode));
        ui->ClearMessages();
        int shows = ui->WaitCursorShows();
        RunSheet([&](CWorkSheetDlg& sheet) {
            ASSERT_TRUE(Click(sheet, 1022));
            // The help program has ended by now: the sheet waited for it.
            std::vector<std::string> run = Lines(env.drive.ReadFile("C:\\POS\\Pagoret.exe.run"));
            EXPECT_EQ(run,
                      (std::vector<std::string>{CanonicalHostPath("C:\\POS"), "WorkSheetInv.rtf"}));
            EXPECT_FALSE(sheet.IsEnded());
            Click(sheet, 1043);
        });
        EXPECT_EQ(ui->MessageTexts(), c.messages) << c.exitCode;
        EXPECT_EQ(ui->WaitCursorShows(), shows + 1);
        EXPECT_EQ(ui->WaitCursorDepth(), 0);
        env.drive.WriteFile("C:\\POS\\Pagoret.exe.run", "");
    }
}

TEST_F(WorkSheetFlowTest, HelpChecksThePosDirectoryButStartsFromTheCurrentOne) {
    const struct {
        bool inPos;
        bool inCurrent;
        const char* message;
    } kCases[] = {
        {false, true, "Pagoret not found in POS directory"},
        {true, false, "Error executing Shell Execute"},
    };
    env.drive.MakeDirectories("C:\\Other");
    env.SetCurrentDirectory("C:\\Other");
    for (const auto& c : kCases) {
        std::filesystem::remove(HostPath("C:\\POS\\Pagoret.exe"));
        std::filesystem::remove(HostPath("C:\\Other\\Pagoret.exe"));
        if (c.inPos) {
            ASSERT_TRUE(env.InstallProgramStub("C:\\POS\\Pagoret.exe"));
        }
        if (c.inCurrent) {
            ASSERT_TRUE(env.InstallProgramStub("C:\\Other\\Pagoret.exe"));
        }
        ui->ClearMessages();
        RunSheet([&](CWorkSheetDlg& sheet) {
            Click(sheet, 1022);
            Click(sheet, 1043);
        });
        EXPECT_EQ(ui->MessageTexts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(env.drive.Exists("C:\\Other\\Pagoret.exe.run"));
        EXPECT_FALSE(env.drive.Exists("C:\\POS\\Pagoret.exe.run"));
    }
}

// A handle that no wait can work with.
class ForeignProcess : public Process {};

TEST_F(WorkSheetFlowTest, WaitForProgramReportsTimeoutAndFailureWithoutAnIcon) {
    std::unique_ptr<Process> child;
    ASSERT_GT(
        ShellStart(TOLVANE_TEST_PROGRAM_DIR "/tolvane_test_child", "sleep=400 exit=3", "", &child),
        32);
    EXPECT_EQ(CWorkSheetDlg::WaitForProgram(*child, 20), -1);
    EXPECT_EQ(CWorkSheetDlg::WaitForProgram(*child, kWaitNoLimit), 3);
    ForeignProcess foreign;
    EXPECT_EQ(CWorkSheetDlg::WaitForProgram(foreign, kWaitNoLimit), -1);

    ASSERT_EQ(ui->MessageTexts(),
              (std::vector<std::string>{"Timeout waiting for Shell Execute program to Terminate",
                                        "Error waiting for Shell Execute program to Terminate"}));
    for (const HeadlessBackend::Message& message : ui->Messages()) {
        EXPECT_EQ(message.icon, MessageIcon::kNone);
        EXPECT_EQ(message.title, AppName());
        EXPECT_EQ(message.ownerTemplate, IDD_REPORTS_DIALOG);
    }
}

}  // namespace
}  // namespace tolvane
