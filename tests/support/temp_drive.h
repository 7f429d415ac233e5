#pragma once
// A fresh, empty drive C: and UNC root for one test.
//
//   TempDrive drive;
//   drive.WriteFile("C:\\POS\\WS.csv", "a,b,\r\n");
//   ... code under test uses "C:\\POS\\WS.csv" ...
//   EXPECT_EQ(drive.ReadFile("C:\\Store\\WS\\WS123409.csv"), "...");
//
// The constructor makes a new temporary directory holding drive_c/ and unc/ and points
// TOLVANE_DRIVE_C and TOLVANE_UNC_ROOT at them; the destructor restores both variables as
// they were and removes the directory. One TempDrive at a time.
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

class TempDrive {
  public:
    TempDrive();
    ~TempDrive();
    TempDrive(const TempDrive&) = delete;
    TempDrive& operator=(const TempDrive&) = delete;

    // Host paths: the temporary directory, drive C: in it, and the UNC root in it.
    const std::string& Root() const { return m_strRoot; }
    std::string DriveC() const { return m_strRoot + "/drive_c"; }
    std::string Unc() const { return m_strRoot + "/unc"; }

    // Writes a file by its Windows path, making missing parent directories. False on failure.
    bool WriteFile(std::string_view windowsPath, std::string_view bytes) const;
    // The bytes of a file by its Windows path; empty when it cannot be read (see Exists).
    std::string ReadFile(std::string_view windowsPath) const;
    // True when a file or directory exists at the Windows path.
    bool Exists(std::string_view windowsPath) const;
    // Makes a directory and its missing parents by Windows path. False on failure.
    bool MakeDirectories(std::string_view windowsPath) const;

  private:
    std::string m_strRoot;
    std::optional<std::string> m_strOldDriveC;
    std::optional<std::string> m_strOldUncRoot;
};

}  // namespace tolvane
