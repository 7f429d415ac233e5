#include "controls/sort_list_ctrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tolvane {
namespace {

// A list with one column and the given texts in column 0.
void Fill(CSortListCtrl& list, const std::vector<std::string>& texts, int columns = 1) {
    for (int column = 0; column < columns; ++column) {
        list.AddColumn("C" + std::to_string(column), column);
    }
    for (int row = 0; row < static_cast<int>(texts.size()); ++row) {
        list.AddItem(row, 0, texts[row]);
    }
}

std::vector<std::string> Column0(const CSortListCtrl& list) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        texts.push_back(list.GetItemText(row, 0));
    }
    return texts;
}

TEST(SortListCtrl, AddColumnIsHeadingWidthPlus15) {
    CSortListCtrl list;
    EXPECT_EQ(list.AddColumn("Mon  ", 0), 0);
    EXPECT_EQ(list.AddColumn("ItemDsc   ", 0), 0);
    EXPECT_EQ(list.GetColumnWidth(0), list.GetStringWidth("ItemDsc   ") + 15);
    EXPECT_EQ(list.GetColumnWidth(1), list.GetStringWidth("Mon  ") + 15);
    EXPECT_EQ(list.GetColumn(0).heading, "ItemDsc   ");
}

TEST(SortListCtrl, AddItemCreatesRowsAndSetsCells) {
    CSortListCtrl list;
    Fill(list, {}, 3);
    EXPECT_EQ(list.AddItem(0, 0, "first"), 0);
    EXPECT_EQ(list.AddItem(1, 0, "second"), 1);
    EXPECT_NE(list.AddItem(1, 2, "cell"), 0);
    EXPECT_EQ(list.AddItem(5, 1, "no such row"), 0);
    EXPECT_EQ(list.GetItemText(1, 2), "cell");
    EXPECT_EQ(list.GetItemText(1, 1), "");  // never written
    EXPECT_EQ(list.GetItemText(9, 0), "");  // no such row
    EXPECT_EQ(list.GetItemData(1), 1u);
}

TEST(SortListCtrl, CompareTextsFoldsOnlyAsciiLetters) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"Apple", "apple", 0}, {"ab", "abc", -1},  {"_", "a", -1},
        {"10", "9", -1},       {"B", "a", 1},      {"", "", 0},
        {"\xE9", "\xC9", 1},   {"ABC", "abd", -1}, {"z", "\x80", -1},
    };
    for (const Case& c : cases) {
        int order = CSortListCtrl::CompareTexts(c.a, c.b);
        EXPECT_EQ((order > 0) - (order < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST(SortListCtrl, HeaderClicksSortAndToggleOnlyOnTheSameColumn) {
    CSortListCtrl list;
    Fill(list, {"b", "C", "a"}, 2);
    list.AddItem(0, 1, "2");
    list.AddItem(1, 1, "1");
    list.AddItem(2, 1, "3");

    list.OnColumnClick(0);  // the first sort is ascending
    EXPECT_EQ(Column0(list), (std::vector<std::string>{"a", "b", "C"}));
    list.OnColumnClick(0);
    EXPECT_EQ(Column0(list), (std::vector<std::string>{"C", "b", "a"}));
    list.OnColumnClick(1);  // another column keeps the direction last used
    EXPECT_FALSE(list.SortAscending());
    EXPECT_EQ(Column0(list), (std::vector<std::string>{"a", "b", "C"}));
    EXPECT_EQ(list.GetItemText(0, 1), "3");
}

TEST(SortListCtrl, ItemDataHoldsTheIndexBeforeTheSort) {
    CSortListCtrl list;
    Fill(list, {"c", "a", "b"});
    list.OnColumnClick(0);
    // a was row 1, b row 2, c row 0 just before the sort.
    EXPECT_EQ(list.GetItemData(0), 1u);
    EXPECT_EQ(list.GetItemData(1), 2u);
    EXPECT_EQ(list.GetItemData(2), 0u);
}

TEST(SortListCtrl, EqualTextsKeepTheirOrderAndEmptyListSorts) {
    CSortListCtrl list;
    Fill(list, {"abc", "x", "ABC", "Abc"});
    list.OnColumnClick(0);
    EXPECT_EQ(Column0(list), (std::vector<std::string>{"abc", "ABC", "Abc", "x"}));

    CSortListCtrl empty;
    empty.AddColumn("C", 0);
    empty.OnColumnClick(0);
    EXPECT_EQ(empty.GetItemCount(), 0);
}

TEST(SortListCtrl, SelectItemClearsOnlyItsOwnPreviousRow) {
    CSortListCtrl list;
    Fill(list, {"0", "1", "2", "3", "4", "5"});
    list.SetSelectedByUser(1, true);
    list.SelectItem(3);
    list.SelectItem(5);
    EXPECT_FALSE(list.IsSelected(3));
    EXPECT_TRUE(list.IsSelected(5));
    EXPECT_TRUE(list.IsSelected(1));
    EXPECT_EQ(list.GetNextSelected(-1), 1);
    EXPECT_EQ(list.GetNextSelected(1), 5);
    EXPECT_EQ(list.GetNextSelected(5), -1);
}

TEST(SortListCtrl, TextBackgroundStandsOutWhenFaceAndWindowCoincide) {
    struct Case {
        COLORREF textBk, face, window, expected;
    } cases[] = {
        {CLR_DEFAULT, 0x00FFFFFF, 0x00FFFFFF, 0x00C0C0C0},
        {CLR_DEFAULT, 0x00C0C0C0, 0x00C0C0C0, 0x00FFFFFF},
        {CLR_DEFAULT, 0x00535353, 0x00535353, 0x00000000},
        {CLR_NONE, 0x00202020, 0x00202020, 0x00535353},
        {CLR_DEFAULT, 0x00F0F0F0, 0x00FFFFFF, CLR_DEFAULT},  // colours differ: unchanged
        {0x00123456, 0x00FFFFFF, 0x00FFFFFF, 0x00123456},    // a real colour stays
    };
    for (const Case& c : cases) {
        CSortListCtrl list;
        list.SetTextBkColor(c.textBk);
        list.PreSubclassWindow(c.face, c.window);
        EXPECT_EQ(list.GetTextBkColor(), c.expected) << std::hex << c.face;
    }
}

}  // namespace
}  // namespace tolvane
