#pragma once
// The surroundings of a work sheet test: a fresh drive C:, a fixed "today", the program's
// command line, the current directory and the computer name. All are restored when it ends.
//
//   SheetTestEnv env;                       // Thursday 5 March 2009, "SERVER 1234", C:\POS
//   env.drive.WriteFile("C:\\POS\\WS.csv", "Buns,4711,\r\n");
//   env.SetToday({2010, 3, 4});
#include <map>
#include <string>
#include <string_view>

#include "host/dates.h"
#include "support/temp_drive.h"

namespace tolvane {

// The files of store 1234's week 9 of 2009, the environment's default.
inline constexpr const char* kSpecFile = "C:\\POS\\WS.csv";
inline constexpr const char* kWeekFile = "C:\\Store\\WS\\WS123409.csv";
inline const std::string kHeader =
    "Item,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Mdse,Crdts,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Lost,In/Out,QOH,"
    "InvN,Store,Date,Count,\r\n";

// A line of a weekly sheet file: the given cells, every other one empty.
std::string SheetLine(const std::map<int, std::string>& cells);

class SheetTestEnv {
  public:
    SheetTestEnv();
    ~SheetTestEnv();
    SheetTestEnv(const SheetTestEnv&) = delete;
    SheetTestEnv& operator=(const SheetTestEnv&) = delete;

    void SetToday(const Date& today) { m_today = today; }
    void SetCommandLine(std::string_view commandLine);
    // The current directory as the program sees it (a Windows path).
    void SetCurrentDirectory(std::string_view windowsPath) { m_strCurrentDir = windowsPath; }

    // Puts the test suite's stand-in program at a Windows path, ready to run. Started as NAME,
    // it records its run in NAME.run in its working directory and exits with the code written
    // in NAME.exit there (see tests/programs/sheet_program_stub.cpp).
    bool InstallProgramStub(std::string_view windowsPath) const;
    // Waits up to `timeoutMs` for a file to appear and returns its bytes ("" on timeout).
    std::string WaitForFile(std::string_view windowsPath, int timeoutMs = 10000) const;

    TempDrive drive;

  private:
    Date m_today{2009, 3, 5};
    std::string m_strCurrentDir = "C:\\POS";
};

}  // namespace tolvane
