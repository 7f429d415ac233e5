// The main dialog as a person meets it: start-up, the choice of process and dates, the layouts
// and banner texts of each state, and the ways out.
#include "app/reports_dlg.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "framework/headless_backend.h"
#include "host/system.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

constexpr int kAllIds[] = {1000, 1001, 1002, 1004, 1003, 1005, 1034, 1026, 1037, 1038, 1044};

class ReportsDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetComputerNameSource([] { return std::optional<std::string>("STORE7"); });
        SetCommandLine("");
    }
    void TearDown() override {
        SetComputerNameSource({});
        SetCommandLine("");
    }

    void Open() { ui->Open(dlg); }

    std::set<int> VisibleIds() const {
        std::set<int> ids;
        for (int id : kAllIds) {
            if (IsVisible(dlg, id)) {
                ids.insert(id);
            }
        }
        return ids;
    }

    TempDrive drive;
    ScopedHeadlessBackend ui;
    CReportsDlg dlg;
};

TEST_F(ReportsDlgTest, StartsInTheSelectionLayout) {
    Open();
    EXPECT_EQ(dlg.GetWindowText(), "Tolvane");
    EXPECT_EQ(VisibleIds(), (std::set<int>{1000, 1001, 1002, 1034}));
    EXPECT_EQ(CaptionOf(dlg, 1034), "Select PROCESS to continue");
    EXPECT_EQ(dlg.m_btnBanner.TextColor(), std::optional<COLORREF>(0x00FFFFFF));
    EXPECT_EQ(dlg.m_btnBanner.BackColor(), std::optional<COLORREF>(0x00FF0000));
    EXPECT_FALSE(dlg.m_bSalesRecap || dlg.m_bWorkSheet || dlg.m_bStartChosen || dlg.m_bStopChosen);
    EXPECT_EQ(dlg.m_nStartYear, 0);
    EXPECT_EQ(dlg.m_strLocation1, std::string(24, ' '));
    ASSERT_EQ(dlg.SystemMenu().size(), 2u);
    EXPECT_EQ(dlg.SystemMenu()[0].id, 0u);
    EXPECT_EQ(dlg.SystemMenu()[1].id, IDM_ABOUTBOX);
    EXPECT_EQ(dlg.SystemMenu()[1].text, "&About Tolvane...");
    EXPECT_TRUE(ui->Messages().empty());
}

TEST_F(ReportsDlgTest, ControlsAreCreatedInTemplateOrder) {
    Open();
    std::vector<int> ids;
    for (Control* control : dlg.Controls()) {
        ids.push_back(control->GetDlgCtrlID());
    }
    EXPECT_EQ(ids,
              (std::vector<int>{1000, 1001, 1002, 1004, 1003, 1005, 1034, 1026, 1037, 1038, 1044}));
    EXPECT_EQ(dlg.GetDlgItem(1026), &dlg.m_List);
    EXPECT_EQ(dlg.GetDlgItem(1003), &dlg.m_btnStart);
    EXPECT_EQ(CaptionOf(dlg, 1003), "Start Time");
    EXPECT_EQ(CaptionOf(dlg, 1005), "Stop Time");
}

TEST_F(ReportsDlgTest, ServerComesFromTheCommandLineAndTheComputerName) {
    struct Case {
        const char* commandLine;
        std::optional<std::string> computerName;
        const char* root;
        const char* queueDir;
        const char* serverName;
    } cases[] = {
        {"", "STORE7", "C:\\", "C:\\BDrive\\", "STORE7"},
        {"store7", "STORE7", "C:\\", "C:\\BDrive\\", "store7"},
        {"StOrE7 1234", "STORE7", "C:\\", "C:\\BDrive\\", "StOrE7"},
        {"R1", "STORE7", "C:\\", "C:\\BDrive\\", "STORE7"},  // too short for a name
        {"REG1", "STORE7", "\\\\REG1\\C\\", "\\\\REG1\\C\\BDrive\\", "REG1"},
        {"  REG1   X99  ", "STORE7", "\\\\REG1\\C\\", "\\\\REG1\\C\\BDrive\\", "REG1"},
        // A word of 20 characters or more is taken whole.
        {"pos-server.example-store.local 12", "STORE7", "\\\\pos-server.example-store.local\\C\\",
         "\\\\pos-server.example-store.local\\C\\BDrive\\", "pos-server.example-store.local"},
        // An unreadable computer name: no server named means this computer.
        {"", std::nullopt, "C:\\", "C:\\BDrive\\", ""},
        {"REG1", std::nullopt, "\\\\REG1\\C\\", "\\\\REG1\\C\\BDrive\\", "REG1"},
    };
    for (const Case& c : cases) {
        SetComputerNameSource([name = c.computerName] { return name; });
        SetCommandLine(c.commandLine);
        CReportsDlg dialog;
        ui->Open(dialog);
        EXPECT_EQ(dialog.m_strRootDir, c.root) << "'" << c.commandLine << "'";
        EXPECT_EQ(dialog.m_strBDriveDir, c.queueDir) << "'" << c.commandLine << "'";
        EXPECT_EQ(dialog.m_strServerName, c.serverName) << "'" << c.commandLine << "'";
    }
}

