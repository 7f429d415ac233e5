#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "host/file_system.h"
#include "host/paths.h"

namespace tolvane {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and tells whether the close succeeded (a network file system may report a
    // failed write only here).
    bool CloseNow() {
        int fd = m_fd;
        m_fd = -1;
        return close(fd) == 0;
    }

  private:
    int m_fd;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Creates a new file beside `target` with a name no other writer uses (process id and a
// counter), so that two copies to the same destination never share a temporary file.
int CreateTemporaryBeside(const std::string& target, mode_t mode, std::string* tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        *tempPath =
            target + ".~tv" + std::to_string(getpid()) + "-" + std::to_string(counter.fetch_add(1));
        int fd = open(tempPath->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

bool GetFileStatus(std::string_view path, FileStatus* status) {
    struct stat info;
    if (stat(HostPath(path).c_str(), &info) != 0) {
        return false;
    }
    if (status != nullptr) {
        status->isDirectory = S_ISDIR(info.st_mode);
        status->size = S_ISDIR(info.st_mode) ? 0 : static_cast<std::uint64_t>(info.st_size);
    }
    return true;
}

bool CopyFileTo(std::string_view source, std::string_view destination, bool failIfExists) {
    FileDescriptor in(open(HostPath(source).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info;
    if (in.get() < 0 || fstat(in.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    std::string target = HostPath(destination);
    if (failIfExists && access(target.c_str(), F_OK) == 0) {
        return false;
    }

    std::string tempPath;
    // The copy keeps the source's permission bits (an executable stays executable).
    FileDescriptor out(CreateTemporaryBeside(target, info.st_mode & 07777, &tempPath));
    if (out.get() < 0) {
        return false;
    }
    bool ok = fchmod(out.get(), info.st_mode & 07777) == 0 || errno == EPERM;
    static constexpr std::size_t kChunk = 1 << 20;
    std::string buffer(kChunk, '\0');
    while (ok) {
        ssize_t got = read(in.get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        ok = WriteAll(out.get(), buffer.data(), static_cast<std::size_t>(got));
    }
    // The data reaches the disk before the rename makes it visible under the final name.
    ok = ok && fsync(out.get()) == 0;
    ok = out.CloseNow() && ok;
    if (ok) {
        if (failIfExists) {
            // link() refuses an existing destination, so a destination that appeared since
            // the check above is not replaced either. File systems without hard links fall
            // back to the check made above.
            if (link(tempPath.c_str(), target.c_str()) == 0) {
                unlink(tempPath.c_str());
                return true;
            }
            ok = errno != EEXIST && access(target.c_str(), F_OK) != 0 &&
                 rename(tempPath.c_str(), target.c_str()) == 0;
        } else {
            ok = rename(tempPath.c_str(), target.c_str()) == 0;
        }
    }
    if (!ok) {
        unlink(tempPath.c_str());
    }
    return ok;
}

bool RemoveFile(std::string_view path) {
    std::string host = HostPath(path);
    struct stat info;
    if (lstat(host.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return false;
    }
    return unlink(host.c_str()) == 0;
}

bool CreateOneDirectory(std::string_view path) {
    return mkdir(HostPath(path).c_str(), 0777) == 0;
}

bool RenameFile(std::string_view from, std::string_view to) {
    return rename(HostPath(from).c_str(), HostPath(to).c_str()) == 0;
}

std::vector<std::string> ListDirectory(std::string_view pattern) {
    std::size_t cut = pattern.find_last_of("\\/");
    std::string_view wildcard = pattern;
    std::string directory;
    if (cut != std::string_view::npos) {
        wildcard = pattern.substr(cut + 1);
        // Keep the separator for a root ("C:\*", "\*", "/*"), so that it stays a root.
        directory = HostPath(pattern.substr(0, cut + 1));
    } else if (pattern.size() >= 2 && pattern[1] == ':') {
        wildcard = pattern.substr(2);
        directory = HostPath(pattern.substr(0, 2));
    } else {
        directory = ".";
    }

    std::vector<std::string> names;
    if (wildcard.empty()) {
        return names;
    }
    DIR* dir = opendir(directory.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        if (MatchesWildcard(wildcard, name)) {
            names.emplace_back(name);
        }
    }
    closedir(dir);
    return names;
}

bool ReadFileBytes(std::string_view path, std::string* bytes) {
    FileDescriptor in(open(HostPath(path).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info;
    if (in.get() < 0 || fstat(in.get(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return false;
    }
    bytes->clear();
    char buffer[65536];
    for (;;) {
        ssize_t got = read(in.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        bytes->append(buffer, static_cast<std::size_t>(got));
    }
}

}  // namespace tolvane
