#include "host/system.h"

#include <utility>

#include "host/system_sources.h"

namespace tolvane {

namespace {

// The replacements set by tests. The program itself runs on one thread, and tests set these
// before the code under test runs, so they need no lock.
std::function<std::optional<std::string>()>& ComputerNameSource() {
    static std::function<std::optional<std::string>()> source;
    return source;
}

std::function<LocalDateTime()>& ClockSource() {
    static std::function<LocalDateTime()> source;
    return source;
}

std::function<std::string()>& CurrentDirectorySource() {
    static std::function<std::string()> source;
    return source;
}

}  // namespace

std::optional<std::string> ComputerName() {
    return ComputerNameSource() ? ComputerNameSource()() : RealComputerName();
}

std::string CurrentDirectory() {
    return CurrentDirectorySource() ? CurrentDirectorySource()() : RealCurrentDirectory();
}

LocalDateTime Now() {
    return ClockSource() ? ClockSource()() : RealNow();
}

void SetComputerNameSource(std::function<std::optional<std::string>()> source) {
    ComputerNameSource() = std::move(source);
}

void SetClockSource(std::function<LocalDateTime()> source) {
    ClockSource() = std::move(source);
}

void SetCurrentDirectorySource(std::function<std::string()> source) {
    CurrentDirectorySource() = std::move(source);
}

}  // namespace tolvane
