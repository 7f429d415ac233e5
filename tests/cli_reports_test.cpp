// tolvane-cli recap, store and worksheet, and its usage errors, run as a process. Each report
// is compared with what the program's own dialogs show or write on the same drive.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/reports_dlg.h"
#include "framework/headless_backend.h"
#include "host/paths.h"
#include "host/system.h"
#include "keyfile/key_file_writer.h"
#include "keyfile/little_endian.h"
#include "support/built_tools.h"
#include "support/program_run.h"
#include "support/recap_fixture.h"
#include "support/sheet_test_env.h"
#include "support/temp_drive.h"
#include "worksheet/work_sheet_dlg.h"

namespace tolvane {
namespace {

using namespace std::string_literals;

ProgramRun Cli(const std::vector<std::string>& arguments, const std::string& directory = "") {
    return RunProgram(CliPath(), arguments, {}, 60000, directory);
}

std::string Lines(const std::vector<std::string>& lines, const char* ending = "\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line + ending;
    }
    return text;
}

// The lines of a file written with CRLF endings, with LF endings as the command prints them.
std::string WithoutCr(const std::string& text) {
    std::string lines;
    for (char c : text) {
        if (c != '\r') {
            lines += c;
        }
    }
    return lines;
}

// A store master file pair with the store's record under its key (live or void) between two
// other records, in a two-level index of key length 29.
struct StoreMaster {
    std::string data;
    std::string index;
};

StoreMaster MakeStoreMaster(const std::array<std::string, 4>& lines, std::uint16_t number,
                            std::uint8_t status = 0) {
    Block store{};
    const std::size_t offsets[] = {22, 46, 70, 94};
    for (std::size_t i = 0; i < 4; ++i) {
        std::memcpy(&store[offsets[i]], lines[i].data(),
                    std::min<std::size_t>(lines[i].size(), 24));
    }
    EncodeU16(&store[212], number);
    Block other{};
    other.fill('X');
    DataFilePlan data;
    data.m_records = {other, store, other};
    IndexFilePlan index;
    index.m_nKeyLength = 29;
    index.m_nEntriesPerLeaf = 1;
    const auto unit = [&data](std::size_t i) {
        return static_cast<std::uint16_t>(DataRecordUnit(data.m_nReservedBlocks, i));
    };
    index.m_entries = {{"001500" + std::string(23, ' '), 0, unit(0)},
                       {"001600" + std::string(23, ' '), status, unit(1)},
                       {"001700" + std::string(23, ' '), 0, unit(2)}};
    StoreMaster files;
    BuiltIndex built;
    std::string error;
    EXPECT_TRUE(BuildDataFile(data, &files.data, &error)) << error;
    EXPECT_TRUE(BuildIndexFile(index, &built, &error)) << error;
    files.index = built.m_bytes;
    return files;
}

// --- Usage errors ---

TEST(CliUsageTest, UsageErrorsExitTwoWithAMessageNamingWhatIsWrong) {
    TempDrive drive;
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    } const kCases[] = {
        {{}, "a command is missing"},
        {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{"recap"}, "START and STOP are missing"},
        {{"recap", "2009-09-01"}, "STOP is missing"},
        {{"recap", "2009-09-01", "2009-09-03", "2009-09-04"}, "too many arguments"},
        {{"recap", "2009-9-1", "2009-09-03"}, "START \"2009-9-1\" is no date YYYY-MM-DD"},
        {{"recap", "2009-09-01", "2009-02-29"}, "STOP \"2009-02-29\" is no date"},
        {{"recap", "0000-01-01", "2009-09-03"}, "START \"0000-01-01\" is no date"},
        {{"recap", "2009-09-01", "2009-09-03", "--output"}, "--output needs a value"},
        {{"recap", "2009-09-01", "2009-09-03", "--output="}, "--output needs a file name"},
        {{"recap", "2009-09-01", "2009-09-03", "--server", ""}, "--server needs a computer name"},
        {{"recap", "2009-09-01", "2009-09-03", "--server", "REG 1"}, "(one word)"},
        {{"recap", "2009-09-01", "2009-09-03", "--colour"}, "unknown option --colour"},
        {{"recap", "2009-09-01", "2009-09-03", "--output", "a", "--output", "b"},
         "--output is given twice"},
        {{"recap", std::string(100000, '9'), "\xff\xfe"s}, "is no date"},
        {{"store", "1234"}, "store takes no arguments"},
        {{"store", "--all"}, "unknown option --all"},
        {{"keyfile"}, "walk or find is missing"},
        {{"keyfile", "jump", "x"}, "unknown keyfile command \"jump\""},
        {{"keyfile", "walk"}, "walk: INDEX is missing"},
        {{"keyfile", "walk", "a", "b"}, "walk takes INDEX only"},
        {{"keyfile", "walk", "a", "--before"}, "unknown option --before"},
        {{"keyfile", "find"}, "INDEX and KEY are missing"},
        {{"keyfile", "find", "C:\\POS\\POS-B.xxx"}, "KEY is missing"},
        {{"keyfile", "find", "C:\\POS\\POS-B.xxx", "12g4", "--hex"},
         "KEY \"12g4\" is no even number of hexadecimal digits"},
        {{"keyfile", "find", "C:\\POS\\POS-B.xxx", "123", "--hex"}, "hexadecimal"},
        {{"keyfile", "find", "i", "k", "--before=yes"}, "--before takes no value"},
        {{"worksheet"}, "--date is missing"},
        {{"worksheet", "--date", "2009-13-01"}, "--date \"2009-13-01\" is no date"},
        {{"worksheet", "--date=2009-03-05", "extra"}, "unexpected argument \"extra\""},
        {{"worksheet", "--date", "2009-03-05", "--store", "12 34"}, "--store needs a store"},
        {{"worksheet", "--store", "1234"}, "--date is missing"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.message);
        ProgramRun run = Cli(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("usage: tolvane-cli"), std::string::npos) << run.err;
    }
    // Nothing of the drive was touched.
    EXPECT_TRUE(std::filesystem::is_empty(drive.DriveC()));
}

