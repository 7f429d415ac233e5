#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/reports_dlg.h"
#include "host/file_system.h"
#include "support/recap_fixture.h"

namespace tolvane {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

class RecapDefinitionsTest : public RecapDialogFixture, public ::testing::Test {
  protected:
    // The rows of the table as "product,plu,description,sold,units".
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int row = 0; row < m_dlg.m_List.GetItemCount(); ++row) {
            std::string text;
            for (int column = 0; column < 5; ++column) {
                text += (column > 0 ? "," : "") + Cell(row, column);
            }
            rows.push_back(text);
        }
        return rows;
    }
    void Load(const std::string& fileText) {
        m_drive.WriteFile("C:\\POS\\Brindlemoor_Sales_Recap.csv", fileText);
        m_dlg.PrepareRecapList();
        m_dlg.LoadSalesDefinitions();
    }
};

TEST_F(RecapDefinitionsTest, EachKindOfLine) {
    const std::string kLong(60, 'x');
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> rows;
    } kCases[] = {
        {"item row", "Burger,00123,Big burger,0,2,\r\n", {"Burger,00123,Big burger,0,2"}},
        {"line feed only", "Burger,00123,Big burger,0,2,\n", {"Burger,00123,Big burger,0,2"}},
        {"no final line ending", "Fries,00200,Fries,0,1,", {"Fries,00200,Fries,0,1"}},
        {"header lines in any case",
         "ITEM,PLU,Desc,Sold,Units,\r\nitem,x,\r\nItems,x,\r\nItEmIzed,x,\r\nIT,00001,d,0,1,\r\n",
         {"IT,00001,d,0,1"}},
        {"four characters skipped, five with a comma kept", "ab,c\r\nab,cd\r\n", {"ab,,,,"}},
        {"short and blank lines skipped", "\r\n\r\n    \r\nA,1,\r\n", {}},
        {"no comma: a subtotal row of empty cells", "Subtotal drinks\r\n", {",,,,"}},
        {"units without a closing comma read empty",
         "Soda,00300,Soda,0,6\r\n",
         {"Soda,00300,Soda,0,"}},
        {"fields after the fifth ignored", "a,b,c,d,e,f,g,\r\n", {"a,b,c,d,e"}},
        {"blanks and case kept",
         " pie , 0a1 ,Apple Pie, 0 ,1,\r\n",
         {" pie , 0a1 ,Apple Pie, 0 ,1"}},
        {"no quoting", "\"Pie, apple\",00001,d,0,1,\r\n", {"\"Pie, apple\",00001,d,0"}},
        {"empty fields", "Tea,,,,,\r\n", {"Tea,,,,"}},
        {"a field over 51 characters is cut to 51",
         "P,00001," + kLong + ",0,1,\r\n",
         {"P,00001," + std::string(51, 'x') + ",0,1"}},
        {"order of the file kept",
         "ITEM,,\r\nB,00002,b,0,1,\r\nA,00001,a,0,1,\r\n,,Total,,,\r\n",
         {"B,00002,b,0,1", "A,00001,a,0,1", ",,Total,,"}},
    };
    for (const Case& test : kCases) {
        SCOPED_TRACE(test.name);
        Load(test.file);
        EXPECT_THAT(Rows(), ElementsAreArray(test.rows));
        EXPECT_EQ(m_dlg.m_nItemCount, static_cast<int>(test.rows.size()));
        for (int row = 0; row < m_dlg.m_List.GetItemCount(); ++row) {
            EXPECT_EQ(m_dlg.m_List.GetItemData(row), static_cast<std::uint32_t>(row));
        }
        EXPECT_THAT(m_backend->MessageTexts(), IsEmpty());
    }
}

