#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/reports_dlg.h"
#include "host/file_system.h"
#include "recap/queue_file_reader.h"
#include "recap/queue_line.h"
#include "recap/sales_tally.h"
#include "support/recap_fixture.h"
#include "support/recap_reference.h"

namespace tolvane {
namespace {

using ::testing::ElementsAre;

TEST(QueueLineTest, CountsOnlyItemSales) {
    struct Case {
        const char* name;
        std::string line;
        int quantity;  // 0: not counted
    } kCases[] = {
        {"item sale", QueueLine("00123", '1'), 1},
        {"quantity 9", QueueLine("00123", '9'), 9},
        {"quantity 0", QueueLine("00123", '0'), 0},
        {"quantity blank", QueueLine("00123", ' '), 0},
        {"quantity letter", QueueLine("00123", 'a'), 0},
        {"quantity sign", QueueLine("00123", '+'), 0},
        {"void", QueueLine("00123", '3', 'V'), 0},
        {"lower-case v is no void", QueueLine("00123", '3', 'v'), 3},
        {"other line type", QueueLine("00123", '3', ' ', '2'), 0},
        {"blank line type", QueueLine("00123", '3', ' ', ' '), 0},
        {"99 characters", QueueLine("00123", '3', ' ', '1', 99), 0},
        {"100 characters", QueueLine("00123", '3', ' ', '1', 100), 3},
        {"long line", QueueLine("00123", '4', ' ', '1', 5000), 4},
    };
    for (const Case& test : kCases) {
        QueueSale sale;
        bool counted = ParseQueueSale(test.line, &sale);
        EXPECT_EQ(counted, test.quantity > 0) << test.name;
        if (counted) {
            EXPECT_EQ(sale.quantity, test.quantity) << test.name;
            EXPECT_EQ(sale.plu, "00123") << test.name;
        }
    }
    QueueSale sale;
    ASSERT_TRUE(ParseQueueSale(QueueLine("ab 1 "), &sale));
    EXPECT_EQ(sale.plu, "ab 1 ");  // five characters, blanks included
}

TEST(QueueDateKeyTest, ReadsMonthDayAndYearFromTheName) {
    struct Case {
        const char* name;
        int key;
    } kCases[] = {
        {"QU03052009.QUE", 20090305},
        {"qu12312009.que", 20091231},
        {"QU01012010.QUE", 20100101},
        {"QU1a052009.QUE", 20090105},  // digits up to the first other character
        {"QUxx052009.QUE", 20090005},
        {"QU0305", 305},  // the year is missing
        {"", 0},
    };
    for (const Case& test : kCases) {
        EXPECT_EQ(QueueDateKey(test.name), test.key) << test.name;
    }
    EXPECT_LT(QueueDateKey("QU12312009.QUE"), QueueDateKey("QU01012010.QUE"));
}

TEST(SalesTallyTest, EveryRowWithThePluCountsAndOthersNever) {
    SalesTally tally;
    tally.Reset({"00123", "abcde", "00123", "0012", "", "ABCDE"});
    tally.Add("00123", 2, 1);
    tally.Add("00123", 3, 7);
    tally.Add("ABCDE", 4, 2);
    tally.Add("0012 ", 9, 1);  // no row has these five characters
    tally.Add("00123", 9, 8);  // no such day
    tally.Add("00123", 1, 1);  // back to an earlier day
    EXPECT_EQ(tally.SoldQuantity(0), 6);
    EXPECT_EQ(tally.DayQuantity(0, 1), 3);
    EXPECT_EQ(tally.SoldQuantity(2), 6);
    EXPECT_EQ(tally.DayQuantity(2, 7), 3);
    EXPECT_EQ(tally.SoldQuantity(1), 0);  // letter case counts
    EXPECT_EQ(tally.SoldQuantity(3), 0);
    EXPECT_EQ(tally.SoldQuantity(4), 0);
    EXPECT_EQ(tally.DayQuantity(5, 2), 4);
}

// A block of lines is counted as its lines one by one, whatever their lengths: the scan takes a
// line to be as long as the one before it and must notice every line that is not.
TEST(SalesTallyTest, CountsABlockAsItsLines) {
    const std::string sale = QueueLine("00123", '1');  // 128 characters
    struct Case {
        const char* name;
        std::vector<std::string> lines;  // joined with line feeds, the last without one
    } kCases[] = {
        {"same lengths", {sale, sale, sale, sale}},
        {"a short line among records", {sale, sale, "short", sale, sale}},
        {"a line feed where the guess would not look",
         {sale, sale.substr(0, 20), sale.substr(0, 107), sale}},
        {"the guessed end a line too far", {sale, sale.substr(0, 60), sale.substr(0, 66), sale}},
        {"growing and shrinking",
         {sale + "xx", sale, sale + "x", QueueLine("00123", '2', ' ', '1', 100)}},
        {"carriage returns",
         {sale + "\r", sale + "\r", sale, sale.substr(0, 99) + "\r", sale + "\r"}},
        {"empty lines", {"", sale, "", "", sale}},
        {"sixteen characters", {std::string(15, 'x'), std::string(15, 'y'), sale}},
    };
    for (const Case& test : kCases) {
        SCOPED_TRACE(test.name);
        std::string block;
        for (std::size_t i = 0; i < test.lines.size(); ++i) {
            block += test.lines[i] + (i + 1 < test.lines.size() ? "\n" : "");
        }
        SalesTally byLine;
        SalesTally byBlock;
        byLine.Reset({"00123"});
        byBlock.Reset({"00123"});
        for (std::size_t i = 0; i < test.lines.size(); ++i) {
            std::string_view line = test.lines[i];
            if (i + 1 < test.lines.size() && !line.empty() && line.back() == '\r') {
                line.remove_suffix(1);  // a carriage return before a line feed is no text
            }
            byLine.CountLine(line, 3);
        }
        byBlock.CountLines(block, 3);
        EXPECT_EQ(byBlock.DayQuantity(0, 3), byLine.DayQuantity(0, 3));
        EXPECT_GT(byLine.DayQuantity(0, 3), 0);
    }
}

class RecapScanTest : public RecapDialogFixture, public ::testing::Test {};

TEST_F(RecapScanTest, CountsByTheLineRulesIntoEveryMatchingRow) {
    WriteDefinitions({
        "ITEM,PLU,DESCRIPTION,SOLD,UNITS,",
        "Burger,00123,Burger,0,2,",
        "Burger again,00123,Burger twice,5,1,",
        "Lower,abcde,lower case,0,1,",
        "Upper,ABCDE,upper case,abc,3,",
        "Short,0012,four-character PLU,0,1,",
        ",77777,Group total,,,",
        "Idle,00999,never sold,zero,4,",
    });
    WriteQueue({2009, 9, 1}, {
                                 QueueLine("00123", '2'),
                                 QueueLine("00123", '1', 'v'),
                                 QueueLine("00123", '9', 'V'),
                                 QueueLine("00123", '0'),
                                 QueueLine("00123", '3', ' ', '2'),
                                 QueueLine("00123", '4', ' ', '1', 99),
                                 QueueLine("00123", '4', ' ', '1', 100),
                                 "",
                                 QueueLine("abcde", '1'),
                                 QueueLine("ABCDE", '2'),
                                 QueueLine("0012 ", '1'),
                                 QueueLine("77777", '5'),
                             });
    WriteQueue({2009, 9, 2}, {QueueLine("00123", '1')});

    RunRecap({2009, 9, 1}, {2009, 9, 2});

    EXPECT_EQ(Row(0), "Burger,00123,Burger,8,2,16,7,1,,,,,");
    EXPECT_EQ(Row(1), "Burger again,00123,Burger twice,13,1,13,7,1,,,,,");
    EXPECT_EQ(Row(2), "Lower,abcde,lower case,1,1,1,1,,,,,,");
    // A Sold text that is no number counts 0 and gives way to the first sale.
    EXPECT_EQ(Row(3), "Upper,ABCDE,upper case,2,3,6,2,,,,,,");
    EXPECT_EQ(Row(4), "Short,0012,four-character PLU,0,1,0,,,,,,,");
    // A subtotal row sums its group; its own Sold and Day cells still take its PLU's sales.
    EXPECT_EQ(Row(5), ",77777,Group total,5,,36,5,,,,,,");
    // Without a sale the Sold cell keeps its text, which counts 0.
    EXPECT_EQ(Row(6), "Idle,00999,never sold,zero,4,0,,,,,,,");
    EXPECT_EQ(m_dlg.m_nItemCount, 7);
}

TEST_F(RecapScanTest, DayNumbersFollowTheCalendar) {
    struct Case {
        const char* name;
        std::vector<std::pair<Date, char>> files;  // one sale of PLU 00001 each
        Date start;
        Date stop;
        const char* row;
    } kCases[] = {
        {"one day",
         {{{2009, 9, 5}, '3'}, {{2009, 9, 6}, '9'}},
         {2009, 9, 5},
         {2009, 9, 5},
         "A,00001,a,3,1,3,3,,,,,,"},
        {"days without a file take no number",
         {{{2009, 9, 4}, '4'}, {{2009, 9, 1}, '1'}, {{2009, 9, 2}, '2'}},
         {2009, 9, 1},
         {2009, 9, 30},
         "A,00001,a,7,1,7,1,2,4,,,,"},
        {"Day7 collects the seventh and later files",
         {{{2009, 9, 1}, '1'},
          {{2009, 9, 2}, '2'},
          {{2009, 9, 3}, '3'},
          {{2009, 9, 4}, '4'},
          {{2009, 9, 5}, '5'},
          {{2009, 9, 6}, '6'},
          {{2009, 9, 7}, '7'},
          {{2009, 9, 8}, '8'},
          {{2009, 9, 9}, '9'},
          {{2009, 9, 10}, '1'}},
         {2009, 9, 1},
         {2009, 9, 10},
         "A,00001,a,46,1,46,1,2,3,4,5,6,25"},
        {"across a year end",
         {{{2009, 12, 29}, '9'},
          {{2010, 1, 2}, '4'},
          {{2010, 1, 1}, '3'},
          {{2009, 12, 31}, '2'},
          {{2009, 12, 30}, '1'},
          {{2010, 1, 3}, '9'}},
         {2009, 12, 30},
         {2010, 1, 2},
         "A,00001,a,10,1,10,1,2,3,4,,,"},
        {"stop before start: nothing counted, totals still computed",
         {{{2009, 9, 1}, '1'}},
         {2009, 9, 2},
         {2009, 9, 1},
         "A,00001,a,0,1,0,,,,,,,"},
    };
    for (const Case& test : kCases) {
        SCOPED_TRACE(test.name);
        for (const std::string& name : ListDirectory("C:\\BDrive\\*")) {
            RemoveFile("C:\\BDrive\\" + name);
        }
        WriteDefinitions({"A,00001,a,0,1,"});
        for (const auto& [date, quantity] : test.files) {
            WriteQueue(date, {QueueLine("00001", quantity)});
        }
        RunRecap(test.start, test.stop);
        EXPECT_EQ(Row(0), test.row);
    }
}

TEST_F(RecapScanTest, AFileThatCannotBeOpenedStillTakesItsDay) {
    WriteDefinitions({"A,00001,a,0,1,"});
    WriteQueue({2009, 9, 1}, {QueueLine("00001", '1')});
    WriteQueue({2009, 9, 3}, {QueueLine("00001", '3')});
    // An entry of the listing that is no readable file.
    ASSERT_TRUE(m_drive.MakeDirectories("C:\\BDrive\\QU09022009.QUE"));

    RunRecap({2009, 9, 1}, {2009, 9, 3});

    EXPECT_EQ(Row(0), "A,00001,a,4,1,4,1,,3,,,,");
}

TEST_F(RecapScanTest, NamesTooShortForADateAreNeverTaken) {
    WriteDefinitions({"A,00001,a,0,1,"});
    m_drive.WriteFile("C:\\BDrive\\QU09022009.QU", JoinLines({QueueLine("00001", '9')}));
    m_drive.WriteFile("C:\\BDrive\\qu09012009.que", JoinLines({QueueLine("00001", '1')}));

    RunRecap({2009, 9, 1}, {2009, 9, 30});

    EXPECT_EQ(Row(0), "A,00001,a,1,1,1,1,,,,,,");
}

TEST_F(RecapScanTest, WithoutQueueFilesTheTotalsStayEmpty) {
    WriteDefinitions({"A,00001,a,3,2,", ",,Total,,,"});
    RunRecap({2009, 9, 1}, {2009, 9, 30});
    EXPECT_EQ(Row(0), "A,00001,a,3,2,,,,,,,,");
    EXPECT_EQ(Row(1), ",,Total,,,,,,,,,,");

    // A file outside the range is enough for the totals.
    WriteQueue({2009, 10, 1}, {QueueLine("00001", '1')});
    RunRecap({2009, 9, 1}, {2009, 9, 30});
    EXPECT_EQ(Row(0), "A,00001,a,3,2,6,,,,,,,");
    EXPECT_EQ(Row(1), ",,Total,,,6,,,,,,,");
}

TEST_F(RecapScanTest, SubtotalsSumTheirGroup) {
    WriteDefinitions({
        "A,00001,a,1,2,", "B,00002,b,3,4,", ",,First group,9,9,", "C,00003,c,5,6,",
        ",,Second group,,,",
        "D,00004,d,7,8,",  // after the last subtotal: summed, shown nowhere
    });
    WriteQueue({2009, 9, 1}, {});
    RunRecap({2009, 9, 1}, {2009, 9, 1});
    std::vector<std::string> totals;
    for (int row = 0; row < 6; ++row) {
        totals.push_back(Cell(row, 5));
    }
    EXPECT_THAT(totals, ElementsAre("2", "12", "14", "30", "30", "56"));
}

TEST_F(RecapScanTest, CountsStayWithinAnInt) {
    WriteDefinitions({"A,00001,a,2147483640,3,", "B,00002,b,-5,1,"});
    std::vector<std::string> lines(3, QueueLine("00001", '9'));
    lines.push_back(QueueLine("00002", '2'));
    WriteQueue({2009, 9, 1}, lines);
    RunRecap({2009, 9, 1}, {2009, 9, 1});
    EXPECT_EQ(Row(0), "A,00001,a,2147483647,3,2147483647,27,,,,,,");
    EXPECT_EQ(Row(1), "B,00002,b,-3,1,-3,2,,,,,,");
}

TEST_F(RecapScanTest, ARerunCountsFromNothing) {
    WriteDefinitions({"A,00001,a,0,1,"});
    WriteQueue({2009, 9, 1}, {QueueLine("00001", '2')});
    RunRecap({2009, 9, 1}, {2009, 9, 1});
    RunRecap({2009, 9, 1}, {2009, 9, 1});
    EXPECT_EQ(Row(0), "A,00001,a,2,1,2,2,,,,,,");
    EXPECT_EQ(m_dlg.m_List.GetItemCount(), 1);
}

// The list learns of the recap in two announcements, one per bulk fill, and the queue scan
// runs under the wait cursor.
TEST_F(RecapScanTest, FillsTheListOnceUnderTheWaitCursor) {
    struct Recorder : ControlObserver {
        explicit Recorder(HeadlessBackend& backend) : backend(backend) {}
        void OnControlChanged(Control&, ControlChange change, int, int) override {
            events.push_back({change, backend.WaitCursorDepth()});
        }
        HeadlessBackend& backend;
        std::vector<std::pair<ControlChange, int>> events;
    } recorder(*m_backend);
    WriteDefinitions({"A,00001,a,0,1,", "B,00002,b,0,1,"});
    WriteQueue({2009, 9, 1}, {QueueLine("00001", '2'), QueueLine("00002", '3')});
    m_dlg.m_strStartQueueFile = m_dlg.m_strStopQueueFile = QueueFileName({2009, 9, 1});
    m_dlg.PrepareRecapList();
    m_dlg.m_List.SetObserver(&recorder);

    m_dlg.LoadSalesDefinitions();
    EXPECT_THAT(recorder.events, ElementsAre(std::pair(ControlChange::kListReset, 0)));
    recorder.events.clear();

    m_dlg.ScanQueueFiles();
    EXPECT_THAT(recorder.events, ElementsAre(std::pair(ControlChange::kListReset, 1)));
    EXPECT_EQ(m_backend->WaitCursorShows(), 1);
    EXPECT_EQ(m_backend->WaitCursorDepth(), 0);
    EXPECT_EQ(Row(1), "B,00002,b,3,1,3,3,,,,,,");
    m_dlg.m_List.SetObserver(nullptr);
}

// The scan counts in memory and writes each cell once; the cells must end exactly as the plain
// cell-by-cell algorithm leaves them, column widths included.
TEST_F(RecapScanTest, EndsAsTheCellByCellScanDoes) {
    std::mt19937 random(20091231);
    auto pick = [&random](int n) { return static_cast<int>(random() % n); };
    const char* kPlus[] = {"00001", "00002", "00003", "00004", "abcde",
                           "ABCDE", "12 34", "99999", "0000",  "000011"};
    const char* kSold[] = {"0", "0", "0", "7", "-2", " 5", "x", "", "12abc", "2147483600"};
    std::vector<std::string> definitions;
    for (int row = 0; row < 60; ++row) {
        if (pick(8) == 0) {
            definitions.push_back(",,Subtotal " + std::to_string(row) + ",,,");
            continue;
        }
        definitions.push_back("P" + std::to_string(row) + "," + kPlus[pick(10)] + ",item," +
                              kSold[pick(10)] + "," + std::to_string(pick(5)) + ",");
    }
    WriteDefinitions(definitions);
    for (int day = 1; day <= 12; ++day) {
        std::vector<std::string> lines;
        // Day 5 spans several of the reader's blocks and holds a line longer than a block.
        int count = day == 5 ? 6000 : 400;
        for (int i = 0; i < count; ++i) {
            const char kQuantities[] = "0123456789 aV";
            lines.push_back(QueueLine(kPlus[pick(10)], kQuantities[pick(13)], "  Vv"[pick(4)],
                                      "1112"[pick(4)], 95 + pick(40)));
        }
        if (day == 5) {
            lines[3000] = QueueLine("00001", '7', ' ', '1', QueueFileReader::kBufferSize + 999);
            lines[3001] = QueueLine("00001", '8', ' ', '1', 128);
        }
        WriteQueue({2009, 9, day}, lines);
    }

    RunRecap({2009, 9, 2}, {2009, 9, 11});

    CReportsDlg plain;
    plain.m_strRootDir = m_dlg.m_strRootDir;
    plain.m_strBDriveDir = m_dlg.m_strBDriveDir;
    plain.m_strStartQueueFile = m_dlg.m_strStartQueueFile;
    plain.m_strStopQueueFile = m_dlg.m_strStopQueueFile;
    plain.PrepareRecapList();
    plain.LoadSalesDefinitions();
    ReferenceScanQueueFiles(plain);

    ASSERT_EQ(m_dlg.m_List.GetItemCount(), plain.m_List.GetItemCount());
    for (int row = 0; row < plain.m_List.GetItemCount(); ++row) {
        EXPECT_EQ(Row(row), RecapRow(plain, row)) << "row " << row;
    }
    for (int column = 0; column < CReportsDlg::kRecapColumnCount; ++column) {
        EXPECT_EQ(m_dlg.m_List.GetColumnWidth(column), plain.m_List.GetColumnWidth(column));
    }
}

}  // namespace
}  // namespace tolvane
