#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/reports_dlg.h"
#include "framework/headless_backend.h"
#include "host/paths.h"
#include "support/recap_fixture.h"
#include "support/scoped_env.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kIdSalesRecap = 1002;
constexpr int kIdCalendar = 1004;
constexpr int kIdList = 1026;
constexpr int kIdBanner = 1034;
constexpr int kIdBack = 1037;
constexpr int kIdWriteFile = 1038;
constexpr int kIdPrintDisplay = 1044;

constexpr const char* kRecapFile = "C:\\pos\\Recap1234QU09012009.QUE.csv";

// The same recap file, read back through its header line and five rows.
const std::string kExpectedFile =
    "Product,PLU,Description,Sold,Units,TlUnitsSold,Day1,Day2,Day3,Day4,Day5,Day6,Day7,\r\n"
    "Burger,00101,Cheeseburger,3,1,3,2,,1,,,,,,\r\n"
    "Fries,00102,Large fries,6,2,12,1,5,,,,,,,\r\n"
    ",,Food subtotal,,,15,,,,,,,,,\r\n"
    "Soda,00201,Fountain soda,5,1,5,1,,4,,,,,,\r\n"
    ",,Drink subtotal,,,5,,,,,,,,,\r\n";

// The main dialog run as the store manager runs it, on a drive C: with a small store's
// definitions and three days of queue files.
class RecapFlowTest : public ::testing::Test {
  protected:
    RecapFlowTest() {
        SetCommandLine("");
        m_drive.WriteFile("C:\\POS\\Brindlemoor_Sales_Recap.csv",
                          JoinLines({
                              "ITEM,PLU,DESCRIPTION,SOLD,UNITS,",
                              "Burger,00101,Cheeseburger,0,1,",
                              "Fries,00102,Large fries,0,2,",
                              ",,Food subtotal,,,",
                              "Soda,00201,Fountain soda,0,1,",
                              ",,Drink subtotal,,,",
                          }));
        WriteQueue("QU09012009.QUE", {QueueLine("00101", '2'), QueueLine("00102", '1'),
                                      QueueLine("00201", '3', 'V'), QueueLine("00201", '1')});
        WriteQueue("QU09022009.QUE", {QueueLine("00102", '5'), QueueLine("00101", '4', ' ', '2')});
        WriteQueue("QU09032009.QUE", {QueueLine("00101", '1'), QueueLine("00201", '4')});
        WriteQueue("QU09042009.QUE", {QueueLine("00101", '9')});
        m_backend->Open(m_dlg);
        // What the store lookup gives at start-up.
        m_dlg.m_strStoreNumber = "1234";
        m_dlg.m_strLocation1 = "Brindlemoor Station #12";
        m_dlg.m_strLocation2 = "Lakeshore Mall, Unit 4B!";
    }

    void WriteQueue(const std::string& name, const std::vector<std::string>& lines) {
        m_drive.WriteFile("C:\\BDrive\\" + name, JoinLines(lines));
    }

    // Daily Sales Recap, then 1 and 3 September 2009 on the calendar.
    void RunRecap() {
        ASSERT_TRUE(Click(m_dlg, kIdSalesRecap));
        ASSERT_TRUE(SelectDate(m_dlg, kIdCalendar, {2009, 9, 1}));
        ASSERT_TRUE(SelectDate(m_dlg, kIdCalendar, {2009, 9, 3}));
        ASSERT_EQ(CaptionOf(m_dlg, kIdBanner), "Select Next Option");
    }

    // Installs the stand-in printing program as c:\pos\QVL_Tabulo.exe.
    void InstallPrintTool() {
        namespace fs = std::filesystem;
        fs::path tool = fs::path(HostPath("C:\\pos")) / "QVL_Tabulo.exe";
        fs::copy_file(std::string(TOLVANE_TEST_PROGRAM_DIR) + "/print_tool_recorder", tool,
                      fs::copy_options::overwrite_existing);
        fs::permissions(tool, fs::perms::owner_all);
    }

