#include "read_only_block_file.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "host/paths.h"

namespace tolvane {
namespace {

class ReadOnlyBlockFile final : public BlockFile {
  public:
    explicit ReadOnlyBlockFile(std::FILE* file) : m_file(file) {}
    ~ReadOnlyBlockFile() override { std::fclose(m_file); }
    ReadOnlyBlockFile(const ReadOnlyBlockFile&) = delete;
    ReadOnlyBlockFile& operator=(const ReadOnlyBlockFile&) = delete;

    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        std::size_t read = 0;
        if (offset <= static_cast<std::uint64_t>(LONG_MAX) &&
            std::fseek(m_file, static_cast<long>(offset), SEEK_SET) == 0) {
            read = std::fread(out.data(), 1, out.size(), m_file);
        }
        // Bytes written earlier take the place of the file's, and count as read where they
        // lie beyond what the file gave, as they would after a real write.
        for (const auto& [start, bytes] : m_written) {
            const std::uint64_t end = start + bytes.size();
            if (end <= offset || start >= offset + out.size()) {
                continue;
            }
            const std::uint64_t from = std::max(start, offset);
            const std::uint64_t to = std::min<std::uint64_t>(end, offset + out.size());
            std::memcpy(out.data() + (from - offset), bytes.data() + (from - start),
                        static_cast<std::size_t>(to - from));
            read = std::max(read, static_cast<std::size_t>(to - offset));
        }
        return read;
    }

    std::size_t WriteAt(std::uint64_t offset, std::span<const std::uint8_t> in) override {
        // The library writes whole blocks at block positions, so a write at an offset
        // written before replaces it.
        m_written[offset].assign(in.begin(), in.end());
        return in.size();
    }

  private:
    std::FILE* m_file;
    std::map<std::uint64_t, std::vector<std::uint8_t>> m_written;
};

}  // namespace

std::unique_ptr<BlockFile> OpenReadOnlyBlockFile(std::string_view windowsPath) {
    std::FILE* file = std::fopen(HostPath(windowsPath).c_str(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    return std::make_unique<ReadOnlyBlockFile>(file);
}

}  // namespace tolvane
