#include "keyfile/stdio_block_file.h"

#include <climits>
#include <cstdio>

namespace tolvane {

namespace {

class StdioBlockFile final : public BlockFile {
  public:
    explicit StdioBlockFile(std::FILE* file) : m_file(file) {}
    ~StdioBlockFile() override { std::fclose(m_file); }

    StdioBlockFile(const StdioBlockFile&) = delete;
    StdioBlockFile& operator=(const StdioBlockFile&) = delete;

    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (!SeekTo(offset)) {
            return 0;
        }
        return std::fread(out.data(), 1, out.size(), m_file);
    }

    std::size_t WriteAt(std::uint64_t offset, std::span<const std::uint8_t> in) override {
        if (!SeekTo(offset)) {
            return 0;
        }
        const std::size_t written = std::fwrite(in.data(), 1, in.size(), m_file);
        // A write that only reached the stream's buffer could still fail at close, where
        // nobody would hear of it; flushing here lets the caller see the failure.
        if (std::fflush(m_file) != 0) {
            return 0;
        }
        return written;
    }

  private:
    // Every transfer positions first; that also satisfies the stream's rule that a read may
    // not follow a write (or the reverse) without a positioning call in between.
    bool SeekTo(std::uint64_t offset) {
        if (offset > static_cast<std::uint64_t>(LONG_MAX)) {
            return false;
        }
        return std::fseek(m_file, static_cast<long>(offset), SEEK_SET) == 0;
    }

    std::FILE* m_file;
};

}  // namespace

std::unique_ptr<BlockFile> OpenStdioBlockFile(const std::string& hostPath) {
    std::FILE* file = std::fopen(hostPath.c_str(), "r+b");
    if (file == nullptr) {
        return nullptr;
    }
    return std::make_unique<StdioBlockFile>(file);
}

}  // namespace tolvane
