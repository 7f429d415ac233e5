#include "keyfile/key_search.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "keyfile/index_node.h"
#include "keyfile/key_file_error.h"
#include "keyfile/little_endian.h"

namespace tolvane {

namespace {

// The deepest tree searched: levels 0 to 8.
constexpr int kMaxLevel = 8;

// A node unit is a 16-bit number, so a walk in one direction over distinct nodes follows at
// most 65534 links; one more step means a node came round again.
constexpr std::uint32_t kMaxWalkSteps = 65535;

constexpr int kForward = 1;
constexpr int kBackward = -1;

std::size_t CompareLength(std::uint16_t keyLength) {
    return std::clamp<std::size_t>(keyLength, 1, 32);
}

std::size_t CurrentEntryOffset(const IndexFile& index) {
    return EntryOffset(index.m_nPosition, index.m_nKeyLength);
}

// Reports the entry at the cursor: its key into the caller's buffer, its status byte and its
// pointer. Returns true when the entry is live.
bool ReportEntry(const IndexFile& index, std::span<std::uint8_t> key, std::uint16_t* recordUnit,
                 std::uint8_t* status) {
    const std::size_t offset = CurrentEntryOffset(index);
    const std::size_t keyLength = index.m_nKeyLength;
    std::memcpy(key.data(), &index.m_current[offset], std::min(keyLength, key.size()));
    *status = index.m_current[offset + keyLength];
    *recordUnit = DecodeU16(&index.m_current[offset + keyLength + 1]);
    return *status != kVoidStatus;
}

// Counts one link step of a walk; false with KFE_IO when the walk has gone round a cycle.
bool TakeWalkStep(IndexFile& index, int direction) {
    if (index.m_nWalkDirection != direction) {
        index.m_nWalkDirection = direction;
        index.m_nWalkSteps = 0;
    }
    if (++index.m_nWalkSteps > kMaxWalkSteps) {
        index.m_bCurrentValid = false;
        SetKeyFileError(KFE_IO);
        return false;
    }
    return true;
}

bool StepForward(IndexFile& index, std::span<std::uint8_t> key, std::uint16_t* recordUnit,
                 std::uint8_t* status) {
    if (!index.m_bCurrentValid) {
        SetKeyFileError(KFE_IO);
        return false;
    }
    for (;;) {
        const int count = NodeEntryCount(index.m_current);
        if (index.m_nPosition < count) {
            ++index.m_nPosition;
            if (ReportEntry(index, key, recordUnit, status)) {
                return true;
            }
            continue;
        }
        const std::uint16_t right = NodeRightLink(index.m_current);
        if (right == 0) {
            // Rest just past the last entry, however often the walk is repeated, so that a
            // step back finds the last entry again.
            index.m_nPosition = count + 1;
            return false;
        }
        if (!TakeWalkStep(index, kForward) || !LoadNode(index, right)) {
            return false;
        }
        index.m_nPosition = 0;
    }
}

bool StepBackward(IndexFile& index, std::span<std::uint8_t> key, std::uint16_t* recordUnit,
                  std::uint8_t* status) {
    if (!index.m_bCurrentValid) {
        SetKeyFileError(KFE_IO);
        return false;
    }
    for (;;) {
        const int count = NodeEntryCount(index.m_current);
        index.m_nPosition = std::min(index.m_nPosition, count + 1);
        if (index.m_nPosition > 1) {
            --index.m_nPosition;
            if (ReportEntry(index, key, recordUnit, status)) {
                return true;
            }
            continue;
        }
        const std::uint16_t left = NodeLeftLink(index.m_current);
        if (left == 0) {
            // Rest just before the first entry (see StepForward).
            index.m_nPosition = 0;
            return false;
        }
        if (!TakeWalkStep(index, kBackward) || !LoadNode(index, left)) {
            return false;
        }
        index.m_nPosition = NodeEntryCount(index.m_current) + 1;
    }
}

// Descends from the root to the leaf where key belongs and positions the cursor there.
// Returns false with KFE_IO when a node fails to load or no leaf lies within 9 levels;
// otherwise sets *exact to the leaf search's result.
bool Descend(IndexFile& index, std::span<const std::uint8_t> key, std::uint16_t* recordUnit,
             std::uint8_t* status, bool* exact) {
    std::uint16_t unit = index.m_nRootUnit;
    for (int level = 0;; ++level) {
        if (level > kMaxLevel) {
            SetKeyFileError(KFE_IO);
            return false;
        }
        if (!LoadNode(index, unit)) {
            return false;
        }
        if (NodeIsLeaf(index.m_current)) {
            break;
        }
        std::uint8_t childStatus = 0;
        SearchNode(index, key, &unit, &childStatus);
    }
    *exact = SearchNode(index, key, recordUnit, status);
    index.m_nWalkDirection = 0;
    index.m_nWalkSteps = 0;
    return true;
}

}  // namespace

std::int16_t CompareKeys(const std::uint8_t* a, const std::uint8_t* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const int difference = static_cast<int>(a[i]) - static_cast<int>(b[i]);
        if (difference != 0) {
            return static_cast<std::int16_t>(difference);
        }
    }
    return 0;
}

