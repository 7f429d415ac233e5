#include "keyfile/index_file.h"

#include <limits>
#include <new>
#include <utility>

#include "keyfile/index_node.h"
#include "keyfile/key_file_error.h"
#include "keyfile/little_endian.h"

namespace tolvane {

namespace {

constexpr std::size_t kRootUnitOffset = 0;
constexpr std::size_t kKeyLengthOffset = 2;

// An open that fails after it has set the in-use flag puts the header back as it found it, so
// the failed attempt neither leaves the file marked busy nor clears a flag that another user
// had set. The failure's own code is what the caller must see, whatever this write does.
void RestoreHeader(IndexFile& index, const Block& original) {
    const KeyFileCode code = KeyFileError();
    WriteIndexBlock(index, kHeaderUnit, original);
    SetKeyFileError(code);
}

}  // namespace

IndexHandle OpenIndex(std::unique_ptr<BlockFile> file) {
    SetKeyFileError(KFE_NONE);
    if (!file) {
        SetKeyFileError(KFE_OPEN);
        return nullptr;
    }
    IndexHandle index(new (std::nothrow) IndexFile);
    if (!index) {
        SetKeyFileError(KFE_NO_MEMORY);
        return nullptr;
    }
    index->m_file = std::move(file);

    Block header{};
    if (!ReadIndexBlock(*index, kHeaderUnit, header)) {
        SetKeyFileError(KFE_READ);
        return nullptr;
    }
    const Block original = header;
    index->m_nRootUnit = DecodeU16(&header[kRootUnitOffset]);
    index->m_nKeyLength = DecodeU16(&header[kKeyLengthOffset]);
    index->m_nCurrentUnit = index->m_nRootUnit;
    index->m_nPosition = 1;

    if (DecodeU16(&header[kInUseFlagOffset]) != 0) {
        SetKeyFileError(KFE_IN_USE);
    }
    EncodeU16(&header[kInUseFlagOffset], 1);
    if (!WriteIndexBlock(*index, kHeaderUnit, header)) {
        SetKeyFileError(KFE_WRITE);
        return nullptr;
    }

    // The root is read straight into the current node, not through the cache. Its entry
    // count is checked here because the walking modes may read its entries right after the
    // open, before any search has loaded a node.
    if (!ReadIndexBlock(*index, index->m_nRootUnit, index->m_current) ||
        !NodeEntriesFit(index->m_current, index->m_nKeyLength)) {
        SetKeyFileError(KFE_READ);
        RestoreHeader(*index, original);
        return nullptr;
    }
    index->m_bCurrentValid = true;

    if (!ReadIndexBlock(*index, kSpareUnit, index->m_spare)) {
        SetKeyFileError(KFE_READ);
        RestoreHeader(*index, original);
        return nullptr;
    }
    index->m_nSpareUnit = kSpareUnit;
    return index;
}

bool CloseIndex(IndexHandle index) {
    if (!index) {
        return false;
    }
    if (index->m_nSpareUnit != 0) {
        WriteIndexBlock(*index, index->m_nSpareUnit, index->m_spare);
    }
    bool result = true;
    Block header{};
    if (!ReadIndexBlock(*index, kHeaderUnit, header)) {
        SetKeyFileError(KFE_READ);
        result = false;
    } else {
        EncodeU16(&header[kInUseFlagOffset], 0);
        if (!WriteIndexBlock(*index, kHeaderUnit, header)) {
            SetKeyFileError(KFE_WRITE);
            result = false;
        }
    }
    index.reset();  // closes the file
    return result;
}

bool ReadIndexBlock(IndexFile& index, std::uint16_t unit,
                    std::span<std::uint8_t, kBlockSize> block) {
    return ReadBlock(*index.m_file, unit, block);
}

bool WriteIndexBlock(IndexFile& index, std::uint16_t unit,
                     std::span<const std::uint8_t, kBlockSize> block) {
    return WriteBlock(*index.m_file, unit, block);
}

bool LoadNode(IndexFile& index, std::uint16_t unit) {
    bool hit = false;
    for (NodeSlot& slot : index.m_cache) {
        if (slot.m_nUnit == 0) {
            continue;
        }
        if (slot.m_nUnit == unit) {
            index.m_current = slot.m_node;
            hit = true;
        } else if (slot.m_nAge < std::numeric_limits<std::int16_t>::max()) {
            // Ages stop at the top of their range instead of wrapping, where a long-unused
            // slot would suddenly look freshly filled.
            ++slot.m_nAge;
        }
    }
    index.m_nCurrentUnit = unit;
    if (hit) {
        index.m_bCurrentValid = true;
        return true;
    }
    index.m_bCurrentValid = false;
    if (!ReadIndexBlock(index, unit, index.m_current)) {
        return false;
    }
    // Entries are read by their count; a count that would run past the block is corruption.
    if (!NodeEntriesFit(index.m_current, index.m_nKeyLength)) {
        SetKeyFileError(KFE_IO);
        return false;
    }
    index.m_bCurrentValid = true;
    return CacheNode(index);
}

bool CacheNode(IndexFile& index) {
    std::size_t chosen = 0;
    bool found = false;
    for (std::size_t i = 0; i < index.m_cache.size() && !found; ++i) {
        if (index.m_cache[i].m_nUnit == index.m_nCurrentUnit) {
            chosen = i;
            found = true;
        }
    }
    for (std::size_t i = 0; i < index.m_cache.size() && !found; ++i) {
        if (index.m_cache[i].m_nUnit == 0) {
            chosen = i;
            found = true;
        }
    }
    if (!found) {
        for (std::size_t i = 1; i < index.m_cache.size(); ++i) {
            if (index.m_cache[i].m_nAge > index.m_cache[chosen].m_nAge) {
                chosen = i;
            }
        }
    }
    NodeSlot& slot = index.m_cache[chosen];
    slot.m_node = index.m_current;
    slot.m_nUnit = index.m_nCurrentUnit;
    slot.m_nAge = 0;
    return true;
}

}  // namespace tolvane
