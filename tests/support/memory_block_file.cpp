#include "support/memory_block_file.h"

#include <algorithm>
#include <cstring>

#include "keyfile/little_endian.h"

namespace tolvane::test {

namespace {

class MemoryBlockFile final : public BlockFile {
  public:
    explicit MemoryBlockFile(std::shared_ptr<MemoryFile> file) : m_file(std::move(file)) {}

    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        const auto unit = static_cast<std::uint16_t>(offset / kUnitSize + 1);
        m_file->m_readUnits.push_back(unit);
        if (m_file->m_bFailReads || m_file->m_failReadUnits.count(unit) != 0 ||
            offset >= m_file->m_bytes.size()) {
            return 0;
        }
        const std::size_t n = std::min<std::size_t>(out.size(), m_file->m_bytes.size() - offset);
        std::memcpy(out.data(), m_file->m_bytes.data() + offset, n);
        return n;
    }

    std::size_t WriteAt(std::uint64_t offset, std::span<const std::uint8_t> in) override {
        m_file->m_writeUnits.push_back(static_cast<std::uint16_t>(offset / kUnitSize + 1));
        if (m_file->m_bFailWrites) {
            return 0;
        }
        if (m_file->m_bytes.size() < offset + in.size()) {
            m_file->m_bytes.resize(offset + in.size(), '\0');
        }
        std::memcpy(m_file->m_bytes.data() + offset, in.data(), in.size());
        return in.size();
    }

  private:
    std::shared_ptr<MemoryFile> m_file;
};

}  // namespace

std::uint16_t MemoryFile::U16At(std::size_t offset) const {
    return DecodeU16(reinterpret_cast<const std::uint8_t*>(m_bytes.data() + offset));
}

void MemoryFile::SetU16At(std::size_t offset, std::uint16_t value) {
    EncodeU16(reinterpret_cast<std::uint8_t*>(m_bytes.data() + offset), value);
}

std::string MemoryFile::BlockAt(std::uint16_t unit) const {
    return m_bytes.substr(Offset(unit), kBlockSize);
}

std::shared_ptr<MemoryFile> MakeMemoryFile(std::string bytes) {
    auto file = std::make_shared<MemoryFile>();
    file->m_bytes = std::move(bytes);
    return file;
}

std::unique_ptr<BlockFile> OpenMemoryFile(std::shared_ptr<MemoryFile> file) {
    return std::make_unique<MemoryBlockFile>(std::move(file));
}

std::shared_ptr<MemoryFile> MemoryFileSystem::Add(const std::string& path, std::string bytes) {
    auto file = MakeMemoryFile(std::move(bytes));
    m_files[path] = file;
    return file;
}

BlockFileOpener MemoryFileSystem::Opener() const {
    return [files = m_files](std::string_view path) -> std::unique_ptr<BlockFile> {
        auto it = files.find(std::string(path));
        if (it == files.end()) {
            return nullptr;
        }
        return OpenMemoryFile(it->second);
    };
}

}  // namespace tolvane::test
