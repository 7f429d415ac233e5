#pragma once
// File services over Windows paths (see paths.h for how they map onto this host).
// Names avoid the Win32 macros (CopyFile, DeleteFile, CreateDirectory) so that the Windows
// variants of this layer can include <windows.h>.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

struct FileStatus {
    bool isDirectory = false;
    std::uint64_t size = 0;
};

// True when the file system gives a status for the path (file or directory).
bool GetFileStatus(std::string_view path, FileStatus* status = nullptr);
bool FileExists(std::string_view path);       // any entry, file or directory
bool DirectoryExists(std::string_view path);  // an entry with the directory attribute

// Copies a file. With failIfExists false an existing destination is replaced. The copy is
// written beside the destination and renamed over it, so a failed copy leaves the old file.
bool CopyFileTo(std::string_view source, std::string_view destination, bool failIfExists);

// Deletes one file (never a directory).
bool RemoveFile(std::string_view path);

// Creates one directory; the parent must exist. False when it exists already (also as a
// file) or cannot be made.
bool CreateOneDirectory(std::string_view path);

// Renames a file, replacing the destination.
bool RenameFile(std::string_view from, std::string_view to);

// The bare names of the entries that match a pattern such as "C:\BDrive\QU*.que": the last
// component is the wildcard, matched without regard to case. Files and directories both
// match, as in a Windows listing; "." and ".." never appear. Order is the host's listing
// order (not sorted). An unreachable directory, or a pattern ending in a separator, gives an
// empty list.
std::vector<std::string> ListDirectory(std::string_view pattern);

// Opens a file (not a directory) by its Windows path for reading its bytes, unbuffered: the
// readers of the program read into large buffers of their own, and a stream buffer would
// only add a copy. nullptr when it cannot be opened. The caller closes it.
std::FILE* OpenForReading(std::string_view path);

// Reads a whole file into bytes. False when it cannot be opened or read, or is a directory.
bool ReadFileBytes(std::string_view path, std::string* bytes);

}  // namespace tolvane
