#include "host/file_system.h"

#include "host/paths.h"

namespace tolvane {

bool FileExists(std::string_view path) {
    return GetFileStatus(path);
}

bool DirectoryExists(std::string_view path) {
    FileStatus status;
    return GetFileStatus(path, &status) && status.isDirectory;
}

std::FILE* OpenForReading(std::string_view path) {
    std::string host = HostPath(path);
    // A directory opens as a stream on some hosts and then fails at the first read; it is no
    // file to read, so it fails here.
    FileStatus status;
    if (GetFileStatus(host, &status) && status.isDirectory) {
        return nullptr;
    }
    std::FILE* file = std::fopen(host.c_str(), "rb");
    if (file != nullptr) {
        std::setvbuf(file, nullptr, _IONBF, 0);
    }
    return file;
}

}  // namespace tolvane
