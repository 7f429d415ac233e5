// The daily values keypad: its entry rules on a sheet table built in code, and its window.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/headless_backend.h"
#include "worksheet/daily_values_dlg.h"
#include "worksheet/keypad_entry.h"
#include "worksheet/work_sheet_dlg.h"

namespace tolvane {
namespace {

// A work sheet whose table is made in code; the window is never opened.
class KeypadEntryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sheet.SetupSheetColumns();
        for (int row = 0; row < 3; ++row) {
            sheet.SetSheetCell(row, 0, "Item " + std::to_string(row));
        }
    }

    // Keypad on a data type for Thursday (weekday 4), from row 0.
    KeypadEntry Keypad(int entryColumn, int weekday = 4) {
        return KeypadEntry(sheet, entryColumn, weekday, sheet.m_lstSheet.GetItemCount(), 0);
    }

    std::string Cell(int row, int column) const { return sheet.GetSheetCell(row, column); }

    CWorkSheetDlg sheet;
};

TEST_F(KeypadEntryTest, BufferKeepsSevenDigitsAndLeadingZeros) {
    KeypadEntry keypad = Keypad(kDataReceiving);
    std::vector<std::string> shown;
    for (char digit : std::string("12345678")) {
        KeypadDisplay display = keypad.AppendDigit(digit);
        ASSERT_TRUE(display.value.has_value());
        EXPECT_FALSE(display.description.has_value());
        shown.push_back(*display.value);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "12", "123", "1234", "12345", "123456",
                                               "1234567", "1234567"}));
    EXPECT_EQ(keypad.Entry(), "1234567");
    EXPECT_FALSE(keypad.AppendDigit('x').value.has_value());
    EXPECT_EQ(keypad.Entry(), "1234567");

    KeypadEntry zeros = Keypad(kDataReceiving);
    zeros.AppendDigit('0');
    zeros.AppendDigit('0');
    zeros.AppendDigit('5');
    zeros.Enter();
    EXPECT_EQ(Cell(0, 4), "005");
    EXPECT_EQ(Cell(0, 8), "5");
}

TEST_F(KeypadEntryTest, CorrectEntryTakesDigitsBackAndThenChangesNothing) {
    KeypadEntry keypad = Keypad(kDataReceiving);
    keypad.AppendDigit('1');
    keypad.AppendDigit('2');
    EXPECT_EQ(keypad.CorrectEntry().value, std::optional<std::string>("1"));
    EXPECT_EQ(keypad.CorrectEntry().value, std::optional<std::string>(""));
    KeypadDisplay third = keypad.CorrectEntry();
    EXPECT_FALSE(third.value.has_value());  // the edit control is left alone
    EXPECT_EQ(keypad.Entry(), "");
    // The pending correction was used up: the next digit is kept.
    EXPECT_EQ(keypad.AppendDigit('9').value, std::optional<std::string>("9"));
}

TEST_F(KeypadEntryTest, RowChangeShowsTheStoredValueWhichCorrectEntryLeavesOnShow) {
    sheet.SetSheetCell(1, 4, "42");
    KeypadEntry keypad = Keypad(kDataReceiving);
    keypad.AppendDigit('7');
    KeypadDisplay down = keypad.Down();
    EXPECT_EQ(down.value, std::optional<std::string>("42"));
    EXPECT_EQ(down.description, std::optional<std::string>("Item 1"));
    EXPECT_EQ(keypad.Entry(), "");  // the 7 was never stored
    EXPECT_EQ(Cell(0, 4), "");
    EXPECT_FALSE(keypad.CorrectEntry().value.has_value());
}

TEST_F(KeypadEntryTest, EnterOnAnEmptyBufferErasesTheCellAndTheTotalFollows) {
    sheet.SetSheetCell(1, 13, "4");
    sheet.SetSheetCell(1, 15, "6");
    sheet.UpdateGroupTotal(1, kDataWaste);
    ASSERT_EQ(Cell(1, 17), "10");

    KeypadEntry keypad = Keypad(kDataWaste);  // Thursday: column 13
    keypad.Down();
    keypad.Enter();
    EXPECT_EQ(Cell(1, 13), "");
    EXPECT_EQ(Cell(1, 17), "6");
    EXPECT_EQ(keypad.Row(), 2);
}

TEST_F(KeypadEntryTest, EnterWalksDownAndWrapsUpStopsAtTheTop) {
    KeypadEntry keypad = Keypad(kDataReceiving, 7);  // Sunday: column 7
    for (char digit : std::string("123")) {
        keypad.AppendDigit(digit);
        keypad.Enter();
    }
    EXPECT_EQ(Cell(0, 7), "1");
    EXPECT_EQ(Cell(1, 7), "2");
    EXPECT_EQ(Cell(2, 7), "3");
    EXPECT_EQ(Cell(2, 8), "3");
    EXPECT_EQ(keypad.Row(), 0);

    EXPECT_EQ(keypad.Up().description, std::optional<std::string>("Item 0"));
    EXPECT_EQ(keypad.Row(), 0);
    keypad.Down();
    keypad.Down();
    EXPECT_EQ(keypad.Up().value, std::optional<std::string>("2"));
    EXPECT_EQ(keypad.Row(), 1);
}

