#pragma once
// Keyed-file fixtures for tests, built in code with the keyed-file writer.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "keyfile/index_file.h"
#include "keyfile/key_file_writer.h"
#include "support/memory_block_file.h"

namespace tolvane::test {

// The i-th key (i from 0 to 99) of a family of keyLength-byte keys that differ only in their
// last byte, 0x30 + 2i, so that the key with that byte plus 1 lies strictly between key i and
// key i + 1. The other bytes are a fixed text.
std::string FamilyKey(int keyLength, int i);

// A key of the family with the given last byte.
std::string FamilyKeyWithLastByte(int keyLength, std::uint8_t last);

// Builds an index; records a test failure (and returns an empty index) when the writer refuses.
BuiltIndex BuildIndex(const IndexFilePlan& plan);

// Builds a data file; records a test failure when the writer refuses.
std::string BuildData(const DataFilePlan& plan);

// Opens an index over a memory file.
IndexHandle OpenMemoryIndex(const std::shared_ptr<MemoryFile>& file);

// The bytes of a string as the key buffer of FindKey.
std::vector<std::uint8_t> KeyBuffer(const std::string& key);
std::string KeyText(const std::vector<std::uint8_t>& buffer, std::size_t length);

}  // namespace tolvane::test
