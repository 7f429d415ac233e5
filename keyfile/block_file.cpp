#include "keyfile/block_file.h"

#include "keyfile/key_file_error.h"

namespace tolvane {

namespace {

// Unit 0 would lie 128 bytes before the start of the file: positioning there fails.
bool UnitOffset(std::uint16_t unit, std::uint64_t* offset) {
    if (unit == 0) {
        SetKeyFileError(KFE_IO);
        return false;
    }
    *offset = (static_cast<std::uint64_t>(unit) - 1) * kUnitSize;
    return true;
}

}  // namespace

bool ReadBlock(BlockFile& file, std::uint16_t unit, std::span<std::uint8_t, kBlockSize> block) {
    std::uint64_t offset = 0;
    if (!UnitOffset(unit, &offset)) {
        return false;
    }
    if (file.ReadAt(offset, block) != kBlockSize) {
        SetKeyFileError(KFE_IO);
        return false;
    }
    return true;
}

bool WriteBlock(BlockFile& file, std::uint16_t unit,
                std::span<const std::uint8_t, kBlockSize> block) {
    std::uint64_t offset = 0;
    if (!UnitOffset(unit, &offset)) {
        return false;
    }
    if (file.WriteAt(offset, block) != kBlockSize) {
        SetKeyFileError(KFE_IO);
        return false;
    }
    return true;
}

}  // namespace tolvane
