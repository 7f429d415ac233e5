// The week's files of the work sheet: a new week from the item list, saved sheets
// read back and written again byte for byte, and the ways a week's file can go wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/headless_backend.h"
#include "host/paths.h"
#include "support/sheet_test_env.h"
#include "worksheet/work_sheet_dlg.h"

namespace tolvane {
namespace {

const std::string kSaveFailed =
    "Work Sheet NOT saved: C:\\Store\\WS\\WS123409.csv could not be written. The entries are "
    "still on the screen; close any program that has this file open and press Save again.";

// The line of an item just taken from the item list.
std::string NewItemLine(const std::string& description, const std::string& inventory,
                        const std::string& stamp, int count) {
    return SheetLine({{0, description},
                      {20, inventory},
                      {21, "1234"},
                      {22, stamp},
                      {23, std::to_string(count)}});
}

class SheetFilesTest : public ::testing::Test {
  protected:
    void Open(CWorkSheetDlg& dialog) { ui->Open(dialog); }

    std::string Cell(const CWorkSheetDlg& dialog, int row, int column) const {
        return dialog.GetSheetCell(row, column);
    }

    SheetTestEnv env;
    ScopedHeadlessBackend ui;
};

TEST_F(SheetFilesTest, NewWeekStartsFromTheSpecificationAndIsWrittenAtOnce) {
    const std::string kLong = "Sesame Seed Hamburger Buns 4 Inch Premium Case";
    env.drive.WriteFile(kSpecFile,
                        "Hamburger Buns,4711,\r\n"
                        "Cheese Slices,4712,ignored,\r\n"
                        "No comma here\r\n"
                        "Lettuce,4713\r\n" +
                            kLong + ",4714,\r\n");
    ASSERT_FALSE(env.drive.Exists("C:\\Store"));  // a new store: no sheet directory yet

    CWorkSheetDlg sheet;
    Open(sheet);
    EXPECT_TRUE(ui->Messages().empty());
    EXPECT_EQ(sheet.m_strSheetFile, kWeekFile);
    ASSERT_EQ(sheet.m_lstSheet.GetItemCount(), 5);
    EXPECT_EQ(Cell(sheet, 1, 0), "Cheese Slices");
    EXPECT_EQ(Cell(sheet, 1, 20), "4712");
    EXPECT_EQ(Cell(sheet, 2, 0), "");
    EXPECT_EQ(Cell(sheet, 3, 20), "");
    EXPECT_EQ(Cell(sheet, 4, 23), "4");

    // Written in the saved layout, every row, the long description cut to 39 characters.
    EXPECT_EQ(env.drive.ReadFile(kWeekFile),
              kHeader + NewItemLine("Hamburger Buns", "4711", "20090305", 0) +
                  NewItemLine("Cheese Slices", "4712", "20090305", 1) +
                  NewItemLine("", "", "20090305", 2) + NewItemLine("Lettuce", "", "20090305", 3) +
                  NewItemLine(kLong.substr(0, 39), "4714", "20090305", 4));

    // Closed without Save and opened again, the week reads back as it was created: the first
    // item is not taken for a header and no inventory number lands in a day column.
    CWorkSheetDlg again;
    Open(again);
    ASSERT_EQ(again.m_lstSheet.GetItemCount(), 5);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < kSheetColumnCount; ++column) {
            EXPECT_EQ(Cell(again, row, column), Cell(sheet, row, column)) << row << "," << column;
        }
    }
}

