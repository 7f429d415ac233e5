#include "recap/queue_file_reader.h"

#include <cstring>
#include <string>

#include "host/file_system.h"
#include "host/paths.h"

namespace tolvane {

QueueFileReader::~QueueFileReader() {
    Close();
}

bool QueueFileReader::Open(std::string_view path) {
    Close();
    m_file = OpenForReading(path);
    if (m_file == nullptr) {
        return false;
    }
    if (!m_buffer) {
        m_buffer = std::make_unique_for_overwrite<char[]>(kBufferSize + 1);
    }
    m_begin = 0;
    m_end = 0;
    m_bEof = false;
    m_bSkipping = false;
    return true;
}

void QueueFileReader::Close() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_begin = 0;
    m_end = 0;
    m_bEof = true;
}

bool QueueFileReader::Fill() {
    if (m_bEof || m_file == nullptr) {
        return false;
    }
    char* data = m_buffer.get();
    if (m_begin > 0) {
        std::memmove(data, data + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    std::size_t got = std::fread(data + m_end, 1, kBufferSize - m_end, m_file);
    if (got == 0) {
        m_bEof = true;
        if (std::ferror(m_file)) {
            // A failed read ends the file; a half-read line is not handed out.
            m_begin = m_end = 0;
        }
        return false;
    }
    m_end += got;
    return true;
}

bool QueueFileReader::ReadBlock(std::string_view* block) {
    if (m_file == nullptr) {
        return false;
    }
    char* data = m_buffer.get();
    for (;;) {
        std::string_view unread(data + m_begin, m_end - m_begin);
        if (m_bSkipping) {
            std::size_t lf = unread.find('\n');
            if (lf != std::string_view::npos) {
                m_begin += lf + 1;
                m_bSkipping = false;
                continue;
            }
            m_begin = m_end;
        } else {
            std::size_t lastLf = unread.rfind('\n');
            if (lastLf != std::string_view::npos) {
                *block = unread.substr(0, lastLf + 1);
                m_begin += lastLf + 1;
                return true;
            }
            if (m_bEof && !unread.empty()) {
                *block = unread;
                m_begin = m_end;
                return true;
            }
            if (m_end - m_begin == kBufferSize) {
                // One line fills the buffer: hand out its start and skip the rest.
                data[kBufferSize] = '\n';
                *block = std::string_view(data, kBufferSize + 1);
                m_begin = m_end = 0;
                m_bSkipping = true;
                return true;
            }
        }
        if (!Fill()) {
            if (m_bEof && !m_bSkipping && m_begin < m_end) {
                continue;  // the last line, without a line feed
            }
            return false;
        }
    }
}

}  // namespace tolvane
