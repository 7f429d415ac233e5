// The work sheet and its keypad as real widgets: built from their templates, a value entered on
// the keypad by clicks, both rendered to PNG.
#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <memory>
#include <optional>

#include "framework/backend.h"
#include "host/system.h"
#include "qt/qt_test_support.h"
#include "support/temp_drive.h"
#include "ui/enhanced_button.h"
#include "ui/qt_backend.h"
#include "worksheet/daily_values_dlg.h"
#include "worksheet/work_sheet_dlg.h"

namespace tolvane {
namespace {

constexpr const char* kSpecification =
    "Hamburger Buns,4711,\r\nCheese Slices,4712,\r\nBeef Patties 4:1,4713,\r\n"
    "Chicken Breast,4720,\r\nFrench Fries 9mm,4730,\r\nLettuce Shredded,4740,\r\n"
    "Tomatoes,4741,\r\nOnions,4742,\r\nPickles,4743,\r\nKetchup Portions,4750,\r\n"
    "Mustard Portions,4751,\r\nCola Syrup,4760,\r\nCups 16oz,4770,\r\nNapkins,4780,\r\n";

class WorkSheetSmokeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetBackend(&backend);
        SetClockSource([] { return LocalDateTime{2009, 3, 5, 9, 30, 0}; });
        SetCommandLine("STORE7 1234");
        drive.WriteFile("C:\\POS\\WS.csv", kSpecification);
    }
    void TearDown() override {
        SetBackend(nullptr);
        SetClockSource({});
        SetCommandLine("");
    }

    TempDrive drive;
    QtBackend backend;
};

TEST_F(WorkSheetSmokeTest, SheetAndKeypadTakeAValue) {
    CWorkSheetDlg sheet;
    std::unique_ptr<DialogWindow> sheetWindow(backend.Show(sheet));
    EXPECT_EQ(sheetWindow->windowTitle(),
              QStringLiteral(" Select Data Type---Current Date Thursday, March 05, 2009"));
    auto* table = ControlWidget<QTableView>(*sheetWindow, 1026);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->model()->rowCount(), 14);
    EXPECT_EQ(table->model()->columnCount(), 24);
    EXPECT_EQ(table->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Thr  "));
    EXPECT_EQ(ControlWidget<EnhancedButton>(*sheetWindow, 1034)->text(),
              QStringLiteral("Week Of Year 9   Thursday, March 05, 2009"));

    CDailyValuesDlg keypad;
    keypad.m_pSheet = &sheet;
    keypad.m_nEntryColumn = 1;
    keypad.m_nWeekdayNumber = sheet.m_nWeekdayNumber;
    keypad.m_nRowCount = 14;
    keypad.m_strDescription = sheet.GetSheetCell(0, 0);
    std::unique_ptr<DialogWindow> keypadWindow(backend.Show(keypad));
    EXPECT_EQ(keypadWindow->windowTitle(), QStringLiteral("Enter Daily Values"));
    EXPECT_EQ(ControlWidget<EnhancedButton>(*keypadWindow, 1034)->text(),
              QStringLiteral(" Day 4 "));
    EXPECT_EQ(ControlWidget<QLabel>(*keypadWindow, 1035)->text(), QStringLiteral("Hamburger Buns"));

    ControlWidget<EnhancedButton>(*keypadWindow, 1027)->click();  // 1
    ControlWidget<EnhancedButton>(*keypadWindow, 1028)->click();  // 2
    EXPECT_EQ(ControlWidget<QLineEdit>(*keypadWindow, 1033)->text(), QStringLiteral("12"));
    EXPECT_FALSE(RenderToPng(*keypadWindow, QStringLiteral("keypad")).isEmpty());
    ControlWidget<EnhancedButton>(*keypadWindow, 1036)->click();  // Enter
    EXPECT_EQ(table->model()->index(0, 4).data().toString(), QStringLiteral("12"));
    EXPECT_EQ(table->model()->index(0, 8).data().toString(), QStringLiteral("12"));
    EXPECT_EQ(ControlWidget<QLabel>(*keypadWindow, 1035)->text(), QStringLiteral("Cheese Slices"));
    EXPECT_FALSE(RenderToPng(*sheetWindow, QStringLiteral("work_sheet")).isEmpty());
}

}  // namespace
}  // namespace tolvane
