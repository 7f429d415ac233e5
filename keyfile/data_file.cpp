#include "keyfile/data_file.h"

#include <new>
#include <utility>

#include "keyfile/key_file_error.h"
#include "keyfile/little_endian.h"

namespace tolvane {

DataHandle OpenDataFile(std::unique_ptr<BlockFile> file) {
    SetKeyFileError(KFE_NONE);
    if (!file) {
        SetKeyFileError(KFE_OPEN);
        return nullptr;
    }
    DataHandle data(new (std::nothrow) DataFile);
    if (!data) {
        SetKeyFileError(KFE_NO_MEMORY);
        return nullptr;
    }
    data->m_file = std::move(file);

    Block header{};
    if (!ReadDataBlock(*data, kHeaderUnit, header)) {
        SetKeyFileError(KFE_READ);
        return nullptr;
    }
    const Block original = header;
    data->m_nReservedBlocks = DecodeU16(&header[kReservedBlocksOffset]);
    if (DecodeU16(&header[kInUseFlagOffset]) != 0) {
        SetKeyFileError(KFE_IN_USE);
    }
    EncodeU16(&header[kInUseFlagOffset], 1);
    if (!WriteDataBlock(*data, kHeaderUnit, header)) {
        SetKeyFileError(KFE_WRITE);
        return nullptr;
    }

    if (!ReadDataBlock(*data, kSpareUnit, data->m_spare)) {
        // Put the header back as it was found (see OpenIndex); the caller sees KFE_READ.
        WriteDataBlock(*data, kHeaderUnit, original);
        SetKeyFileError(KFE_READ);
        return nullptr;
    }
    data->m_nSpareUnit = kSpareUnit;
    return data;
}

bool CloseDataFile(DataHandle data) {
    if (!data) {
        return false;
    }
    if (data->m_nSpareUnit != 0) {
        WriteDataBlock(*data, data->m_nSpareUnit, data->m_spare);
    }
    bool result = true;
    Block header{};
    if (!ReadDataBlock(*data, kHeaderUnit, header)) {
        SetKeyFileError(KFE_READ);
        result = false;
    } else {
        EncodeU16(&header[kInUseFlagOffset], 0);
        if (!WriteDataBlock(*data, kHeaderUnit, header)) {
            SetKeyFileError(KFE_WRITE);
            result = false;
        }
    }
    data.reset();  // closes the file
    return result;
}

bool ReadDataBlock(DataFile& data, std::uint16_t unit, std::span<std::uint8_t, kBlockSize> block) {
    return ReadBlock(*data.m_file, unit, block);
}

bool WriteDataBlock(DataFile& data, std::uint16_t unit,
                    std::span<const std::uint8_t, kBlockSize> block) {
    return WriteBlock(*data.m_file, unit, block);
}

}  // namespace tolvane