TEST_F(KeypadEntryTest, EachDataTypeWritesItsColumnAndOnlyDailyTypesTotal) {
    const struct {
        int entryColumn;
        int weekday;
        int column;
        int total;  // -1: no total column
    } kCases[] = {
        {kDataReceiving, 7, 7, 8}, {kDataWaste, 1, 10, 17},     {kDataQoh, 4, 19, -1},
        {kDataCredits, 7, 9, -1},  {kDataTransfers, 2, 18, -1},
    };
    for (const auto& c : kCases) {
        CWorkSheetDlg fresh;
        fresh.SetupSheetColumns();
        fresh.SetSheetCell(0, 0, "Buns");
        KeypadEntry keypad(fresh, c.entryColumn, c.weekday, 1, 0);
        keypad.AppendDigit('8');
        keypad.Enter();
        for (int column = 1; column < kSheetColumnCount; ++column) {
            std::string expected = column == c.column || column == c.total ? "8" : "";
            // A daily type's other total stays empty; its own is written.
            EXPECT_EQ(fresh.GetSheetCell(0, column), expected)
                << "type " << c.entryColumn << " column " << column;
        }
    }
}

TEST_F(KeypadEntryTest, EmptyTableShowsEmptyTextsAndChangesNothing) {
    CWorkSheetDlg empty;
    empty.SetupSheetColumns();
    KeypadEntry keypad(empty, kDataReceiving, 4, 0, 0);
    keypad.AppendDigit('5');
    KeypadDisplay display = keypad.Enter();
    EXPECT_EQ(display.value, std::optional<std::string>(""));
    EXPECT_EQ(display.description, std::optional<std::string>(""));
    EXPECT_EQ(keypad.Row(), 0);
    keypad.Down();
    keypad.Up();
    EXPECT_EQ(keypad.Row(), 0);
    EXPECT_EQ(empty.m_lstSheet.GetItemCount(), 0);
}

// The keypad's window, opened on a sheet made in code.
class DailyValuesDlgTest : public KeypadEntryTest {
  protected:
    void Open(int entryColumn, int weekday) {
        keypad.m_pSheet = &sheet;
        keypad.m_nEntryColumn = entryColumn;
        keypad.m_nWeekdayNumber = weekday;
        keypad.m_nRowCount = sheet.m_lstSheet.GetItemCount();
        keypad.m_nStartRow = 0;
        keypad.m_strDescription = sheet.GetSheetCell(0, 0);
        ui->Open(keypad);
    }

    ScopedHeadlessBackend ui;
    CDailyValuesDlg keypad;
};

TEST_F(DailyValuesDlgTest, OpensWithTheDayBannerAndTheFirstRowsValueHidden) {
    sheet.SetSheetCell(0, 3, "77");
    Open(kDataReceiving, 3);
    EXPECT_EQ(keypad.GetWindowText(), "Enter Daily Values");
    EXPECT_EQ(CaptionOf(keypad, 1034), " Day 3 ");
    EXPECT_EQ(keypad.m_btnDayBanner.TextColor(), std::optional<COLORREF>(0x00FFFFFF));
    EXPECT_EQ(keypad.m_btnDayBanner.BackColor(), std::optional<COLORREF>(0x00FF0000));
    EXPECT_TRUE(IsVisible(keypad, 1034));
    EXPECT_EQ(CaptionOf(keypad, 1035), "Item 0");
    EXPECT_EQ(CaptionOf(keypad, 1033), "");  // the stored 77 is not shown yet

    ASSERT_TRUE(Click(keypad, 1044));  // Down
    ASSERT_TRUE(Click(keypad, 1043));  // Up
    EXPECT_EQ(CaptionOf(keypad, 1033), "77");
    EXPECT_EQ(CaptionOf(keypad, 1035), "Item 0");
}

TEST_F(DailyValuesDlgTest, EveryDigitButtonAppendsItsDigit) {
    Open(kDataQoh, 4);
    const int kDigitIds[] = {1042, 1027, 1028, 1029, 1030, 1031, 1032, 1038, 1039, 1040};
    std::string typed;
    for (int digit = 0; digit < 10; ++digit) {
        Click(keypad, kDigitIds[digit]);
        typed += static_cast<char>('0' + digit);
        if (typed.size() == KeypadEntry::kMaxDigits) {
            EXPECT_EQ(CaptionOf(keypad, 1033), typed);
            Click(keypad, 1036);  // Enter
            EXPECT_EQ(sheet.GetSheetCell(0, 19), typed);
            typed.clear();
        }
    }
    EXPECT_EQ(CaptionOf(keypad, 1033), "789");
    Click(keypad, 1037);  // Correct entry
    EXPECT_EQ(CaptionOf(keypad, 1033), "78");
}

TEST_F(DailyValuesDlgTest, KeyboardEnterMovesTheFocusAndStoresNothing) {
    Open(kDataReceiving, 4);
    Click(keypad, 1027);
    EXPECT_EQ(PressKey(keypad, VK_RETURN), VK_TAB);
    EXPECT_FALSE(keypad.IsEnded());
    EXPECT_EQ(sheet.GetSheetCell(0, 4), "");
    EXPECT_EQ(keypad.Entry()->Row(), 0);

    EXPECT_EQ(PressKey(keypad, VK_ESCAPE), VK_ESCAPE);
    EXPECT_TRUE(keypad.IsEnded());
    EXPECT_EQ(keypad.ModalResult(), IDCANCEL);
}

TEST_F(DailyValuesDlgTest, CloseBoxKeepsWhatWasEntered) {
    Open(kDataReceiving, 4);
    Click(keypad, 1029);
    Click(keypad, 1036);
    ASSERT_TRUE(CloseBox(keypad));
    EXPECT_TRUE(keypad.IsEnded());
    EXPECT_EQ(sheet.GetSheetCell(0, 4), "3");
    EXPECT_EQ(sheet.GetSheetCell(0, 8), "3");
}

}  // namespace
}  // namespace tolvane
