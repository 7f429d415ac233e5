#include <windows.h>

#include <string>

#include "host/system_sources.h"

namespace tolvane {

std::optional<std::string> RealComputerName() {
    char buffer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof buffer;
    if (!GetComputerNameA(buffer, &size)) {
        return std::nullopt;
    }
    return std::string(buffer, size);
}

std::string RealCurrentDirectory() {
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    if (size == 0) {
        return {};
    }
    std::string directory(size, '\0');
    DWORD written = GetCurrentDirectoryA(size, directory.data());
    if (written == 0 || written >= size) {
        return {};
    }
    directory.resize(written);
    return directory;
}

LocalDateTime RealNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    LocalDateTime result;
    result.year = now.wYear;
    result.month = now.wMonth;
    result.day = now.wDay;
    result.hour = now.wHour;
    result.minute = now.wMinute;
    result.second = now.wSecond;
    return result;
}

}  // namespace tolvane
