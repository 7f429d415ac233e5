#include <windows.h>

#include <string>

#include "host/paths.h"

namespace tolvane {

// On Windows the program's paths are this host's paths: the file system finds components
// without regard to case by itself.
std::string HostPath(std::string_view windowsPath) {
    return std::string(windowsPath);
}

std::string DriveCRoot() {
    return "C:";
}

std::string UncRoot() {
    return "\\";
}

}  // namespace tolvane