bool SearchNode(IndexFile& index, std::span<const std::uint8_t> key, std::uint16_t* pointer,
                std::uint8_t* status) {
    const std::size_t keyLength = index.m_nKeyLength;
    const std::size_t compareLength = CompareLength(index.m_nKeyLength);
    if (compareLength != keyLength) {
        std::printf("\nkey size error (insert): %d  %d", static_cast<int>(keyLength),
                    static_cast<int>(compareLength));
    }
    *status = 0;
    *pointer = 0;
    const int count = NodeEntryCount(index.m_current);
    if (count == 0) {
        index.m_nPosition = 0;
        return false;
    }

    int position = 1;
    std::int16_t order = 0;
    for (; position <= count; ++position) {
        order = CompareKeys(key.data(), &index.m_current[EntryOffset(position, keyLength)],
                            compareLength);
        if (order <= 0) {
            break;
        }
    }
    const bool equal = position <= count && order == 0;
    if (!equal) {
        position = std::max(position - 1, 1);
    }
    index.m_nPosition = position;
    const std::size_t offset = CurrentEntryOffset(index);
    *status = index.m_current[offset + keyLength];
    *pointer = DecodeU16(&index.m_current[offset + keyLength + 1]);
    return equal;
}

bool FindKey(IndexFile& index, int mode, std::span<std::uint8_t> key, std::uint16_t* recordUnit,
             std::uint8_t* status) {
    SetKeyFileError(KFE_NONE);
    if (mode < FIND_EXACT || mode > FIND_PREVIOUS) {
        SetKeyFileError(KFE_BAD_MODE);
        return false;
    }
    if (mode == FIND_NEXT) {
        return StepForward(index, key, recordUnit, status);
    }
    if (mode == FIND_PREVIOUS) {
        return StepBackward(index, key, recordUnit, status);
    }

    if (key.size() < CompareLength(index.m_nKeyLength)) {
        SetKeyFileError(KFE_BAD_MODE);
        return false;
    }
    bool exact = false;
    if (!Descend(index, key, recordUnit, status, &exact)) {
        return false;
    }
    if (mode == FIND_EXACT) {
        return exact && *status != kVoidStatus;
    }
    // FIND_AT_OR_BEFORE. A leaf without entries has nothing to report at the cursor: its
    // entry bytes are unused space. Like a void entry, it hands over to the backward walk.
    if (index.m_nPosition != 0 && *status != kVoidStatus) {
        return ReportEntry(index, key, recordUnit, status);
    }
    return StepBackward(index, key, recordUnit, status);
}

}  // namespace tolvane
