// The sheet table in the work sheet's list: its columns, cells, widening and week totals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "worksheet/work_sheet_dlg.h"

namespace tolvane {
namespace {

constexpr int kCharWidth = CSortListCtrl::kHeadlessCharWidth;

class SheetTableTest : public ::testing::Test {
  protected:
    void SetUp() override { sheet.SetupSheetColumns(); }
    CWorkSheetDlg sheet;
};

TEST_F(SheetTableTest, ColumnsTakeTheirTitlesWithTrailingBlanks) {
    ASSERT_EQ(sheet.m_lstSheet.GetColumnCount(), kSheetColumnCount);
    const std::vector<std::string> kTitles = {
        "ItemDsc   ", "Mon  ",  "Tus  ",    "Wed  ", "Thr  ",  "Fri  ", "Sat  ", "Sun  ",
        "Mdse  ",     "Crdts ", "Mon  ",    "Tus  ", "Wed  ",  "Thr  ", "Fri  ", "Sat  ",
        "Sun  ",      "TTL  ",  "Transfrs", "QOH  ", "InvNbr", "Store", "Date",  "Count"};
    for (int column = 0; column < kSheetColumnCount; ++column) {
        const std::string& title = kTitles[column];
        EXPECT_EQ(sheet.m_lstSheet.GetColumn(column).heading, title);
        int width = static_cast<int>(title.size()) * kCharWidth + 15;
        EXPECT_EQ(sheet.m_lstSheet.GetColumnWidth(column), width) << column;
        EXPECT_EQ(sheet.m_nSheetColumnWidth[column], width) << column;
    }
    EXPECT_EQ(sheet.m_lstSheet.GetExtendedStyle(), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);

    // Setting the columns up again starts from an empty list.
    sheet.SetSheetCell(0, 0, "Buns");
    sheet.SetSheetCell(0, 0, std::string(30, 'x'));
    sheet.SetupSheetColumns();
    EXPECT_EQ(sheet.m_lstSheet.GetItemCount(), 0);
    EXPECT_EQ(sheet.m_lstSheet.GetColumnCount(), kSheetColumnCount);
    EXPECT_EQ(sheet.m_nSheetColumnWidth[0], 10 * kCharWidth + 15);
}

TEST_F(SheetTableTest, ColumnZeroAddsARowOtherColumnsSetCellsOfExistingRows) {
    sheet.SetSheetCell(0, 0, "Buns");
    sheet.SetSheetCell(1, 0, "Cheese");
    sheet.SetSheetCell(0, 0, "Lettuce");  // inserted before Buns
    sheet.SetSheetCell(2, 20, "4711");
    sheet.SetSheetCell(3, 20, "no row");
    sheet.SetSheetCell(0, 24, "no column");
    ASSERT_EQ(sheet.m_lstSheet.GetItemCount(), 3);
    EXPECT_EQ(sheet.GetSheetCell(0, 0), "Lettuce");
    EXPECT_EQ(sheet.GetSheetCell(1, 0), "Buns");
    EXPECT_EQ(sheet.GetSheetCell(2, 0), "Cheese");
    EXPECT_EQ(sheet.GetSheetCell(2, 20), "4711");
    EXPECT_EQ(sheet.GetSheetCell(3, 20), "");
    EXPECT_EQ(sheet.GetSheetCell(7, 0), "");
}

TEST_F(SheetTableTest, ColumnsWidenToTheTextPlusOnePixelAndNeverShrink) {
    const int title = 5 * kCharWidth + 15;  // "Mon  " and 15 pixels: 50
    sheet.SetSheetCell(0, 0, "Buns");
    sheet.SetSheetCell(0, 1, std::string(7, '9'));  // 49 + 1: no wider than the title
    EXPECT_EQ(sheet.m_lstSheet.GetColumnWidth(1), title);
    sheet.SetSheetCell(0, 1, std::string(8, '9'));  // 56 + 1
    EXPECT_EQ(sheet.m_lstSheet.GetColumnWidth(1), 57);
    EXPECT_EQ(sheet.m_nSheetColumnWidth[1], 57);
    sheet.SetSheetCell(0, 1, "1");
    EXPECT_EQ(sheet.m_lstSheet.GetColumnWidth(1), 57);
    // A cell of a missing row is not set and widens nothing.
    sheet.SetSheetCell(5, 2, std::string(20, '9'));
    EXPECT_EQ(sheet.m_lstSheet.GetColumnWidth(2), title);
}

TEST_F(SheetTableTest, CellTextsAreCutToThirtyNineCharacters) {
    const std::string kLong = "Hamburger Buns, sesame, 4 inch, case of 48 dozen";
    sheet.SetSheetCell(0, 0, kLong);
    sheet.SetSheetCell(0, 20, kLong);
    EXPECT_EQ(sheet.GetSheetCell(0, 0), kLong.substr(0, 39));
    EXPECT_EQ(sheet.GetSheetCell(0, 20), kLong.substr(0, 39));
    EXPECT_EQ(sheet.m_lstSheet.GetColumnWidth(0), 39 * kCharWidth + 1);
}

TEST_F(SheetTableTest, GroupTotalAddsTheCountsOfTheSevenDayCells) {
    const struct {
        std::vector<std::string> days;  // Monday to Sunday
        std::string total;
    } kCases[] = {
        {{"12", "", "005", "", "", "", ""}, "17"},
        {{"", "", "", "", "", "", ""}, "0"},
        {{" 7", "-2", "abc", "3x", "+1", "", ""}, "9"},
        {{"2147483647", "2147483647", "2147483647", "2147483647", "2147483647", "2147483647",
          "2147483647"},
         "15032385529"},
    };
    for (const auto& c : kCases) {
        for (int group : {kDataReceiving, kDataWaste}) {
            CWorkSheetDlg table;
            table.SetupSheetColumns();
            table.SetSheetCell(0, 0, "Buns");
            table.SetSheetCell(0, group + 7, "junk");  // a stale total, replaced
            for (int day = 0; day < 7; ++day) {
                table.SetSheetCell(0, group + day, c.days[day]);
            }
            table.UpdateGroupTotal(0, group);
            EXPECT_EQ(table.GetSheetCell(0, group + 7), c.total) << group;
        }
    }
}

TEST_F(SheetTableTest, GroupTotalIsOnlyForTheDailyTypesAndOnlyForItsRow) {
    sheet.SetSheetCell(0, 0, "Buns");
    sheet.SetSheetCell(1, 0, "Cheese");
    for (int row = 0; row < 2; ++row) {
        for (int column = 1; column < kSheetColumnCount; ++column) {
            sheet.SetSheetCell(row, column, "1");
        }
    }
    for (int column : {0, 2, kDataCredits, kDataTransfers, kDataQoh, 23}) {
        sheet.UpdateGroupTotal(0, column);
    }
    sheet.UpdateGroupTotal(0, kDataWaste);
    for (int column = 1; column < kSheetColumnCount; ++column) {
        EXPECT_EQ(sheet.GetSheetCell(0, column), column == 17 ? "7" : "1") << column;
        EXPECT_EQ(sheet.GetSheetCell(1, column), "1") << column;
    }
    sheet.UpdateGroupTotal(9, kDataReceiving);  // no such row: nothing happens
    EXPECT_EQ(sheet.m_lstSheet.GetItemCount(), 2);
}

}  // namespace
}  // namespace tolvane
