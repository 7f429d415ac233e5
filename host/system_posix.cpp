#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <string>
#include <vector>

#include "host/paths.h"
#include "host/system_sources.h"

namespace tolvane {

namespace {

// The canonical form of a host path (symbolic links resolved), as getcwd reports the
// current directory; empty when the path does not exist.
std::string Canonical(const std::string& path) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        return {};
    }
    std::string result = resolved;
    free(resolved);
    return result;
}

// The rest of `path` below `root` ("" for the root itself), or false when it lies elsewhere.
bool RestBelow(const std::string& path, const std::string& root, std::string* rest) {
    if (root.empty() || path.compare(0, root.size(), root) != 0) {
        return false;
    }
    if (path.size() == root.size()) {
        rest->clear();
        return true;
    }
    if (root.back() != '/' && path[root.size()] != '/') {
        return false;
    }
    *rest = path.substr(root.size() + (root.back() == '/' ? 0 : 1));
    return true;
}

std::string WithBackslashes(std::string text) {
    for (char& c : text) {
        if (c == '/') {
            c = '\\';
        }
    }
    return text;
}

}  // namespace

std::optional<std::string> RealComputerName() {
    char buffer[HOST_NAME_MAX + 1] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0) {
        return std::nullopt;
    }
    std::string name = buffer;
    // The Windows computer name is a single label; a host name may be fully qualified.
    name = name.substr(0, name.find('.'));
    if (name.empty()) {
        return std::nullopt;
    }
    return name;
}

std::string RealCurrentDirectory() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
    std::string current = buffer.data();
    std::string rest;
    if (RestBelow(current, Canonical(DriveCRoot()), &rest)) {
        return "C:\\" + WithBackslashes(rest);
    }
    if (RestBelow(current, Canonical(UncRoot()), &rest) && !rest.empty()) {
        return "\\\\" + WithBackslashes(rest);
    }
    return current;
}

LocalDateTime RealNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    LocalDateTime result;
    result.year = local.tm_year + 1900;
    result.month = local.tm_mon + 1;
    result.day = local.tm_mday;
    result.hour = local.tm_hour;
    result.minute = local.tm_min;
    result.second = local.tm_sec;
    return result;
}

}  // namespace tolvane