TEST_F(SheetFilesTest, MissingSpecificationLeavesTheTableEmpty) {
    CWorkSheetDlg sheet;
    Open(sheet);
    ASSERT_EQ(ui->MessageTexts(),
              std::vector<std::string>{" Work Sheet specification file missing"});
    EXPECT_EQ(ui->Messages()[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(sheet.m_lstSheet.GetItemCount(), 0);
    EXPECT_FALSE(env.drive.Exists(kWeekFile));
    EXPECT_TRUE(env.drive.Exists("C:\\Store\\WS"));
    // Save has nothing to write and writes nothing: the week will still start from the
    // item list once it is there.
    ASSERT_TRUE(Click(sheet, 1042));
    EXPECT_FALSE(env.drive.Exists(kWeekFile));
    EXPECT_EQ(ui->Messages().size(), 1u);
}

TEST_F(SheetFilesTest, SavedSheetRoundTripsByteForByte) {
    // Created on Monday of this week; opened on Thursday it is this week's sheet.
    const std::string kSaved =
        kHeader + "Hamburger Buns,12,,,,,,,12,,,3,,,,,,3,,,4711,1234,20090302,0,\r\n" +
        SheetLine({{5, "7"}, {8, "7"}, {21, "1234"}, {22, "20090302"}, {23, "1"}}) +
        SheetLine({{0, "Cheese Slices"},
                   {1, "0000001"},
                   {2, "2"},
                   {3, "3"},
                   {4, "4"},
                   {5, "5"},
                   {6, "6"},
                   {7, "7"},
                   {8, "99"},
                   {9, "1"},
                   {10, "9999999"},
                   {17, "-4"},
                   {18, "12"},
                   {19, "012"},
                   {20, std::string(39, 'N')},
                   {21, "1234"},
                   {22, "20090302"},
                   {23, "2"}}) +
        SheetLine({});
    env.drive.WriteFile(kWeekFile, kSaved);
    env.drive.WriteFile(kSpecFile, "Other,1,\r\n");

    CWorkSheetDlg sheet;
    Open(sheet);
    EXPECT_TRUE(ui->Messages().empty());
    ASSERT_EQ(sheet.m_lstSheet.GetItemCount(), 4);
    EXPECT_EQ(Cell(sheet, 0, 11), "3");
    EXPECT_EQ(Cell(sheet, 2, 8), "99");  // totals are taken as saved, not recomputed
    ASSERT_TRUE(Click(sheet, 1042));
    EXPECT_EQ(env.drive.ReadFile(kWeekFile), kSaved);
    EXPECT_TRUE(ui->Messages().empty());
}

TEST_F(SheetFilesTest, WeeklySheetFieldsEndAtTheirCommas) {
    env.drive.WriteFile("C:\\Store\\WS\\odd.csv",
                        "Buns,1,\r\n"   // the first line is skipped, item or not
                        "Cheese,2,3\n"  // text after the last comma is no field
                        "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t,u,v,w,x,y,z,\r\n");
    CWorkSheetDlg sheet;
    sheet.SetupSheetColumns();
    sheet.m_strSheetFile = "C:\\Store\\WS\\odd.csv";
    sheet.LoadWeeklySheet();
    ASSERT_EQ(sheet.m_lstSheet.GetItemCount(), 2);
    EXPECT_EQ(Cell(sheet, 0, 0), "Cheese");
    EXPECT_EQ(Cell(sheet, 0, 1), "2");
    EXPECT_EQ(Cell(sheet, 0, 2), "");
    EXPECT_EQ(Cell(sheet, 1, 23), "x");

    ASSERT_TRUE(sheet.SaveSheet());
    EXPECT_EQ(env.drive.ReadFile("C:\\Store\\WS\\odd.csv"),
              kHeader + SheetLine({{0, "Cheese"}, {1, "2"}}) +
                  "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t,u,v,w,x,\r\n");
}

TEST_F(SheetFilesTest, SaveWritesEveryRowPastEmptyDescriptionsAndAThousandRows) {
    std::string items;
    for (int item = 0; item < 1205; ++item) {
        items += item == 1 ? "\r\n"
                           : "Item " + std::to_string(item) + "," + std::to_string(item) + ",\r\n";
    }
    env.drive.WriteFile(kSpecFile, items);
    CWorkSheetDlg sheet;
    Open(sheet);
    ASSERT_EQ(sheet.m_lstSheet.GetItemCount(), 1205);
    sheet.SetSheetCell(1204, 19, "8");
    ASSERT_TRUE(Click(sheet, 1042));

    std::string saved = env.drive.ReadFile(kWeekFile);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = saved.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(saved.substr(start, end - start + 2));
    }
    ASSERT_EQ(lines.size(), 1206u);
    EXPECT_EQ(lines[2], NewItemLine("", "", "20090305", 1));
    EXPECT_EQ(lines[1205], SheetLine({{0, "Item 1204"},
                                      {19, "8"},
                                      {20, "1204"},
                                      {21, "1234"},
                                      {22, "20090305"},
                                      {23, "1204"}}));
}

TEST_F(SheetFilesTest, SaveFollowsTheSortedOrderAndKeepsTheCounts) {
    env.drive.WriteFile(kSpecFile, "Cheese,2,\r\nBuns,1,\r\nLettuce,3,\r\n");
    CWorkSheetDlg sheet;
    Open(sheet);
    ASSERT_TRUE(ClickHeader(sheet, 1026, 0));
    ASSERT_TRUE(Click(sheet, 1042));
    EXPECT_EQ(env.drive.ReadFile(kWeekFile), kHeader + NewItemLine("Buns", "1", "20090305", 1) +
                                                 NewItemLine("Cheese", "2", "20090305", 0) +
                                                 NewItemLine("Lettuce", "3", "20090305", 2));
}

TEST_F(SheetFilesTest, AnotherYearsSheetIsKeptAndTheWeekStartsAfresh) {
    const std::string kOld =
        kHeader + "Hamburger Buns,12,,,,,,,12,,,3,,,,,,3,,,4711,1234,20090302,0,\r\n";
    env.drive.WriteFile(kWeekFile, kOld);
    env.drive.WriteFile(kSpecFile, "Hamburger Buns,4711,\r\nCheese,4712,\r\n");
    env.SetToday({2010, 3, 4});  // Thursday of week 9 in 2010

    CWorkSheetDlg sheet;
    Open(sheet);
    EXPECT_TRUE(ui->Messages().empty());
    EXPECT_EQ(sheet.m_nWeekOfYear, 9);
    EXPECT_EQ(env.drive.ReadFile("C:\\Store\\WS\\WS123409-20090302.csv"), kOld);
    EXPECT_EQ(env.drive.ReadFile(kWeekFile),
              kHeader + NewItemLine("Hamburger Buns", "4711", "20100304", 0) +
                  NewItemLine("Cheese", "4712", "20100304", 1));
    ASSERT_EQ(sheet.m_lstSheet.GetItemCount(), 2);
    EXPECT_EQ(Cell(sheet, 0, 1), "");  // last year's 12 is not this year's Monday
}

TEST_F(SheetFilesTest, AKeptSheetIsNeverReplaced) {
    const std::string kOld = kHeader + NewItemLine("Buns", "1", "20090302", 0);
    const std::string kEarlier = "kept before\r\n";
    env.drive.WriteFile(kWeekFile, kOld);
    env.drive.WriteFile("C:\\Store\\WS\\WS123409-20090302.csv", kEarlier);
    env.drive.WriteFile(kSpecFile, "Buns,1,\r\n");
    env.SetToday({2010, 3, 1});

    CWorkSheetDlg sheet;
    Open(sheet);
    EXPECT_EQ(env.drive.ReadFile("C:\\Store\\WS\\WS123409-20090302.csv"), kEarlier);
    EXPECT_EQ(env.drive.ReadFile("C:\\Store\\WS\\WS123409-20090302-2.csv"), kOld);
    EXPECT_EQ(env.drive.ReadFile(kWeekFile), kHeader + NewItemLine("Buns", "1", "20100301", 0));
}

TEST_F(SheetFilesTest, PlainCopyOfTheSpecificationStartsTheWeekAfresh) {
    // Left by an older version of the program when a new week was closed without Save.
    env.drive.WriteFile(kWeekFile, "Hamburger Buns,4711,\r\nCheese,4712,\r\n");
    env.drive.WriteFile(kSpecFile, "Hamburger Buns,4711,\r\nCheese,4712,\r\nOnions,4713,\r\n");
    CWorkSheetDlg sheet;
    Open(sheet);
    ASSERT_EQ(sheet.m_lstSheet.GetItemCount(), 3);
    EXPECT_EQ(Cell(sheet, 0, 0), "Hamburger Buns");
    EXPECT_EQ(Cell(sheet, 0, 1), "");
    EXPECT_EQ(Cell(sheet, 0, 20), "4711");
    EXPECT_EQ(env.drive.ReadFile(kWeekFile).substr(0, kHeader.size()), kHeader);
}

TEST_F(SheetFilesTest, SaveThatCannotWriteTellsThePersonAndKeepsTheEntries) {
    env.drive.WriteFile(kSpecFile, "Buns,1,\r\n");
    env.drive.WriteFile("C:\\Store\\WS", "a file where the sheet directory belongs");

    CWorkSheetDlg sheet;
    Open(sheet);
    EXPECT_EQ(ui->MessageTexts(), std::vector<std::string>{kSaveFailed});
    ASSERT_EQ(sheet.m_lstSheet.GetItemCount(), 1);

    sheet.SetSheetCell(0, 4, "12");
    ASSERT_TRUE(Click(sheet, 1042));
    EXPECT_EQ(ui->MessageTexts(), (std::vector<std::string>{kSaveFailed, kSaveFailed}));
    EXPECT_EQ(Cell(sheet, 0, 4), "12");

    // Print does not hand over a file that lacks the entries on the screen (no wait cursor, and
    // no message of a failed start).
    ASSERT_TRUE(Click(sheet, 1044));
    EXPECT_EQ(ui->Messages().size(), 3u);
    EXPECT_EQ(ui->WaitCursorShows(), 0);
    EXPECT_EQ(Cell(sheet, 0, 4), "12");
}

TEST_F(SheetFilesTest, AnEmptyTableNeverReplacesASavedSheet) {
    const std::string kSaved = kHeader + NewItemLine("Buns", "1", "20090305", 0);
    env.drive.WriteFile(kWeekFile, kSaved);
    CWorkSheetDlg sheet;
    Open(sheet);
    ASSERT_EQ(sheet.m_lstSheet.GetItemCount(), 1);
    sheet.m_lstSheet.DeleteAllItems();  // as when the file could not be read at opening
    EXPECT_FALSE(sheet.SaveSheet());
    EXPECT_EQ(env.drive.ReadFile(kWeekFile), kSaved);
    EXPECT_TRUE(ui->Messages().empty());
}

TEST_F(SheetFilesTest, SaveReplacesTheFileByRenamingANewOne) {
    namespace fs = std::filesystem;
    const std::string kSaved = kHeader + NewItemLine("Buns", "1", "20090305", 0);
    env.drive.WriteFile(kWeekFile, kSaved);
    CWorkSheetDlg sheet;
    Open(sheet);
    // A second name for the old file: a save that rewrote the file in place would change it.
    fs::path link = fs::path(env.drive.DriveC()) / "old-sheet.csv";
    fs::create_hard_link(HostPath(kWeekFile), link);

    sheet.SetSheetCell(0, 4, "12");
    ASSERT_TRUE(sheet.SaveSheet());
    EXPECT_EQ(
        env.drive.ReadFile(kWeekFile),
        kHeader +
            SheetLine(
                {{0, "Buns"}, {4, "12"}, {20, "1"}, {21, "1234"}, {22, "20090305"}, {23, "0"}}));
    EXPECT_EQ(env.drive.ReadFile("C:\\old-sheet.csv"), kSaved);
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(HostPath("C:\\Store\\WS"))) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"WS123409.csv"});  // no temporary file left
}

