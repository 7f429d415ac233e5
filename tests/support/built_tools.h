#pragma once
// The programs of tools/ that the end-to-end tests run as processes, as this build made them.
#include <string>

namespace tolvane {

inline std::string CliPath() {
    return std::string(TOLVANE_BINARY_DIR) + "/tools/cli/tolvane-cli";
}

inline std::string DemoPath() {
    return std::string(TOLVANE_BINARY_DIR) + "/tools/demo/tolvane-demo";
}

}  // namespace tolvane
