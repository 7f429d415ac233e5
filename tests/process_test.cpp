#include "host/process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "host/file_system.h"
#include "host/paths.h"
#include "support/scoped_env.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::string kChild = std::string(TOLVANE_TEST_PROGRAM_DIR) + "/tolvane_test_child";

TEST(SplitCommandLineTest, FollowsTheWindowsRuntime) {
    struct Case {
        const char* line;
        std::vector<std::string> arguments;
    } kCases[] = {
        {"", {}},
        {" \t ", {}},
        {"a b\tc", {"a", "b", "c"}},
        {"  a   b  ", {"a", "b"}},
        {"\"a b\" c", {"a b", "c"}},
        {"a\"b c\"d e", {"ab cd", "e"}},
        {"\"\"", {""}},
        {"\"\" \"\" x", {"", "", "x"}},
        {"a \"\"", {"a", ""}},
        {"\"a\"\"b\"", {"a\"b"}},
        {"\"a\"\"\"", {"a\""}},
        {"\"\"\"\"", {"\""}},
        {"a\"\"b", {"ab"}},
        {"\"unterminated arg", {"unterminated arg"}},
        {"a\\\\b", {"a\\\\b"}},
        {"a\\\"b", {"a\"b"}},
        {"a\\\\\"b c\"", {"a\\b c"}},
        {"a\\\\\\\"b", {"a\\\"b"}},
        {"\"C:\\Store\\\"", {"C:\\Store\""}},
        {"\"C:\\Store\\\\\" x", {"C:\\Store\\", "x"}},
        {"C:\\Store\\", {"C:\\Store\\"}},
        {"trailing\\", {"trailing\\"}},
        {"\"tab\tinside\"", {"tab\tinside"}},
        {"C:\\Store\\WS\\WS123409.csv \"   Manager's Daily Control Record\" "
         "\"C:\\Store\\WS\\WS123409.csv\"\"Thursday, March 05, 2009             Location# 1234\"",
         {"C:\\Store\\WS\\WS123409.csv", "   Manager's Daily Control Record",
          "C:\\Store\\WS\\WS123409.csv\"Thursday, March 05, 2009             Location# 1234"}},
    };
    for (const Case& test : kCases) {
        EXPECT_THAT(SplitCommandLine(test.line), ElementsAreArray(test.arguments)) << test.line;
    }
}

// What the child recorded: its working directory, its process id and its arguments.
struct Record {
    std::string directory;
    pid_t pid = 0;
    std::vector<std::string> arguments;
};

bool ReadRecord(const std::string& hostPath, Record* record) {
    std::string bytes;
    if (!ReadFileBytes(hostPath, &bytes)) {
        return false;
    }
    std::istringstream in(bytes);
    std::string pid;
    if (!std::getline(in, record->directory) || !std::getline(in, pid)) {
        return false;
    }
    record->pid = static_cast<pid_t>(std::stol(pid));
    record->arguments.clear();
    for (std::string line; std::getline(in, line);) {
        record->arguments.push_back(line);
    }
    return true;
}

// Polls for a record written by a program that nobody waits for.
bool AwaitRecord(const std::string& hostPath, Record* record) {
    for (int i = 0; i < 500; ++i) {
        if (ReadRecord(hostPath, record)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

class ShellStartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_drive.MakeDirectories("C:\\report"));
        ASSERT_TRUE(m_drive.MakeDirectories("C:\\POS"));
        m_strRecord = m_drive.Root() + "/record.txt";
    }

    // Places a copy of the child program at a Windows path.
    void InstallChild(std::string_view windowsPath) {
        ASSERT_TRUE(CopyFileTo(kChild, windowsPath, false)) << windowsPath;
    }

    int StartAndWait(std::string_view file, std::string_view parameters, std::string_view directory,
                     int* exitCode) {
        std::unique_ptr<Process> process;
        int result = ShellStart(file, parameters, directory, &process);
        if (result > 32) {
            EXPECT_NE(process, nullptr);
            EXPECT_EQ(WaitForProcess(*process, 10000, exitCode), WaitResult::kEnded);
        } else {
            EXPECT_EQ(process, nullptr);
        }
        return result;
    }

    TempDrive m_drive;
    std::string m_strRecord;
};

TEST_F(ShellStartTest, PassesSplitArgumentsAndRunsInTheWorkingDirectory) {
    InstallChild("C:\\report\\Tabulo.exe");
    int exitCode = -1;
    std::string parameters = "record=" + m_strRecord +
                             " C:\\Store\\WS\\WS1234.csv \"   Manager's Daily\" \"a\"\"b\" \"\" "
                             "x\\\\\"y z\"";
    ASSERT_GT(StartAndWait("c:\\REPORT\\tabulo.EXE", parameters, "c:\\report", &exitCode), 32);
    EXPECT_EQ(exitCode, 0);
    Record record;
    ASSERT_TRUE(ReadRecord(m_strRecord, &record));
    EXPECT_EQ(record.directory, m_drive.DriveC() + "/report");
    EXPECT_THAT(record.arguments, ElementsAre("record=" + m_strRecord, "C:\\Store\\WS\\WS1234.csv",
                                              "   Manager's Daily", "a\"b", "", "x\\y z"));
}

