#include "host/text_file.h"

#include <cstring>
#include <string>

#include "host/file_system.h"
#include "host/paths.h"

namespace tolvane {

namespace {

// One read brings in up to this many bytes; the queue scan reads hundreds of megabytes, so
// the buffer is large enough that the cost per read call disappears.
constexpr std::size_t kBufferSize = 1 << 20;

}  // namespace

TextFileReader::~TextFileReader() {
    Close();
}

bool TextFileReader::Open(std::string_view path) {
    Close();
    m_file = OpenForReading(path);
    if (m_file == nullptr) {
        return false;
    }
    if (!m_buffer) {
        m_buffer = std::make_unique<char[]>(kBufferSize);
        m_capacity = kBufferSize;
    }
    m_begin = 0;
    m_end = 0;
    m_eof = false;
    m_long.clear();
    return true;
}

void TextFileReader::Close() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_begin = 0;
    m_end = 0;
    m_eof = true;
}

bool TextFileReader::ReadLine(std::string_view* line) {
    if (m_file == nullptr) {
        return false;
    }
    // True once part of the line has been moved to m_long because it filled the buffer.
    bool isLong = false;
    m_long.clear();
    for (;;) {
        char* data = m_buffer.get();
        if (m_begin < m_end) {
            const void* lf = std::memchr(data + m_begin, '\n', m_end - m_begin);
            if (lf != nullptr) {
                std::size_t lineEnd = static_cast<std::size_t>(static_cast<const char*>(lf) - data);
                std::string_view text(data + m_begin, lineEnd - m_begin);
                m_begin = lineEnd + 1;
                if (isLong) {
                    m_long.append(text);
                    text = m_long;
                }
                if (!text.empty() && text.back() == '\r') {
                    text.remove_suffix(1);
                }
                *line = text;
                return true;
            }
        }
        if (m_eof) {
            // The last line has no line feed; a carriage return at its end is not followed by
            // a line feed and so stays part of the text.
            if (!isLong && m_begin == m_end) {
                return false;
            }
            std::string_view text(data + m_begin, m_end - m_begin);
            m_begin = m_end;
            if (isLong) {
                m_long.append(text);
                text = m_long;
            }
            *line = text;
            return true;
        }
        // Move the unread tail to the front, then fill the rest of the buffer.
        if (m_begin > 0) {
            std::memmove(data, data + m_begin, m_end - m_begin);
            m_end -= m_begin;
            m_begin = 0;
        }
        if (m_end == m_capacity) {
            // A line longer than the buffer: keep what we have and read on.
            m_long.append(data, m_end);
            isLong = true;
            m_end = 0;
        }
        std::size_t got = std::fread(data + m_end, 1, m_capacity - m_end, m_file);
        if (got == 0) {
            m_eof = true;
            if (std::ferror(m_file)) {
                // A failed read ends the file; a half-read line is not handed out as a line.
                m_begin = m_end;
                m_long.clear();
                return false;
            }
        }
        m_end += got;
    }
}

// Writing is the same on every host; opening and committing live in the _posix and _win32
// variants, which know how to reach the disk and replace a file in one step.
TextFileWriter::~TextFileWriter() {
    Abandon();
}

void TextFileWriter::Abandon() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
        std::remove(m_tempPath.c_str());
    }
}

void TextFileWriter::Write(std::string_view text) {
    if (m_file == nullptr || m_failed) {
        m_failed = true;
        return;
    }
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), m_file) != text.size()) {
        m_failed = true;
    }
}

void TextFileWriter::WriteLine(std::string_view line) {
    Write(line);
    Write("\r\n");
}

}  // namespace tolvane
