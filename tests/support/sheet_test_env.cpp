#include "support/sheet_test_env.h"

#include "worksheet/sheet_table.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <system_error>
#include <thread>

#include "framework/backend.h"
#include "host/paths.h"
#include "host/system.h"

namespace tolvane {

SheetTestEnv::SheetTestEnv() {
    SetClockSource([this] {
        LocalDateTime now;
        now.year = m_today.year;
        now.month = m_today.month;
        now.day = m_today.day;
        now.hour = 10;
        return now;
    });
    SetCurrentDirectorySource([this] { return m_strCurrentDir; });
    SetComputerNameSource([] { return std::optional<std::string>("SERVER"); });
    tolvane::SetCommandLine("SERVER 1234");
}

SheetTestEnv::~SheetTestEnv() {
    SetClockSource({});
    SetCurrentDirectorySource({});
    SetComputerNameSource({});
    tolvane::SetCommandLine("");
}

void SheetTestEnv::SetCommandLine(std::string_view commandLine) {
    tolvane::SetCommandLine(commandLine);
}

bool SheetTestEnv::InstallProgramStub(std::string_view windowsPath) const {
    namespace fs = std::filesystem;
    fs::path target = HostPath(windowsPath);
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    fs::copy_file(fs::path(TOLVANE_TEST_PROGRAM_DIR) / "sheet_program_stub", target,
                  fs::copy_options::overwrite_existing, error);
    if (error) {
        return false;
    }
    fs::permissions(target, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec,
                    fs::perm_options::replace, error);
    return !error;
}

std::string SheetTestEnv::WaitForFile(std::string_view windowsPath, int timeoutMs) const {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (drive.Exists(windowsPath)) {
            return drive.ReadFile(windowsPath);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

std::string SheetLine(const std::map<int, std::string>& cells) {
    std::string line;
    for (int column = 0; column < kSheetColumnCount; ++column) {
        auto found = cells.find(column);
        if (found != cells.end()) {
            line += found->second;
        }
        line += ',';
    }
    return line + "\r\n";
}

}  // namespace tolvane
