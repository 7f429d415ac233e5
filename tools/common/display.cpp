#include "common/display.h"

#include <cstdlib>

namespace tolvane {
namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool HasDisplay() {
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
#endif
}

}  // namespace tolvane
