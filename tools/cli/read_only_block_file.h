#pragma once
// A keyed file opened only for looking at it. The keyed-file library marks a file in use
// while it is open and writes its spare block back at close; a dump or a search from the
// command line must leave the POS system's file exactly as it found it, even one the POS has
// open or one that this user may only read. Writes therefore go to memory: later reads see
// them, the file never does.
#include <memory>
#include <string_view>

#include "keyfile/block_file.h"

namespace tolvane {

// Opens the existing file that a Windows path (or a path of this host) names, for reading
// only. None when it cannot be opened.
std::unique_ptr<BlockFile> OpenReadOnlyBlockFile(std::string_view windowsPath);

}  // namespace tolvane
