#pragma once
// Reads a queue file in large blocks of whole lines. The recap's scan looks at every line of
// a year of queue files, hundreds of megabytes; taking the lines a block at a time, instead of
// one call per line, keeps the scan close to the speed of the reads themselves.
#include <cstdio>
#include <memory>
#include <string_view>

namespace tolvane {

class QueueFileReader {
  public:
    QueueFileReader() = default;
    ~QueueFileReader();
    QueueFileReader(const QueueFileReader&) = delete;
    QueueFileReader& operator=(const QueueFileReader&) = delete;

    // Opens a file by its Windows path. False when it cannot be opened for reading. A reader
    // can open one file after another and keeps its buffer.
    bool Open(std::string_view path);
    void Close();

    // The next run of whole lines, each with its line feed; a last line without a line feed
    // comes whole at the end of the file. The view stays valid until the next call. A line
    // longer than the buffer (kBufferSize) comes cut to kBufferSize characters and a line
    // feed, the rest of it skipped: the scan reads no character that far into a line.
    // False at the end of the file or on a read error.
    bool ReadBlock(std::string_view* block);

    static constexpr std::size_t kBufferSize = std::size_t{256} << 10;

  private:
    // Reads more of the file behind the unread bytes. False at the end of the file or on an
    // error.
    bool Fill();

    std::FILE* m_file = nullptr;
    std::unique_ptr<char[]> m_buffer;  // kBufferSize bytes and one for a line feed
    std::size_t m_begin = 0;           // first unread byte
    std::size_t m_end = 0;             // one past the last byte read
    bool m_bEof = false;
    bool m_bSkipping = false;  // passing over the rest of a line longer than the buffer
};

}  // namespace tolvane
