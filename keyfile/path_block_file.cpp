#include "keyfile/path_block_file.h"

#include "host/paths.h"
#include "keyfile/stdio_block_file.h"

namespace tolvane {

std::unique_ptr<BlockFile> OpenPathBlockFile(std::string_view windowsPath) {
    return OpenStdioBlockFile(HostPath(windowsPath));
}

}  // namespace tolvane
