#pragma once
// This computer: its name, the current directory, and the clock. Tests replace each of them.
#include <functional>
#include <optional>
#include <string>

namespace tolvane {

struct LocalDateTime {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// This computer's name (as GetComputerNameA gives it: on Windows the NetBIOS name; elsewhere
// the host name up to its first dot). Empty optional when it cannot be read.
std::optional<std::string> ComputerName();

// The process's current directory as a Windows path ("C:\..." when it lies under the drive C:
// directory, else the host path as it is).
std::string CurrentDirectory();

// The local date and time now.
LocalDateTime Now();

// For tests: replace the sources above; an empty function restores the real one.
void SetComputerNameSource(std::function<std::optional<std::string>()> source);
void SetClockSource(std::function<LocalDateTime()> source);
void SetCurrentDirectorySource(std::function<std::string()> source);

}  // namespace tolvane
