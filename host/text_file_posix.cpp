#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "host/paths.h"
#include "host/text_file.h"

namespace tolvane {

bool TextFileWriter::Open(std::string_view path) {
    Abandon();
    m_failed = false;
    m_targetPath = HostPath(path);

    // A saved file keeps the permission bits of the file it replaces; a new one gets the
    // usual 0666 less the umask, which open() applies.
    mode_t mode = 0666;
    struct stat info;
    bool replacing = stat(m_targetPath.c_str(), &info) == 0;
    if (replacing) {
        if (S_ISDIR(info.st_mode)) {
            return false;
        }
        mode = info.st_mode & 07777;
    }

    static std::atomic<unsigned> counter{0};
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        m_tempPath = m_targetPath + ".~tv" + std::to_string(getpid()) + "-" +
                     std::to_string(counter.fetch_add(1));
        fd = open(m_tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (fd < 0) {
        return false;
    }
    if (replacing) {
        fchmod(fd, mode);
    }
    m_file = fdopen(fd, "wb");
    if (m_file == nullptr) {
        close(fd);
        unlink(m_tempPath.c_str());
        return false;
    }
    std::setvbuf(m_file, nullptr, _IOFBF, 1 << 16);
    return true;
}

bool TextFileWriter::Commit() {
    if (m_file == nullptr) {
        return false;
    }
    bool ok = !m_failed && std::fflush(m_file) == 0;
    // The bytes reach the disk before the rename, so a crash leaves the old file or the new
    // one, never a torn one.
    ok = ok && fsync(fileno(m_file)) == 0;
    ok = std::fclose(m_file) == 0 && ok;
    m_file = nullptr;
    ok = ok && rename(m_tempPath.c_str(), m_targetPath.c_str()) == 0;
    if (!ok) {
        unlink(m_tempPath.c_str());
    }
    return ok;
}

}  // namespace tolvane