TEST_F(ShellStartTest, FindsTheProgramInTheWorkingDirectoryThenOnPath) {
    InstallChild("C:\\POS\\pagoret");
    ASSERT_TRUE(m_drive.MakeDirectories(m_drive.Root() + "/bin"));
    InstallChild(m_drive.Root() + "/bin/childonpath");
    ScopedEnv path("PATH", m_drive.Root() + "/bin:/usr/bin:/bin");

    int exitCode = -1;
    // A bare name in the working directory, found without case and without ".exe".
    ASSERT_GT(StartAndWait("Pagoret.exe", "exit=2 record=" + m_strRecord, "C:\\POS", &exitCode),
              32);
    EXPECT_EQ(exitCode, 2);
    Record record;
    ASSERT_TRUE(ReadRecord(m_strRecord, &record));
    EXPECT_EQ(record.directory, m_drive.DriveC() + "/POS");

    ASSERT_GT(StartAndWait("childonpath", "exit=3", "C:\\report", &exitCode), 32);
    EXPECT_EQ(exitCode, 3);
    // An empty working directory keeps the current one.
    ASSERT_GT(StartAndWait("childonpath", "exit=4", "", &exitCode), 32);
    EXPECT_EQ(exitCode, 4);
}

TEST_F(ShellStartTest, ReportsWhyAStartFailed) {
    ASSERT_TRUE(m_drive.WriteFile("C:\\report\\plain.exe", "not a program"));
    ASSERT_TRUE(m_drive.WriteFile("C:\\report\\noformat.exe", "not a program either"));
    ASSERT_EQ(chmod(HostPath("C:\\report\\noformat.exe").c_str(), 0755), 0);
    InstallChild("C:\\report\\Tabulo.exe");
    struct Case {
        const char* file;
        const char* directory;
        int result;
    } kCases[] = {
        {"c:\\report\\Missing.exe", "c:\\report", 2},
        {"NoSuchProgramAnywhere.exe", "", 2},
        {"", "c:\\report", 2},
        {"c:\\report\\Tabulo.exe", "c:\\NoDirectory", 3},
        {"c:\\report\\Tabulo.exe", "c:\\report\\plain.exe", 3},
        {"c:\\report\\plain.exe", "c:\\report", 5},
        {"c:\\report\\noformat.exe", "c:\\report", 11},
    };
    for (const Case& test : kCases) {
        std::unique_ptr<Process> process;
        EXPECT_EQ(ShellStart(test.file, "", test.directory, &process), test.result) << test.file;
        EXPECT_EQ(process, nullptr);
        EXPECT_EQ(ShellStart(test.file, "", test.directory), test.result) << test.file;
    }
}

TEST_F(ShellStartTest, WaitGivesExitCodesAndHonoursTheTimeLimit) {
    InstallChild("C:\\report\\Tabulo.exe");
    for (int code : {0, 1, 2, 255}) {
        int exitCode = -1;
        ASSERT_GT(
            StartAndWait("C:\\report\\Tabulo.exe", "exit=" + std::to_string(code), "", &exitCode),
            32);
        EXPECT_EQ(exitCode, code);
    }

    std::unique_ptr<Process> process;
    ASSERT_GT(ShellStart("C:\\report\\Tabulo.exe", "sleep=600 exit=7", "", &process), 32);
    auto start = std::chrono::steady_clock::now();
    int exitCode = -1;
    EXPECT_EQ(WaitForProcess(*process, 50, &exitCode), WaitResult::kTimedOut);
    EXPECT_EQ(WaitForProcess(*process, 0, &exitCode), WaitResult::kTimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(WaitForProcess(*process, -1, &exitCode), WaitResult::kEnded);
    EXPECT_EQ(exitCode, 7);
    exitCode = -1;
    EXPECT_EQ(WaitForProcess(*process, 0, &exitCode), WaitResult::kEnded);
    EXPECT_EQ(exitCode, 7);
}

// True once the process is gone for good: neither running nor left as our zombie.
bool NotOurChild(pid_t pid) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0 &&
           errno == ECHILD;
}

TEST_F(ShellStartTest, ProgramsNobodyWaitsForLeaveNoZombie) {
    InstallChild("C:\\report\\Tabulo.exe");
    // Started without a handle: the program is not a child of this process at all.
    ASSERT_GT(ShellStart("C:\\report\\Tabulo.exe", "record=" + m_strRecord, "C:\\POS"), 32);
    Record record;
    ASSERT_TRUE(AwaitRecord(m_strRecord, &record));
    EXPECT_EQ(record.directory, m_drive.DriveC() + "/POS");
    EXPECT_TRUE(NotOurChild(record.pid));

    // With a handle dropped while the program runs, its status is still collected.
    std::string second = m_drive.Root() + "/second.txt";
    {
        std::unique_ptr<Process> process;
        ASSERT_GT(
            ShellStart("C:\\report\\Tabulo.exe", "record=" + second + " sleep=100", "", &process),
            32);
        ASSERT_TRUE(AwaitRecord(second, &record));
        EXPECT_FALSE(NotOurChild(record.pid));
    }
    bool reaped = false;
    for (int i = 0; i < 500 && !reaped; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        reaped = NotOurChild(record.pid);
    }
    EXPECT_TRUE(reaped);
}

}  // namespace
}  // namespace tolvane
