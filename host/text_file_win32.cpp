#include <io.h>
#include <windows.h>

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
    DWORD attributes = GetFileAttributesA(m_targetPath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100 && m_file == nullptr; ++attempt) {
        m_tempPath = m_targetPath + ".~tv" + std::to_string(GetCurrentProcessId()) + "-" +
                     std::to_string(counter.fetch_add(1));
        // "x": fail when the name is taken, so no other writer's file is overwritten.
        m_file = std::fopen(m_tempPath.c_str(), "wbx");
        if (m_file == nullptr && errno != EEXIST) {
            return false;
        }
    }
    if (m_file == nullptr) {
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
    ok = ok && _commit(_fileno(m_file)) == 0;
    ok = std::fclose(m_file) == 0 && ok;
    m_file = nullptr;
    ok = ok && MoveFileExA(m_tempPath.c_str(), m_targetPath.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!ok) {
        DeleteFileA(m_tempPath.c_str());
    }
    return ok;
}

}  // namespace tolvane