    // The lines the stand-in printing program recorded: its working directory, then its
    // arguments. Empty when it did not run within a few seconds.
    std::vector<std::string> RecordedPrintRun() {
        const std::string path = HostPath("C:\\pos\\print_tool_args.txt");
        for (int i = 0; i < 500 && !std::filesystem::exists(path); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::vector<std::string> lines;
        std::string text = m_drive.ReadFile("C:\\pos\\print_tool_args.txt");
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    TempDrive m_drive;
    ScopedHeadlessBackend m_backend;
    CReportsDlg m_dlg;
};

TEST_F(RecapFlowTest, WriteFileWritesTheRecapFile) {
    // An earlier recap of the same start date is replaced whole.
    m_drive.WriteFile(kRecapFile, std::string(5000, 'x'));
    RunRecap();
    EXPECT_TRUE(m_backend->WaitCursorWasShown());
    EXPECT_EQ(m_backend->WaitCursorDepth(), 0);

    ASSERT_TRUE(Click(m_dlg, kIdWriteFile));

    EXPECT_EQ(m_drive.ReadFile(kRecapFile), kExpectedFile);
    EXPECT_EQ(m_dlg.m_strRecapFile, kRecapFile);
    EXPECT_THAT(m_backend->MessageTexts(), IsEmpty());

    // Back and the same range again: the table is rebuilt, not added to.
    ASSERT_TRUE(Click(m_dlg, kIdBack));
    RunRecap();
    ASSERT_TRUE(Click(m_dlg, kIdWriteFile));
    EXPECT_EQ(m_drive.ReadFile(kRecapFile), kExpectedFile);
}

TEST_F(RecapFlowTest, WriteFileKeepsTheSortedOrder) {
    RunRecap();
    ASSERT_TRUE(ClickHeader(m_dlg, kIdList, 2));  // Description, ascending
    ASSERT_TRUE(Click(m_dlg, kIdWriteFile));
    EXPECT_EQ(
        m_drive.ReadFile(kRecapFile),
        "Product,PLU,Description,Sold,Units,TlUnitsSold,Day1,Day2,Day3,Day4,Day5,Day6,Day7,\r\n"
        "Burger,00101,Cheeseburger,3,1,3,2,,1,,,,,,\r\n"
        ",,Drink subtotal,,,5,,,,,,,,,\r\n"
        ",,Food subtotal,,,15,,,,,,,,,\r\n"
        "Soda,00201,Fountain soda,5,1,5,1,,4,,,,,,\r\n"
        "Fries,00102,Large fries,6,2,12,1,5,,,,,,,\r\n");
}

TEST_F(RecapFlowTest, PrintDisplayStartsThePrintToolWithTheHeadings) {
    InstallPrintTool();
    RunRecap();

    ASSERT_TRUE(Click(m_dlg, kIdPrintDisplay));

    const std::string title = "               Item SALES RECAP                                 ";
    // Location line 2 takes the last 24 columns, so none of its characters is lost.
    const std::string location = " Brindlemoor Station #12                Lakeshore Mall, Unit 4B!";
    // A long start date moves left so that the stop date follows it whole.
    const std::string dates = "Tuesday, September 01, 2009  to Thursday, September 03, 2009    ";
    EXPECT_EQ(m_dlg.m_strPrintParameters, std::string(kRecapFile) + "  -P -WLLLRRRRRRRRRRRLL \"" +
                                              title + "\"\"" + location + "\"\"" + dates + "\"");
    EXPECT_EQ(m_dlg.m_strPrintParameters.size(), std::string(kRecapFile).size() + 222);
    // The file handed over holds the list as it is.
    EXPECT_EQ(m_drive.ReadFile(kRecapFile), kExpectedFile);

    // Split as the Windows runtime splits it: "" inside quotes is one quote character.
    EXPECT_THAT(RecordedPrintRun(),
                ElementsAre(HostPath("C:\\pos"), kRecapFile, "-P", "-WLLLRRRRRRRRRRRLL",
                            title + "\"" + location + "\"" + dates));
    EXPECT_THAT(m_backend->MessageTexts(), IsEmpty());
}

TEST_F(RecapFlowTest, APrintToolThatCannotStartIsReported) {
    ScopedEnv path("PATH", m_drive.Root());
    RunRecap();

    ASSERT_TRUE(Click(m_dlg, kIdPrintDisplay));

    EXPECT_THAT(m_backend->MessageTexts(), ElementsAre("Error Executing Shell Execute HDM350 "));
    EXPECT_EQ(m_backend->Messages()[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(m_drive.ReadFile(kRecapFile), kExpectedFile);
    // The dialog carries on in its result layout.
    EXPECT_TRUE(Click(m_dlg, kIdWriteFile));
}

TEST(RecapFileTest, WithoutDefinitionsTheFileHoldsTheHeaderOnly) {
    TempDrive drive;
    ScopedHeadlessBackend backend;
    drive.MakeDirectories("C:\\pos");
    CReportsDlg dlg;
    dlg.m_strStartQueueFile = "QU09012009.QUE";
    dlg.PrepareRecapList();
    dlg.LoadSalesDefinitions();
    dlg.WriteRecapFile();
    // No store number: the name goes straight from "Recap" to the date.
    EXPECT_EQ(drive.ReadFile("C:\\pos\\RecapQU09012009.QUE.csv"),
              "Product,PLU,Description,Sold,Units,TlUnitsSold,Day1,Day2,Day3,Day4,Day5,Day6,"
              "Day7,\r\n");
    EXPECT_THAT(backend->MessageTexts(), ElementsAre(" Sales definition file missing"));
}

TEST(RecapFileTest, AFileThatCannotBeWrittenIsPassedOverSilently) {
    TempDrive drive;
    ScopedHeadlessBackend backend;
    CReportsDlg dlg;
    dlg.m_strStoreNumber = "1234";
    dlg.m_strStartQueueFile = "QU09012009.QUE";
    dlg.PrepareRecapList();
    dlg.SetRecapCell(0, 0, "A");

    dlg.WriteRecapFile();  // C:\pos does not exist

    EXPECT_EQ(dlg.m_strRecapFile, kRecapFile);
    EXPECT_FALSE(drive.Exists(kRecapFile));
    EXPECT_THAT(backend->MessageTexts(), IsEmpty());
}

TEST(BuildPrintParametersTest, LaysTheHeadingsIntoFixedColumns) {
    struct Case {
        const char* name;
        std::string start, stop, location1, location2;
        std::string locationField, dateField;
    } kCases[] = {
        {"short start date: room for to", "Monday, May 04, 2009", "Tuesday, May 05, 2009", "Short",
         "", " Short                                                          ",
         "     Monday, May 04, 2009  to  Tuesday, May 05, 2009            "},
        {"22 to 26 characters: the start date moves left, the stop date stays at 31",
         "Thursday, March 05, 2009", "Saturday, March 07, 2009", "Short", "",
         " Short                                                          ",
         "  Thursday, March 05, 2009  to Saturday, March 07, 2009         "},
        {"longest start date: the stop date follows it, both whole",
         "Wednesday, September 30, 2009", "Wednesday, December 30, 2009",
         "A location line longer than 24", std::string(30, 'x'),
         " A location line longer t               xxxxxxxxxxxxxxxxxxxxxxxx",
         "Wednesday, September 30, 2009  to Wednesday, December 30, 2009  "},
        {"store not found: blank locations, no dates", "", "", std::string(24, ' '),
         std::string(24, ' '), std::string(64, ' '),
         "       to                                                       "},
    };
    for (const Case& test : kCases) {
        SCOPED_TRACE(test.name);
        CReportsDlg dlg;
        dlg.m_strStartDate = test.start;
        dlg.m_strStopDate = test.stop;
        dlg.m_strLocation1 = test.location1;
        dlg.m_strLocation2 = test.location2;
        std::string parameters = dlg.BuildPrintParameters("TITLE", "C:\\pos\\R.csv");
        EXPECT_EQ(parameters, "C:\\pos\\R.csv  -P -WLLLRRRRRRRRRRRLL \"           TITLE" +
                                  std::string(48, ' ') + "\"\"" + test.locationField + "\"\"" +
                                  test.dateField + "\"");
        EXPECT_EQ(parameters.size(), 12u + 222u);
    }
}

}  // namespace
}  // namespace tolvane
