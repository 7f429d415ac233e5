#include <windows.h>

#include <string>

#include "host/file_system.h"
#include "host/paths.h"

namespace tolvane {

bool GetFileStatus(std::string_view path, FileStatus* status) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(HostPath(path).c_str(), GetFileExInfoStandard, &data)) {
        return false;
    }
    if (status != nullptr) {
        status->isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        status->size =
            status->isDirectory
                ? 0
                : (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
    return true;
}

bool CopyFileTo(std::string_view source, std::string_view destination, bool failIfExists) {
    std::string from = HostPath(source);
    std::string to = HostPath(destination);
    if (failIfExists && GetFileAttributesA(to.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    // Copied beside the destination first, so that a failed copy (a share that drops away)
    // leaves the old file whole.
    std::string temp = to + ".~tv" + std::to_string(GetCurrentProcessId());
    if (!CopyFileA(from.c_str(), temp.c_str(), FALSE)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    DWORD flags = MOVEFILE_WRITE_THROUGH | (failIfExists ? 0 : MOVEFILE_REPLACE_EXISTING);
    if (!MoveFileExA(temp.c_str(), to.c_str(), flags)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}

bool RemoveFile(std::string_view path) {
    // DeleteFileA refuses directories by itself.
    return DeleteFileA(HostPath(path).c_str()) != FALSE;
}

bool CreateOneDirectory(std::string_view path) {
    return CreateDirectoryA(HostPath(path).c_str(), nullptr) != FALSE;
}

bool RenameFile(std::string_view from, std::string_view to) {
    return MoveFileExA(HostPath(from).c_str(), HostPath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

std::vector<std::string> ListDirectory(std::string_view pattern) {
    std::vector<std::string> names;
    std::size_t cut = pattern.find_last_of("\\/");
    std::string_view wildcard = cut == std::string_view::npos ? pattern : pattern.substr(cut + 1);
    if (wildcard.empty()) {
        return names;
    }
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(HostPath(pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        std::string_view name = data.cFileName;
        // FindFirstFile also matches the 8.3 short names; the long name must match too, so
        // that "QU*.que" lists the same entries here as elsewhere.
        if (name != "." && name != ".." && MatchesWildcard(wildcard, name)) {
            names.emplace_back(name);
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

bool ReadFileBytes(std::string_view path, std::string* bytes) {
    HANDLE file = CreateFileA(HostPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bytes->clear();
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) {
        bytes->append(buffer, got);
    }
    CloseHandle(file);
    return ok;
}

}  // namespace tolvane
