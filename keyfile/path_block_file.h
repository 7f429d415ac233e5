#pragma once
// BlockFile over a file named by a Windows path ("C:\Report\POS-B"), mapped onto this host.
#include <memory>
#include <string_view>

#include "keyfile/block_file.h"

namespace tolvane {

// Opens the existing file that windowsPath names (see host/paths.h) for reading and writing
// in binary mode. Returns none when it does not exist or cannot be opened so.
std::unique_ptr<BlockFile> OpenPathBlockFile(std::string_view windowsPath);

}  // namespace tolvane
