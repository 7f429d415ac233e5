#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/paths.h"

namespace tolvane {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// An environment variable that is set to something; an empty value counts as unset, so that
// "VAR= program" behaves like a missing variable.
std::string EnvValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string DataHome() {
    std::string xdg = EnvValue("XDG_DATA_HOME");
    if (!xdg.empty()) {
        return WithoutTrailingSlashes(xdg);
    }
    std::string home = EnvValue("HOME");
    if (home.empty()) {
        if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir) {
            home = entry->pw_dir;
        }
    }
    if (home.empty()) {
        home = ".";
    }
    return WithoutTrailingSlashes(home) + "/.local/share";
}

std::string CurrentHostDirectory() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return ".";
        }
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string DriveRoot(char letter) {
    std::string driveC = DriveCRoot();
    if (letter == 'c' || letter == 'C') {
        return driveC;
    }
    std::string::size_type slash = driveC.rfind('/');
    std::string parent = slash == std::string::npos ? std::string(".")
                         : slash == 0               ? std::string()
                                                    : driveC.substr(0, slash);
    char lower = static_cast<char>(letter | 0x20);
    return parent + "/drive_" + lower;
}

std::string JoinHost(const std::string& directory, std::string_view name) {
    std::string joined = directory;
    if (joined.empty() || joined.back() != '/') {
        joined += '/';
    }
    joined.append(name);
    return joined;
}

// The name under which `name` exists in `directory`: the name itself when it exists as
// written, else the first entry that equals it without regard to case. Empty when there is
// none (or the directory cannot be read).
std::string FindEntryNoCase(const std::string& directory, std::string_view name) {
    struct stat info;
    if (lstat(JoinHost(directory, name).c_str(), &info) == 0) {
        return std::string(name);
    }
    DIR* dir = opendir(directory.empty() ? "/" : directory.c_str());
    if (dir == nullptr) {
        return {};
    }
    std::string found;
    while (const dirent* entry = readdir(dir)) {
        if (EqualsNoCase(entry->d_name, name)) {
            found = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

std::vector<std::string_view> SplitComponents(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i < path.size()) {
        while (i < path.size() && IsSeparator(path[i])) {
            ++i;
        }
        std::size_t start = i;
        while (i < path.size() && !IsSeparator(path[i])) {
            ++i;
        }
        if (i > start) {
            parts.push_back(path.substr(start, i - start));
        }
    }
    return parts;
}

}  // namespace

std::string DriveCRoot() {
    std::string configured = EnvValue("TOLVANE_DRIVE_C");
    if (!configured.empty()) {
        return WithoutTrailingSlashes(configured);
    }
    return DataHome() + "/tolvane/drive_c";
}

std::string UncRoot() {
    std::string configured = EnvValue("TOLVANE_UNC_ROOT");
    if (!configured.empty()) {
        return WithoutTrailingSlashes(configured);
    }
    return DataHome() + "/tolvane/unc";
}

std::string HostPath(std::string_view windowsPath) {
    // A single leading '/' is a path of this host already; "//server/share" is UNC.
    if (!windowsPath.empty() && windowsPath[0] == '/' &&
        (windowsPath.size() == 1 || !IsSeparator(windowsPath[1]))) {
        return std::string(windowsPath);
    }

    std::string base;
    std::string_view rest;
    // Leading components that ".." must not remove: the server and share of a UNC path.
    std::size_t fixedCount = 0;
    if (windowsPath.size() >= 2 && IsSeparator(windowsPath[0]) && IsSeparator(windowsPath[1])) {
        base = UncRoot();
        rest = windowsPath.substr(2);
        fixedCount = 2;
    } else if (windowsPath.size() >= 2 && IsAsciiLetter(windowsPath[0]) && windowsPath[1] == ':') {
        // "C:name" (relative to the drive's current directory on Windows) is taken from the
        // drive's root: this process has no per-drive current directory.
        base = DriveRoot(windowsPath[0]);
        rest = windowsPath.substr(2);
    } else if (!windowsPath.empty() && IsSeparator(windowsPath[0])) {
        // "\POS\WS.csv": the root of the current drive, which for this program is C:.
        base = DriveCRoot();
        rest = windowsPath;
    } else {
        base = "/";
        rest = windowsPath;
    }

    // Resolve component by component. Once a component is missing, nothing below it can
    // exist, so the rest is appended as written.
    std::vector<std::string> resolved;
    std::vector<bool> existing;
    if (base == "/") {
        // A relative path starts from the current directory, and ".." may climb out of it.
        const std::string current = CurrentHostDirectory();
        for (std::string_view part : SplitComponents(current)) {
            resolved.emplace_back(part);
            existing.push_back(true);
        }
    }
    for (std::string_view part : SplitComponents(rest)) {
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            if (resolved.size() > fixedCount) {
                resolved.pop_back();
                existing.pop_back();
            }
            continue;
        }
        bool parentExists = existing.empty() || existing.back();
        std::string name;
        if (parentExists) {
            std::string directory = base;
            for (const std::string& done : resolved) {
                directory = JoinHost(directory, done);
            }
            name = FindEntryNoCase(directory, part);
        }
        bool found = !name.empty();
        resolved.push_back(found ? name : std::string(part));
        existing.push_back(found);
    }

    std::string host = base;
    for (const std::string& part : resolved) {
        host = JoinHost(host, part);
    }
    return host;
}

}  // namespace tolvane