TEST_F(ReportsDlgTest, RecapTakesTwoDatesAndEntersTheResultLayout) {
    Open();
    ASSERT_TRUE(Click(dlg, 1002));
    EXPECT_EQ(VisibleIds(), (std::set<int>{1000, 1004, 1003, 1005, 1034}));
    EXPECT_EQ(CaptionOf(dlg, 1034), "Select START and STOP Dates");
    EXPECT_TRUE(dlg.m_bSalesRecap);
    EXPECT_FALSE(dlg.m_bWorkSheet);

    ASSERT_TRUE(SelectDate(dlg, 1004, {2009, 3, 5}));
    EXPECT_EQ(CaptionOf(dlg, 1003), "Thursday, March 05, 2009");
    EXPECT_EQ(dlg.m_strStartQueueFile, "QU03052009.QUE");
    EXPECT_EQ(dlg.m_strStartDate, "Thursday, March 05, 2009");
    EXPECT_TRUE(dlg.m_bStartChosen);
    EXPECT_FALSE(dlg.m_bStopChosen);
    EXPECT_EQ(CaptionOf(dlg, 1034), "Select START and STOP Dates");

    // The same day again: a one-day range.
    ASSERT_TRUE(SelectDate(dlg, 1004, {2009, 3, 5}));
    EXPECT_EQ(dlg.m_strStopQueueFile, "QU03052009.QUE");
    EXPECT_EQ(CaptionOf(dlg, 1005), "Thursday, March 05, 2009");
    EXPECT_EQ(VisibleIds(), (std::set<int>{1000, 1003, 1005, 1034, 1026, 1037, 1038, 1044}));
    EXPECT_EQ(CaptionOf(dlg, 1034), "Select Next Option");
    // The calendar is hidden in the result layout: no date can be picked there.
    EXPECT_FALSE(SelectDate(dlg, 1004, {2009, 3, 9}));
}

TEST_F(ReportsDlgTest, StopBeforeStartIsAccepted) {
    Open();
    Click(dlg, 1002);
    SelectDate(dlg, 1004, {2009, 9, 1});
    SelectDate(dlg, 1004, {2009, 8, 1});
    EXPECT_EQ(dlg.m_strStartQueueFile, "QU09012009.QUE");
    EXPECT_EQ(dlg.m_strStopQueueFile, "QU08012009.QUE");
    EXPECT_EQ(CaptionOf(dlg, 1034), "Select Next Option");
}

TEST_F(ReportsDlgTest, BackRestoresSelectionAndDateCaptionsStay) {
    Open();
    Click(dlg, 1002);
    SelectDate(dlg, 1004, {2009, 3, 5});
    SelectDate(dlg, 1004, {2009, 3, 7});
    ASSERT_TRUE(Click(dlg, 1037));
    EXPECT_EQ(VisibleIds(), (std::set<int>{1000, 1001, 1002, 1034}));
    EXPECT_EQ(CaptionOf(dlg, 1034), "Select PROCESS to continue");
    EXPECT_FALSE(dlg.m_bSalesRecap || dlg.m_bStartChosen || dlg.m_bStopChosen);

    Click(dlg, 1002);
    EXPECT_EQ(CaptionOf(dlg, 1003), "Thursday, March 05, 2009");
    EXPECT_EQ(CaptionOf(dlg, 1005), "Saturday, March 07, 2009");
    SelectDate(dlg, 1004, {2010, 1, 2});
    EXPECT_EQ(CaptionOf(dlg, 1003), "Saturday, January 02, 2010");
    EXPECT_EQ(CaptionOf(dlg, 1005), "Saturday, March 07, 2009");
}

TEST_F(ReportsDlgTest, OnlyAnExplicitSelectionCounts) {
    Open();
    Click(dlg, 1002);
    // Paging the calendar moves its selection without the selection notification.
    dlg.m_Calendar.SetCurSel({2009, 4, 5});
    EXPECT_FALSE(dlg.m_bStartChosen);
    EXPECT_EQ(CaptionOf(dlg, 1003), "Start Time");
}

TEST_F(ReportsDlgTest, LongDatesWorkBeyond2038) {
    Open();
    Click(dlg, 1002);
    SelectDate(dlg, 1004, {2040, 2, 29});
    SelectDate(dlg, 1004, {9999, 12, 31});
    EXPECT_EQ(dlg.m_strStartDate, "Wednesday, February 29, 2040");
    EXPECT_EQ(dlg.m_strStartQueueFile, "QU02292040.QUE");
    EXPECT_EQ(dlg.m_strStopDate, "Friday, December 31, 9999");
}

