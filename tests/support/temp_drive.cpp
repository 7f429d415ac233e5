#include "support/temp_drive.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "host/paths.h"

namespace tolvane {

namespace {

std::optional<std::string> GetEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void RestoreEnv(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

}  // namespace

TempDrive::TempDrive()
    : m_strOldDriveC(GetEnv("TOLVANE_DRIVE_C")), m_strOldUncRoot(GetEnv("TOLVANE_UNC_ROOT")) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::abort();  // a test cannot run without its drive
    }
    m_strRoot = pattern;
    std::filesystem::create_directory(DriveC());
    std::filesystem::create_directory(Unc());
    setenv("TOLVANE_DRIVE_C", DriveC().c_str(), 1);
    setenv("TOLVANE_UNC_ROOT", Unc().c_str(), 1);
}

TempDrive::~TempDrive() {
    RestoreEnv("TOLVANE_DRIVE_C", m_strOldDriveC);
    RestoreEnv("TOLVANE_UNC_ROOT", m_strOldUncRoot);
    std::error_code ignored;
    std::filesystem::remove_all(m_strRoot, ignored);
}

bool TempDrive::WriteFile(std::string_view windowsPath, std::string_view bytes) const {
    std::filesystem::path host = HostPath(windowsPath);
    std::error_code error;
    std::filesystem::create_directories(host.parent_path(), error);
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::string TempDrive::ReadFile(std::string_view windowsPath) const {
    std::ifstream in(HostPath(windowsPath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempDrive::Exists(std::string_view windowsPath) const {
    std::error_code error;
    return std::filesystem::exists(HostPath(windowsPath), error);
}

bool TempDrive::MakeDirectories(std::string_view windowsPath) const {
    std::error_code error;
    std::filesystem::create_directories(HostPath(windowsPath), error);
    return !error && std::filesystem::is_directory(HostPath(windowsPath));
}

}  // namespace tolvane
