#include "host/file_system.h"

namespace tolvane {

bool FileExists(std::string_view path) {
    return GetFileStatus(path);
}

bool DirectoryExists(std::string_view path) {
    FileStatus status;
    return GetFileStatus(path, &status) && status.isDirectory;
}

}  // namespace tolvane