TEST(CliUsageTest, HelpPrintsTheCommands) {
    ProgramRun run = Cli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command : {"recap START STOP [--server NAME] [--output FILE]", "store",
                                "keyfile walk INDEX", "keyfile find INDEX KEY [--before] [--hex]",
                                "worksheet --date YYYY-MM-DD [--store ID]"}) {
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
    }
}

// --- store ---

TEST(CliStoreTest, PrintsTheNumberAndTheLocationLinesAsTheMainDialogHoldsThem) {
    TempDrive drive;
    // Line 1 ends at its zero byte; lines 2 to 4 are right-aligned in 24 columns, a full line
    // is taken whole, and an empty one is 24 blanks.
    StoreMaster files = MakeStoreMaster(
        {"Brindlemoor Station #12", "Lakeshore", "ABCDEFGHIJKLMNOPQRSTUVWX", ""}, 65535);
    drive.WriteFile("C:\\Report\\POS-B", files.data);
    drive.WriteFile("C:\\Report\\POS-B.XXX", files.index);

    ProgramRun run = Cli({"store"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, Lines({"65535", "Brindlemoor Station #12", "               Lakeshore",
                              "ABCDEFGHIJKLMNOPQRSTUVWX", std::string(24, ' ')}));

    ScopedHeadlessBackend ui;
    SetCommandLine("");
    CReportsDlg dialog;
    ui->Open(dialog);
    EXPECT_EQ(run.out, Lines({dialog.m_strStoreNumber, dialog.m_strLocation1, dialog.m_strLocation2,
                              dialog.m_strLocation3, dialog.m_strLocation4}));
    // The lookup closed both files: their in-use flags are clear again.
    EXPECT_EQ(drive.ReadFile("C:\\Report\\POS-B"), files.data);
    EXPECT_EQ(drive.ReadFile("C:\\Report\\POS-B.XXX"), files.index);
}

TEST(CliStoreTest, NoStoreRecordIsNotFound) {
    struct Case {
        const char* name;
        std::string dataPath;  // where the store master file lies; empty for nowhere
        std::uint8_t status;
    } const kCases[] = {
        {"no store master file", "", 0},
        {"the store's entry is void", "C:\\Report\\POS-B", 0xFF},
        // Only the POS directory holds it: the batch run stages nothing.
        {"not staged into C:\\Report", "C:\\POS\\POS-B", 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TempDrive drive;
        if (!c.dataPath.empty()) {
            StoreMaster files = MakeStoreMaster({"Store", "", "", ""}, 1234, c.status);
            drive.WriteFile(c.dataPath, files.data);
            drive.WriteFile(c.dataPath + ".XXX", files.index);
        }
        ProgramRun run = Cli({"store"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("the store's record is not in the store master file"),
                  std::string::npos)
            << run.err;
        EXPECT_FALSE(drive.Exists("C:\\Store"));
    }
}

// --- worksheet ---

class CliWorksheetTest : public ::testing::Test {
  protected:
    static constexpr const char* kSpec = "Hamburger Buns,4711,\r\nCheese Slices,4712,\r\n";

    // What the work sheet dialog writes when it opens on `today` with the store 1234: the
    // table as the program shows it, in the layout of the weekly file.
    std::string SheetAsTheDialogWritesIt(const Date& today) {
        m_env.SetToday(today);
        ScopedHeadlessBackend ui;
        CWorkSheetDlg sheet;
        ui->Open(sheet);
        return m_env.drive.ReadFile(sheet.m_strSheetFile);
    }

    SheetTestEnv m_env;  // command line "SERVER 1234"
};

TEST_F(CliWorksheetTest, FreshWeekIsTheSpecificationAndNoFileIsMade) {
    m_env.drive.WriteFile("C:\\POS\\WS.csv", kSpec);
    ProgramRun run = Cli({"worksheet", "--date", "2009-03-05", "--store", "1234"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string table = Lines({
        "Item,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Mdse,Crdts,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Lost,In/Out,QOH,"
        "InvN,Store,Date,Count,",
        "Hamburger Buns,,,,,,,,,,,,,,,,,,,,4711,1234,20090305,0,",
        "Cheese Slices,,,,,,,,,,,,,,,,,,,,4712,1234,20090305,1,",
    });
    EXPECT_EQ(run.out, "week 9\nweekday 4\nfile C:\\Store\\WS\\WS123409.csv\n" + table);
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(m_env.drive.Exists("C:\\Store"));

    // The dialog opened on that day shows, and writes, the same table.
    EXPECT_EQ(WithoutCr(SheetAsTheDialogWritesIt({2009, 3, 5})), table);
}

TEST_F(CliWorksheetTest, SavedWeekIsShownAsSavedAndLeftAlone) {
    m_env.drive.WriteFile("C:\\POS\\WS.csv", kSpec);
    const std::string saved = Lines(
        {"Item,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Mdse,Crdts,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Lost,In/Out,QOH,"
         "InvN,Store,Date,Count,",
         "Hamburger Buns,12,,,,,,,12,,,3,,,,,,3,,,4711,1234,20090302,0,"},
        "\r\n");
    m_env.drive.WriteFile("C:\\Store\\WS\\WS123409.csv", saved);

    ProgramRun run = Cli({"worksheet", "--date", "2009-03-07", "--store", "1234"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "week 9\nweekday 6\nfile C:\\Store\\WS\\WS123409.csv\n" +
                  Lines({"Item,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Mdse,Crdts,Mon,Tue,Wed,Thu,"
                         "Fri,Sat,Sun,Lost,In/Out,QOH,InvN,Store,Date,Count,",
                         "Hamburger Buns,12,,,,,,,12,,,3,,,,,,3,,,4711,1234,20090302,0,"}));
    EXPECT_EQ(m_env.drive.ReadFile("C:\\Store\\WS\\WS123409.csv"), saved);
}

TEST_F(CliWorksheetTest, LastYearsWeekStartsAfreshWithoutMovingTheOldFile) {
    m_env.drive.WriteFile("C:\\POS\\WS.csv", kSpec);
    const std::string lastYear = Lines(
        {"Item,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Mdse,Crdts,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Lost,In/Out,QOH,"
         "InvN,Store,Date,Count,",
         "Hamburger Buns,12,,,,,,,12,,,3,,,,,,3,,,4711,1234,20090302,0,"},
        "\r\n");
    m_env.drive.WriteFile("C:\\Store\\WS\\WS123409.csv", lastYear);

    // 4 March 2010 is in week 9 as well.
    ProgramRun run = Cli({"worksheet", "--date", "2010-03-04", "--store", "1234"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Hamburger Buns,,,,,,,,,,,,,,,,,,,,4711,1234,20100304,0,\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(m_env.drive.ReadFile("C:\\Store\\WS\\WS123409.csv"), lastYear);
    EXPECT_FALSE(m_env.drive.Exists("C:\\Store\\WS\\WS123409-20090302.csv"));

    // The dialog keeps the old file aside and starts the same fresh week.
    std::string written = WithoutCr(SheetAsTheDialogWritesIt({2010, 3, 4}));
    EXPECT_TRUE(m_env.drive.Exists("C:\\Store\\WS\\WS123409-20090302.csv"));
    EXPECT_EQ(run.out, "week 9\nweekday 4\nfile C:\\Store\\WS\\WS123409.csv\n" + written);
}

TEST_F(CliWorksheetTest, WeekAndFileFollowTheDateAndTheStore) {
    m_env.drive.WriteFile("C:\\POS\\WS.csv", kSpec);
    struct Case {
        std::vector<std::string> arguments;
        std::string head;
    } const kCases[] = {
        {{"--date", "2009-03-08", "--store", "1234"},
         "week 10\nweekday 7\nfile C:\\Store\\WS\\WS123410.csv\n"},  // a Sunday starts a week
        {{"--date", "2009-01-01", "--store", "123456789"},
         "week 1\nweekday 4\nfile C:\\Store\\WS\\WS123401.csv\n"},
        {{"--date", "2009-12-31"}, "week 52\nweekday 4\nfile C:\\Store\\WS\\WS52.csv\n"},
    };
    for (const Case& c : kCases) {
        std::vector<std::string> arguments = {"worksheet"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        ProgramRun run = Cli(arguments);
        SCOPED_TRACE(c.head);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out.substr(0, c.head.size()), c.head);
    }
    EXPECT_FALSE(m_env.drive.Exists("C:\\Store"));
}

TEST_F(CliWorksheetTest, MissingSpecificationIsReportedAsTheSheetReportsIt) {
    ProgramRun run = Cli({"worksheet", "--date", "2009-03-05", "--store", "1234"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, " Work Sheet specification file missing\n");
    EXPECT_EQ(run.out,
              "week 9\nweekday 4\nfile C:\\Store\\WS\\WS123409.csv\n"
              "Item,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Mdse,Crdts,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Lost,"
              "In/Out,QOH,InvN,Store,Date,Count,\n");
    EXPECT_FALSE(m_env.drive.Exists("C:\\Store"));
}

// --- recap ---

constexpr int kIdSalesRecap = 1002;
constexpr int kIdCalendar = 1004;
constexpr int kIdWriteFile = 1038;

class CliRecapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_drive.WriteFile("C:\\POS\\Brindlemoor_Sales_Recap.csv",
                          JoinLines({
                              "ITEM,PLU,DESCRIPTION,SOLD,UNITS,",
                              "Burger,00101,Cheeseburger,0,1,",
                              "Fries,00102,Large fries,0,2,",
                              ",,Food subtotal,,,",
                              "Soda,00201,Fountain soda,0,1,",
                              ",,Drink subtotal,,,",
                          }));
        WriteQueue("C:\\BDrive\\QU09012009.QUE",
                   {QueueLine("00101", '2'), QueueLine("00102", '1'), QueueLine("00201", '3', 'V'),
                    QueueLine("00201", '1')});
        WriteQueue("C:\\BDrive\\QU09022009.QUE",
                   {QueueLine("00102", '5'), QueueLine("00101", '4', ' ', '2')});
        WriteQueue("C:\\BDrive\\QU09032009.QUE",
                   {QueueLine("00101", '1'), QueueLine("00201", '4')});
        WriteQueue("C:\\BDrive\\QU09042009.QUE", {QueueLine("00101", '9')});
        // The POS server REG1 keeps other sales.
        WriteQueue("\\\\REG1\\C\\BDrive\\QU09022009.QUE", {QueueLine("00201", '7')});
        // The store master file on the POS directory, which the program's start-up stages
        // into the report directory of a store computer that has run it before.
        m_drive.MakeDirectories("C:\\report");
        StoreMaster files = MakeStoreMaster({"Brindlemoor Station #12", "Lakeshore", "", ""}, 1234);
        m_drive.WriteFile("C:\\POS\\POS-B", files.data);
        m_drive.WriteFile("C:\\POS\\POS-B.xxx", files.index);
    }
    void TearDown() override { SetCommandLine(""); }

    void WriteQueue(const std::string& path, const std::vector<std::string>& lines) {
        m_drive.WriteFile(path, JoinLines(lines));
    }

    // The recap file that Write File of the main dialog writes for 1 to 3 September 2009,
    // the program started with `commandLine`.
    std::string WriteFileOfTheMainDialog(const std::string& commandLine) {
        SetCommandLine(commandLine);
        ScopedHeadlessBackend ui;
        CReportsDlg dialog;
        ui->Open(dialog);
        EXPECT_TRUE(Click(dialog, kIdSalesRecap));
        EXPECT_TRUE(SelectDate(dialog, kIdCalendar, {2009, 9, 1}));
        EXPECT_TRUE(SelectDate(dialog, kIdCalendar, {2009, 9, 3}));
        EXPECT_TRUE(Click(dialog, kIdWriteFile));
        std::string bytes = m_drive.ReadFile(dialog.m_strRecapFile);
        std::filesystem::remove(HostPath(dialog.m_strRecapFile));
        return bytes;
    }

    TempDrive m_drive;
};

TEST_F(CliRecapTest, WritesTheSameBytesAsWriteFile) {
    const std::string expected = WriteFileOfTheMainDialog("");
    EXPECT_EQ(m_drive.ReadFile("C:\\Report\\POS-B"), m_drive.ReadFile("C:\\POS\\POS-B"));
    ASSERT_NE(expected.find("\r\nBurger,00101,Cheeseburger,3,1,3,2,,1,,,,,,\r\n"),
              std::string::npos)
        << expected;

    // To the recap file's own path.
    ProgramRun run = Cli({"recap", "2009-09-01", "2009-09-03"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, HostPath("C:\\pos\\Recap1234QU09012009.QUE.csv") + "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(m_drive.ReadFile("C:\\pos\\Recap1234QU09012009.QUE.csv"), expected);

    // To a file of this host, a relative path taken from the current directory.
    run = Cli({"recap", "--output", "out.csv", "2009-09-01", "2009-09-03"}, m_drive.Root());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, m_drive.Root() + "/out.csv\n");
    EXPECT_EQ(m_drive.ReadFile(m_drive.Root() + "/out.csv"), expected);
}

TEST_F(CliRecapTest, TheServerChoosesTheQueueDirectoryAsOnTheProgramsCommandLine) {
    struct Case {
        std::string server;  // --server, and the first word of the program's command line
        std::string soda;    // the Soda row of the recap
    };
    std::vector<Case> cases = {
        {"REG1", "Soda,00201,Fountain soda,7,1,7,7,,,,,,,,"},
        {"AB", "Soda,00201,Fountain soda,5,1,5,1,,4,,,,,,"},  // two letters name no computer
    };
    // This computer, in upper case, is this computer.
    std::string thisComputer = ComputerName().value_or("");
    for (char& c : thisComputer) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (!thisComputer.empty()) {
        cases.push_back({thisComputer, "Soda,00201,Fountain soda,5,1,5,1,,4,,,,,,"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.server);
        const std::string expected = WriteFileOfTheMainDialog(c.server);
        EXPECT_NE(expected.find("\r\n" + c.soda + "\r\n"), std::string::npos) << expected;
        ProgramRun run = Cli({"recap", "2009-09-01", "2009-09-03", "--server", c.server, "--output",
                              m_drive.Root() + "/out.csv"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(m_drive.ReadFile(m_drive.Root() + "/out.csv"), expected);
    }
}

TEST_F(CliRecapTest, MissingDefinitionsAreReportedAndTheHeaderStillWritten) {
    std::filesystem::remove(HostPath("C:\\POS\\Brindlemoor_Sales_Recap.csv"));
    const std::string expected = WriteFileOfTheMainDialog("");
    ProgramRun run = Cli({"recap", "2009-09-01", "2009-09-03"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, " Sales definition file missing\n");
    EXPECT_EQ(m_drive.ReadFile("C:\\pos\\Recap1234QU09012009.QUE.csv"),
              "Product,PLU,Description,Sold,Units,TlUnitsSold,Day1,Day2,Day3,Day4,Day5,Day6,"
              "Day7,\r\n");
    EXPECT_EQ(m_drive.ReadFile("C:\\pos\\Recap1234QU09012009.QUE.csv"), expected);
}

TEST_F(CliRecapTest, AFileThatCannotBeWrittenIsAFailure) {
    ProgramRun run = Cli({"recap", "2009-09-01", "2009-09-03", "--output",
                          m_drive.Root() + "/no such directory/out.csv"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("cannot write the recap file " + m_drive.Root() +
                           "/no such directory/out.csv"),
              std::string::npos)
        << run.err;

    // Without staging, the batch run makes no directory: C:\pos stays missing on a drive
    // that holds only the queue files, and no store directory is made.
    std::filesystem::remove_all(HostPath("C:\\POS"));
    run = Cli({"recap", "2009-09-01", "2009-09-03"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find(" Sales definition file missing\n"), std::string::npos);
    EXPECT_NE(run.err.find("cannot write the recap file"), std::string::npos);
    EXPECT_FALSE(m_drive.Exists("C:\\Store"));
    EXPECT_FALSE(m_drive.Exists("C:\\pos"));
}

}  // namespace
}  // namespace tolvane