TEST_F(ReportsDlgTest, WorkSheetRefusesAnEarlyDateThenOpensOnTheNext) {
    Open();
    ASSERT_TRUE(Click(dlg, 1001));
    EXPECT_EQ(VisibleIds(), (std::set<int>{1000, 1004, 1003, 1034}));
    EXPECT_EQ(CaptionOf(dlg, 1034), "Select START Date");
    EXPECT_TRUE(dlg.m_bWorkSheet);

    SelectDate(dlg, 1004, {2000, 12, 31});
    ASSERT_EQ(ui->Messages().size(), 1u);
    EXPECT_EQ(ui->Messages()[0].text, "Select BEGINNING Date to Continue");
    EXPECT_EQ(ui->Messages()[0].title, AppName());
    EXPECT_EQ(ui->Messages()[0].icon, MessageIcon::kExclamation);
    EXPECT_FALSE(dlg.m_bStartChosen);
    EXPECT_TRUE(ui->ModalRuns().empty());

    bool sheetRan = false;
    ui->ExpectModal(IDD_WORKSHEET, [&](Dialog&) { sheetRan = true; });
    SelectDate(dlg, 1004, {2001, 1, 1});
    EXPECT_TRUE(sheetRan);
    EXPECT_EQ(ui->ModalRuns(), std::vector<int>{IDD_WORKSHEET});
    // However the sheet closed, the main dialog is back in the selection layout.
    EXPECT_EQ(VisibleIds(), (std::set<int>{1000, 1001, 1002, 1034}));
    EXPECT_EQ(CaptionOf(dlg, 1034), "Select PROCESS to continue");
    EXPECT_FALSE(dlg.m_bWorkSheet || dlg.m_bStartChosen);
}

TEST_F(ReportsDlgTest, AboutBoxFromTheSystemMenuLeavesTheDialogAsItWas) {
    Open();
    Click(dlg, 1002);
    ui->ExpectModal(IDD_ABOUTBOX, [](Dialog& about) {
        EXPECT_EQ(about.GetWindowText(), "About Tolvane");
        EXPECT_TRUE(Click(about, IDOK));
    });
    dlg.FireSysCommand(IDM_ABOUTBOX | 0x3);  // the low four bits are the system's own
    EXPECT_EQ(ui->ModalRuns(), std::vector<int>{IDD_ABOUTBOX});
    EXPECT_FALSE(dlg.IsEnded());
    EXPECT_EQ(CaptionOf(dlg, 1034), "Select START and STOP Dates");
    dlg.FireSysCommand(0xF020);  // other system commands are not the About box
    EXPECT_EQ(ui->ModalRuns().size(), 1u);
}

TEST_F(ReportsDlgTest, ExitEscapeAndCloseBoxEndInEveryState) {
    enum Way { kExit, kEscape, kCloseBox, kEnter };
    for (int state = 0; state < 4; ++state) {
        for (Way way : {kExit, kEscape, kCloseBox, kEnter}) {
            CReportsDlg dialog;
            ui->Open(dialog);
            if (state >= 1)
                Click(dialog, 1002);
            if (state >= 2)
                SelectDate(dialog, 1004, {2009, 3, 5});
            if (state >= 3)
                SelectDate(dialog, 1004, {2009, 3, 6});
            switch (way) {
                case kExit:
                    EXPECT_TRUE(Click(dialog, 1000));
                    EXPECT_EQ(dialog.ModalResult(), IDOK);
                    break;
                case kEscape:
                    PressKey(dialog, VK_ESCAPE);
                    EXPECT_EQ(dialog.ModalResult(), IDCANCEL);
                    break;
                case kCloseBox:
                    EXPECT_TRUE(CloseBox(dialog));
                    EXPECT_EQ(dialog.ModalResult(), IDCANCEL);
                    break;
                case kEnter:
                    PressKey(dialog, VK_RETURN);
                    EXPECT_EQ(dialog.ModalResult(), IDOK);
                    break;
            }
            EXPECT_TRUE(dialog.IsEnded()) << "state " << state << " way " << way;
        }
    }
}

TEST_F(ReportsDlgTest, BannerIsHiddenWhileItsTextAndColoursChange) {
    struct Recorder : ControlObserver {
        std::vector<std::string> steps;
        void OnControlChanged(Control& control, ControlChange change, int, int) override {
            switch (change) {
                case ControlChange::kVisibility:
                    steps.push_back(control.IsWindowVisible() ? "show" : "hide");
                    break;
                case ControlChange::kColors:
                    steps.push_back("colours");
                    break;
                case ControlChange::kText:
                    steps.push_back("text " + control.GetWindowText());
                    break;
                default:
                    break;
            }
        }
    } recorder;
    Open();
    dlg.m_btnBanner.SetObserver(&recorder);
    dlg.ShowBanner("Select Next Option");
    dlg.m_btnBanner.SetObserver(nullptr);
    EXPECT_EQ(recorder.steps,
              (std::vector<std::string>{"hide", "colours", "text Select Next Option", "show"}));
}

TEST(QueueFileName, FormsMonthDayYear) {
    EXPECT_EQ(QueueFileName({2009, 3, 5}), "QU03052009.QUE");
    EXPECT_EQ(QueueFileName({2010, 12, 31}), "QU12312010.QUE");
    EXPECT_EQ(QueueFileName({999, 1, 1}), "QU01010999.QUE");
}

}  // namespace
}  // namespace tolvane
