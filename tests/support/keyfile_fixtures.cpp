#include "support/keyfile_fixtures.h"

#include <gtest/gtest.h>

namespace tolvane::test {

std::string FamilyKey(int keyLength, int i) {
    return FamilyKeyWithLastByte(keyLength, static_cast<std::uint8_t>(0x30 + 2 * i));
}

std::string FamilyKeyWithLastByte(int keyLength, std::uint8_t last) {
    static const std::string kText = "Brindlemoor Grill dinner plate!";
    std::string key;
    for (int j = 0; j + 1 < keyLength; ++j) {
        key.push_back(kText[static_cast<std::size_t>(j) % kText.size()]);
    }
    key.push_back(static_cast<char>(last));
    return key;
}

BuiltIndex BuildIndex(const IndexFilePlan& plan) {
    BuiltIndex built;
    std::string error;
    if (!BuildIndexFile(plan, &built, &error)) {
        ADD_FAILURE() << "index fixture refused: " << error;
        return {};
    }
    return built;
}

std::string BuildData(const DataFilePlan& plan) {
    std::string bytes;
    std::string error;
    if (!BuildDataFile(plan, &bytes, &error)) {
        ADD_FAILURE() << "data fixture refused: " << error;
    }
    return bytes;
}

IndexHandle OpenMemoryIndex(const std::shared_ptr<MemoryFile>& file) {
    return OpenIndex(OpenMemoryFile(file));
}

std::vector<std::uint8_t> KeyBuffer(const std::string& key) {
    return std::vector<std::uint8_t>(key.begin(), key.end());
}

std::string KeyText(const std::vector<std::uint8_t>& buffer, std::size_t length) {
    return std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
}

}  // namespace tolvane::test
