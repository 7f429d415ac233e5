#pragma once
// BlockFile over a file of this host, through the C runtime's binary file streams.
#include <memory>
#include <string>

#include "keyfile/block_file.h"

namespace tolvane {

// Opens an existing file of this host (a host path, not a Windows path) for reading and
// writing in binary mode. Returns none when it does not exist or cannot be opened so.
std::unique_ptr<BlockFile> OpenStdioBlockFile(const std::string& hostPath);

}  // namespace tolvane