// Each case on a drive of its own, opened from C:\POS.
TEST(SheetStoreFileTest, OpeningDeletesOnlyAPlainFileNamedLikeTheStore) {
    const struct {
        const char* commandLine;
        const char* path;  // made before the dialog opens
        bool deleted;
    } kCases[] = {
        {"SERVER 1234", "C:\\POS\\1234", true},
        {"SERVER ..\\Keep.txt", "C:\\Keep.txt", false},
        {"SERVER sub\\Keep.txt", "C:\\POS\\sub\\Keep.txt", false},
        {"SERVER sub/Keep.txt", "C:\\POS\\sub\\Keep.txt", false},
        {"SERVER C:Keep.txt", "C:\\POS\\C:Keep.txt", false},
    };
    for (const auto& c : kCases) {
        SheetTestEnv env;
        ScopedHeadlessBackend ui;
        env.SetCommandLine(c.commandLine);
        env.drive.WriteFile(kSpecFile, "Buns,1,\r\n");
        ASSERT_TRUE(env.drive.WriteFile(c.path, "x"));
        CWorkSheetDlg sheet;
        ui->Open(sheet);
        EXPECT_EQ(env.drive.Exists(c.path), !c.deleted) << c.commandLine;
        EXPECT_TRUE(env.drive.Exists(kSpecFile)) << c.commandLine;
    }
}

}  // namespace
}  // namespace tolvane
