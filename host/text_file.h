#pragma once
// Text files as the POS writes them: single-byte characters; a line ends at a line feed and a
// carriage return right before it is dropped; a last line without a line feed still counts.
// Written lines end with carriage return and line feed.
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace tolvane {

class TextFileReader {
  public:
    TextFileReader() = default;
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    // Opens a file by its Windows path. False when it cannot be opened for reading.
    bool Open(std::string_view path);
    // The next line without its ending. The view stays valid until the next call.
    // False at the end of the file (or on a read error).
    bool ReadLine(std::string_view* line);
    void Close();

  private:
    std::FILE* m_file = nullptr;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_begin = 0;  // first unread byte in m_buffer
    std::size_t m_end = 0;    // one past the last valid byte in m_buffer
    std::size_t m_capacity = 0;
    bool m_eof = false;
    std::string m_long;  // holds a line that does not fit the buffer
};

// Writes a text file safely: lines go to a temporary file beside the target, which Commit
// renames over the target. Nothing is changed until Commit succeeds; a writer destroyed
// without Commit removes its temporary file.
class TextFileWriter {
  public:
    TextFileWriter() = default;
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    // Creates the temporary file beside the Windows path. False when it cannot be created
    // (for example the directory is missing).
    bool Open(std::string_view path);
    // Appends text and "\r\n".
    void WriteLine(std::string_view line);
    // Appends text without a line ending.
    void Write(std::string_view text);
    // Flushes, closes and renames over the target. False when any write or the rename failed;
    // then the target is unchanged.
    bool Commit();

  private:
    // Closes and removes an unfinished temporary file.
    void Abandon();

    std::FILE* m_file = nullptr;
    std::string m_tempPath;    // host path of the temporary file
    std::string m_targetPath;  // host path of the target
    bool m_failed = false;
};

}  // namespace tolvane