TEST_F(RecapDefinitionsTest, MissingFileGivesTheMessageAndAnEmptyTable) {
    Load("A,00001,a,0,1,\r\n");
    ASSERT_EQ(m_dlg.m_nItemCount, 1);
    ASSERT_TRUE(RemoveFile("C:\\POS\\Brindlemoor_Sales_Recap.csv"));

    m_dlg.PrepareRecapList();
    m_dlg.LoadSalesDefinitions();

    EXPECT_THAT(m_backend->MessageTexts(), ElementsAre(" Sales definition file missing"));
    EXPECT_EQ(m_backend->Messages()[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(m_dlg.m_nItemCount, 0);
    EXPECT_EQ(m_dlg.m_List.GetItemCount(), 0);
    EXPECT_EQ(m_dlg.m_List.GetColumnCount(), 13);
}

TEST_F(RecapDefinitionsTest, LoadingTwiceGivesTheSameTable) {
    Load("A,00001,a,0,1,\r\nB,00002,b,0,1,\r\n");
    std::vector<std::string> first = Rows();
    m_dlg.PrepareRecapList();
    m_dlg.LoadSalesDefinitions();
    EXPECT_EQ(Rows(), first);
    EXPECT_EQ(m_dlg.m_nItemCount, 2);
}

TEST_F(RecapDefinitionsTest, PrepareRecapListBuildsTheThirteenColumns) {
    // Leftovers of an earlier table of another shape.
    CSortListCtrl& list = m_dlg.m_List;
    list.InsertColumn(0, "Old", LVCFMT_LEFT, 99);
    list.InsertColumn(1, "Older", LVCFMT_LEFT, 99);
    list.AddItem(0, 0, "stale");

    m_dlg.PrepareRecapList();

    struct Expected {
        const char* title;
        int format;
        int width;
    } kColumns[] = {
        {"Product", LVCFMT_LEFT, 25}, {"PLU", LVCFMT_LEFT, 30},    {"Description", LVCFMT_LEFT, 50},
        {"Sold", LVCFMT_RIGHT, 40},   {"Units", LVCFMT_RIGHT, 40}, {"TlUnSold", LVCFMT_RIGHT, 40},
        {"Day1", LVCFMT_RIGHT, 40},   {"Day2", LVCFMT_RIGHT, 40},  {"Day3", LVCFMT_RIGHT, 40},
        {"Day4", LVCFMT_RIGHT, 40},   {"Day5", LVCFMT_RIGHT, 40},  {"Day6", LVCFMT_RIGHT, 40},
        {"Day7", LVCFMT_RIGHT, 40},
    };
    ASSERT_EQ(list.GetColumnCount(), 13);
    for (int column = 0; column < 13; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(list.GetColumn(column).heading, kColumns[column].title);
        EXPECT_EQ(list.GetColumn(column).format, kColumns[column].format);
        EXPECT_EQ(list.GetColumn(column).subItem, column);
        EXPECT_EQ(list.GetColumnWidth(column), kColumns[column].width);
        EXPECT_EQ(m_dlg.m_nColumnWidth[column], kColumns[column].width);
    }
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(m_dlg.m_nColumnCount, 13);
    EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(list.AltRowBkColor(), 0x00B4FFFFu);
    EXPECT_EQ(list.AltRowTextColor(), 0x00000000u);
}

TEST_F(RecapDefinitionsTest, CellsWidenTheirColumnButNeverNarrowIt) {
    m_dlg.PrepareRecapList();
    const int w = CSortListCtrl::kHeadlessCharWidth;
    m_dlg.SetRecapCell(0, 0, "A");  // 7 + 15 = 22 < 25: the starting width stays
    EXPECT_EQ(m_dlg.m_List.GetColumnWidth(0), 25);

    m_dlg.SetRecapCell(0, 2, std::string(51, 'd'));
    EXPECT_EQ(m_dlg.m_List.GetColumnWidth(2), 51 * w + 15);
    EXPECT_EQ(m_dlg.m_nColumnWidth[2], 51 * w + 15);

    m_dlg.SetRecapCell(0, 2, "short");
    EXPECT_EQ(m_dlg.m_List.GetColumnWidth(2), 51 * w + 15);
    EXPECT_EQ(m_dlg.m_List.GetItemText(0, 2), "short");

    // Longer texts are cut to 51 characters and widen only for what is kept.
    m_dlg.SetRecapCell(0, 1, std::string(80, 'p'));
    EXPECT_EQ(m_dlg.m_List.GetItemText(0, 1), std::string(51, 'p'));
    EXPECT_EQ(m_dlg.m_List.GetColumnWidth(1), 51 * w + 15);
}

}  // namespace
}  // namespace tolvane
